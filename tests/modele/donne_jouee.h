#pragma once
// Whole deals played by gestures on a started game, SUD bidding and discarding as the test
// says and playing his first playable card, so that the review windows show a real deal.
#include "commun/partie_test.h"
#include "fenetres/modele/gestes.h"
#include "fenetres/modele/horloge.h"

#include <functional>
#include <vector>

namespace quarvel::test {

struct DonneJouee {
    PartieTest partie{sansDemarrer};
    Jeu& jeu = partie.demarrer({800, 600, 96}, FRANCAIS);

    Contrat encheresSud = PASSE;
    // SUD's discard: positions of the row of 24 to set aside; the first six that may go when
    // empty.
    std::function<void(Jeu&, std::vector<int>&)> choixEcart;

    void geste(Evt t, int i = 0) { traiterEvenement(jeu, Evenement{t, i}); }

    // Plays the deal on the table to its end; false when all passed or nothing moves.
    bool jouer() {
        TfrmQuarvel& q = jeu.fen.frmQuarvel;
        Donne& d = jeu.donne;
        for (int pas = 0; pas < 3000; ++pas) {
            if (donneTerminee(d.phase)) return true;
            if (jeu.fen.frmPoignee.fenetre.visible) {
                geste(Evt::ClicAnnulerPoignee);
            } else if (q.PanelPoignee.visible) {
                geste(Evt::ClicPoignee, 0);
            } else if (q.BarreEnchere.visible) {
                geste(Evt::ClicEnchere, entier(encheresSud));
                if (q.BarreEnchere.visible) geste(Evt::ClicEnchere, entier(PASSE));
            } else if (d.phase == Phase::Ecart) {
                ecarter();
            } else if (sudALaMain(d.phase) && d.joueurCourant == SUD) {
                for (int i = 1; i <= 18; ++i)
                    if (d.cartesJouables[SUD][i] == 1 && d.mains[SUD][i].enMain) {
                        geste(Evt::ClicCarte3D, i);
                        break;
                    }
            } else if (d.phase == Phase::EncheresCloses && d.encheresAnnoncees[1] <= PASSE &&
                       d.encheresAnnoncees[2] <= PASSE && d.encheresAnnoncees[3] <= PASSE &&
                       d.encheresAnnoncees[4] <= PASSE) {
                return false;
            } else if (clicPourContinuer(d.phase) || d.phase == Phase::ChienMontre) {
                geste(Evt::ClicFond);
            } else if (!avancerHorloge(jeu)) {
                return false;
            }
        }
        return false;
    }

    void ecarter() {
        std::vector<int> positions;
        if (choixEcart) choixEcart(jeu, positions);
        for (int p = 1; p <= 24 && positions.size() < 6; ++p) {
            const Carte& c = jeu.ecart.rangeeEcart[p];
            bool deja = false;
            for (int x : positions) deja = deja || x == p;
            if (!deja && c.couleur >= PIQUE && c.valeur != ROI) positions.push_back(p);
        }
        for (int p : positions) geste(Evt::ClicCarte3D, p);
        geste(Evt::ClicConfirmeEcart);
    }

    // New deals from the menu until one played out satisfies `accepte` (at most `essais`).
    bool jusquA(const std::function<bool(const Donne&)>& accepte, int essais = 300) {
        for (int k = 0; k < essais; ++k) {
            geste(Evt::MenuNewGame);
            if (jouer() && accepte(jeu.donne)) return true;
        }
        return false;
    }
};

} // namespace quarvel::test
