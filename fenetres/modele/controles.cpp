#include "fenetres/modele/controles.h"

namespace quarvel {

namespace {

using Liste = ListeControles;

} // namespace

std::vector<Controle> controles(TfrmSplash& f) {
    Liste l;
    int w = l.ajouter("frmSplash", f.fenetre, -1, Genre::Fenetre);
    int cadre = l.ajouter("FrameSplash", f.FrameSplash, w, Genre::GroupBox);
    l.ajouter("ImgLogo", f.ImgLogo, cadre, Genre::Image);
    l.ajouter("lblCompanyProduct", f.lblCompanyProduct, cadre, Genre::Etiquette);
    l.ajouter("PanelStartFrench", f.PanelStartFrench, cadre, Genre::Bouton);
    l.ajouter("PanelStartEnglish", f.PanelStartEnglish, cadre, Genre::Bouton);
    return l.v;
}

std::vector<Controle> controles(TfrmQuarvel& f) {
    Liste l;
    l.v.reserve(128);
    int w = l.ajouter("frmQuarvel", f.fenetre, -1, Genre::Fenetre);
    l.ajouter("TableRonde", f.TableRonde, w, Genre::Ellipse);
    for (Siege s : SIEGES)
        l.ajouter("CadrePreneur" + std::to_string(entier(s)), f.CadrePreneur[s], w,
                  Genre::Rectangle);
    for (Siege s : SIEGES)
        l.ajouter("CarteTable" + std::to_string(entier(s)), f.CarteTable[s], w, Genre::ImageCarte);
    l.ajouter("CadreGagnant", f.CadreGagnant, w, Genre::Rectangle);
    for (Siege s : SIEGES)
        l.ajouter("NomSiege" + std::to_string(entier(s)), f.NomSiege[s], w, Genre::Panneau);
    for (int i = 1; i <= 6; ++i)
        l.ajouter("CarteChien" + std::to_string(i), f.CarteChien[i], w, Genre::ImageCarte);
    for (int i = 1; i <= 24; ++i)
        l.ajouter("Carte3D" + std::to_string(i), f.Carte3D[i], w, Genre::ImageCarte);

    int pd = l.ajouter("PanelDeductions", f.PanelDeductions, w, Genre::Panneau);
    l.ajouter("PanelInfoDeductions", f.PanelInfoDeductions, pd, Genre::Panneau);
    l.ajouter("PanelAtoutMax", f.PanelAtoutMax, pd, Genre::Panneau);
    l.ajouter("Panel21", f.Panel21, pd, Genre::Panneau);
    l.ajouter("PanelPetit", f.PanelPetit, pd, Genre::Panneau);
    l.ajouter("PanelExcuse", f.PanelExcuse, pd, Genre::Panneau);
    l.ajouter("PanelAtExt", f.PanelAtExt, pd, Genre::Panneau);
    static const char* const images[] = {"ImagePique", "ImageCoeur", "ImageTrefle", "ImageCarreau"};
    for (int c = 1; c <= 4; ++c) l.ajouter(images[c - 1], f.ImagesCouleurs[c], pd, Genre::Image);
    for (int c = 1; c <= 4; ++c)
        for (int k = 1; k <= 4; ++k)
            l.ajouter("MarqueurHonneur" + std::to_string(c) + std::to_string(k),
                      f.MarqueursHonneurs[c][k], pd, Genre::Panneau);
    for (int c = 1; c <= 4; ++c)
        l.ajouter("CompteCouleur" + std::to_string(c), f.ComptesCouleurs[c], pd, Genre::Panneau);

    int ps = l.ajouter("PanneauScores", f.PanneauScores, w, Genre::Panneau);
    l.ajouter("nPointsAttaque", f.nPointsAttaque, ps, Genre::Panneau);
    l.ajouter("nBoutsPreneur", f.nBoutsPreneur, ps, Genre::Panneau);
    l.ajouter("nContrat", f.nContrat, ps, Genre::Panneau);
    l.ajouter("nBoutsDefense", f.nBoutsDefense, ps, Genre::Panneau);
    l.ajouter("nPointsDefense", f.nPointsDefense, ps, Genre::Panneau);
    for (int k = 1; k <= 5; ++k)
        l.ajouter("LibelleChiffre" + std::to_string(k), f.LibellesChiffres[k], ps, Genre::Panneau);
    l.ajouter("PanelPreneur", f.PanelPreneur, w, Genre::Panneau);
    l.ajouter("PanelEnchere", f.PanelEnchere, w, Genre::Panneau);
    l.ajouter("PanelNumeroDonne", f.PanelNumeroDonne, w, Genre::Panneau);
    l.ajouter("PanelChallenge", f.PanelChallenge, w, Genre::Panneau);

    for (Siege s : SIEGES)
        l.ajouter("PanelDec" + std::to_string(entier(s)), f.PanelDec[s], w, Genre::Bouton);
    for (Siege s : SIEGES)
        l.ajouter("panelScoreTotal" + std::to_string(entier(s)), f.panelScoreTotal[s], w,
                  Genre::Bouton);

    int be = l.ajouter("BarreEnchere", f.BarreEnchere, w, Genre::Panneau);
    l.ajouter("ButtonPasse", f.ButtonPasse, be, Genre::Bouton);
    l.ajouter("ButtonPrise", f.ButtonPrise, be, Genre::Bouton);
    l.ajouter("ButtonGarde", f.ButtonGarde, be, Genre::Bouton);
    l.ajouter("ButtonGardeSans", f.ButtonGardeSans, be, Genre::Bouton);
    l.ajouter("ButtonGardeContre", f.ButtonGardeContre, be, Genre::Bouton);
    l.ajouter("evMaMain", f.evMaMain, be, Genre::Bouton);

    int pp = l.ajouter("PanelPoignee", f.PanelPoignee, w, Genre::Panneau);
    l.ajouter("PanelPoigneeSimple", f.PanelPoigneeSimple, pp, Genre::Bouton);
    l.ajouter("PanelPoigneeDouble", f.PanelPoigneeDouble, pp, Genre::Bouton);
    l.ajouter("PanelPoigneeTriple", f.PanelPoigneeTriple, pp, Genre::Bouton);
    l.ajouter("PanelPoigneeAucune", f.PanelPoigneeAucune, pp, Genre::Bouton);

    l.ajouter("PanelConfirmeEcart", f.PanelConfirmeEcart, w, Genre::Bouton);
    l.ajouter("PanelLancement", f.PanelLancement, w, Genre::Bouton);

    int pr = l.ajouter("PanelResultat", f.PanelResultat, w, Genre::Panneau);
    l.ajouter("PanelTexteResultat", f.PanelTexteResultat, pr, Genre::Etiquette);
    l.ajouter("PanelVoirMains", f.PanelVoirMains, pr, Genre::Bouton);
    l.ajouter("PanelVoirPlis", f.PanelVoirPlis, pr, Genre::Bouton);
    l.ajouter("PanelScoreDetaille", f.PanelScoreDetaille, pr, Genre::Bouton);
    l.ajouter("panelRejouerDonne", f.panelRejouerDonne, pr, Genre::Bouton);
    l.ajouter("PanelPanelNewPartie", f.PanelPanelNewPartie, pr, Genre::Bouton);

    int bo = l.ajouter("PanelBarreOutils", f.PanelBarreOutils, w, Genre::Panneau);
    l.ajouter("SBNewGame", f.SBNewGame, bo, Genre::BoutonRapide);
    l.ajouter("SBGameAgain", f.SBGameAgain, bo, Genre::BoutonRapide);
    l.ajouter("SBChallenge", f.SBChallenge, bo, Genre::BoutonRapide);
    l.ajouter("SBReprendre", f.SBReprendre, bo, Genre::BoutonRapide);
    l.ajouter("SBConseilJeu", f.SBConseilJeu, bo, Genre::BoutonRapide);
    l.ajouter("SBVoirDeductions", f.SBVoirDeductions, bo, Genre::BoutonRapide);
    l.ajouter("SBVoirScoresGlobaux", f.SBVoirScoresGlobaux, bo, Genre::BoutonRapide);
    l.ajouter("SBAide", f.SBAide, bo, Genre::BoutonRapide);

    int bi = l.ajouter("panelBarreInfo", f.panelBarreInfo, w, Genre::Panneau);
    l.ajouter("info", f.info, bi, Genre::Etiquette);
    return l.v;
}

std::vector<Controle> controles(TfrmPoignee& f) {
    Liste l;
    int w = l.ajouter("frmPoignee", f.fenetre, -1, Genre::Fenetre);
    for (int i = 1; i <= 18; ++i)
        l.ajouter("CartePoignee" + std::to_string(i), f.CartePoignee[i], w, Genre::ImageCarte);
    l.ajouter("PanelBoutonParesseux", f.PanelBoutonParesseux, w, Genre::Bouton);
    l.ajouter("PanelOkPoignee", f.PanelOkPoignee, w, Genre::Bouton);
    l.ajouter("PanelAnnulerPoignee", f.PanelAnnulerPoignee, w, Genre::Bouton);
    return l.v;
}

const Controle* chercherControle(const std::vector<Controle>& liste, const std::string& nom) {
    for (const auto& c : liste)
        if (c.nom == nom) return &c;
    return nullptr;
}

} // namespace quarvel
