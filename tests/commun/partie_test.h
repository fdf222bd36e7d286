#pragma once
// A game driven as a person drives it: clicks, the space bar, bids, and the passing of time on
// the virtual clock, on an in-memory store and a scripted platform. Tests read the window model
// as the person would see it.
#include "fenetres/modele/demarrage.h"
#include "fenetres/modele/evenements.h"
#include "fenetres/modele/horloge.h"
#include "fenetres/modele/jeu.h"
#include "fenetres/modele/plateforme_scriptee.h"
#include "reglages/magasin_memoire.h"

#include <cstdint>
#include <string>

namespace quarvel::test {

// Asks PartieTest for a game not started yet: the test starts it (and restarts it) itself.
struct SansDemarrer {};
inline constexpr SansDemarrer sansDemarrer{};

class PartieTest {
public:
    Jeu jeu;
    MagasinMemoire magasin;
    PlateformeScriptee plateforme;

    // Started at 800 x 600 and past the start-up screen in the given language.
    explicit PartieTest(int langue = FRANCAIS, std::uint32_t graine = GRAINE_INITIALE) {
        jeu.alea.graine = graine;
        demarrerJeu(jeu, Ecran{800, 600, 96}, &magasin, &plateforme, "");
        geste(langue == ANGLAIS ? Evt::StartEnglish : Evt::StartFrench);
    }
    explicit PartieTest(SansDemarrer) {}

    // A new run of the program on the same store (the game before it is gone).
    Jeu& demarrer(Ecran e = {}, int langue = LANGUE_AUCUNE) {
        jeu = Jeu{};
        demarrerJeu(jeu, e, &magasin, &plateforme, "/opt/quarvel");
        if (langue != LANGUE_AUCUNE) choisirLangue(jeu, langue);
        return jeu;
    }

    TfrmQuarvel& table() { return jeu.fen.frmQuarvel; }
    Donne& donne() { return jeu.donne; }
    const std::string& info() { return table().info.caption; }

    // Gestures.
    void geste(Evt t, int index = 0) { traiterEvenement(jeu, Evenement{t, index}); }
    void commencer() { geste(Evt::ClicLancement); }
    void clicFond() { geste(Evt::ClicFond); }
    void clicTable() { geste(Evt::ClicTable); }
    void espace() { geste(Evt::ToucheEspace); }
    void clicCarte(int image) { geste(Evt::ClicCarte3D, image); }
    void clicChien(int k) { geste(Evt::ClicCarteChien, k); }
    void encherir(Contrat code) { geste(Evt::ClicEnchere, entier(code)); }
    void conseil() { geste(Evt::ClicConseil); }
    void confirmerEcart() { geste(Evt::ClicConfirmeEcart); }
    void nouvelleDonneMenu() { geste(Evt::MenuNewGame); }
    void rejouerMenu() { geste(Evt::MenuGameAgain); }
    void menuForce(int code) { geste(Evt::MenuForce, code); }
    void menuAttente(int code) { geste(Evt::MenuAttente, code); }
    void menuVitesse(int code) { geste(Evt::MenuVitesse, code); }

    // Time: one timer firing; false when nothing is pending.
    bool tic() { return avancerHorloge(jeu); }
    // Lets time run until nothing is pending any more (the game waits for the person).
    int jusquAuRepos(int limite = 1000) {
        int n = 0;
        while (n < limite && tic()) ++n;
        return n;
    }
    // Lets time run until the bid bar opens or the bidding waits for its closing click.
    void jusquALaBarre() {
        for (int n = 0; n < 20; ++n) {
            if (table().BarreEnchere.visible || clicPourContinuer(donne().phase)) return;
            if (!tic()) return;
        }
    }
    // Lets time run until the person is to play a card (false if the game waits for something
    // else, or the deal is over).
    bool jusquAuTourDuJoueur(int limite = 200) {
        for (int n = 0; n < limite; ++n) {
            if (tourDuJoueur()) return true;
            if (!tic()) return tourDuJoueur();
        }
        return tourDuJoueur();
    }
    bool tourDuJoueur() {
        return sudALaMain(donne().phase) && donne().joueurCourant == SUD &&
               !table().TimerEntreCarte.enabled;
    }

    // What the person sees of his hand.
    int imagesVisibles() {
        int n = 0;
        for (int i = 1; i <= 24; ++i) n += table().Carte3D[i].visible;
        return n;
    }
    // The first hand image under the hand cursor / the no-drop cursor, 0 when none.
    int premiereJouable() { return premiereAvecCurseur(Curseur::Main); }
    int premiereInterdite() { return premiereAvecCurseur(Curseur::Interdit); }
    int premiereAvecCurseur(Curseur c) {
        for (int i = 1; i <= 18; ++i)
            if (table().Carte3D[i].visible && table().Carte3D[i].curseur == c) return i;
        return 0;
    }
    int cartesSurLaTable() {
        int n = 0;
        for (Siege s : SIEGES) n += table().CarteTable[s].visible;
        return n;
    }

    // The seats that speak before SUD in this deal.
    Contrat meilleureAvantSud() {
        Contrat m = PASSE;
        for (Siege s = donne().premierParlant; s != SUD; s = siegeSuivant(s))
            if (donne().encheresMeritees[s] > m) m = donne().encheresMeritees[s];
        return m;
    }
    Contrat meilleureOrdinateur() {
        Contrat m = PASSE;
        for (Siege s : {EST, NORD, OUEST})
            if (donne().encheresMeritees[s] > m) m = donne().encheresMeritees[s];
        return m;
    }
    // Bids `code` when the bar opens, then lets the other seats speak.
    void encheresAvec(Contrat code) {
        jusquALaBarre();
        encherir(code);
        jusquALaBarre();
    }

    // Deals new deals from the menu until `accepte` holds for the deal (at most `essais`).
    template <class F> bool donneOu(F accepte, int essais = 200) {
        for (int k = 0; k < essais; ++k) {
            nouvelleDonneMenu();
            if (accepte(donne())) return true;
        }
        return false;
    }

    // One step of the play: the handful declined, the person's first playable card, the go-on
    // click, or else a timer; false when nothing was pending.
    bool unPas() {
        if (table().PanelPoignee.visible)
            geste(Evt::ClicPoignee, 0);
        else if (tourDuJoueur())
            clicCarte(premiereJouable());
        else if (clicPourContinuer(donne().phase))
            clicFond();
        else
            return tic();
        return true;
    }

    // Plays the person's cards and goes on after every trick, to the end of the deal.
    void jouerJusquALaFin(int limite = 400) {
        for (int n = 0; n < limite && donne().numeroPli <= 18; ++n)
            if (!unPas()) return;
    }
};

} // namespace quarvel::test
