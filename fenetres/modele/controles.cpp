#include "fenetres/modele/controles.h"

namespace quarvel {

namespace {

using Liste = ListeControles;
using G = Genre;
using A = Allure;

std::string n(const char* prefixe, int i) {
    return prefixe + std::to_string(i);
}

// A clickable card picture of the table.
void carte(Liste& l, const char* nom, int i, Composant& c, int parent, Evenement geste) {
    l.ajouter(n(nom, i), c, parent, G::ImageCarte, {}, geste);
}

} // namespace

std::vector<Controle> controles(TfrmSplash& f) {
    Liste l;
    const int w = l.ajouter("frmSplash", f.fenetre, -1, G::Fenetre,
                            {.allure = A::Demarrage, .couleurDefaut = couleurRGB(0x145232)});
    const int cadre = l.ajouter("FrameSplash", f.FrameSplash, w, G::Panneau, {.allure = A::Barre});
    l.ajouter("ImgLogo", f.ImgLogo, cadre, G::Image, {.icone = "quarvel"});
    l.ajouter("lblCompanyProduct", f.lblCompanyProduct, cadre, G::Panneau,
              {.allure = A::Etiquette, .encre = couleurRGB(0xF6E7B4)});
    l.ajouter("PanelStartFrench", f.PanelStartFrench, cadre, G::Bouton, {.allure = A::Demarrer},
              Evenement{Evt::StartFrench});
    l.ajouter("PanelStartEnglish", f.PanelStartEnglish, cadre, G::Bouton, {.allure = A::Demarrer},
              Evenement{Evt::StartEnglish});
    return l.v;
}

std::vector<Controle> controles(TfrmQuarvel& f) {
    Liste l;
    l.v.reserve(140);
    const int w = l.ajouter("frmQuarvel", f.fenetre, -1, G::Fenetre, {.allure = A::Principale});

    // The table under everything, the bars and buttons on top.
    l.ajouter("TableRonde", f.TableRonde, w, G::Ellipse, {}, Evenement{Evt::ClicTable});
    for (Siege s : SIEGES)
        l.ajouter(n("CadrePreneur", entier(s)), f.CadrePreneur[s], w, G::Rectangle,
                  {.couleurDefaut = couleurRGB(0x9CD7F3)});
    // A card lying on the table is no control of its own: a click on it is a click on the window.
    for (Siege s : SIEGES) carte(l, "CarteTable", entier(s), f.CarteTable[s], w, {Evt::ClicFond});
    l.ajouter("CadreGagnant", f.CadreGagnant, w, G::Cadre, {.couleurDefaut = couleurRGB(0xF2C23A)});
    for (Siege s : SIEGES)
        l.ajouter(n("NomSiege", entier(s)), f.NomSiege[s], w, G::Panneau, {.allure = A::Bulle});
    for (int k = 1; k <= 6; ++k)
        carte(l, "CarteChien", k, f.CarteChien[k], w, {Evt::ClicCarteChien, k});
    for (int i = 1; i <= 24; ++i) carte(l, "Carte3D", i, f.Carte3D[i], w, {Evt::ClicCarte3D, i});
    for (Siege s : SIEGES)
        l.ajouter(n("PanelDec", entier(s)), f.PanelDec[s], w, G::Panneau,
                  {.allure = A::Bulle, .policeDefaut = 12},
                  Evenement{Evt::ClicPanelDec, entier(s)});
    for (Siege s : SIEGES)
        l.ajouter(n("panelScoreTotal", entier(s)), f.panelScoreTotal[s], w, G::Panneau,
                  {.allure = A::Bulle, .policeDefaut = 16},
                  Evenement{Evt::ClicScoreTotal, entier(s)});

    const Apparence chiffre{.allure = A::Chiffre};
    l.ajouter("PanelPreneur", f.PanelPreneur, w, G::Panneau, chiffre);
    l.ajouter("PanelEnchere", f.PanelEnchere, w, G::Panneau, chiffre);
    l.ajouter("PanelNumeroDonne", f.PanelNumeroDonne, w, G::Panneau, chiffre);
    // The series in progress, on a plate like the deductions above it.
    l.ajouter("PanelChallenge", f.PanelChallenge, w, G::Panneau,
              {.allure = A::Barre, .policeDefaut = 9});

    const int ps = l.ajouter("PanneauScores", f.PanneauScores, w, G::Panneau, {.allure = A::Barre});
    l.ajouter("nPointsAttaque", f.nPointsAttaque, ps, G::Panneau, chiffre);
    l.ajouter("nBoutsPreneur", f.nBoutsPreneur, ps, G::Panneau, chiffre);
    l.ajouter("nContrat", f.nContrat, ps, G::Panneau, chiffre);
    l.ajouter("nBoutsDefense", f.nBoutsDefense, ps, G::Panneau, chiffre);
    l.ajouter("nPointsDefense", f.nPointsDefense, ps, G::Panneau, chiffre);
    for (int k = 1; k <= 5; ++k)
        l.ajouter(n("LibelleChiffre", k), f.LibellesChiffres[k], ps, G::Panneau,
                  {.allure = A::Etiquette, .alignement = Alignement::Droite, .gras = false});

    const int pd =
        l.ajouter("PanelDeductions", f.PanelDeductions, w, G::Panneau, {.allure = A::Barre});
    l.ajouter("PanelInfoDeductions", f.PanelInfoDeductions, pd, G::Panneau, {.allure = A::Titre});
    l.ajouter("PanelAtoutMax", f.PanelAtoutMax, pd, G::Panneau, chiffre);
    const Apparence marqueur{.allure = A::Marqueur};
    l.ajouter("Panel21", f.Panel21, pd, G::Panneau, marqueur);
    l.ajouter("PanelPetit", f.PanelPetit, pd, G::Panneau, marqueur);
    l.ajouter("PanelExcuse", f.PanelExcuse, pd, G::Panneau, marqueur);
    l.ajouter("PanelAtExt", f.PanelAtExt, pd, G::Panneau, chiffre);
    static const char* const images[] = {"ImagePique", "ImageCoeur", "ImageTrefle", "ImageCarreau"};
    static const char* const symboles[] = {"pique", "coeur", "trefle", "carreau"};
    for (int c = 1; c <= 4; ++c) {
        // A light disc behind each symbol, so the dark ones stand out on the dark panel.
        l.ajouter(images[c - 1], f.ImagesCouleurs[c], pd, G::Image,
                  {.pastille = couleurRGB(0xFBF8EF), .icone = symboles[c - 1]});
        for (int h = 1; h <= 4; ++h)
            l.ajouter(n("MarqueurHonneur", c * 10 + h), f.MarqueursHonneurs[c][h], pd, G::Panneau,
                      marqueur);
        l.ajouter(n("CompteCouleur", c), f.ComptesCouleurs[c], pd, G::Panneau, chiffre);
    }

    // Each tool-bar button is its menu item's twin: the same command.
    const int bo =
        l.ajouter("PanelBarreOutils", f.PanelBarreOutils, w, G::Panneau, {.allure = A::Barre});
    const struct {
        const char* nom;
        Composant* c;
        const char* icone;
        Evt commande;
    } outils[] = {
        {"SBNewGame", &f.SBNewGame, "nouvelle", Evt::MenuNewGame},
        {"SBGameAgain", &f.SBGameAgain, "rejouer", Evt::MenuGameAgain},
        {"SBChallenge", &f.SBChallenge, "challenge", Evt::MenuNouveauChallenge},
        {"SBReprendre", &f.SBReprendre, "reprendre", Evt::MenuReprendre},
        {"SBConseilJeu", &f.SBConseilJeu, "conseil", Evt::MenuConseilJeu},
        {"SBVoirDeductions", &f.SBVoirDeductions, "deductions", Evt::MenuDeductions},
        {"SBVoirScoresGlobaux", &f.SBVoirScoresGlobaux, "scores", Evt::MenuScoresGlobaux},
        {"SBAide", &f.SBAide, "aide", Evt::MenuSommaire},
    };
    for (const auto& o : outils)
        l.ajouter(o.nom, *o.c, bo, G::BoutonRapide, {.icone = o.icone}, Evenement{o.commande});

    const int be = l.ajouter("BarreEnchere", f.BarreEnchere, w, G::Panneau, {.allure = A::Barre});
    Composant* boutons[] = {&f.ButtonPasse, &f.ButtonPrise, &f.ButtonGarde, &f.ButtonGardeSans,
                            &f.ButtonGardeContre};
    static const char* const nomsBoutons[] = {"ButtonPasse", "ButtonPrise", "ButtonGarde",
                                              "ButtonGardeSans", "ButtonGardeContre"};
    for (int code = 0; code <= 4; ++code)
        l.ajouter(nomsBoutons[code], *boutons[code], be, G::Bouton, {.allure = A::Enchere},
                  Evenement{Evt::ClicEnchere, code});
    l.ajouter("evMaMain", f.evMaMain, be, G::Bouton, {.allure = A::Conseil},
              Evenement{Evt::ClicConseil});

    l.ajouter("PanelConfirmeEcart", f.PanelConfirmeEcart, w, G::Bouton, {.allure = A::Action},
              Evenement{Evt::ClicConfirmeEcart});

    const int pp = l.ajouter("PanelPoignee", f.PanelPoignee, w, G::Panneau, {.allure = A::Encadre});
    l.ajouter("PanelPoigneeSimple", f.PanelPoigneeSimple, pp, G::Bouton, {.allure = A::Action},
              Evenement{Evt::ClicPoignee, 1});
    l.ajouter("PanelPoigneeDouble", f.PanelPoigneeDouble, pp, G::Bouton, {.allure = A::Action},
              Evenement{Evt::ClicPoignee, 2});
    l.ajouter("PanelPoigneeTriple", f.PanelPoigneeTriple, pp, G::Bouton, {.allure = A::Action},
              Evenement{Evt::ClicPoignee, 3});
    l.ajouter("PanelPoigneeAucune", f.PanelPoigneeAucune, pp, G::Bouton, {.allure = A::Action},
              Evenement{Evt::ClicPoignee, 0});

    const int pr = l.ajouter("PanelResultat", f.PanelResultat, w, G::Panneau, {.allure = A::Barre});
    l.ajouter("PanelTexteResultat", f.PanelTexteResultat, pr, G::Panneau,
              {.allure = A::Etiquette, .policeDefaut = 14});
    const Apparence resultat{.allure = A::Resultat};
    l.ajouter("PanelVoirMains", f.PanelVoirMains, pr, G::Bouton, resultat,
              Evenement{Evt::ClicVoirMains});
    l.ajouter("PanelVoirPlis", f.PanelVoirPlis, pr, G::Bouton, resultat,
              Evenement{Evt::ClicVoirPlis});
    l.ajouter("PanelScoreDetaille", f.PanelScoreDetaille, pr, G::Bouton, resultat,
              Evenement{Evt::ClicScoreDetaille});
    l.ajouter("panelRejouerDonne", f.panelRejouerDonne, pr, G::Bouton, resultat,
              Evenement{Evt::ClicRejouerDonne});
    l.ajouter("PanelPanelNewPartie", f.PanelPanelNewPartie, pr, G::Bouton, resultat,
              Evenement{Evt::ClicNouvelleDonne});

    l.ajouter("PanelLancement", f.PanelLancement, w, G::Bouton, {.allure = A::Lancement},
              Evenement{Evt::ClicLancement});

    // The information bar spans the whole window, whatever the width of the game.
    const int bi = l.ajouter(
        "panelBarreInfo", f.panelBarreInfo, w, G::Panneau,
        {.allure = A::Barre, .ancrage = Ancrage::Bas, .couleurDefaut = 0, .opacite = 110});
    l.ajouter("info", f.info, bi, G::Panneau,
              {.allure = A::Etiquette, .ancrage = Ancrage::Remplit, .policeDefaut = 11});
    return l.v;
}

std::vector<Controle> controles(TfrmPoignee& f) {
    Liste l;
    const int w =
        l.ajouter("frmPoignee", f.fenetre, -1, G::Fenetre,
                  {.allure = A::Dialogue, .modale = true, .couleurDefaut = couleurRGB(0x1D5E3A)},
                  Evenement{Evt::ClicAnnulerPoignee});
    for (int i = 1; i <= 18; ++i)
        carte(l, "CartePoignee", i, f.CartePoignee[i], w, {Evt::ClicCartePoignee, i});
    const Apparence action{.allure = A::Action};
    l.ajouter("PanelBoutonParesseux", f.PanelBoutonParesseux, w, G::Bouton, action,
              Evenement{Evt::ClicParesseux});
    l.ajouter("PanelOkPoignee", f.PanelOkPoignee, w, G::Bouton, action,
              Evenement{Evt::ClicOkPoignee});
    l.ajouter("PanelAnnulerPoignee", f.PanelAnnulerPoignee, w, G::Bouton, action,
              Evenement{Evt::ClicAnnulerPoignee});
    return l.v;
}

const Controle* chercherControle(const std::vector<Controle>& liste, const std::string& nom) {
    for (const auto& c : liste)
        if (c.nom == nom) return &c;
    return nullptr;
}

} // namespace quarvel
