#include "fenetres/modele/evenements.h"

#include <charconv>
#include <cstdint>
#include <optional>
#include <string>

#include "encheres/ecart.h"
#include "encheres/poignee.h"
#include "fenetres/modele/aide_table.h"
#include "fenetres/modele/challenge.h"
#include "fenetres/modele/jeu.h"
#include "fenetres/modele/mesures.h"
#include "fenetres/modele/options.h"
#include "fenetres/modele/plateforme.h"
#include "fenetres/modele/presentation.h"
#include "fenetres/modele/presentation_fin.h"
#include "fenetres/modele/presentation_poignee.h"
#include "fenetres/modele/revue.h"
#include "partie/chien.h"
#include "partie/coeur.h"
#include "partie/flux.h"
#include "partie/main_joueur.h"
#include "partie/nouvelle_donne.h"

namespace quarvel {

namespace {

// A deal number as typed: digits only, spaces around allowed, within the random source's range.
std::optional<std::uint32_t> lireNumeroDonne(const std::string& texteTape) {
    const auto debut = texteTape.find_first_not_of(" \t");
    if (debut == std::string::npos) return std::nullopt;
    const auto fin = texteTape.find_last_not_of(" \t") + 1;
    const char* premier = texteTape.data() + debut;
    const char* dernier = texteTape.data() + fin;
    std::uint32_t n = 0;
    const auto [reste, erreur] = std::from_chars(premier, dernier, n);
    if (erreur != std::errc{} || reste != dernier || *premier == '-' || *premier == '+')
        return std::nullopt;
    return n;
}

// Deals the deal of a number the user types; anything else than a number in range gets a
// message, and the game goes on as it was.
void choisirDonne(Jeu& jeu) {
    if (!jeu.plateforme) return;
    std::string tape;
    if (!jeu.plateforme->demanderTexte(PRODUIT,
                                       texte(jeu.textes,
                                             "Numéro de la donne (de 0 à 4294967295)\u00a0:",
                                             "Deal number (0 to 4294967295):"),
                                       tape))
        return;
    const std::optional<std::uint32_t> n = lireNumeroDonne(tape);
    if (!n) {
        jeu.plateforme->message(texte(
            jeu.textes, "Ce n'est pas un numéro de donne\u00a0: tapez un nombre de 0 à 4294967295.",
            "This is not a deal number: type a number from 0 to 4294967295."));
        return;
    }
    nouvelleDonneNumero(jeu, *n);
}

// Events aimed at the main table (its clicks, keys, tool bar and menus).
bool surLaTable(Evt t) {
    switch (t) {
    case Evt::StartFrench:
    case Evt::StartEnglish:
    case Evt::TickEnchere:
    case Evt::TickEntreCarte:
    case Evt::TickTransition:
    case Evt::TickTousPlis:
    case Evt::ClicCartePoignee:
    case Evt::ClicParesseux:
    case Evt::ClicOkPoignee:
    case Evt::ClicAnnulerPoignee:
    case Evt::OkPliPrecedent:
    case Evt::TousPlisEffacer:
    case Evt::TousPlisLecture:
    case Evt::TousPlisPas:
    case Evt::TousPlisArriere:
    case Evt::TousPlisVoirTout:
    case Evt::TousPlisOk:
    case Evt::TousPlisImprimer:
    case Evt::TousPlisCouleur:
    case Evt::MainsOk:
    case Evt::MainsImprimer:
    case Evt::MainsCouleur:
    case Evt::ScoreOk:
    case Evt::ScoreImprimer:
    case Evt::ScoreCouleur:
    case Evt::MeilleursScoresOk:
    case Evt::MeilleursScoresImprimer:
    case Evt::StatistiquesOk:
    case Evt::StatistiquesImprimer:
    case Evt::StatistiquesEffacer:
        return false;
    default:
        return true;
    }
}

bool dansIntervalle(int i, int a, int b) {
    return i >= a && i <= b;
}

// Once the play has begun the round table is on show, and a click on it goes on.
bool tableMontree(Phase p) {
    switch (p) {
    case Phase::JeuEnCours:
    case Phase::TourSud:
    case Phase::OffrePoignee:
    case Phase::ChoixPoignee:
    case Phase::PliARamasser:
    case Phase::DernierPli:
    case Phase::DonneFinie:
    case Phase::DonneBloquee:
        return true;
    default:
        return false;
    }
}

// The hand images a click reaches: none while the bidding holds them, the row of 24 during the
// discard, then the cards still held.
bool carteMainOfferte(const Jeu& jeu, int i) {
    const Donne& d = jeu.donne;
    switch (d.phase) {
    case Phase::AttentePremiereDonne:
    case Phase::Encheres:
    case Phase::EnchereSud:
    case Phase::EncheresCloses:
        return false;
    case Phase::Ecart:
        return dansIntervalle(i, 1, 24);
    case Phase::ChienMontre:
    case Phase::AttenteJeu:
        return dansIntervalle(i, 1, 18);
    default:
        return dansIntervalle(i, 1, 18) && d.mains[SUD][i].enMain;
    }
}

// The gestures of the deal itself; the others have been offered to their owners first. Each is
// taken or ignored by the phase of the deal.
void traiterDonne(Jeu& jeu, Evenement e) {
    const Phase phase = jeu.donne.phase;
    const int i = e.index;
    switch (e.type) {
    case Evt::ClicFond:
        continuer(jeu);
        break;
    case Evt::ToucheEspace:
    case Evt::ToucheEntree:
        continuer(jeu);
        break;
    case Evt::ClicTable:
        if (tableMontree(phase)) continuer(jeu);
        break;
    case Evt::ClicPanelDec:
        // All four bubbles show once the bidding is closed.
        if (dansIntervalle(i, 1, 4) && phase == Phase::EncheresCloses) continuer(jeu);
        break;
    case Evt::ClicCarte3D:
        if (carteMainOfferte(jeu, i)) jouerCarteMain(jeu, i);
        break;
    case Evt::ClicCarteChien:
        if (dansIntervalle(i, 1, 6) && phase == Phase::ChienMontre) retirerChien(jeu, true);
        break;
    case Evt::ClicLancement:
        if (phase == Phase::AttentePremiereDonne) nouvelleDonne(jeu, false);
        break;
    case Evt::ClicEnchere:
        if (estLegale(jeu, Action::enchere(SUD, static_cast<Contrat>(i))))
            enchereJoueur(jeu, static_cast<Contrat>(i));
        break;
    case Evt::ClicConseil:
        if (phase == Phase::EnchereSud && jeu.reglages.optionVisibiliteConseilEnchere)
            enchereJoueur(jeu, jeu.donne.encheresAnnoncees[SUD]);
        break;
    case Evt::ClicConfirmeEcart:
        if (phase == Phase::Ecart && estLegale(jeu, Action::ecart(SUD, selectionEcart(jeu))))
            confirmerEcart(jeu);
        break;
    case Evt::ClicPoignee:
        // A kind the hand cannot show has no button; ouvrirPoignee turns it down all the same.
        if (phase != Phase::OffrePoignee || !dansIntervalle(i, 0, 3)) break;
        if (i == 0)
            appliquer(jeu, Action::poignee(SUD, 0, 0));
        else
            ouvrirPoignee(jeu, i, unitePoignee(jeu));
        break;
    case Evt::ClicNouvelleDonne:
        if (donneTerminee(phase)) nouvelleDonne(jeu, false);
        break;
    case Evt::ClicRejouerDonne:
        if (donneTerminee(phase)) nouvelleDonne(jeu, true);
        break;
    case Evt::MenuGameAgain:
        if (phase != Phase::AttentePremiereDonne) nouvelleDonne(jeu, true);
        break;
    case Evt::MenuChoisirDonne:
        choisirDonne(jeu);
        break;
    case Evt::TickEnchere:
        if (jeu.minuteries.TimerEnchere.enabled) tickEnchere(jeu);
        break;
    case Evt::TickEntreCarte:
        if (jeu.minuteries.TimerEntreCarte.enabled) tourSuivant(jeu);
        break;
    case Evt::TickTransition:
        if (jeu.minuteries.TimerTransition.enabled) {
            jeu.minuteries.TimerTransition.arreter();
            continuer(jeu);
        }
        break;
    case Evt::ClicCartePoignee:
        // Only trumps answer; they are the hand's first slots, the ones the dialog shows.
        if (phase == Phase::ChoixPoignee && dansIntervalle(i, 1, 18) &&
            !choisirCartePoignee(jeu, i))
            refuserExcusePoignee(jeu);
        break;
    case Evt::ClicParesseux:
        if (phase == Phase::ChoixPoignee) boutonParesseux(jeu);
        break;
    case Evt::ClicOkPoignee:
        if (phase == Phase::ChoixPoignee)
            appliquer(jeu, Action::poignee(SUD, jeu.donne.poignee, selectionPoigneeSud(jeu)));
        break;
    case Evt::ClicAnnulerPoignee:
        if (phase == Phase::ChoixPoignee) annulerPoignee(jeu);
        break;
    default:
        break;
    }
}

void traiterGeste(Jeu& jeu, Evenement e);

// Escape closes the review windows that are open; with none, it hides the keyboard's focus.
void fermerRevuesOuvertes(Jeu& jeu) {
    const Fenetres& f = jeu.fen;
    bool fermee = false;
    for (auto [fenetre, ok] : {std::pair{&f.frmPliPrecedent.fenetre, Evt::OkPliPrecedent},
                               {&f.frmMains.fenetre, Evt::MainsOk},
                               {&f.frmScoreDetaille.fenetre, Evt::ScoreOk},
                               {&f.frmTousPlis.fenetre, Evt::TousPlisOk},
                               {&f.frmMeilleursScores.fenetre, Evt::MeilleursScoresOk},
                               {&f.frmStatistiques.fenetre, Evt::StatistiquesOk}})
        if (fenetre->visible) {
            traiterGeste(jeu, {ok});
            fermee = true;
        }
    if (!fermee) jeu.clavier.montre = false;
}

// The commands of help at the table and the keys; false for any other event.
bool traiterAideTable(Jeu& jeu, Evenement e) {
    Evenement geste{};
    switch (e.type) {
    case Evt::MenuConseilJeu:
        demanderConseil(jeu);
        return true;
    case Evt::MenuReprendre:
        reprendreCarte(jeu);
        return true;
    case Evt::ToucheGauche:
    case Evt::ToucheDroite:
        deplacerFocus(jeu, e.type == Evt::ToucheDroite ? 1 : -1);
        return true;
    case Evt::ToucheEntree:
    case Evt::ToucheEspace:
        if (gesteFocus(jeu, geste)) {
            traiterGeste(jeu, geste);
            return true;
        }
        // Unfocused, the bid bar's advice holds the keys as it opens.
        if (jeu.donne.phase == Phase::EnchereSud && jeu.fen.frmQuarvel.evMaMain.focus) {
            traiterGeste(jeu, {Evt::ClicConseil});
            return true;
        }
        return false; // the go-on gesture
    case Evt::ToucheEchap:
        fermerRevuesOuvertes(jeu);
        return true;
    default:
        return false;
    }
}

void traiterGeste(Jeu& jeu, Evenement e) {
    // While the handful dialog is open, or before the table is shown, the table takes nothing.
    if (surLaTable(e.type) &&
        (!jeu.fen.frmQuarvel.fenetre.visible || jeu.donne.phase == Phase::ChoixPoignee))
        return;
    if (refuserPendantChallenge(jeu, e)) return;
    if (traiterCommandeOption(jeu, e)) return;
    if (traiterEvenementRevue(jeu, e)) return;
    if (traiterChallenge(jeu, e)) return;
    if (traiterAideTable(jeu, e)) return;
    traiterDonne(jeu, e);
}

// A click of the mouse on the table: the keyboard's focus steps aside.
bool clicSouris(Evt t) {
    return t != Evt::ToucheEspace && entier(t) >= entier(Evt::ClicFond) &&
           entier(t) <= entier(Evt::ClicScoreTotal);
}

} // namespace

void traiterEvenement(Jeu& jeu, Evenement e) {
    const Phase avant = jeu.donne.phase;
    const int donnes = jeu.donnesDistribuees;
    if (clicSouris(e.type)) jeu.clavier.montre = false;
    traiterGeste(jeu, e);
    if (jeu.donnesDistribuees != donnes) enregistrerGraine(jeu);
    presenter(jeu, avant);
    // The last deal of a series is on show before its end is told.
    if (jeu.challenge.fini) {
        const Phase fin = jeu.donne.phase;
        conclureChallenge(jeu);
        presenter(jeu, fin);
    }
}

} // namespace quarvel
