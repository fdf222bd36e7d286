#include "fenetres/modele/menus.h"

namespace quarvel {

namespace {

enum Groupe { AUCUN = 0, NIVEAU = 1, VITESSE = 2, ATTENTE = 3, FORCE = 4, CHALLENGE = 5 };

NoeudMenu feuille(const char* nom, ElementMenu& e, Evt type, int index = 0, bool cochable = false,
                  const char* raccourci = "", int groupe = AUCUN) {
    NoeudMenu n;
    n.nom = nom;
    n.element = &e;
    n.evenement = {type, index};
    n.cochable = cochable || groupe != AUCUN;
    n.raccourci = raccourci;
    n.groupe = groupe;
    return n;
}

NoeudMenu sousMenu(const char* nom, ElementMenu& e, std::vector<NoeudMenu> enfants) {
    NoeudMenu n;
    n.nom = nom;
    n.element = &e;
    n.enfants = std::move(enfants);
    return n;
}

NoeudMenu separateur() {
    return NoeudMenu{};
}

void copier(std::vector<NoeudMenu>& noeuds) {
    for (auto& n : noeuds) {
        if (n.element) {
            n.element->raccourci = n.raccourci;
            n.element->groupe = n.groupe;
        }
        copier(n.enfants);
    }
}

} // namespace

std::vector<NoeudMenu> arbreMenu(TfrmQuarvel& f) {
    std::vector<NoeudMenu> m;
    m.push_back(sousMenu(
        "menuQuarvel", f.menuQuarvel,
        {feuille("menuNewGame", f.menuNewGame, Evt::MenuNewGame, 0, false, "F2"),
         feuille("menuGameAgain", f.menuGameAgain, Evt::MenuGameAgain, 0, false, "F3"),
         feuille("menuChoisirDonne", f.menuChoisirDonne, Evt::MenuChoisirDonne), separateur(),
         feuille("menuChallenge", f.menuChallenge, Evt::MenuNouveauChallenge, 0, false, "Ctrl+N"),
         feuille("menuMeilleursScores", f.menuMeilleursScores, Evt::MenuMeilleursScores),
         feuille("menuStatistiques", f.menuStatistiques, Evt::MenuStatistiques), separateur(),
         feuille("menuConseilJeu", f.menuConseilJeu, Evt::MenuConseilJeu, 0, false, "Ctrl+H"),
         feuille("menuReprendre", f.menuReprendre, Evt::MenuReprendre, 0, false, "Ctrl+Z"),
         separateur(),
         feuille("menuInitScores", f.menuInitScores, Evt::MenuInitScores, 0, false, "F4")}));
    m.push_back(sousMenu(
        "menuLevel", f.menuLevel,
        {feuille("menuDebutant", f.menuDebutant, Evt::MenuNiveau, 1, true, "", NIVEAU),
         feuille("menuAmateur", f.menuAmateur, Evt::MenuNiveau, 2, true, "", NIVEAU),
         feuille("menuBon", f.menuBon, Evt::MenuNiveau, 3, true, "", NIVEAU),
         feuille("menuPro", f.menuPro, Evt::MenuNiveau, 4, true, "", NIVEAU),
         feuille("menuExpert", f.menuExpert, Evt::MenuNiveau, 5, true, "", NIVEAU), separateur(),
         feuille("menuOptionNiveauAdaptatif", f.menuOptionNiveauAdaptatif, Evt::MenuNiveauAdaptatif,
                 0, true)}));
    m.push_back(sousMenu(
        "menuVitesses", f.menuVitesses,
        {sousMenu(
             "menuJeuDeLaCarte", f.menuJeuDeLaCarte,
             {feuille("menuInstantane", f.menuInstantane, Evt::MenuVitesse, 5, true, "", VITESSE),
              feuille("menuRapide", f.menuRapide, Evt::MenuVitesse, 4, true, "", VITESSE),
              feuille("menuNormal", f.menuNormal, Evt::MenuVitesse, 3, true, "", VITESSE),
              feuille("menuLent", f.menuLent, Evt::MenuVitesse, 2, true, "", VITESSE),
              feuille("menuEscargot", f.menuEscargot, Evt::MenuVitesse, 1, true, "", VITESSE)}),
         sousMenu(
             "menuAttenteEntreChaquePli", f.menuAttenteEntreChaquePli,
             {feuille("menuClickObligatoire", f.menuClickObligatoire, Evt::MenuAttente, 0, true, "",
                      ATTENTE),
              separateur(),
              feuille("menuUneSeconde", f.menuUneSeconde, Evt::MenuAttente, 1, true, "", ATTENTE),
              feuille("menuDeuxSecondes", f.menuDeuxSecondes, Evt::MenuAttente, 2, true, "",
                      ATTENTE),
              feuille("menuCinqSecondes", f.menuCinqSecondes, Evt::MenuAttente, 3, true, "",
                      ATTENTE)})}));
    m.push_back(sousMenu(
        "menuForce", f.menuForce,
        {feuille("menuForceNormale", f.menuForceNormale, Evt::MenuForce, 2, true, "", FORCE),
         separateur(),
         feuille("menuForcePrise", f.menuForcePrise, Evt::MenuForce, 3, true, "", FORCE),
         feuille("menuForceGarde", f.menuForceGarde, Evt::MenuForce, 4, true, "", FORCE),
         feuille("menuForceGardeSans", f.menuForceGardeSans, Evt::MenuForce, 5, true, "", FORCE),
         feuille("menuForceGardeContre", f.menuForceGardeContre, Evt::MenuForce, 6, true, "",
                 FORCE),
         separateur(),
         feuille("menuForceDefense", f.menuForceDefense, Evt::MenuForce, 1, true, "", FORCE),
         separateur(), feuille("menuAtLeast", f.menuAtLeast, Evt::MenuAtLeast, 0, true)}));
    m.push_back(sousMenu(
        "menuVoir", f.menuVoir,
        {feuille("menuScoresGlobaux", f.menuScoresGlobaux, Evt::MenuScoresGlobaux, 0, true, "F5"),
         feuille("menuConseilEnch", f.menuConseilEnch, Evt::MenuConseilEnch, 0, true, "F6"),
         feuille("menuPointsPartieEnCours", f.menuPointsPartieEnCours, Evt::MenuPointsPartieEnCours,
                 0, true, "F7"),
         feuille("menuDeductions", f.menuDeductions, Evt::MenuDeductions, 0, true, "F8"),
         feuille("menuVoirConseilJeu", f.menuVoirConseilJeu, Evt::MenuVoirConseilJeu, 0, true),
         feuille("menuAnimation", f.menuAnimation, Evt::MenuAnimation, 0, true), separateur(),
         feuille("menuBarreOutils", f.menuBarreOutils, Evt::MenuBarreOutils, 0, true),
         feuille("menuBarreInfo", f.menuBarreInfo, Evt::MenuBarreInfo, 0, true)}));
    m.push_back(sousMenu(
        "menuOptions", f.menuOptions,
        {feuille("menuProposerPoignee", f.menuProposerPoignee, Evt::MenuProposerPoignee, 0, true),
         feuille("menuConseilSimulation", f.menuConseilSimulation, Evt::MenuConseilSimulation, 0,
                 true),
         sousMenu("menuNbDonnesChallenge", f.menuNbDonnesChallenge,
                  {feuille("menuChallenge6", f.menuChallenge6, Evt::MenuNbDonnesChallenge, 6, true,
                           "", CHALLENGE),
                   feuille("menuChallenge12", f.menuChallenge12, Evt::MenuNbDonnesChallenge, 12,
                           true, "", CHALLENGE),
                   feuille("menuChallenge18", f.menuChallenge18, Evt::MenuNbDonnesChallenge, 18,
                           true, "", CHALLENGE),
                   feuille("menuChallenge24", f.menuChallenge24, Evt::MenuNbDonnesChallenge, 24,
                           true, "", CHALLENGE)}),
         separateur(), feuille("menuPreviousTrick", f.menuPreviousTrick, Evt::MenuPreviousTrick),
         separateur(),
         feuille("menuCouleurFondEcran", f.menuCouleurFondEcran, Evt::MenuCouleurFondEcran),
         feuille("menuCouleurTableRonde", f.menuCouleurTableRonde, Evt::MenuCouleurTableRonde)}));
    m.push_back(
        sousMenu("menuAide", f.menuAide,
                 {feuille("menuSommaire", f.menuSommaire, Evt::MenuSommaire, 0, false, "F1"),
                  feuille("menuApropos", f.menuApropos, Evt::MenuApropos)}));
    m.push_back(feuille("menuQuit", f.menuQuit, Evt::MenuQuit, 0, false, "F9"));
    return m;
}

void initialiserMenus(TfrmQuarvel& f) {
    auto arbre = arbreMenu(f);
    copier(arbre);
}

} // namespace quarvel
