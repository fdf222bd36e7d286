#include "fenetres/modele/demarrage.h"

#include "fenetres/modele/challenge.h"

#include "fenetres/modele/gestes.h"
#include "fenetres/modele/jeu.h"
#include "fenetres/modele/langue.h"
#include "fenetres/modele/options.h"
#include "fenetres/modele/presentation.h"
#include "fenetres/modele/revue.h"
#include "reglages/persistance.h"

namespace quarvel {

namespace {

// The main table's creation once its layout is done.
void preparerFenetreQuarvel(Jeu& jeu) {
    TfrmQuarvel& f = jeu.fen.frmQuarvel;
    chargerReglages(jeu.reglages, jeu.magasin);
    // Each run deals on from where the last one stopped; a first run from the constant.
    if (jeu.reglages.graineAleatoire != 0)
        jeu.alea.graine = static_cast<std::uint32_t>(jeu.reglages.graineAleatoire);
    appliquerLangue(jeu);
    appliquerOptions(jeu);
    f.fenetre.couleur = jeu.reglages.optionCouleurFondEcran;
    f.menuPreviousTrick.enabled = false;
    // Nothing to replay before a first deal.
    f.menuGameAgain.enabled = false;
    f.SBGameAgain.enabled = false;
    f.PanelLancement.visible = true;

    Donne& d = jeu.donne;
    d.premierParlant = NORD; // the first deal is opened by OUEST
    d.joueurCourant = SUD;
    d.numeroPli = 0;
    jeu.scoresVisibles = false;
    appliquerOptions(jeu);
}

} // namespace

void demarrerJeu(Jeu& jeu, Ecran ecran, MagasinReglages* magasin, Plateforme* plateforme,
                 const std::string& dossierProgramme) {
    jeu.magasin = magasin;
    jeu.plateforme = plateforme;
    jeu.textes = Textes{};
    jeu.textes.dossierProgramme = dossierProgramme;
    // Sane values for anything the store cannot give; the store overrides them.
    jeu.reglages = Reglages{};
    valeursParDefaut(jeu.reglages);
    jeu.reglages.verif = false;

    jeu.minuteries = Minuteries{};
    calculerEchelles(jeu, ecran);
    creerFenetreSplash(jeu, ecran);
    creerFenetrePoignee(jeu, ecran);
    creerFenetreQuarvel(jeu, ecran);
    preparerFenetreQuarvel(jeu);
    creerFenetresRevue(jeu);
    creerFenetresChallenge(jeu);
    montrerMinuteries(jeu);
}

void choisirLangue(Jeu& jeu, int langue) {
    if (langue != FRANCAIS && langue != ANGLAIS) return;
    if (jeu.textes.langue != LANGUE_AUCUNE) return; // chosen once per run
    jeu.textes.langue = langue;
    appliquerLangue(jeu);
    appliquerOptions(jeu);
    jeu.fen.frmSplash.fenetre.visible = false;
    jeu.fen.frmQuarvel.fenetre.visible = true;
}

} // namespace quarvel
