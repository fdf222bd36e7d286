#include "fenetres/modele/dessin.h"

#include "fenetres/modele/textes.h"

namespace quarvel {

namespace {

void poser(Composant& c, int left, int top, int width, int height, bool visible = true) {
    c.geo = {left, top, width, height};
    c.visible = visible;
}

// Seats 1..4: SUD below the centre of the table, EST right, NORD above, OUEST left.
constexpr int carteTableGauche[5] = {0, 347, 446, 347, 246};
constexpr int carteTableHaut[5] = {0, 179, 94, 20, 94};

} // namespace

int couleurSiege(Siege siege) {
    static constexpr int rgb[5] = {0, 0x9CD7F3, 0xFDD2EF, 0xF0FD93, 0xAEFBA8};
    return (siege >= SUD && siege <= OUEST) ? couleurRGB(rgb[entier(siege)]) : -1;
}

void dessinSplash(TfrmSplash& f) {
    poser(f.fenetre, 0, 0, 400, 300);
    f.fenetre.caption = PRODUIT;
    poser(f.FrameSplash, 8, 8, 384, 284);
    poser(f.ImgLogo, 16, 20, 352, 120);
    poser(f.lblCompanyProduct, 16, 150, 352, 32);
    f.lblCompanyProduct.taillePolice = 16;
    f.lblCompanyProduct.caption = PRODUIT;
    poser(f.PanelStartFrench, 16, 210, 170, 44);
    poser(f.PanelStartEnglish, 198, 210, 170, 44);
    f.PanelStartFrench.caption = "Version française";
    f.PanelStartEnglish.caption = "English version";
    f.PanelStartFrench.curseur = f.PanelStartEnglish.curseur = Curseur::Main;
}

void dessinPoignee(TfrmPoignee& f) {
    // Wide enough for ten cards; the dialog is resized to the hand when it opens.
    poser(f.fenetre, 0, 0, 525, 250, false);
    for (int i = 1; i <= 18; ++i) {
        poser(f.CartePoignee[i], 15 + (i - 1) * 45, 30, 90, 150, false);
        f.CartePoignee[i].curseur = Curseur::Main;
    }
    poser(f.PanelBoutonParesseux, 15, 205, 150, 30);
    poser(f.PanelOkPoignee, 187, 205, 150, 30, false);
    poser(f.PanelAnnulerPoignee, 360, 205, 150, 30);
    f.PanelOkPoignee.caption = "OK";
}

void dessinQuarvel(TfrmQuarvel& f) {
    poser(f.fenetre, 0, 0, 800, HAUTEUR_CLIENT_DESSIN, false); // shown once a language is chosen
    poser(f.TableRonde, 215, 6, 352, 341);

    poser(f.CadreGagnant, 0, 0, 96, 156, false);
    for (Siege s : SIEGES) {
        poser(f.CarteTable[s], carteTableGauche[entier(s)], carteTableHaut[entier(s)], 90, 150,
              false);
        poser(f.CadrePreneur[s], carteTableGauche[entier(s)] - 5, carteTableHaut[entier(s)] - 5,
              100, 160, false);
        f.CadrePreneur[s].couleur = couleurSiege(s);
        // Placed beside the table card by disposerTable, as is the winner's outline.
        poser(f.NomSiege[s], 0, 0, 70, 16, false);
        f.NomSiege[s].couleur = couleurSiege(s);
        f.NomSiege[s].taillePolice = 9;
        // Centred on the table card by disposerTable.
        poser(f.PanelDec[s], 0, 0, 180, 50, false);
        f.PanelDec[s].couleur = couleurSiege(s);
        f.PanelDec[s].taillePolice = 14;
        poser(f.panelScoreTotal[s], 0, 0, 173, 43, false);
        f.panelScoreTotal[s].couleur = couleurSiege(s);
        f.panelScoreTotal[s].taillePolice = 16;
        f.panelScoreTotal[s].curseur = Curseur::Main;
    }
    // The hand row under the bid bar, the 24-card discard row, the dog across the table.
    for (int i = 1; i <= 24; ++i) {
        int gauche = i <= 18 ? 20 + (i - 1) * 40 : 20 + (i - 1) * 30;
        poser(f.Carte3D[i], gauche, 350, 90, 150, false);
        f.Carte3D[i].curseur = Curseur::Main;
    }
    for (int i = 1; i <= 6; ++i) poser(f.CarteChien[i], 266 + (i - 1) * 40, 176, 90, 150, false);

    // Bid bar: five buttons in one row, the advice across the bar under them.
    poser(f.BarreEnchere, 108, 282, 567, 58, false);
    Composant* boutons[] = {&f.ButtonPasse, &f.ButtonPrise, &f.ButtonGarde, &f.ButtonGardeSans,
                            &f.ButtonGardeContre};
    for (int k = 0; k < 5; ++k) poser(*boutons[k], 4 + k * 112, 4, 110, 21);
    poser(f.evMaMain, 4, 28, 558, 26);

    // Right of EST's place, under the current-deal figures: clear of the trick, the hand and
    // EST's name.
    poser(f.PanelPoignee, 545, 178, 168, 170, false);
    poser(f.PanelPoigneeSimple, 6, 9, 156, 34);
    poser(f.PanelPoigneeDouble, 6, 49, 156, 34);
    poser(f.PanelPoigneeTriple, 6, 89, 156, 34);
    poser(f.PanelPoigneeAucune, 6, 129, 156, 34);

    poser(f.PanelConfirmeEcart, 299, 296, 186, 29, false);
    poser(f.PanelLancement, 205, 106, 371, 127);
    f.PanelLancement.curseur = Curseur::Main;
    f.PanelLancement.taillePolice = 16;

    poser(f.PanelResultat, 2, 381, 793, 118, false);
    poser(f.PanelTexteResultat, 6, 5, 781, 78);
    f.PanelTexteResultat.taillePolice = 14;
    poser(f.PanelVoirMains, 4, 88, 150, 25);
    poser(f.PanelVoirPlis, 156, 88, 150, 25);
    poser(f.PanelScoreDetaille, 309, 88, 150, 25);
    poser(f.panelRejouerDonne, 462, 88, 155, 25);
    poser(f.PanelPanelNewPartie, 620, 88, 167, 25);

    // Current-deal figures, top to bottom, each named on its left; the points still needed
    // stand out. Under the taker's name and bid.
    poser(f.PanneauScores, 655, 26, 138, 149);
    // The names take what the figures, three digits at most, leave them.
    poser(f.nPointsAttaque, 88, 3, 47, 26);
    poser(f.nBoutsPreneur, 88, 31, 47, 26);
    poser(f.nContrat, 88, 59, 47, 31);
    poser(f.nBoutsDefense, 88, 92, 47, 26);
    poser(f.nPointsDefense, 88, 120, 47, 26);
    const int hauts[] = {3, 31, 59, 92, 120}, hauteurs[] = {26, 26, 31, 26, 26};
    for (int k = 1; k <= 5; ++k) {
        poser(f.LibellesChiffres[k], 3, hauts[k - 1], 83, hauteurs[k - 1]);
        f.LibellesChiffres[k].taillePolice = 8;
    }
    f.nContrat.taillePolice = 14;
    f.nContrat.couleur = COULEUR_POINTS_A_FAIRE;
    poser(f.PanelPreneur, 518, 5, 75, 18, false);
    poser(f.PanelEnchere, 596, 5, 130, 18, false);
    // Above NORD's place, clear of his card.
    poser(f.PanelNumeroDonne, 148, 1, 195, 17, false);
    // Under the deductions, clear of the bid bar.
    poser(f.PanelChallenge, 3, 270, 102, 60, false);
    f.PanelChallenge.taillePolice = 9;

    // Deductions: title, first row, then the suit images; the honour markers and the counts
    // below them are placed by disposerTable.
    poser(f.PanelDeductions, 3, 5, 140, 260);
    poser(f.PanelInfoDeductions, 4, 4, 132, 20);
    poser(f.PanelAtoutMax, 4, 28, 30, 20);
    poser(f.Panel21, 36, 28, 20, 20, false);
    poser(f.PanelPetit, 58, 28, 20, 20, false);
    poser(f.PanelExcuse, 80, 28, 26, 20, false);
    poser(f.PanelAtExt, 108, 28, 28, 20);
    f.Panel21.caption = "21";
    f.PanelPetit.caption = "1";
    f.PanelExcuse.caption = "Exc";
    for (int c = 1; c <= 4; ++c) {
        poser(f.ImagesCouleurs[c], 10 + (c - 1) * 32, 54, 28, 28);
        for (int k = 1; k <= 4; ++k) poser(f.MarqueursHonneurs[c][k], 0, 0, 0, 0, false);
        poser(f.ComptesCouleurs[c], 0, 0, 0, 0, false);
    }

    // Tool bar down the right edge, help apart at the bottom.
    // Eight buttons between the current-deal figures and the hand.
    poser(f.PanelBarreOutils, 746, 178, 31, 170);
    Composant* outils[] = {&f.SBNewGame,          &f.SBGameAgain,  &f.SBChallenge,
                           &f.SBReprendre,        &f.SBConseilJeu, &f.SBVoirDeductions,
                           &f.SBVoirScoresGlobaux};
    for (int k = 0; k < 7; ++k) poser(*outils[k], 3, 3 + k * 20, 25, 19);
    poser(f.SBAide, 3, 146, 25, 21);
    // Offered once there is a card to advise or to take back.
    f.SBReprendre.enabled = f.SBConseilJeu.enabled = false;
    f.menuReprendre.enabled = f.menuConseilJeu.enabled = false;
    f.SBVoirDeductions.caption = "D";

    // Information bar along the bottom edge.
    poser(f.panelBarreInfo, 0, HAUTEUR_CLIENT_DESSIN - 28, 800, 28);
    poser(f.info, 0, 0, 800, 28);
}

} // namespace quarvel
