// NOTE for the `regles` branch: rules 50 to 74 are written on the `regles2` branch; leave this file to it.
#include "ia/regles.h"

#include "donne/jeu.h"
#include "ia/moteur.h"

// Defenders' leads, trump signals, default plays.

namespace quarvel {

void regle50(Jeu&, const ContexteDecision&) {}
void regle51(Jeu&, const ContexteDecision&) {}
void regle52(Jeu&, const ContexteDecision&) {}
void regle53(Jeu&, const ContexteDecision&) {}
void regle54(Jeu&, const ContexteDecision&) {}
void regle55(Jeu&, const ContexteDecision&) {}
void regle56(Jeu&, const ContexteDecision&) {}
void regle57(Jeu&, const ContexteDecision&) {}
void regle58(Jeu&, const ContexteDecision&) {}
void regle59(Jeu&, const ContexteDecision&) {}
void regle60(Jeu&, const ContexteDecision&) {}
void regle61(Jeu&, const ContexteDecision&) {}
void regle62(Jeu&, const ContexteDecision&) {}
void regle63(Jeu&, const ContexteDecision&) {}
void regle64(Jeu&, const ContexteDecision&) {}
void regle65(Jeu&, const ContexteDecision&) {}
void regle66(Jeu&, const ContexteDecision&) {}
void regle67(Jeu&, const ContexteDecision&) {}
void regle68(Jeu&, const ContexteDecision&) {}
void regle69(Jeu&, const ContexteDecision&) {}
void regle70(Jeu&, const ContexteDecision&) {}
void regle71(Jeu&, const ContexteDecision&) {}
void regle72(Jeu&, const ContexteDecision&) {}
void regle73(Jeu&, const ContexteDecision&) {}
void regle74(Jeu&, const ContexteDecision&) {}

} // namespace quarvel
