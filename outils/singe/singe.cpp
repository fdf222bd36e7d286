#include "outils/singe/singe.h"

#include "cartes/carte.h"
#include "fenetres/modele/demarrage.h"
#include "fenetres/modele/evenements.h"
#include "fenetres/modele/jeu.h"
#include "fenetres/modele/plateforme.h"
#include "outils/singe/empreinte_fenetres.h"
#include "reglages/magasin_memoire.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <ostream>
#include <random>
#include <vector>

namespace quarvel {

namespace {

// Answers every dialog at random, as a hurried player would.
class PlateformeAleatoire : public Plateforme {
public:
    explicit PlateformeAleatoire(std::mt19937& g) : g_(g) {}
    void message(const std::string&) override {}
    bool question(const std::string&, const std::string&, bool) override { return g_() % 2 == 0; }
    void aPropos(const std::string&, const std::string&) override {}
    // Cancelled, a number, something that is not one, or a name of any length and script.
    bool demanderTexte(const std::string&, const std::string&, std::string& reponse) override {
        static const char* const morceaux[] = {" ",   "\t", "\n", "é",   "東",
                                               "Zoé", "x",  "  ", "\x7f"};
        switch (g_() % 4) {
        case 0:
            return false;
        case 1:
            reponse = std::to_string(g_());
            return true;
        case 2:
            reponse = "-" + std::to_string(g_() % 100) + "x";
            return true;
        default:
            reponse.clear();
            for (unsigned n = g_() % 40; n > 0; --n) reponse += morceaux[g_() % 9];
            return true;
        }
    }
    bool choisirCouleur(int& couleur) override {
        if (g_() % 2 == 0) return false;
        couleur = static_cast<int>(g_() & 0xFFFFFF);
        return true;
    }
    bool imprimer(FenetreImprimee, const std::string&) override { return g_() % 2 == 0; }
    bool enregistrerPdf(FenetreImprimee, const std::string&, const std::string&) override {
        return g_() % 2 == 0;
    }
    void ouvrirAide(const std::string&) override {}
    void quitter() override { quitte = true; }
    bool quitte = false;

private:
    std::mt19937& g_;
};

struct Choix {
    Evt type;
    int poids;
    int indexMin;
    int indexMax;
};

// Gestures on the table window, weighted so that deals do get played to their end: a deal
// takes a few hundred gestures, so the ones that drop it are rare.
const Choix GESTES_TABLE[] = {
    {Evt::ClicCarte3D, 3000, 1, 24},
    {Evt::ClicFond, 400, 0, 0},
    {Evt::ClicTable, 400, 0, 0},
    {Evt::ToucheEspace, 500, 0, 0},
    {Evt::ClicPanelDec, 200, 1, 4},
    {Evt::ClicEnchere, 800, 0, 4},
    {Evt::ClicConseil, 300, 0, 0},
    {Evt::ClicConfirmeEcart, 600, 0, 0},
    {Evt::ClicCarteChien, 200, 1, 6},
    {Evt::ClicPoignee, 200, 0, 3},
    {Evt::ClicLancement, 100, 0, 0},
    {Evt::ClicNouvelleDonne, 1, 0, 0},
    {Evt::ClicRejouerDonne, 1, 0, 0},
    {Evt::MenuNewGame, 2, 0, 0},
    {Evt::MenuGameAgain, 2, 0, 0},
    {Evt::MenuChoisirDonne, 1, 0, 0},
    {Evt::ClicVoirMains, 60, 0, 0},
    {Evt::ClicVoirPlis, 60, 0, 0},
    {Evt::ClicScoreDetaille, 60, 0, 0},
    {Evt::ClicScoreTotal, 40, 1, 4},
    {Evt::MenuInitScores, 2, 0, 0},
    {Evt::MenuNiveau, 30, 1, 5},
    {Evt::MenuNiveauAdaptatif, 10, 0, 0},
    {Evt::MenuVitesse, 20, 1, 5},
    {Evt::MenuAttente, 20, 0, 3},
    {Evt::MenuForce, 20, 1, 6},
    {Evt::MenuAtLeast, 10, 0, 0},
    {Evt::MenuScoresGlobaux, 30, 0, 0},
    {Evt::MenuConseilEnch, 10, 0, 0},
    {Evt::MenuPointsPartieEnCours, 10, 0, 0},
    {Evt::MenuDeductions, 30, 0, 0},
    {Evt::MenuBarreOutils, 10, 0, 0},
    {Evt::MenuBarreInfo, 10, 0, 0},
    {Evt::MenuProposerPoignee, 10, 0, 0},
    {Evt::MenuPreviousTrick, 40, 0, 0},
    {Evt::OkPliPrecedent, 30, 0, 0},
    {Evt::MenuCouleurFondEcran, 10, 0, 0},
    {Evt::MenuCouleurTableRonde, 10, 0, 0},
    {Evt::MenuSommaire, 20, 0, 0},
    {Evt::MenuApropos, 10, 0, 0},
    {Evt::MenuQuit, 1, 0, 0},
    {Evt::FermerTable, 1, 0, 0},
    {Evt::MenuConseilJeu, 80, 0, 0},
    {Evt::MenuReprendre, 60, 0, 0},
    {Evt::MenuVoirConseilJeu, 10, 0, 0},
    {Evt::MenuConseilSimulation, 10, 0, 0},
    {Evt::MenuAnimation, 10, 0, 0},
    {Evt::ToucheGauche, 200, 0, 0},
    {Evt::ToucheDroite, 200, 0, 0},
    {Evt::ToucheEntree, 200, 0, 0},
    {Evt::ToucheEchap, 30, 0, 0},
    {Evt::MenuNouveauChallenge, 5, 0, 0},
    {Evt::MenuNbDonnesChallenge, 10, 0, 30},
    {Evt::MenuMeilleursScores, 5, 0, 0},
    {Evt::MenuStatistiques, 5, 0, 0},
};

const Choix GESTES_POIGNEE[] = {
    {Evt::ClicCartePoignee, 60, 1, 18},
    {Evt::ClicParesseux, 10, 0, 0},
    {Evt::ClicOkPoignee, 20, 0, 0},
    {Evt::ClicAnnulerPoignee, 5, 0, 0},
};

const Choix GESTES_TOUS_PLIS[] = {
    {Evt::TousPlisEffacer, 10, 0, 0},  {Evt::TousPlisLecture, 10, 0, 0},
    {Evt::TousPlisPas, 20, 0, 0},      {Evt::TousPlisArriere, 20, 0, 0},
    {Evt::TousPlisVoirTout, 10, 0, 0}, {Evt::TousPlisImprimer, 3, 0, 0},
    {Evt::TousPlisCouleur, 3, 0, 0},   {Evt::TousPlisOk, 10, 0, 0},
};

const Choix GESTES_MAINS[] = {
    {Evt::MainsImprimer, 2, 0, 0},
    {Evt::MainsCouleur, 2, 0, 0},
    {Evt::MainsOk, 10, 0, 0},
};

const Choix GESTES_SCORE[] = {
    {Evt::ScoreImprimer, 2, 0, 0},
    {Evt::ScoreCouleur, 2, 0, 0},
    {Evt::ScoreOk, 10, 0, 0},
};

const Choix GESTES_MEILLEURS_SCORES[] = {
    {Evt::MeilleursScoresImprimer, 2, 0, 0},
    {Evt::MeilleursScoresOk, 10, 0, 0},
};

const Choix GESTES_STATISTIQUES[] = {
    {Evt::StatistiquesEffacer, 2, 0, 0},
    {Evt::StatistiquesImprimer, 2, 0, 0},
    {Evt::StatistiquesOk, 10, 0, 0},
};

// Once a deal is over, the player soon asks for the next one.
const Choix GESTES_NOUVELLE_DONNE[] = {
    {Evt::ClicNouvelleDonne, 10, 0, 0}, {Evt::ClicRejouerDonne, 3, 0, 0},
    {Evt::MenuNewGame, 4, 0, 0},        {Evt::MenuGameAgain, 2, 0, 0},
    {Evt::MenuChoisirDonne, 1, 0, 0},   {Evt::ClicLancement, 3, 0, 0},
};

const Choix GESTES_DEMARRAGE[] = {
    {Evt::StartFrench, 1, 0, 0},
    {Evt::StartEnglish, 1, 0, 0},
};

template <std::size_t N> Evenement tirerParmi(const Choix (&choix)[N], std::mt19937& g) {
    int total = 0;
    for (const Choix& c : choix) total += c.poids;
    int x = static_cast<int>(g() % static_cast<unsigned>(total));
    for (const Choix& c : choix) {
        if (x < c.poids) {
            int index = c.indexMin;
            if (c.indexMax > c.indexMin)
                index += static_cast<int>(g() % static_cast<unsigned>(c.indexMax - c.indexMin + 1));
            // Now and then an index no widget would send: the game must shrug it off.
            if (g() % 50 == 0) index = static_cast<int>(g() % 40) - 5;
            return {c.type, index};
        }
        x -= c.poids;
    }
    return {choix[0].type, choix[0].indexMin};
}

struct MinuterieTiree {
    Evt type;
    const Minuterie* m;
};

// A tick of one of the running timers, in any order; none when all are stopped.
bool tirerTick(const Jeu& jeu, std::mt19937& g, Evenement& e, std::int64_t& echeance) {
    const auto& f = jeu.minuteries;
    const MinuterieTiree toutes[] = {{Evt::TickEnchere, &f.TimerEnchere},
                                     {Evt::TickEntreCarte, &f.TimerEntreCarte},
                                     {Evt::TickTransition, &f.TimerTransition},
                                     {Evt::TickTousPlis, &jeu.fen.frmTousPlis.timerTousPlis}};
    const MinuterieTiree* actives[4];
    int n = 0;
    for (const auto& m : toutes)
        if (m.m->enabled) actives[n++] = &m;
    if (n == 0) return false;
    const MinuterieTiree* m = actives[g() % static_cast<unsigned>(n)];
    e = {m->type, 0};
    echeance = m->m->echeance;
    return true;
}

Evenement tirerGeste(const Jeu& jeu, std::mt19937& g, std::int64_t& echeance) {
    Evenement e{Evt::ClicFond, 0};
    echeance = jeu.maintenant;
    if (g() % 100 < 40 && tirerTick(jeu, g, e, echeance)) return e;
    const Fenetres& f = jeu.fen;
    // A modal window takes every gesture until it closes.
    if (f.frmSplash.fenetre.visible) return tirerParmi(GESTES_DEMARRAGE, g);
    if (f.frmPoignee.fenetre.visible) return tirerParmi(GESTES_POIGNEE, g);
    if (f.frmTousPlis.fenetre.visible) return tirerParmi(GESTES_TOUS_PLIS, g);
    if (f.frmMains.fenetre.visible) return tirerParmi(GESTES_MAINS, g);
    if (f.frmScoreDetaille.fenetre.visible) return tirerParmi(GESTES_SCORE, g);
    if (f.frmMeilleursScores.fenetre.visible) return tirerParmi(GESTES_MEILLEURS_SCORES, g);
    if (f.frmStatistiques.fenetre.visible) return tirerParmi(GESTES_STATISTIQUES, g);
    bool finie = donneTerminee(jeu.donne.phase) || f.frmQuarvel.PanelLancement.visible;
    if (finie && g() % 20 == 0) return tirerParmi(GESTES_NOUVELLE_DONNE, g);
    e = tirerParmi(GESTES_TABLE, g);
    // A player mostly clicks the cards the cursor offers.
    if (e.type == Evt::ClicCarte3D && g() % 2 == 0) {
        int offertes[24];
        int n = 0;
        for (int i = 1; i <= 24; ++i) {
            const Composant& c = f.frmQuarvel.Carte3D[i];
            if (c.visible && c.curseur == Curseur::Main) offertes[n++] = i;
        }
        if (n > 0) e.index = offertes[g() % static_cast<unsigned>(n)];
    }
    return e;
}

std::string formater(const char* format, long a, long b = 0, long c = 0) {
    char tampon[200];
    std::snprintf(tampon, sizeof tampon, format, a, b, c);
    return tampon;
}

} // namespace

std::string verifierInvariants(const Jeu& jeu) {
    const Donne& d = jeu.donne;
    const TfrmQuarvel& f = jeu.fen.frmQuarvel;

    long somme = 0;
    for (Siege s : SIEGES) somme += jeu.reglages.scoresGlobaux[s];
    if (somme != 0) return formater("les scores globaux ne s'annulent pas (somme %ld)", somme);

    if (jeu.minuteries.TimerEnchere.enabled && f.BarreEnchere.visible)
        return "une enchère de l'ordinateur attend pendant que la barre d'enchères est ouverte";
    if (jeu.minuteries.TimerEnchere.enabled && (d.numeroPli != 0 || jeu.encheres.nbEncheres >= 4))
        return formater("une enchère attend hors des enchères (pli %ld, %ld enchères)", d.numeroPli,
                        jeu.encheres.nbEncheres);
    if (sudALaMain(d.phase) && d.joueurCourant == SUD && jeu.minuteries.TimerEntreCarte.enabled)
        return "TimerEntreCarte tourne alors que SUD doit jouer";
    if (f.fenetre.visible && !f.fenetre.enabled && !jeu.fen.frmPoignee.fenetre.visible)
        return "la table reste désactivée sans fenêtre de Poignée";

    // The advice and the keyboard's focus each point at what may be played.
    int focus = 0, conseilles = 0;
    for (int i = 1; i <= 24; ++i) {
        const Composant& c = f.Carte3D[i];
        focus += c.focusClavier;
        conseilles += c.conseille;
        const bool jouable = i <= 18 && d.mains[SUD][i].enMain && d.cartesJouables[SUD][i] == 1;
        if (d.phase == Phase::TourSud && (c.focusClavier || c.conseille) && !jouable)
            return formater("la carte %ld de SUD a le focus ou le conseil sans être jouable", i);
    }
    for (const Composant* c :
         {&f.PanelLancement, &f.evMaMain, &f.ButtonPasse, &f.ButtonPrise, &f.ButtonGarde,
          &f.ButtonGardeSans, &f.ButtonGardeContre, &f.PanelConfirmeEcart, &f.PanelPoigneeSimple,
          &f.PanelPoigneeDouble, &f.PanelPoigneeTriple, &f.PanelPoigneeAucune, &f.PanelVoirMains,
          &f.PanelVoirPlis, &f.PanelScoreDetaille, &f.panelRejouerDonne, &f.PanelPanelNewPartie})
        if (c->focusClavier) {
            ++focus;
            if (!c->visible || !c->enabled) return "le focus du clavier est sur un bouton caché";
        }
    if (focus > 1) return formater("%ld contrôles ont le focus du clavier", focus);
    if (d.phase == Phase::TourSud && conseilles > 1)
        return formater("%ld cartes conseillées pour un seul tour", conseilles);
    if (d.phase == Phase::Ecart && conseilles != 0 && conseilles != 6)
        return formater("%ld cartes conseillées pour l'écart", conseilles);
    if (jeu.reprise && f.menuReprendre.enabled && (donneTerminee(d.phase) || d.numeroPli < 1))
        return "une carte peut être reprise hors du jeu de la carte";

    const Reglages& r = jeu.reglages;
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 4; ++j) {
            if (r.nomHighScoreChallenge[i][j].empty())
                return formater("le tableau %ld a un nom vide au rang %ld", i, j);
            if (j < 4 && r.highScoreChallenge[i][j] < r.highScoreChallenge[i][j + 1])
                return formater("le tableau %ld n'est pas trié au rang %ld", i, j);
        }
    const Challenge& c = jeu.challenge;
    if (c.enCours) {
        if (r.niveau != c.niveau || r.optionForceMain != 2 || r.optionAuMoinsUneMainDePrise)
            return "le niveau ou la force des mains a changé pendant un challenge";
        if (c.donnesJouees < 0 || c.donnesJouees >= c.nbDonnes)
            return formater("challenge à %ld donnes sur %ld", c.donnesJouees, c.nbDonnes);
        if (d.donneRejouee) return "une donne rejouée pendant un challenge";
    }
    // Once the table is laid out, its panel shows the series and nothing else.
    if (f.fenetre.geo.width > 0 && f.PanelChallenge.visible != (c.enCours || c.termine))
        return "le panneau du challenge ne suit pas le challenge";
    const Statistiques& st = r.statistiques;
    if (st.nbDernieres < 0 || st.nbDernieres > NB_DERNIERES_DONNES)
        return formater("%ld scores gardés pour la courbe", st.nbDernieres);
    for (int n = 1; n <= 5; ++n) {
        const StatistiquesNiveau& s = st.niveaux[n];
        long comptees = s.defenses;
        for (int k = 1; k <= 4; ++k) comptees += s.prises[k];
        if (comptees != s.donnes)
            return formater("niveau %ld : %ld donnes, %ld prises et défenses", n, s.donnes,
                            comptees);
    }

