#include "ia/regles.h"

#include "donne/jeu.h"
#include "ia/moteur.h"

// Bouts, drawing trumps, honours, discards.

namespace quarvel {

void regle1(Jeu&, const ContexteDecision&) {}
void regle2(Jeu&, const ContexteDecision&) {}
void regle3(Jeu&, const ContexteDecision&) {}
void regle4(Jeu&, const ContexteDecision&) {}
void regle5(Jeu&, const ContexteDecision&) {}
void regle6(Jeu&, const ContexteDecision&) {}
void regle7(Jeu&, const ContexteDecision&) {}
void regle8(Jeu&, const ContexteDecision&) {}
void regle9(Jeu&, const ContexteDecision&) {}
void regle10(Jeu&, const ContexteDecision&) {}
void regle11(Jeu&, const ContexteDecision&) {}
void regle12(Jeu&, const ContexteDecision&) {}
void regle13(Jeu&, const ContexteDecision&) {}
void regle14(Jeu&, const ContexteDecision&) {}
void regle15(Jeu&, const ContexteDecision&) {}
void regle16(Jeu&, const ContexteDecision&) {}
void regle17(Jeu&, const ContexteDecision&) {}
void regle18(Jeu&, const ContexteDecision&) {}
void regle19(Jeu&, const ContexteDecision&) {}
void regle20(Jeu&, const ContexteDecision&) {}
void regle21(Jeu&, const ContexteDecision&) {}
void regle22(Jeu&, const ContexteDecision&) {}
void regle23(Jeu&, const ContexteDecision&) {}
void regle24(Jeu&, const ContexteDecision&) {}

} // namespace quarvel
