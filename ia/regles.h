#pragma once
// The numbered play rules of the computer players, applied in order by the rule pass.
#include "cartes/carte.h"

namespace quarvel {

struct PartieIA;

// A slot that holds no card: a query that found none, or no candidate that beats.
constexpr int AUCUN_SLOT = -1;
// carteQuiBat for a defender while a partner wins the trick: no need to beat it.
constexpr int PARTENAIRE_GAGNE = 100;

// Shared by every rule of one decision, computed once before the pass.
struct ContexteDecision {
    Siege moi = Siege::Aucun; // the seat choosing
    int position = 0;         // 1 for the leader .. 4
    Siege W = Siege::Aucun;   // gagnantActuel(moi)
    int B = AUCUN_SLOT;       // carteQuiBat(moi): PARTENAIRE_GAGNE, a slot, or AUCUN_SLOT
    Siege T = Siege::Aucun;   // the taker
    Siege L = Siege::Aucun;   // the leader of the trick
    Siege D1 = Siege::Aucun, D2 = Siege::Aucun, D3 = Siege::Aucun;
};

using FonctionRegle = void (*)(PartieIA&, const ContexteDecision&);

// Rules run only after regleApplicable(k) held; they test their own conditions, then keep or
// drop candidates. A decision records the rule the pass is running (noterRegle).
void regle1(PartieIA&, const ContexteDecision&);
void regle2(PartieIA&, const ContexteDecision&);
void regle3(PartieIA&, const ContexteDecision&);
void regle4(PartieIA&, const ContexteDecision&);
void regle5(PartieIA&, const ContexteDecision&);
void regle6(PartieIA&, const ContexteDecision&);
void regle7(PartieIA&, const ContexteDecision&);
void regle8(PartieIA&, const ContexteDecision&);
void regle9(PartieIA&, const ContexteDecision&);
void regle10(PartieIA&, const ContexteDecision&);
void regle11(PartieIA&, const ContexteDecision&);
void regle12(PartieIA&, const ContexteDecision&);
void regle13(PartieIA&, const ContexteDecision&);
void regle14(PartieIA&, const ContexteDecision&);
void regle15(PartieIA&, const ContexteDecision&);
void regle16(PartieIA&, const ContexteDecision&);
void regle17(PartieIA&, const ContexteDecision&);
void regle18(PartieIA&, const ContexteDecision&);
void regle19(PartieIA&, const ContexteDecision&);
void regle20(PartieIA&, const ContexteDecision&);
void regle21(PartieIA&, const ContexteDecision&);
void regle22(PartieIA&, const ContexteDecision&);
void regle23(PartieIA&, const ContexteDecision&);
void regle24(PartieIA&, const ContexteDecision&);
void regle25(PartieIA&, const ContexteDecision&);
void regle26(PartieIA&, const ContexteDecision&);
void regle27(PartieIA&, const ContexteDecision&);
void regle28(PartieIA&, const ContexteDecision&);
void regle29(PartieIA&, const ContexteDecision&);
void regle30(PartieIA&, const ContexteDecision&);
void regle31(PartieIA&, const ContexteDecision&);
void regle32(PartieIA&, const ContexteDecision&);
void regle33(PartieIA&, const ContexteDecision&);
void regle34(PartieIA&, const ContexteDecision&);
void regle35(PartieIA&, const ContexteDecision&);
void regle36(PartieIA&, const ContexteDecision&);
void regle37(PartieIA&, const ContexteDecision&);
void regle38(PartieIA&, const ContexteDecision&);
void regle39(PartieIA&, const ContexteDecision&);
void regle40(PartieIA&, const ContexteDecision&);
void regle41(PartieIA&, const ContexteDecision&);
void regle42(PartieIA&, const ContexteDecision&);
void regle43(PartieIA&, const ContexteDecision&);
void regle44(PartieIA&, const ContexteDecision&);
void regle45(PartieIA&, const ContexteDecision&);
void regle46(PartieIA&, const ContexteDecision&);
void regle47(PartieIA&, const ContexteDecision&);
void regle48(PartieIA&, const ContexteDecision&);
void regle49(PartieIA&, const ContexteDecision&);
void regle50(PartieIA&, const ContexteDecision&);
void regle51(PartieIA&, const ContexteDecision&);
void regle52(PartieIA&, const ContexteDecision&);
void regle53(PartieIA&, const ContexteDecision&);
void regle54(PartieIA&, const ContexteDecision&);
void regle55(PartieIA&, const ContexteDecision&);
void regle56(PartieIA&, const ContexteDecision&);
void regle57(PartieIA&, const ContexteDecision&);
void regle58(PartieIA&, const ContexteDecision&);
void regle59(PartieIA&, const ContexteDecision&);
void regle60(PartieIA&, const ContexteDecision&);
void regle61(PartieIA&, const ContexteDecision&);
void regle62(PartieIA&, const ContexteDecision&);
void regle63(PartieIA&, const ContexteDecision&);
void regle64(PartieIA&, const ContexteDecision&);
void regle65(PartieIA&, const ContexteDecision&);
void regle66(PartieIA&, const ContexteDecision&);
void regle67(PartieIA&, const ContexteDecision&);
void regle68(PartieIA&, const ContexteDecision&);
void regle69(PartieIA&, const ContexteDecision&);
void regle70(PartieIA&, const ContexteDecision&);
void regle71(PartieIA&, const ContexteDecision&);
void regle72(PartieIA&, const ContexteDecision&);
void regle73(PartieIA&, const ContexteDecision&);
void regle74(PartieIA&, const ContexteDecision&);

// reglesJeu[k] for k = 1..74.
extern const Tableau<FonctionRegle, 74> reglesJeu;

} // namespace quarvel
