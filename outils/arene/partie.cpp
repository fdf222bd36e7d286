// quarvel-arene partie: whole deals played through the game's own flow, one JSON object per
// deal. SUD is driven by gestures only, as a person would play him, and plays like the computer.
#include "donne/pli.h"
#include "encheres/ecart.h"
#include "encheres/poignee.h"
#include "fenetres/modele/demarrage.h"
#include "fenetres/modele/evenements.h"
#include "fenetres/modele/horloge.h"
#include "fenetres/modele/jeu.h"
#include "fenetres/modele/options.h"
#include "fenetres/modele/plateforme_scriptee.h"
#include "ia/moteur.h"
#include "outils/arene/commun.h"
#include "outils/arene/externe.h"
#include "partie/expert.h"
#include "partie/flux.h"
#include "reglages/magasin_memoire.h"
#include "scores/score.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

namespace quarvel::arene {

namespace {

constexpr const char* AIDE_PARTIE =
    "usage: quarvel-arene partie [--graine G] [--nombre K] [--niveau N] [--niveau-sud N]\n"
    "                            [--adaptatif 0|1] [--conseil] [--verifier] [--mondes N]\n"
    "                            [--externe COMMAND --sieges LIST [--delai-externe S]]\n"
    "  Plays K deals (default 1) from the seed G (0..4294967295, default the game's own)\n"
    "  through the game's flow on a virtual clock, SUD bidding the advice, discarding and\n"
    "  playing like the computer and declaring the largest handful offered. Prints one JSON\n"
    "  object per deal: the fields of the donnes mode, then encheresAnnoncees, preneur,\n"
    "  contrat, ecart, poignee, plis, pointsPreneur, pointsDefense (half points),\n"
    "  boutsPreneur, pointsContrat, petitAuBout, score, scoresGlobaux, regles (the\n"
    "  [rule, seat] pairs the computer seats fired, in order; rule 0 for an Expert's card,\n"
    "  found by simulation), graineConnaissance (the random\n"
    "  state when the play knowledge was built) and graines (for each trick, the random state\n"
    "  just before each card was chosen, in playing order).\n"
    "  --niveau N      level of the computer players: 1 Debutant .. 4 Pro, 5 Expert\n"
    "                  (default 4)\n"
    "  --niveau-sud N  level SUD plays at: 0 a legal card at random, 1 .. 5 (default: that\n"
    "                  of the computer players)\n"
    "  --adaptatif 0|1 the adaptive level (default 0)\n"
    "  --mondes N      worlds an Expert draws at each bid and card (default 40)\n"
    "  --conseil       ask the play advice before each card and discard of SUD, as a player\n"
    "                  would from the menu: the records must not change\n"
    "  --verifier      stop with exit status 1 at the first deal whose card points do not\n"
    "                  make 182 half points or whose running scores do not sum to zero\n"
    "  --externe COMMAND  another program, started through the shell, plays the seats of\n"
    "                  --sieges (e.g. 2,4; 1 is SUD) over the line protocol of\n"
    "                  docs/joueur-externe.md; 'partie: external faults: N' ends standard\n"
    "                  error. Exit status 3 when it exits or stays silent for S seconds\n"
    "                  (--delai-externe, default 10)\n";

// Gestures and ticks allowed for one deal before it is declared stuck.
constexpr int PAS_MAX_PAR_DONNE = 5000;

struct Partie {
    Jeu& jeu;
    TfrmQuarvel& q;

    explicit Partie(Jeu& j) : jeu(j), q(j.fen.frmQuarvel) {}
    bool conseil = false; // the play advice asked before each of SUD's choices
    long conseilsDonnes = 0;

    // Seats played by another program: told what happens at the table, asked its choices.
    SiegesProgramme* ext = nullptr;
    unsigned long long numero = 0; // of the deal on the table, as the records count them
    int donneVue = -1;
    bool contratDit = false, ecartDemande = false, finDite = false;
    Tableau<bool, 4> enchereDemandee;
    int pliCartes = 0, pliDit = 0;
    Tableau<bool, 4> carteDite;
    int tourDemande = -1; // 4 * trick + cards down when the card was asked for

    bool externe(Siege s) const { return ext && ext->externe(s); }

