#include "outils/singe/empreinte_fenetres.h"

#include "fenetres/modele/jeu.h"

#include <string>
#include <vector>

namespace quarvel {

namespace {

struct Hachage {
    std::uint64_t h = 14695981039346656037ull;

    void octets(const void* p, std::size_t n) {
        const auto* o = static_cast<const unsigned char*>(p);
        for (std::size_t i = 0; i < n; ++i) {
            h ^= o[i];
            h *= 1099511628211ull;
        }
    }
    // Whole words for numbers: a digest after every gesture must stay cheap.
    void operator()(std::int64_t x) {
        h ^= static_cast<std::uint64_t>(x);
        h *= 1099511628211ull;
    }
    void operator()(const std::string& s) {
        (*this)(static_cast<std::int64_t>(s.size()));
        octets(s.data(), s.size());
    }
    void operator()(const Rect& r) {
        (*this)(r.left);
        (*this)(r.top);
        (*this)(r.width);
        (*this)(r.height);
    }
    void operator()(const Carte& c) {
        (*this)(c.valeur);
        (*this)(entier(c.couleur));
        (*this)(c.enMain);
    }
    void operator()(const Composant& c) {
        (*this)(c.visible);
        (*this)(c.enabled);
        (*this)(c.caption);
        (*this)(c.hint);
        (*this)(c.couleur);
        (*this)(c.taillePolice);
        (*this)(c.geo);
        (*this)(static_cast<int>(c.curseur));
        (*this)(c.checked);
        (*this)(c.carte);
        (*this)(c.focus);
        (*this)(c.focusClavier);
        (*this)(c.conseille);
    }
    void operator()(const Mouvement& m) {
        (*this)(m.carte);
        (*this)(m.depart);
        (*this)(m.arrivee);
        (*this)(static_cast<int>(m.cible));
        (*this)(m.index);
    }
    void operator()(const std::vector<Mouvement>& v) {
        for (const Mouvement& m : v) (*this)(m);
    }
    void operator()(const std::vector<int>& v) {
        for (int x : v) (*this)(x);
    }
    void operator()(const ElementMenu& m) {
        (*this)(static_cast<const Composant&>(m));
        (*this)(m.raccourci);
        (*this)(m.groupe);
    }
    void operator()(const Minuterie& m) {
        (*this)(m.enabled);
        (*this)(m.interval);
        (*this)(static_cast<std::int64_t>(m.relances));
        (*this)(m.echeance);
    }
    template <class T, int N, int B> void operator()(const Tableau<T, N, B>& t) {
        for (const T& x : t) (*this)(x);
    }
    template <class... T> void tous(const T&... x) { ((*this)(x), ...); }
};

} // namespace

std::uint64_t empreinteFenetres(const Jeu& jeu) {
    Hachage h;
    const Fenetres& f = jeu.fen;

    const TfrmSplash& s = f.frmSplash;
    h.tous(s.fenetre, s.FrameSplash, s.ImgLogo, s.lblCompanyProduct, s.PanelStartFrench,
           s.PanelStartEnglish);

    const TfrmQuarvel& q = f.frmQuarvel;
    h.tous(q.fenetre, q.TableRonde, q.CarteTable, q.CadrePreneur, q.Carte3D, q.CarteChien,
           q.PanelDec, q.panelScoreTotal);
    h.tous(q.BarreEnchere, q.ButtonPasse, q.ButtonPrise, q.ButtonGarde, q.ButtonGardeSans,
           q.ButtonGardeContre, q.evMaMain);
    h.tous(q.PanelPoignee, q.PanelPoigneeSimple, q.PanelPoigneeDouble, q.PanelPoigneeTriple,
           q.PanelPoigneeAucune, q.PanelConfirmeEcart, q.PanelLancement);
    h.tous(q.PanelResultat, q.PanelTexteResultat, q.PanelVoirMains, q.PanelVoirPlis,
           q.PanelScoreDetaille, q.panelRejouerDonne, q.PanelPanelNewPartie);
    h.tous(q.PanneauScores, q.nPointsAttaque, q.nBoutsPreneur, q.nContrat, q.nBoutsDefense,
           q.nPointsDefense, q.PanelPreneur, q.PanelEnchere);
    h.tous(q.PanelDeductions, q.PanelInfoDeductions, q.PanelAtoutMax, q.Panel21, q.PanelPetit,
           q.PanelExcuse, q.PanelAtExt, q.ImagesCouleurs, q.MarqueursHonneurs, q.ComptesCouleurs);
    h.tous(q.PanelChallenge, q.SBChallenge, q.menuChallenge, q.menuMeilleursScores,
           q.menuStatistiques, q.menuNbDonnesChallenge, q.menuChallenge6, q.menuChallenge12,
           q.menuChallenge18, q.menuChallenge24);
    h.tous(q.PanelBarreOutils, q.SBNewGame, q.SBGameAgain, q.SBReprendre, q.SBConseilJeu,
           q.SBVoirDeductions, q.SBVoirScoresGlobaux, q.SBAide, q.panelBarreInfo, q.info);
    h.tous(q.mouvements, q.numeroMouvements, q.dureeMouvement);
    // The view runs its timers from the game's.
    h.tous(jeu.minuteries.TimerEnchere, jeu.minuteries.TimerEntreCarte,
           jeu.minuteries.TimerTransition);
    h.tous(q.menuQuarvel, q.menuNewGame, q.menuGameAgain, q.menuConseilJeu, q.menuReprendre,
           q.menuInitScores, q.menuLevel, q.menuDebutant, q.menuAmateur, q.menuBon, q.menuPro,
           q.menuOptionNiveauAdaptatif);
    h.tous(q.menuVitesses, q.menuJeuDeLaCarte, q.menuInstantane, q.menuRapide, q.menuNormal,
           q.menuLent, q.menuEscargot);
    h.tous(q.menuAttenteEntreChaquePli, q.menuClickObligatoire, q.menuUneSeconde,
           q.menuDeuxSecondes, q.menuCinqSecondes);
    h.tous(q.menuForce, q.menuForceNormale, q.menuForcePrise, q.menuForceGarde,
           q.menuForceGardeSans, q.menuForceGardeContre, q.menuForceDefense, q.menuAtLeast);
    h.tous(q.menuVoir, q.menuScoresGlobaux, q.menuConseilEnch, q.menuPointsPartieEnCours,
           q.menuDeductions, q.menuVoirConseilJeu, q.menuAnimation, q.menuBarreOutils,
           q.menuBarreInfo);
    h.tous(q.menuOptions, q.menuProposerPoignee, q.menuPreviousTrick, q.menuCouleurFondEcran,
           q.menuCouleurTableRonde, q.menuAide, q.menuSommaire, q.menuApropos, q.menuQuit);

    const TfrmPoignee& p = f.frmPoignee;
    h.tous(p.fenetre, p.CartePoignee, p.PanelBoutonParesseux, p.PanelOkPoignee,
           p.PanelAnnulerPoignee);

    const TfrmPliPrecedent& pp = f.frmPliPrecedent;
    h.tous(pp.fenetre, pp.cardPreviousTrick, pp.ButtonOkPreviousTrick);

    const TfrmMains& m = f.frmMains;
    h.tous(m.fenetre, m.PanelsMains, m.ImagesMains, m.PanelChienAvantEcart, m.PanelChienApresEcart,
           m.ImagesChien, m.ImagesEcart, m.Cadres, m.parentCadre, m.PanelChien, m.PanelEcart,
           m.buttonImprimerMains, m.PanelMainsOK, m.SBColor);

    const TfrmScoreDetaille& sd = f.frmScoreDetaille;
    h.tous(sd.fenetre, sd.cardinalPreneur, sd.panelPreneur, sd.panelNbBouts, sd.panelDefNbBouts,
           sd.panelPointsRealises, sd.panelPoints, sd.panelMoins, sd.panelContrat,
           sd.panelDefContrat, sd.panelEgal1, sd.panelAuDessusContrat);
    h.tous(sd.panelSensPrimePetit, sd.panelPrimePetit, sd.panelEgal2, sd.panelScoreApresPetit,
           sd.panelDefPrimePetit, sd.panelSigneGain, sd.panelConstContrat, sd.panelEgal3,
           sd.panelScoreTmp, sd.panelX, sd.panelCoefficientEnchere, sd.panelEgal4,
           sd.panelScoreApresEnchere);
    h.tous(sd.panelSensPoignee, sd.panelValeurPoignee, sd.panelEgal5, sd.panelScoreApresPoignee,
           sd.panelDefPrimePoignee, sd.panelX3, sd.panelScoreFinalPreneur, sd.SBColor,
           sd.buttonImprimer, sd.panelFeuilleScore);

    const TfrmTousPlis& tp = f.frmTousPlis;
    h.tous(tp.fenetre, tp.Images, tp.Cadres, tp.PanelEffacer, tp.PanelPasApas, tp.panelLecture,
           tp.panelEnArriere, tp.PanelVoirTout, tp.PanelPlisOk, tp.buttonImprimerPlis, tp.SBColor,
           tp.timerTousPlis, tp.etapeTousPlis, tp.ordreTousPlis);
    const TfrmMeilleursScores& ms = f.frmMeilleursScores;
    h.tous(ms.fenetre, ms.titres, ms.noms, ms.points, ms.panelDernier, ms.buttonImprimer,
           ms.PanelOk);
    const TfrmStatistiques& st = f.frmStatistiques;
    h.tous(st.fenetre, st.cellules, st.Courbe, st.Barres, st.courbe, st.reussites, st.contrats,
           st.axeDonnes, st.axePoints, st.axePourcents, st.numeroGraphiques, st.buttonEffacer,
           st.buttonImprimer, st.PanelOk);
    h(jeu.textes.langue);
    return h.h;
}

} // namespace quarvel
