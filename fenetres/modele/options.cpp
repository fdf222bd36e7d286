#include "fenetres/modele/options.h"

#include "fenetres/modele/demarrage.h"
#include "fenetres/modele/jeu.h"
#include "fenetres/modele/plateforme.h"
#include "partie/nouvelle_donne.h"
#include "reglages/magasin.h"
#include "reglages/persistance.h"

#include <algorithm>

namespace quarvel {

namespace {

// Checks entry `valeur` of a radio group; a value outside the group checks nothing.
void cocher(std::initializer_list<std::pair<int, ElementMenu*>> groupe, int valeur) {
    bool connu = false;
    for (auto [v, e] : groupe) connu = connu || v == valeur;
    if (!connu) return;
    for (auto [v, e] : groupe) e->checked = v == valeur;
}

// A running timer picks up a new interval at once, as a restarted one would.
void changerIntervalle(Jeu& jeu, Minuterie& t, int ms) {
    if (t.interval == ms) return;
    t.interval = ms;
    if (t.enabled) t.demarrer(jeu.maintenant);
}

void appliquerEtSauver(Jeu& jeu) {
    appliquerOptions(jeu);
    enregistrerReglages(jeu);
}

void message(Jeu& jeu, const char* fr, const char* en) {
    const std::string t = texte(jeu.textes, fr, en);
    if (!t.empty() && jeu.plateforme) jeu.plateforme->message(t);
}

// Check-mark toggles: the item's mark decides, the option follows.
void basculerSelonMarque(Jeu& jeu, ElementMenu& item, bool& option) {
    option = !item.checked;
    item.checked = option;
    appliquerEtSauver(jeu);
}

void choisirCouleur(Jeu& jeu, int depart, int& option) {
    int couleur = depart;
    if (jeu.plateforme && jeu.plateforme->choisirCouleur(couleur)) option = couleur;
    appliquerEtSauver(jeu); // even when cancelled
}

} // namespace

void appliquerOptions(Jeu& jeu) {
    const Reglages& r = jeu.reglages;
    TfrmQuarvel& f = jeu.fen.frmQuarvel;

    f.fenetre.couleur = r.optionCouleurFondEcran;
    f.TableRonde.couleur = r.optionCouleurTableRonde;

    cocher({{1, &f.menuForceDefense},
            {2, &f.menuForceNormale},
            {3, &f.menuForcePrise},
            {4, &f.menuForceGarde},
            {5, &f.menuForceGardeSans},
            {6, &f.menuForceGardeContre}},
           r.optionForceMain);

    cocher({{1, &f.menuDebutant},
            {2, &f.menuAmateur},
            {3, &f.menuBon},
            {4, &f.menuPro},
            {5, &f.menuExpert}},
           r.niveau);

    f.menuOptionNiveauAdaptatif.checked = r.optionNiveauAdaptatif;
    f.menuAtLeast.checked = r.optionAuMoinsUneMainDePrise;

    f.evMaMain.visible = r.optionVisibiliteConseilEnchere;
    f.menuConseilEnch.checked = r.optionVisibiliteConseilEnchere;

    f.menuPointsPartieEnCours.checked = r.optionVisibilitePointsPartieEnCours;
    f.PanneauScores.visible = r.optionVisibilitePointsPartieEnCours;

    f.menuDeductions.checked = r.optionVisibiliteDeductions;
    f.SBVoirDeductions.checked = r.optionVisibiliteDeductions;
    f.PanelDeductions.visible = r.optionVisibiliteDeductions;

    static constexpr int intervallesCarte[6] = {0, 1000, 400, 200, 100, 1};
    const int vitesse = r.optionVitesseJeuDeLaCarte;
    cocher({{1, &f.menuEscargot},
            {2, &f.menuLent},
            {3, &f.menuNormal},
            {4, &f.menuRapide},
            {5, &f.menuInstantane}},
           vitesse);
    if (vitesse >= 1 && vitesse <= 5)
        changerIntervalle(jeu, jeu.minuteries.TimerEntreCarte, intervallesCarte[vitesse]);

    static constexpr int intervallesPause[4] = {0, 1000, 2000, 5000};
    const int attente = r.optionAttenteEntreChaquePli;
    jeu.continuerAuto = true;
    cocher({{0, &f.menuClickObligatoire},
            {1, &f.menuUneSeconde},
            {2, &f.menuDeuxSecondes},
            {3, &f.menuCinqSecondes}},
           attente);
    if (attente == 0)
        jeu.continuerAuto = false;
    else if (attente >= 1 && attente <= 3)
        changerIntervalle(jeu, jeu.minuteries.TimerTransition, intervallesPause[attente]);

    f.menuProposerPoignee.checked = r.optionProposePoignee;
    f.menuConseilSimulation.checked = r.optionConseilSimulation;
    cocher({{6, &f.menuChallenge6},
            {12, &f.menuChallenge12},
            {18, &f.menuChallenge18},
            {24, &f.menuChallenge24}},
           r.optionNbDonnesChallenge);
    f.menuVoirConseilJeu.checked = r.optionVisibiliteConseilJeu;
    f.menuAnimation.checked = r.optionAnimationCartes;
    // Cards glide within the pace of the card speed, and not at all at the fastest one.
    f.dureeMouvement = r.optionAnimationCartes && vitesse >= 1 && vitesse <= 4
                           ? std::min(300, intervallesCarte[vitesse] * 4 / 5)
                           : 0;

    f.menuBarreOutils.checked = r.optionBarreOutils;
    f.PanelBarreOutils.visible = r.optionBarreOutils;

    f.menuBarreInfo.checked = r.optionBarreInfo;
    f.panelBarreInfo.visible = r.optionBarreInfo;
}

void changerNiveau(Jeu& jeu, int niveau) {
    if (niveau < 1 || niveau > 5) return;
    const int pli = jeu.donne.numeroPli;
    if (pli >= 1 && pli <= 18) {
        message(jeu, "Vous ne pouvez pas changer de niveau en pleine partie\u00a0!",
                "You can only change level at the beginning of a new deal!");
        return;
    }
    jeu.reglages.niveau = niveau;
    appliquerEtSauver(jeu);
}

void basculerDeductions(Jeu& jeu) {
    jeu.reglages.optionVisibiliteDeductions = !jeu.reglages.optionVisibiliteDeductions;
    appliquerEtSauver(jeu);
}

void choisirCouleurFondEcran(Jeu& jeu) {
    choisirCouleur(jeu, jeu.fen.frmQuarvel.fenetre.couleur, jeu.reglages.optionCouleurFondEcran);
}

void choisirCouleurTableRonde(Jeu& jeu) {
    choisirCouleur(jeu, jeu.fen.frmQuarvel.TableRonde.couleur,
                   jeu.reglages.optionCouleurTableRonde);
}

void enregistrerReglages(Jeu& jeu) {
    // The random state goes with the settings: the next run deals on from here.
    jeu.reglages.graineAleatoire = static_cast<int>(graineDesDonnes(jeu));
    sauverReglages(jeu.reglages, jeu.magasin);
}

void enregistrerGraine(Jeu& jeu) {
    jeu.reglages.graineAleatoire = static_cast<int>(graineDesDonnes(jeu));
    sauverGraineAleatoire(jeu.reglages, jeu.magasin);
}

void quitter(Jeu& jeu) {
    enregistrerReglages(jeu);
    if (jeu.plateforme) jeu.plateforme->quitter();
}

void afficherAPropos(Jeu& jeu) {
    if (!jeu.plateforme) return;
    const Textes& t = jeu.textes;
    std::string texteAPropos =
        PRODUIT + "\n\n" +
        texte(t, "Le tarot à quatre\u00a0: vous, au SUD, contre trois joueurs de l'ordinateur.",
              "French tarot for four: you, sitting SOUTH, against three computer players.") +
        "\n\n" +
        texte(t, "© 2026 Ostravin. Tous droits réservés.", "© 2026 Ostravin. All rights reserved.");
    const std::string ou = jeu.magasin ? jeu.magasin->emplacement() : std::string();
    if (!ou.empty())
        texteAPropos += std::string("\n\n") +
                        texte(t, "Vos réglages, scores et statistiques sont gardés dans\u00a0:",
                              "Your settings, scores and statistics are kept in:") +
                        "\n" + ou;
    jeu.plateforme->aPropos(texte(t, "À propos de Quarvel", "About Quarvel"), texteAPropos);
}

void ouvrirAide(Jeu& jeu) {
    if (jeu.plateforme && !jeu.textes.fichierAide.empty())
        jeu.plateforme->ouvrirAide(jeu.textes.fichierAide);
}

bool traiterCommandeOption(Jeu& jeu, Evenement e) {
    Reglages& r = jeu.reglages;
    TfrmQuarvel& f = jeu.fen.frmQuarvel;
    switch (e.type) {
    case Evt::MenuNiveau:
        changerNiveau(jeu, e.index);
        return true;
    case Evt::MenuNiveauAdaptatif:
        r.optionNiveauAdaptatif = !r.optionNiveauAdaptatif;
        appliquerEtSauver(jeu);
        return true;
    case Evt::MenuVitesse:
        if (e.index >= 1 && e.index <= 5) {
            r.optionVitesseJeuDeLaCarte = e.index;
            appliquerEtSauver(jeu);
        }
        return true;
    case Evt::MenuAttente:
        if (e.index >= 0 && e.index <= 3) {
            r.optionAttenteEntreChaquePli = e.index;
            appliquerEtSauver(jeu);
        }
        return true;
    case Evt::MenuForce:
        if (e.index >= 1 && e.index <= 6) {
            r.optionForceMain = e.index;
            appliquerEtSauver(jeu);
        }
        return true;
    case Evt::MenuNbDonnesChallenge:
        // The series in progress keeps its length; the next one takes this.
        if (e.index == 6 || e.index == 12 || e.index == 18 || e.index == 24) {
            r.optionNbDonnesChallenge = e.index;
            appliquerEtSauver(jeu);
        }
        return true;
    case Evt::MenuAtLeast:
        r.optionAuMoinsUneMainDePrise = !r.optionAuMoinsUneMainDePrise;
        appliquerEtSauver(jeu);
        return true;
    case Evt::MenuConseilEnch:
        r.optionVisibiliteConseilEnchere = !r.optionVisibiliteConseilEnchere;
        appliquerEtSauver(jeu);
        return true;
    case Evt::MenuVoirConseilJeu:
        basculerSelonMarque(jeu, f.menuVoirConseilJeu, r.optionVisibiliteConseilJeu);
        return true;
    case Evt::MenuAnimation:
        basculerSelonMarque(jeu, f.menuAnimation, r.optionAnimationCartes);
        return true;
    case Evt::MenuPointsPartieEnCours:
        r.optionVisibilitePointsPartieEnCours = !r.optionVisibilitePointsPartieEnCours;
        appliquerEtSauver(jeu);
        return true;
    case Evt::MenuDeductions:
        basculerDeductions(jeu);
        return true;
    case Evt::MenuProposerPoignee:
        basculerSelonMarque(jeu, f.menuProposerPoignee, r.optionProposePoignee);
        return true;
    case Evt::MenuConseilSimulation:
        basculerSelonMarque(jeu, f.menuConseilSimulation, r.optionConseilSimulation);
        return true;
    case Evt::MenuBarreOutils:
        basculerSelonMarque(jeu, f.menuBarreOutils, r.optionBarreOutils);
        return true;
    case Evt::MenuBarreInfo:
        basculerSelonMarque(jeu, f.menuBarreInfo, r.optionBarreInfo);
        return true;
    case Evt::MenuCouleurFondEcran:
        choisirCouleurFondEcran(jeu);
        return true;
    case Evt::MenuCouleurTableRonde:
        choisirCouleurTableRonde(jeu);
        return true;
    case Evt::MenuSommaire:
        ouvrirAide(jeu);
        return true;
    case Evt::MenuApropos:
        afficherAPropos(jeu);
        return true;
    case Evt::MenuQuit:
    case Evt::FermerTable: // the close box leaves as Quit does
        quitter(jeu);
        return true;
    case Evt::StartFrench:
        choisirLangue(jeu, FRANCAIS);
        return true;
    case Evt::StartEnglish:
        choisirLangue(jeu, ANGLAIS);
        return true;
    default:
        return false;
    }
}

} // namespace quarvel