    if (d.phase == Phase::DonneBloquee)
        return formater("la donne est bloquée : le siège %ld n'a aucune carte à jouer",
                        entier(d.joueurCourant));

    if (d.mainsDonnees[1][1].couleur == AUCUNE) return ""; // no deal yet

    // Each card in exactly one place: a hand slot (held or played) or the dog/discard.
    int vu[79] = {};
    int jouees = 0;
    for (Siege s : SIEGES)
        for (int i = 1; i <= 18; ++i) {
            int n = numeroCarte(d.mains[s][i]);
            if (n == 0) return formater("carte invalide dans la main %ld, case %ld", entier(s), i);
            ++vu[n];
            if (!d.mains[s][i].enMain) ++jouees;
        }
    for (int k = 1; k <= 6; ++k) {
        int n = numeroCarte(d.chien[k]);
        if (n == 0) return formater("carte invalide au chien, case %ld", k);
        ++vu[n];
    }
    for (int n = 1; n <= 78; ++n)
        if (vu[n] != 1) return formater("la carte %ld est en %ld endroits", n, vu[n]);

    for (Siege s : SIEGES) {
        const Carte& c = d.pli.cartes[s];
        if (c.couleur == AUCUNE) continue;
        bool trouvee = false;
        for (int i = 1; i <= 18; ++i)
            if (d.mains[s][i] == c && !d.mains[s][i].enMain) trouvee = true;
        if (!trouvee)
            return formater("la carte sur la table du siège %ld n'a pas été jouée par lui",
                            entier(s));
    }

