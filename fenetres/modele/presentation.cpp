#include "fenetres/modele/presentation.h"

#include "donne/jeu.h"
#include "encheres/poignee.h"
#include "fenetres/modele/deductions.h"

#include <string>

namespace quarvel {

namespace {

// The deductions panel shows SUD's knowledge once it is set up for the deal, that is once the
// dog and the discard are settled.
void montrerDeductions(Jeu& jeu) {
    switch (jeu.donne.phase) {
    case Phase::AttentePremiereDonne:
        return;
    case Phase::Encheres:
    case Phase::EnchereSud:
    case Phase::EncheresCloses:
    case Phase::ChienMontre:
    case Phase::Ecart:
        effacerDeductions(jeu);
        return;
    default:
        afficherDeductions(jeu);
    }
}

void ecrire(Composant& c, const std::string& texte) {
    if (c.caption != texte) c.caption = texte;
}

// The running figures of the deal, from its first gathered trick on; the half point dropped.
// The points to make show once the three bouts are accounted for.
void montrerChiffres(Jeu& jeu) {
    const Donne& d = jeu.donne;
    TfrmQuarvel& q = jeu.fen.frmQuarvel;
    if (d.phase == Phase::AttentePremiereDonne) return;
    const bool montres = d.numeroPli >= 2;
    auto chiffre = [&](int n) { return montres ? std::to_string(n) : std::string(); };
    ecrire(q.nPointsAttaque, chiffre(d.pointsPreneur / 2));
    ecrire(q.nPointsDefense, chiffre(d.pointsDefense / 2));
    ecrire(q.nBoutsPreneur, chiffre(d.boutsPreneur));
    ecrire(q.nBoutsDefense, chiffre(d.boutsDefense));
    ecrire(q.nContrat, d.boutsPreneur + d.boutsDefense == 3 ? chiffre(d.pointsContrat) : "");
}

// What follows from the phase alone, once a first deal is dealt.
void montrerPhase(Jeu& jeu) {
    const Donne& d = jeu.donne;
    if (d.phase == Phase::AttentePremiereDonne) return;
    TfrmQuarvel& q = jeu.fen.frmQuarvel;
    q.PanelLancement.visible = false;
    q.menuGameAgain.enabled = true;
    q.SBGameAgain.enabled = true;
    q.SBGameAgain.checked = d.donneRejouee;
    q.BarreEnchere.visible = d.phase == Phase::EnchereSud;
    for (auto& c : q.CarteChien) c.visible = d.phase == Phase::ChienMontre;
    q.PanelConfirmeEcart.visible = d.phase == Phase::Ecart && jeu.ecart.nbEcartees == 6;
    q.PanelPoignee.visible = d.phase == Phase::OffrePoignee;
    // The offer shows the kinds the hand can make; the buttons keep it once hidden.
    if (d.phase == Phase::OffrePoignee) {
        const int n = atoutsSud(jeu);
        q.PanelPoigneeSimple.visible = q.PanelPoigneeAucune.visible = true;
        q.PanelPoigneeDouble.visible = n >= taillePoignee(2);
        q.PanelPoigneeTriple.visible = n >= taillePoignee(3);
    }
    // The bid bar offers Passe and what beats the best bid, with the advice for the hand.
    if (d.phase == Phase::EnchereSud) {
        const int meilleure = jeu.encheres.meilleureEnchere;
        q.ButtonPasse.visible = true;
        Composant* boutons[] = {&q.ButtonPrise, &q.ButtonGarde, &q.ButtonGardeSans,
                                &q.ButtonGardeContre};
        for (int code = PRISE; code <= GARDE_CONTRE; ++code)
            boutons[code - 1]->visible = code > meilleure;
        ecrire(q.evMaMain,
               jeu.textes.motConseil + ": " + jeu.textes.nomsEncheres[d.encheresAnnoncees[SUD]]);
    }
    // The handful dialog holds the table until it closes.
    const bool choix = d.phase == Phase::ChoixPoignee;
    jeu.fen.frmPoignee.fenetre.visible = choix;
    q.fenetre.enabled = !choix;
    q.menuPreviousTrick.enabled = d.numeroPli >= 2;

    // The taker and his bid, from the dog on.
    const bool preneur = d.phase != Phase::Encheres && d.phase != Phase::EnchereSud &&
                         d.phase != Phase::EncheresCloses;
    q.PanelPreneur.visible = q.PanelEnchere.visible = preneur;
    ecrire(q.PanelPreneur, preneur ? jeu.textes.nomsJoueurs[d.preneur] : std::string());
    ecrire(q.PanelEnchere, preneur ? jeu.textes.nomsEncheres[d.contrat] : std::string());
}

} // namespace

void montrerMinuteries(Jeu& jeu) {
    TfrmQuarvel& q = jeu.fen.frmQuarvel;
    q.TimerEnchere = jeu.minuteries.TimerEnchere;
    q.TimerEntreCarte = jeu.minuteries.TimerEntreCarte;
    q.TimerTransition = jeu.minuteries.TimerTransition;
}

void montrerJeu(Jeu& jeu) {
    montrerDeductions(jeu);
    montrerChiffres(jeu);
    montrerPhase(jeu);
    montrerMinuteries(jeu);
}

} // namespace quarvel
