#pragma once
// The numbered play rules of the computer players, applied in order by the rule pass.
#include "cartes/tableau.h"

namespace quarvel {

struct Jeu;

// A slot that holds no card: a query that found none, or no candidate that beats.
constexpr int AUCUN_SLOT = -1;
// carteQuiBat for a defender while a partner wins the trick: no need to beat it.
constexpr int PARTENAIRE_GAGNE = 100;

// Shared by every rule of one decision, computed once before the pass.
struct ContexteDecision {
    int moi = 0;        // the seat choosing
    int position = 0;   // 1 for the leader .. 4
    int W = 0;          // gagnantActuel(moi)
    int B = AUCUN_SLOT; // carteQuiBat(moi): PARTENAIRE_GAGNE, a slot, or AUCUN_SLOT
    int T = 0;          // the taker
    int L = 0;          // the leader of the trick
    int D1 = 0, D2 = 0, D3 = 0;
};

using FonctionRegle = void (*)(Jeu&, const ContexteDecision&);

// Rules run only after regleApplicable(k) held; they test their own conditions, then keep or
// drop candidates. A decision records the rule the pass is running (noterRegle).
void regle1(Jeu&, const ContexteDecision&);
void regle2(Jeu&, const ContexteDecision&);
void regle3(Jeu&, const ContexteDecision&);
void regle4(Jeu&, const ContexteDecision&);
void regle5(Jeu&, const ContexteDecision&);
void regle6(Jeu&, const ContexteDecision&);
void regle7(Jeu&, const ContexteDecision&);
void regle8(Jeu&, const ContexteDecision&);
void regle9(Jeu&, const ContexteDecision&);
void regle10(Jeu&, const ContexteDecision&);
void regle11(Jeu&, const ContexteDecision&);
void regle12(Jeu&, const ContexteDecision&);
void regle13(Jeu&, const ContexteDecision&);
void regle14(Jeu&, const ContexteDecision&);
void regle15(Jeu&, const ContexteDecision&);
void regle16(Jeu&, const ContexteDecision&);
void regle17(Jeu&, const ContexteDecision&);
void regle18(Jeu&, const ContexteDecision&);
void regle19(Jeu&, const ContexteDecision&);
void regle20(Jeu&, const ContexteDecision&);
void regle21(Jeu&, const ContexteDecision&);
void regle22(Jeu&, const ContexteDecision&);
void regle23(Jeu&, const ContexteDecision&);
void regle24(Jeu&, const ContexteDecision&);
void regle25(Jeu&, const ContexteDecision&);
void regle26(Jeu&, const ContexteDecision&);
void regle27(Jeu&, const ContexteDecision&);
void regle28(Jeu&, const ContexteDecision&);
void regle29(Jeu&, const ContexteDecision&);
void regle30(Jeu&, const ContexteDecision&);
void regle31(Jeu&, const ContexteDecision&);
void regle32(Jeu&, const ContexteDecision&);
void regle33(Jeu&, const ContexteDecision&);
void regle34(Jeu&, const ContexteDecision&);
void regle35(Jeu&, const ContexteDecision&);
void regle36(Jeu&, const ContexteDecision&);
void regle37(Jeu&, const ContexteDecision&);
void regle38(Jeu&, const ContexteDecision&);
void regle39(Jeu&, const ContexteDecision&);
void regle40(Jeu&, const ContexteDecision&);
void regle41(Jeu&, const ContexteDecision&);
void regle42(Jeu&, const ContexteDecision&);
void regle43(Jeu&, const ContexteDecision&);
void regle44(Jeu&, const ContexteDecision&);
void regle45(Jeu&, const ContexteDecision&);
void regle46(Jeu&, const ContexteDecision&);
void regle47(Jeu&, const ContexteDecision&);
void regle48(Jeu&, const ContexteDecision&);
void regle49(Jeu&, const ContexteDecision&);
void regle50(Jeu&, const ContexteDecision&);
void regle51(Jeu&, const ContexteDecision&);
void regle52(Jeu&, const ContexteDecision&);
void regle53(Jeu&, const ContexteDecision&);
void regle54(Jeu&, const ContexteDecision&);
void regle55(Jeu&, const ContexteDecision&);
void regle56(Jeu&, const ContexteDecision&);
void regle57(Jeu&, const ContexteDecision&);
void regle58(Jeu&, const ContexteDecision&);
void regle59(Jeu&, const ContexteDecision&);
void regle60(Jeu&, const ContexteDecision&);
void regle61(Jeu&, const ContexteDecision&);
void regle62(Jeu&, const ContexteDecision&);
void regle63(Jeu&, const ContexteDecision&);
void regle64(Jeu&, const ContexteDecision&);
void regle65(Jeu&, const ContexteDecision&);
void regle66(Jeu&, const ContexteDecision&);
void regle67(Jeu&, const ContexteDecision&);
void regle68(Jeu&, const ContexteDecision&);
void regle69(Jeu&, const ContexteDecision&);
void regle70(Jeu&, const ContexteDecision&);
void regle71(Jeu&, const ContexteDecision&);
void regle72(Jeu&, const ContexteDecision&);
void regle73(Jeu&, const ContexteDecision&);
void regle74(Jeu&, const ContexteDecision&);

// reglesJeu[k] for k = 1..74.
extern const Tableau<FonctionRegle, 74> reglesJeu;

} // namespace quarvel