    // Tells the program what the last gesture or tick did: a new deal, the contract, the cards
    // put down, the tricks gathered, the end.
    void suivreExterne() {
        if (!ext) return;
        const Donne& d = jeu.donne;
        if (jeu.donnesDistribuees != donneVue) {
            donneVue = jeu.donnesDistribuees;
            contratDit = ecartDemande = finDite = false;
            enchereDemandee.remplir(false);
            pliCartes = pliDit = 0;
            tourDemande = -1;
            ext->numeroDonne(numero);
            ext->donne(jeu);
        }
        const Phase p = d.phase;
        if (!contratDit && d.preneur != Siege::Aucun &&
            (p == Phase::ChienMontre || p == Phase::AttenteJeu || p == Phase::Ecart)) {
            contratDit = true;
            ext->contrat(jeu);
        }
        const bool complet = p == Phase::PliARamasser || p == Phase::DernierPli;
        const int t = complet ? d.numeroPli - 1 : d.numeroPli;
        if (t >= 1 && t <= 18 && t > pliDit) {
            if (t != pliCartes) {
                pliCartes = t;
                carteDite.remplir(false);
            }
            Siege s = d.entamesPlis[t] != Siege::Aucun ? d.entamesPlis[t] : d.pli.entame;
            for (int k = 0; k < 4; ++k, s = siegeSuivant(s))
                if (d.pli.cartes[s].couleur != AUCUNE && !carteDite[s]) {
                    carteDite[s] = true;
                    ext->carteJouee(jeu, s, d.pli.cartes[s]);
                }
            if (complet) {
                pliDit = t;
                ext->pliRamasse(jeu, d.pli.entame);
            }
        }
        if (donneTerminee(p) && !finDite) {
            finDite = true;
            DonneAuto r;
            r.preneur = d.preneur;
            r.contrat = d.contrat;
            r.score = scorePreneur(d);
            ext->fin(jeu, r);
        }
    }

    // The choices of external computer seats, made before the timer plays them.
    void questionsExternes() {
        if (!ext) return;
        Donne& d = jeu.donne;
        const Siege attente = jeu.encheres.siegeEnAttente;
        if (d.phase == Phase::Encheres && attente != Siege::Aucun && attente != SUD &&
            externe(attente) && !enchereDemandee[attente]) {
            enchereDemandee[attente] = true;
            imposerEnchere(jeu, ext->enchere(jeu, attente));
        }
        if (d.phase == Phase::ChienMontre && d.preneur != SUD && externe(d.preneur) &&
            !ecartDemande) {
            ecartDemande = true;
            quarvel::Partie copie = jeu;
            fusionnerRangee(copie);
            Tableau<int, 24> dans;
            ext->ecart(copie, d.preneur, dans);
            int k = 0;
            for (int p = 1; p <= 24; ++p)
                if (dans[p] == 1 && k < 6)
                    jeu.ecart.cartesImposees[++k] = copie.ecart.rangeeEcart[p];
            jeu.ecart.ecartImpose = k == 6;
        }
        const Siege s = d.joueurCourant;
        const int tour = 4 * d.numeroPli + d.pli.nbCartesJouees;
        if (d.phase == Phase::JeuEnCours && jeu.minuteries.TimerEntreCarte.enabled && s != SUD &&
            externe(s) && tour != tourDemande) {
            tourDemande = tour;
            quarvel::Partie copie = jeu;
            calculerJouables(copie.donne, s);
            jeu.carteImposee[s] = ext->carte(copie, s);
        }
    }

    // SUD played by the program, by the gestures a person would make.
    void encherirExterne() {
        geste(Evt::ClicEnchere, entier(ext->enchere(jeu, SUD)));
        if (q.BarreEnchere.visible) geste(Evt::ClicEnchere, entier(PASSE));
    }
    void ecarterExterne() {
        Tableau<int, 24> dans;
        ext->ecart(jeu, SUD, dans);
        for (int p = 1; p <= 24; ++p)
            if (dans[p] == 1) geste(Evt::ClicCarte3D, p);
        geste(Evt::ClicConfirmeEcart);
    }
    void poigneeExterne() {
        Tableau<int, 15> slots;
        const int type = ext->poignee(jeu, SUD, slots);
        geste(Evt::ClicPoignee, type);
        const TfrmPoignee& dlg = jeu.fen.frmPoignee;
        if (type == 0 || !dlg.fenetre.visible) return;
        for (int k = 1; k <= taillePoignee(type); ++k) geste(Evt::ClicCartePoignee, slots[k]);
        geste(Evt::ClicOkPoignee);
        if (dlg.fenetre.visible) {
            geste(Evt::ClicAnnulerPoignee);
            geste(Evt::ClicPoignee, 0);
        } else {
            ext->poigneeMontree(jeu, SUD, slots, taillePoignee(type));
        }
    }
    void jouerExterne() {
        const int slot = ext->carte(jeu, SUD);
        if (slot >= 1 && slot <= 18) geste(Evt::ClicCarte3D, slot);
    }