    int attendues = 0;
    if (d.numeroPli >= 1 && d.numeroPli <= 18)
        attendues = 4 * (d.numeroPli - 1) + d.pli.nbCartesJouees;
    if (donneTerminee(d.phase)) attendues = 72;
    if (jouees != attendues)
        return formater("%ld cartes jouées au pli %ld, %ld attendues", jouees, d.numeroPli,
                        attendues);

    // Points of the tricks gathered so far, the dog after the last one.
    if (d.numeroPli >= 1 && d.preneur != Siege::Aucun) {
        int points = 0;
        for (int t = 1; t < d.numeroPli && t <= 18; ++t)
            for (Siege s : SIEGES) points += pointsCarte(d.mains[s][d.slotsJoues[s][t]]);
        if (donneTerminee(d.phase))
            for (int k = 1; k <= 6; ++k) points += pointsCarte(d.chien[k]);
        if (d.pointsPreneur + d.pointsDefense != points)
            return formater("les camps ont %ld demi-points, les plis en valent %ld",
                            d.pointsPreneur + d.pointsDefense, points);
        if (donneTerminee(d.phase) && d.boutsPreneur + d.boutsDefense != 3)
            return formater("%ld bouts comptés en fin de donne", d.boutsPreneur + d.boutsDefense);
    }
    return "";
}

