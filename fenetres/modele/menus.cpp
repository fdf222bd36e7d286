#include "fenetres/modele/menus.h"

namespace quarvel {

namespace {

enum Groupe { AUCUN = 0, NIVEAU = 1, VITESSE = 2, ATTENTE = 3, FORCE = 4 };

NoeudMenu feuille(const char* nom, ElementMenu& e, Evt type, int index = 0, bool cochable = false,
                  int raccourci = 0, int groupe = AUCUN) {
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
        {feuille("menuNewGame", f.menuNewGame, Evt::MenuNewGame, 0, false, 2),
         feuille("menuGameAgain", f.menuGameAgain, Evt::MenuGameAgain, 0, false, 3),
         feuille("menuChoisirDonne", f.menuChoisirDonne, Evt::MenuChoisirDonne), separateur(),
         feuille("menuInitScores", f.menuInitScores, Evt::MenuInitScores, 0, false, 4)}));
    m.push_back(
        sousMenu("menuLevel", f.menuLevel,
                 {feuille("menuDebutant", f.menuDebutant, Evt::MenuNiveau, 1, true, 0, NIVEAU),
                  feuille("menuAmateur", f.menuAmateur, Evt::MenuNiveau, 2, true, 0, NIVEAU),
                  feuille("menuBon", f.menuBon, Evt::MenuNiveau, 3, true, 0, NIVEAU),
                  feuille("menuPro", f.menuPro, Evt::MenuNiveau, 4, true, 0, NIVEAU), separateur(),
                  feuille("menuOptionNiveauAdaptatif", f.menuOptionNiveauAdaptatif,
                          Evt::MenuNiveauAdaptatif, 0, true)}));
    m.push_back(sousMenu(
        "menuVitesses", f.menuVitesses,
        {sousMenu(
             "menuJeuDeLaCarte", f.menuJeuDeLaCarte,
             {feuille("menuInstantane", f.menuInstantane, Evt::MenuVitesse, 5, true, 0, VITESSE),
              feuille("menuRapide", f.menuRapide, Evt::MenuVitesse, 4, true, 0, VITESSE),
              feuille("menuNormal", f.menuNormal, Evt::MenuVitesse, 3, true, 0, VITESSE),
              feuille("menuLent", f.menuLent, Evt::MenuVitesse, 2, true, 0, VITESSE),
              feuille("menuEscargot", f.menuEscargot, Evt::MenuVitesse, 1, true, 0, VITESSE)}),
         sousMenu(
             "menuAttenteEntreChaquePli", f.menuAttenteEntreChaquePli,
             {feuille("menuClickObligatoire", f.menuClickObligatoire, Evt::MenuAttente, 0, true, 0,
                      ATTENTE),
              separateur(),
              feuille("menuUneSeconde", f.menuUneSeconde, Evt::MenuAttente, 1, true, 0, ATTENTE),
              feuille("menuDeuxSecondes", f.menuDeuxSecondes, Evt::MenuAttente, 2, true, 0,
                      ATTENTE),
              feuille("menuCinqSecondes", f.menuCinqSecondes, Evt::MenuAttente, 3, true, 0,
                      ATTENTE)})}));
    m.push_back(sousMenu(
        "menuForce", f.menuForce,
        {feuille("menuForceNormale", f.menuForceNormale, Evt::MenuForce, 2, true, 0, FORCE),
         separateur(),
         feuille("menuForcePrise", f.menuForcePrise, Evt::MenuForce, 3, true, 0, FORCE),
         feuille("menuForceGarde", f.menuForceGarde, Evt::MenuForce, 4, true, 0, FORCE),
         feuille("menuForceGardeSans", f.menuForceGardeSans, Evt::MenuForce, 5, true, 0, FORCE),
         feuille("menuForceGardeContre", f.menuForceGardeContre, Evt::MenuForce, 6, true, 0, FORCE),
         separateur(),
         feuille("menuForceDefense", f.menuForceDefense, Evt::MenuForce, 1, true, 0, FORCE),
         separateur(), feuille("menuAtLeast", f.menuAtLeast, Evt::MenuAtLeast, 0, true)}));
    m.push_back(sousMenu(
        "menuVoir", f.menuVoir,
        {feuille("menuScoresGlobaux", f.menuScoresGlobaux, Evt::MenuScoresGlobaux, 0, true, 5),
         feuille("menuConseilEnch", f.menuConseilEnch, Evt::MenuConseilEnch, 0, true, 6),
         feuille("menuPointsPartieEnCours", f.menuPointsPartieEnCours, Evt::MenuPointsPartieEnCours,
                 0, true, 7),
         feuille("menuDeductions", f.menuDeductions, Evt::MenuDeductions, 0, true, 8), separateur(),
         feuille("menuBarreOutils", f.menuBarreOutils, Evt::MenuBarreOutils, 0, true),
         feuille("menuBarreInfo", f.menuBarreInfo, Evt::MenuBarreInfo, 0, true)}));
    m.push_back(sousMenu(
        "menuOptions", f.menuOptions,
        {feuille("menuProposerPoignee", f.menuProposerPoignee, Evt::MenuProposerPoignee, 0, true),
         separateur(), feuille("menuPreviousTrick", f.menuPreviousTrick, Evt::MenuPreviousTrick),
         separateur(),
         feuille("menuCouleurFondEcran", f.menuCouleurFondEcran, Evt::MenuCouleurFondEcran),
         feuille("menuCouleurTableRonde", f.menuCouleurTableRonde, Evt::MenuCouleurTableRonde)}));
    m.push_back(sousMenu("menuAide", f.menuAide,
                         {feuille("menuSommaire", f.menuSommaire, Evt::MenuSommaire, 0, false, 1),
                          feuille("menuApropos", f.menuApropos, Evt::MenuApropos)}));
    m.push_back(feuille("menuQuit", f.menuQuit, Evt::MenuQuit, 0, false, 9));
    return m;
}

void initialiserMenus(TfrmQuarvel& f) {
    auto arbre = arbreMenu(f);
    copier(arbre);
}

} // namespace quarvel