    void demanderConseil() {
        if (!conseil) return;
        geste(Evt::MenuConseilJeu);
        if (jeu.conseil.actif) ++conseilsDonnes;
    }

    void geste(Evt t, int index = 0) { traiterEvenement(jeu, Evenement{t, index}); }

    bool tourDeSud() const {
        const Donne& d = jeu.donne;
        return sudALaMain(d.phase) && d.joueurCourant == SUD &&
               !jeu.minuteries.TimerEntreCarte.enabled;
    }

    // The largest handful the offer panel shows, then the lazy button and OK.
    void declarerPoignee() {
        int type = 0;
        const Composant* boutons[] = {&q.PanelPoigneeSimple, &q.PanelPoigneeDouble,
                                      &q.PanelPoigneeTriple};
        for (int k = 1; k <= 3; ++k)
            if (boutons[k - 1]->visible && boutons[k - 1]->enabled) type = k;
        geste(Evt::ClicPoignee, type);
        if (type != 0) validerDialoguePoignee();
    }

    void validerDialoguePoignee() {
        const TfrmPoignee& dlg = jeu.fen.frmPoignee;
        if (!dlg.fenetre.visible) return;
        geste(Evt::ClicParesseux);
        geste(Evt::ClicOkPoignee);
        if (dlg.fenetre.visible) geste(Evt::ClicAnnulerPoignee);
    }

    // The computer's discard choice, made by clicking the cards it sets aside.
    void ecarter() {
        demanderConseil();
        // The choice shares its counters with the user's selection: work on a copy.
        const EtatEcart avant = jeu.ecart;
        choisirEcartOrdinateur(jeu);
        const auto garder = jeu.ecart.garderCarte;
        jeu.ecart = avant;
        for (int p = 1; p <= 24; ++p)
            if (garder[p] == 0) geste(Evt::ClicCarte3D, p);
        geste(Evt::ClicConfirmeEcart);
    }

    // The computer's card for SUD, clicked. What the rule pass leaves behind (the narrowed
    // legal cards, the rules it fired) is put back: SUD's play must not train the computer.
    void jouer() {
        demanderConseil();
        Donne& d = jeu.donne;
        const auto jouables = d.cartesJouables[SUD];
        const int nbRegles = jeu.moteur.nbReglesDeclenchees;
        const int slot = jouerOrdinateur(jeu, SUD);
        d.cartesJouables[SUD] = jouables;
        jeu.moteur.nbReglesDeclenchees = nbRegles;
        if (slot >= 1 && slot <= 18) geste(Evt::ClicCarte3D, slot);
    }

    bool tousPasse() const {
        for (Siege s : SIEGES)
            if (jeu.donne.encheresAnnoncees[s] > PASSE) return false;
        return true;
    }

