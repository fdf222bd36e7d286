#include "ia/regles.h"

#include "donne/jeu.h"
#include "ia/moteur.h"

// The Petit, the Excuse, the taker's first leads.

namespace quarvel {

void regle25(Jeu&, const ContexteDecision&) {}
void regle26(Jeu&, const ContexteDecision&) {}
void regle27(Jeu&, const ContexteDecision&) {}
void regle28(Jeu&, const ContexteDecision&) {}
void regle29(Jeu&, const ContexteDecision&) {}
void regle30(Jeu&, const ContexteDecision&) {}
void regle31(Jeu&, const ContexteDecision&) {}
void regle32(Jeu&, const ContexteDecision&) {}
void regle33(Jeu&, const ContexteDecision&) {}
void regle34(Jeu&, const ContexteDecision&) {}
void regle35(Jeu&, const ContexteDecision&) {}
void regle36(Jeu&, const ContexteDecision&) {}
void regle37(Jeu&, const ContexteDecision&) {}
void regle38(Jeu&, const ContexteDecision&) {}
void regle39(Jeu&, const ContexteDecision&) {}
void regle40(Jeu&, const ContexteDecision&) {}
void regle41(Jeu&, const ContexteDecision&) {}
void regle42(Jeu&, const ContexteDecision&) {}
void regle43(Jeu&, const ContexteDecision&) {}
void regle44(Jeu&, const ContexteDecision&) {}
void regle45(Jeu&, const ContexteDecision&) {}
void regle46(Jeu&, const ContexteDecision&) {}
void regle47(Jeu&, const ContexteDecision&) {}
void regle48(Jeu&, const ContexteDecision&) {}
void regle49(Jeu&, const ContexteDecision&) {}

} // namespace quarvel