ResultatSinge lancerSinge(const OptionsSinge& options) {
    ResultatSinge r;
    std::mt19937 g(options.graine);
    MagasinMemoire magasin;
    PlateformeAleatoire plateforme(g);
    auto jeu = std::make_unique<Jeu>();
    auto demarrer = [&] {
        jeu = std::make_unique<Jeu>();
        jeu->alea.graine = static_cast<std::uint32_t>(g());
        demarrerJeu(*jeu, Ecran{1024, 768, 96}, &magasin, &plateforme, ".");
        // The Expert thinks on a few worlds: the gestures, not its strength, are under test.
        jeu->moteur.mondesExpert = 3;
    };
    // A level to hold is chosen from the menu once the table shows; from then on it must stay.
    auto niveauTenu = [&] {
        if (options.niveau == 0) return true;
        if (jeu->reglages.niveau != options.niveau && jeu->fen.frmQuarvel.fenetre.visible)
            traiterEvenement(*jeu, {Evt::MenuNiveau, options.niveau});
        return jeu->reglages.niveau == options.niveau;
    };
    bool niveauPose = false;
    demarrer();
    // A player with a history: tables low enough for random play to enter them now and then.
    for (auto& table : jeu->reglages.highScoreChallenge) {
        for (int& score : table) score = static_cast<int>(g() % 2500) - 2000;
        std::sort(table.begin(), table.end(), std::greater<>());
    }
    for (long i = 1; i <= options.gestes; ++i) {
        std::int64_t echeance = 0;
        Evenement e = tirerGeste(*jeu, g, echeance);
        if (options.niveau != 0 && e.type == Evt::MenuNiveau) e.index = options.niveau;
        jeu->maintenant = std::max(jeu->maintenant, echeance);
        const bool avant = donneTerminee(jeu->donne.phase);
        // Asking the advice must leave the game as it was, to the last random draw.
        const bool conseil = e.type == Evt::MenuConseilJeu;
        const bool reprise = jeu->fen.frmQuarvel.menuReprendre.enabled && !jeu->challenge.enCours &&
                             e.type == Evt::MenuReprendre;
        std::unique_ptr<Partie> partieAvant;
        if (conseil) partieAvant = std::make_unique<Partie>(*jeu);
        const bool serieFinie = jeu->challenge.termine;
        const auto tables = jeu->reglages.highScoreChallenge;
        traiterEvenement(*jeu, e);
        if (!serieFinie && jeu->challenge.termine) {
            ++r.challenges;
            r.inscrits += !(tables == jeu->reglages.highScoreChallenge);
        }
        std::string erreurAide;
        if (conseil && !(static_cast<const Partie&>(*jeu) == *partieAvant))
            erreurAide = "demander le conseil a changé la partie";
        if (reprise && !(jeu->donne.phase == Phase::TourSud && jeu->donne.joueurCourant == SUD))
            erreurAide = "la carte reprise ne rend pas la main à SUD";
        magasin.ecritures.clear(); // the store's log of writes would only grow
        r.gestes = i;
        if (!avant && donneTerminee(jeu->donne.phase)) ++r.donnes;
        if (options.empreinte)
            r.empreinte = (r.empreinte ^ empreinteFenetres(*jeu)) * 1099511628211ull;
        std::string erreur = erreurAide.empty() ? verifierInvariants(*jeu) : erreurAide;
        if (erreur.empty() && options.niveau != 0 && niveauPose &&
            jeu->reglages.niveau != options.niveau)
            erreur = formater("le niveau %ld est devenu %ld", static_cast<long>(options.niveau),
                              static_cast<long>(jeu->reglages.niveau));
        if (!erreur.empty()) {
            ++r.echecs;
            std::string rapport = "singe: graine " + std::to_string(options.graine) + ", geste " +
                                  std::to_string(i) + " (événement " +
                                  std::to_string(static_cast<int>(e.type)) + ", index " +
                                  std::to_string(e.index) + "): " + erreur;
            if (r.premierEchec.empty()) r.premierEchec = rapport;
            if (options.journal) *options.journal << rapport << '\n';
            if (options.arreterAuPremierEchec) break;
        }
        if (plateforme.quitte) {
            plateforme.quitte = false;
            ++r.relances;
            demarrer();
            niveauPose = false;
        }
        if (!niveauPose) niveauPose = niveauTenu();
    }
    return r;
}

} // namespace quarvel