    // Drives the deal on the table to its end. True when played out, false when all passed
    // (the closing click has then already dealt the next deal); `bloquee` when nothing moves.
    bool jouerDonne(bool& bloquee) {
        bloquee = false;
        const Donne& d = jeu.donne;
        const bool sudExterne = externe(SUD);
        for (int pas = 0; pas < PAS_MAX_PAR_DONNE; ++pas) {
            suivreExterne();
            if (donneTerminee(d.phase)) return true;
            questionsExternes();
            if (jeu.fen.frmPoignee.fenetre.visible) {
                validerDialoguePoignee();
            } else if (q.PanelPoignee.visible) {
                if (sudExterne)
                    poigneeExterne();
                else
                    declarerPoignee();
            } else if (q.BarreEnchere.visible) {
                if (sudExterne) {
                    encherirExterne();
                } else {
                    geste(Evt::ClicConseil);
                    if (q.BarreEnchere.visible)
                        geste(Evt::ClicEnchere, entier(PASSE)); // advice refused
                }
            } else if (d.phase == Phase::Ecart) {
                if (sudExterne)
                    ecarterExterne();
                else
                    ecarter();
            } else if (tourDeSud()) {
                if (sudExterne)
                    jouerExterne();
                else
                    jouer();
            } else if (d.phase == Phase::EncheresCloses && tousPasse()) {
                return false;
            } else if (clicPourContinuer(d.phase) || d.phase == Phase::ChienMontre) {
                geste(Evt::ClicFond);
            } else if (!avancerHorloge(jeu)) {
                bloquee = true;
                return false;
            }
        }
        bloquee = true;
        return false;
    }
};

template <class T> void ajouterEntiers(std::string& l, const T* debut, const T* fin) {
    l += '[';
    for (const T* p = debut; p != fin; ++p) {
        if (p != debut) l += ", ";
        if constexpr (std::is_enum_v<T>)
            l += std::to_string(entier(*p));
        else
            l += std::to_string(*p);
    }
    l += ']';
}

void ajouterChamp(std::string& l, const char* nom, long long valeur) {
    l += ", \"";
    l += nom;
    l += "\": ";
    l += std::to_string(valeur);
}

void ajouterPlis(std::string& l, const Donne& d) {
    l += ", \"plis\": [";
    for (int t : PLIS) {
        if (t > 1) l += ", ";
        const Siege entame = d.entamesPlis[t];
        l += "{\"entame\": " + std::to_string(entier(entame)) + ", \"cartes\": [";
        Siege s = entame;
        for (int k = 1; k <= 4; ++k, s = siegeSuivant(s)) {
            if (k > 1) l += ", ";
            const int slot = d.slotsJoues[s][t];
            const Carte c = slot >= 1 && slot <= 18 ? d.mains[s][slot] : Carte{};
            l += '[' + std::to_string(entier(s)) + ", ";
            ajouterChaineJson(l, nomBitmapC(c));
            l += ']';
        }
        const Siege gagnant = t < 18 ? d.entamesPlis[t + 1] : d.pli.entame;
        l += "], \"gagnant\": " + std::to_string(entier(gagnant)) + '}';
    }
    l += ']';
}

// What the computer players did: the rules fired, and the random states that let a deal's
// play be followed draw by draw.
void ajouterTraceIa(std::string& l, const Jeu& jeu, bool jouee) {
    const MoteurRegles& m = jeu.moteur;
    l += ", \"regles\": [";
    for (int i = 1; jouee && i <= m.nbReglesDeclenchees; ++i) {
        if (i > 1) l += ", ";
        l += '[' + std::to_string(m.reglesDeclenchees[i].regle) + ", " +
             std::to_string(entier(m.reglesDeclenchees[i].siege)) + ']';
    }
    l += ']';
    ajouterChamp(l, "graineConnaissance",
                 jouee ? static_cast<long long>(jeu.connaissance.graineInitiale) : 0);
    l += ", \"graines\": [";
    for (int t = 1; jouee && t <= 18; ++t) {
        if (t > 1) l += ", ";
        l += '[';
        for (int k = 1; k <= 4; ++k) {
            if (k > 1) l += ", ";
            l += std::to_string(m.grainesCartes[t][k]);
        }
        l += ']';
    }
    l += ']';
}

// One deal as a JSON line; `jouee` false for a deal all four passed.
void ecrireLigne(std::string& l, const Jeu& jeu, unsigned long long n, bool jouee) {
    const Donne& d = jeu.donne;
    l.clear();
    l += "{\"donne\": " + std::to_string(n);
    ajouterChamp(l, "premierParlant", entier(d.premierParlant));
    l += ", \"mains\": [";
    for (Siege s : SIEGES) {
        if (s != SUD) l += ", ";
        ajouterNomsCartes(l, d.mainsDonnees[s].begin(), d.mainsDonnees[s].end());
    }
    l += "], \"chien\": ";
    ajouterNomsCartes(l, d.chienDonne.begin(), d.chienDonne.end());
    l += ", \"encheresMeritees\": ";
    ajouterEntiers(l, d.encheresMeritees.begin(), d.encheresMeritees.end());
    ajouterChamp(l, "candidats", jeu.candidats);
    l += ", \"encheresAnnoncees\": ";
    ajouterEntiers(l, d.encheresAnnoncees.begin(), d.encheresAnnoncees.end());
    ajouterChamp(l, "preneur", jouee ? entier(d.preneur) : 0);
    ajouterChamp(l, "contrat", jouee ? entier(d.contrat) : 0);
    l += ", \"ecart\": ";
    if (jouee && d.contrat >= PRISE && d.contrat <= GARDE)
        ajouterNomsCartes(l, d.chien.begin(), d.chien.end());
    else
        l += "[]";
    ajouterChamp(l, "poignee", jouee ? d.poignee : 0);
    if (jouee)
        ajouterPlis(l, d);
    else
        l += ", \"plis\": []";
    ajouterChamp(l, "pointsPreneur", jouee ? d.pointsPreneur : 0);
    ajouterChamp(l, "pointsDefense", jouee ? d.pointsDefense : 0);
    ajouterChamp(l, "boutsPreneur", jouee ? d.boutsPreneur : 0);
    ajouterChamp(l, "pointsContrat", jouee ? d.pointsContrat : 0);
    ajouterChamp(l, "petitAuBout", jouee ? d.petitAuBout : 0);
    ajouterChamp(l, "score", jouee ? scorePreneur(d) : 0);
    l += ", \"scoresGlobaux\": ";
    const auto& sg = jeu.reglages.scoresGlobaux;
    ajouterEntiers(l, sg.begin(), sg.end());
    ajouterTraceIa(l, jeu, jouee);
    l += "}\n";
}

// What every played deal must satisfy; an empty string when it does.
std::string verifier(const Jeu& jeu, bool jouee) {
    const Donne& d = jeu.donne;
    int somme = 0;
    for (Siege s : SIEGES) somme += jeu.reglages.scoresGlobaux[s];
    if (somme != 0) return "running scores sum to " + std::to_string(somme);
    if (!jouee) return {};
    if (d.pointsPreneur + d.pointsDefense != 182)
        return "card points make " + std::to_string(d.pointsPreneur + d.pointsDefense) +
               " half points";
    if (d.boutsPreneur + d.boutsDefense != 3)
        return "bouts make " + std::to_string(d.boutsPreneur + d.boutsDefense);
    // The 72 cards played and the 6 left aside make the pack once.
    bool vue[79] = {};
    int nb = 0;
    for (Siege s : SIEGES)
        for (int t : PLIS) {
            const int slot = d.slotsJoues[s][t];
            const int c = slot >= 1 && slot <= 18 ? numeroCarte(d.mains[s][slot]) : 0;
            nb += c != 0 && !vue[c];
            vue[c] = true;
        }
    for (const Carte& c : d.chien) {
        nb += numeroCarte(c) != 0 && !vue[numeroCarte(c)];
        vue[numeroCarte(c)] = true;
    }
    if (nb != 78) return "the tricks and the dog hold " + std::to_string(nb) + " different cards";
    return {};
}

} // namespace

int jouerPartie(Partie& partie, Jeu& jeuRef, unsigned long long nombre, bool verif,
                const SiegesProgramme* ext);

int modePartie(int argc, char** argv) {
    Arguments args;
    if (!args.analyser("partie", argc, argv,
                       {{"--graine", true},
                        {"--nombre", true},
                        {"--niveau", true},
                        {"--niveau-sud", true},
                        {"--adaptatif", true},
                        {"--conseil", false},
                        {"--mondes", true},
                        {"--verifier", false},
                        {"--externe", true},
                        {"--sieges", true},
                        {"--delai-externe", true}}))
        return SORTIE_ARGUMENTS;
    if (args.aide()) {
        std::fputs(AIDE_PARTIE, stdout);
        return 0;
    }
    unsigned long long graine = 0, nombre = 0, niveau = 0, niveauSud = 0, adaptatif = 0, mondes = 0;
    if (!args.entier("--graine", 0, UINT32_MAX, GRAINE_INITIALE, graine) ||
        !args.entier("--nombre", 1, 1000000000, 1, nombre) ||
        !args.entier("--niveau", 1, 5, 4, niveau) ||
        !args.entier("--niveau-sud", 0, 5, niveau, niveauSud) ||
        !args.entier("--mondes", 1, 10000, MONDES_EXPERT, mondes) ||
        !args.entier("--adaptatif", 0, 1, 0, adaptatif))
        return SORTIE_ARGUMENTS;
    const bool verif = args.present("--verifier");
    const char* externe = args.texte("--externe");
    std::vector<Siege> sieges;
    unsigned long long delai = 0;
    if (!args.entier("--delai-externe", 1, 3600, 10, delai)) return SORTIE_ARGUMENTS;
    if (externe && !*externe) return refuser("partie", "--externe needs a command");
    if (externe && !lireSieges(args.texte("--sieges"), sieges))
        return refuser("partie", "--sieges must list seats 1 to 4, each once, as in 2,4");
    if (!externe && args.present("--sieges")) return refuser("partie", "--sieges needs --externe");

    auto jeu = std::make_unique<Jeu>();
    MagasinMemoire magasin;
    PlateformeScriptee plateforme;
    demarrerJeu(*jeu, Ecran{800, 600, 96}, &magasin, &plateforme, "");
    choisirLangue(*jeu, FRANCAIS);
    jeu->alea.graine = static_cast<std::uint32_t>(graine);
    // A click after every trick keeps the virtual clock's work to the card timer.
    jeu->reglages.niveau = static_cast<int>(niveau);
    jeu->reglages.optionNiveauAdaptatif = adaptatif != 0;
    jeu->moteur.niveauSud = static_cast<int>(niveauSud);
    jeu->moteur.mondesExpert = static_cast<int>(mondes);
    jeu->reglages.optionAttenteEntreChaquePli = 0;
    jeu->reglages.optionVisibiliteConseilEnchere = true;
    jeu->reglages.optionProposePoignee = true;
    appliquerOptions(*jeu);

    Partie partie(*jeu);
    partie.conseil = args.present("--conseil");
    std::unique_ptr<ProgrammeExterne> programme;
    std::unique_ptr<SiegesProgramme> sieges_;
    try {
        if (externe) {
            programme = std::make_unique<ProgrammeExterne>(externe, static_cast<int>(delai));
            sieges_ = std::make_unique<SiegesProgramme>(*programme, sieges);
            partie.ext = sieges_.get();
        }
        return jouerPartie(partie, *jeu, nombre, verif, sieges_.get());
    } catch (const ArretExterne& e) {
        std::fflush(stdout);
        refuser("partie", e.what());
        return SORTIE_EXTERNE;
    }
}

int jouerPartie(Partie& partie, Jeu& jeuRef, unsigned long long nombre, bool verif,
                const SiegesProgramme* ext) {
    Jeu* jeu = &jeuRef;
    partie.numero = 1;
    partie.geste(Evt::ClicLancement);
    std::string ligne;
    for (unsigned long long n = 1; n <= nombre; ++n) {
        bool bloquee = false;
        const bool jouee = partie.jouerDonne(bloquee);
        if (bloquee) {
            std::fflush(stdout);
            const Donne& d = jeu->donne;
            if (d.phase == Phase::DonneBloquee)
                std::fprintf(stderr,
                             "quarvel-arene partie: deal %llu is stuck: seat %d has no card to "
                             "play (trick %d)\n",
                             n, entier(d.joueurCourant), d.numeroPli);
            else
                std::fprintf(stderr,
                             "quarvel-arene partie: deal %llu is stuck (phase %s, trick %d, seat "
                             "%d, taker %d, contract %d)\n",
                             n, nomPhase(d.phase), d.numeroPli, entier(d.joueurCourant),
                             entier(d.preneur), entier(d.contrat));
            return 1;
        }
        ecrireLigne(ligne, *jeu, n, jouee);
        std::fputs(ligne.c_str(), stdout);
        if (verif) {
            const std::string faute = verifier(*jeu, jouee);
            if (!faute.empty()) {
                std::fflush(stdout);
                std::fprintf(stderr, "quarvel-arene partie: deal %llu: %s\n", n, faute.c_str());
                return 1;
            }
        }
        if (nombre >= 1000 && n % 1000 == 0)
            std::fprintf(stderr, "partie: %llu/%llu deals\n", n, nombre);
        if (n == nombre) break;
        partie.numero = n + 1;
        // All passed: the closing click deals the next deal.
        if (jouee)
            partie.geste(Evt::ClicNouvelleDonne);
        else
            partie.geste(Evt::ClicFond);
    }
    if (partie.conseil)
        std::fprintf(stderr, "partie: advice given %ld times\n", partie.conseilsDonnes);
    if (ext) std::fprintf(stderr, "partie: external faults: %ld\n", ext->fautes());
    return std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace quarvel::arene
