#include "partie/expert.h"

#include "cartes/generation.h"
#include "encheres/ecart.h"
#include "encheres/encheres.h"
#include "encheres/evaluation.h"
#include "ia/connaissance.h"
#include "ia/moteur.h"
#include "partie/coeur.h"
#include "partie/donne_auto.h"
#include "partie/nouvelle_donne.h"
#include "partie/partie.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <memory>

namespace quarvel {

namespace {

constexpr int CHIEN = 0;
constexpr int ESSAIS = 200;

// The six cards of the dog or the discard are out of the observer's sight: the defenders' at
// PRISE and GARDE (the taker's discard), everyone's at GARDE SANS and GARDE CONTRE.
bool chienCache(const Donne& d, Siege o) {
    return !chienRetourne(d) || o != d.preneur;
}

// A mixer for the Expert's seeds (splitmix64's last steps).
std::uint32_t melangerGraine(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return static_cast<std::uint32_t>((z ^ (z >> 31)) >> 32);
}

// What every seat has shown by its cards: a suit it could not follow, and the highest trump it
// may still hold (it trumped under, or discarded when it had to trump). Read from the tricks
// themselves, as any player at the table would.
struct Faits {
    bool vide[5][5] = {};
    int atoutMax[5] = {21, 21, 21, 21, 21};
};

// Each card played so far, trick by trick in the order played: f(rank in its trick, 0 for the
// lead; seat; card). A false from f stops the walk, and the walk returns false.
template <class F> bool parcourirCartesJouees(const Donne& d, F&& f) {
    for (int t = 1; t <= d.numeroPli && t <= 18; ++t) {
        const int cartes = t < d.numeroPli ? 4 : d.pli.nbCartesJouees;
        Siege s = t < d.numeroPli ? d.entamesPlis[t] : d.pli.entame;
        for (int j = 0; j < cartes; ++j, s = siegeSuivant(s))
            if (!f(j, s, d.mains[s][d.slotsJoues[s][t]])) return false;
    }
    return true;
}

Faits faitsDesPlis(const Donne& d) {
    Faits f;
    Couleur demandee = AUCUNE;
    int plusHaut = 0;
    parcourirCartesJouees(d, [&](int rang, Siege s, const Carte& c) {
        if (rang == 0) {
            demandee = AUCUNE;
            plusHaut = 0;
        }
        const int h = entier(s);
        if (estExcuse(c)) return true;
        if (demandee == AUCUNE) {
            demandee = c.couleur;
        } else if (c.couleur != demandee) {
            f.vide[h][entier(demandee)] = true;
            if (c.couleur != ATOUT) f.atoutMax[h] = 0;
        }
        if (c.couleur == ATOUT) {
            if (c.valeur < plusHaut) f.atoutMax[h] = std::min(f.atoutMax[h], plusHaut);
            plusHaut = std::max(plusHaut, c.valeur);
        }
        return true;
    });
    return f;
}

} // namespace

bool tirerMonde(const Partie& jeu, Siege o, Aleatoire& alea, Monde& m) {
    const Donne& d = jeu.donne;
    const Connaissance& k = jeu.connaissance;
    // Places: 0 the dog or discard, 1..4 the seats; what each still takes.
    int places[5] = {};
    int cartes[78];
    std::uint8_t permises[79] = {};
    int n = 0;
    m.lieu.remplir(-1);
    for (Siege h : SIEGES)
        for (int i : SLOTS) {
            const Carte& c = d.mains[h][i];
            const int num = numeroCarte(c);
            if (h == o || !c.enMain) {
                m.lieu[num] = entier(h);
                continue;
            }
            ++places[entier(h)];
            cartes[n++] = num;
        }
    const bool cache = chienCache(d, o);
    for (int i = 1; i <= 6; ++i) {
        const int num = numeroCarte(d.chien[i]);
        if (!cache) {
            m.lieu[num] = CHIEN;
            continue;
        }
        ++places[CHIEN];
        cartes[n++] = num;
    }
    // A handful shown pins its trumps to the seat that showed it.
    const EtatPoignee& p = jeu.poignee;
    int poignee[79] = {};
    if (d.poignee != 0 && p.montreePar != Siege::Aucun)
        for (int i : SLOTS)
            if (p.slotsMontres >> i & 1u) poignee[numeroCarte(d.mains[p.montreePar][i])] = 1;

    const Faits faits = faitsDesPlis(d);
    for (int j = 0; j < n; ++j) {
        const int num = cartes[j];
        const Carte c = carteDuNumero(num);
        // What the observer has ruled out: a seat void in the suit, a seat that could not go
        // over a trump, every seat but the taker for a card of the dog shown. Its guesses of
        // where a card lies are left aside: they take no account of the discard it has not seen.
        std::uint8_t masque = 0;
        for (Siege h : SIEGES) {
            if (h == o || places[entier(h)] == 0 || !detenteurPossible(k, o, h, c)) continue;
            if (c.couleur != ATOUT ? faits.vide[entier(h)][entier(c.couleur)]
                                   : !estExcuse(c) && c.valeur > faits.atoutMax[entier(h)])
                continue;
            if (poignee[num] && h != jeu.poignee.montreePar) continue;
            masque |= static_cast<std::uint8_t>(1u << entier(h));
        }
        // The taker's discard holds no trump and no King; the dog unseen may hold anything.
        if (places[CHIEN] > 0 && !poignee[num] && (!chienRetourne(d) || ecartable(c))) masque |= 1u;
        if (masque == 0) return false;
        permises[num] = masque;
    }
    // The most constrained cards first, so that a draw rarely runs into a dead end.
    std::stable_sort(cartes, cartes + n, [&](int a, int b) {
        return std::popcount(permises[a]) < std::popcount(permises[b]);
    });
    for (int essai = 0; essai < ESSAIS; ++essai) {
        int reste[5];
        std::copy(places, places + 5, reste);
        bool ok = true;
        for (int j = 0; j < n && ok; ++j) {
            const int num = cartes[j];
            // Each place in proportion to what it still takes: every fitting world as likely.
            int total = 0;
            for (int l = 0; l < 5; ++l)
                if (permises[num] >> l & 1u) total += reste[l];
            if (total == 0) {
                ok = false;
                break;
            }
            int r = alea(total);
            for (int l = 0; l < 5; ++l) {
                if (!(permises[num] >> l & 1u)) continue;
                r -= reste[l];
                if (r <= 0) {
                    m.lieu[num] = l;
                    --reste[l];
                    break;
                }
            }
        }
        if (ok) return true;
    }
    return false;
}

bool construireMonde(const Partie& jeu, const Monde& m, Partie& w) {
    const Donne& r = jeu.donne;
    w = jeu;
    Donne& d = w.donne;
    const bool retourne = chienRetourne(r);
    // The six aside: the dog as dealt at PRISE and GARDE (the discard is drawn from the row),
    // else the dog itself.
    bool aside[79] = {};
    for (int num = 1; num <= 78; ++num)
        if (m.lieu[num] == CHIEN) aside[num] = true;
    bool chienDonne[79] = {};
    if (retourne)
        for (int i = 1; i <= 6; ++i) chienDonne[numeroCarte(r.chienDonne[i])] = true;
    for (Siege h : SIEGES) {
        Carte main[18];
        int n = 0;
        for (int num = 1; num <= 78; ++num) {
            const bool tenue = m.lieu[num] == entier(h) ||
                               (retourne && h == r.preneur && aside[num] && !chienDonne[num]);
            if (!tenue || (retourne && h == r.preneur && chienDonne[num])) continue;
            if (n == 18) return false;
            main[n++] = carteDuNumero(num);
        }
        if (n != 18) return false;
        std::sort(main, main + 18, avant);
        for (int i : SLOTS) {
            d.mains[h][i] = main[i - 1];
            d.mains[h][i].enMain = true;
        }
        d.mainsDonnees[h] = d.mains[h];
    }
    int c = 0;
    for (int num = 1; num <= 78 && !retourne; ++num)
        if (aside[num]) d.chien[++c] = carteDuNumero(num);
    if (retourne) d.chien = r.chienDonne;
    d.chienDonne = d.chien;

    // The deal from its first card.
    d.numeroPli = 1;
    d.pli = Pli{};
    d.pli.entame = r.numeroPli > 1 || r.pli.nbCartesJouees > 0 ? r.entamesPlis[1] : r.pli.entame;
    d.joueurCourant = d.pli.entame;
    d.pointsPreneur = d.pointsDefense = d.boutsPreneur = d.boutsDefense = 0;
    d.pointsContrat = d.petitAuBout = 0;
    for (auto& s : d.slotsJoues) s.remplir(0);
    d.entamesPlis.remplir(Siege::Aucun);
    if (retourne) {
        d.phase = Phase::ChienMontre;
        fusionnerRangee(w);
        std::uint32_t positions = 0;
        for (int p = 1; p <= 24; ++p)
            if (aside[numeroCarte(w.ecart.rangeeEcart[p])]) positions |= 1u << p;
        const Action ecart = Action::ecart(r.preneur, positions);
        if (!estLegale(w, ecart)) return false;
        appliquer(w, ecart);
    } else {
        d.phase = Phase::AttenteJeu;
        initialiserConnaissance(w);
    }
    passerA(d, Phase::JeuEnCours);
    d.poignee = r.poignee;
    w.poignee = jeu.poignee;

    // The same cards again, in the same order.
    const bool rejouees = parcourirCartesJouees(r, [&](int, Siege s, const Carte& c) {
        const int num = numeroCarte(c);
        int slot = 0;
        for (int i : SLOTS)
            if (numeroCarte(d.mains[s][i]) == num) slot = i;
        if (d.joueurCourant != s) return false;
        ouvrirTour(w);
        const Action a = Action::carte(s, slot);
        if (!estLegale(w, a)) return false;
        appliquer(w, a);
        if (d.phase == Phase::PliARamasser) ramasserPli(w);
        return true;
    });
    if (!rejouees) return false;
    return d.joueurCourant == r.joueurCourant;
}

namespace {

// What the Expert weighs: for each of its legal cards, the sum over the worlds of what its side
// gets when every seat of the world plays the rest at Pro, on the same draws for each card.
struct Pesee {
    explicit Pesee(const Partie& jeu, Siege s)
        : jeu(jeu), s(s), legales(actionsLegales(jeu)), monde(std::make_unique<Partie>()),
          essai(std::make_unique<Partie>()) {}

    void ajouter(const Monde& m, std::uint32_t graine) {
        if (!construireMonde(jeu, m, *monde)) return;
        monde->reglages.niveau = 4;
        monde->moteur.niveauSud = 4;
        monde->reglages.optionNiveauAdaptatif = false;
        monde->alea.graine = graine;
        ouvrirTour(*monde);
        for (int j = 1; j <= legales.nombre; ++j) {
            const int slot = legales.liste[j].valeur;
            *essai = *monde;
            appliquer(*essai, Action::carte(s, slot));
            const int score = jouerReste(*essai);
            sommes[slot] += s == jeu.donne.preneur ? score : -score;
        }
    }

    // The best sum; on a tie, Pro's card, drawn on a copy from the game's state as it stands.
    int choix() {
        *essai = jeu;
        essai->reglages.niveau = 4;
        essai->moteur.niveauSud = 4;
        const int pro = jouerOrdinateur(*essai, s);
        int meilleure = estLegale(jeu, Action::carte(s, pro)) ? pro : legales.liste[1].valeur;
        for (int j = 1; j <= legales.nombre; ++j) {
            const int slot = legales.liste[j].valeur;
            if (sommes[slot] > sommes[meilleure]) meilleure = slot;
        }
        return meilleure;
    }

    const Partie& jeu;
    Siege s;
    ActionsLegales legales;
    std::unique_ptr<Partie> monde, essai;
    long long sommes[19] = {};
};

} // namespace

int carteExpertDansMondes(const Partie& jeu, Siege s, const Monde* mondes, int n) {
    Pesee p(jeu, s);
    if (p.legales.nombre == 0) return 0;
    for (int k = 0; k < n; ++k) p.ajouter(mondes[k], jeu.alea.graine + static_cast<unsigned>(k));
    return p.choix();
}

namespace {

// The seed of one decision: the deal, the game's random state, the moment and the seat.
std::uint32_t graineDecision(const Partie& jeu, Siege s, std::uint64_t moment) {
    return melangerGraine((static_cast<std::uint64_t>(jeu.donne.numero) << 32 ^ jeu.alea.graine) +
                          moment * 0x9E3779B97F4A7C15ull + static_cast<std::uint64_t>(entier(s)));
}

} // namespace

int carteExpert(const Partie& jeu, Siege s, int mondes) {
    const Donne& d = jeu.donne;
    Pesee p(jeu, s);
    if (p.legales.nombre == 0) return 0;
    if (p.legales.nombre == 1) return p.legales.liste[1].valeur;
    Aleatoire alea;
    alea.graine =
        graineDecision(jeu, s, static_cast<std::uint64_t>(d.numeroPli * 8 + d.pli.nbCartesJouees));
    Monde m;
    for (int k = 0; k < mondes; ++k)
        if (tirerMonde(jeu, s, alea, m)) p.ajouter(m, static_cast<std::uint32_t>(alea(0x7fffffff)));
    return p.choix();
}

namespace {

constexpr int ESSAIS_ENCHERES = 64;

// How many of the seats that spoke before s bid what the rules would have bid with their cards
// of that draw.
int encheresExpliquees(const Partie& w, Siege s) {
    const Donne& d = w.donne;
    Contrat meilleure = PASSE;
    int accords = 0;
    for (Siege t = d.premierParlant; t != s; t = siegeSuivant(t)) {
        const Contrat merite = d.encheresMeritees[t];
        const Contrat regle = merite >= PRISE && merite > meilleure ? merite : PASSE;
        const Contrat dite = d.encheresAnnoncees[t];
        accords += regle == dite;
        if (dite > meilleure) meilleure = dite;
    }
    return accords;
}

// Deals the cards s does not hold to the other seats and the dog, as a new deal would: a draw
// the deal's own checks refuse, or that does not explain the bids made, is drawn again, the
// best of a few kept. The world stands at s's bid.
void tirerMondeEncheres(const Partie& jeu, Siege s, Aleatoire& alea, Partie& w) {
    int cartes[60];
    int n = 0;
    bool tenue[79] = {};
    for (int i : SLOTS) tenue[numeroCarte(jeu.donne.mains[s][i])] = true;
    for (int num = 1; num <= 78; ++num)
        if (!tenue[num]) cartes[n++] = num;
    const OptionsDonne options = optionsDonne(jeu);
    const int parle = jeu.encheres.nbEncheres;
    Donne& d = w.donne;
    int meilleur = -1;
    Tableau<MainJoueur, 4> mains;
    Chien chien;
    for (int essai = 0; essai < ESSAIS_ENCHERES && meilleur <= parle; ++essai) {
        for (int i = n - 1; i > 0; --i) std::swap(cartes[i], cartes[alea(i + 1) - 1]);
        int k = 0;
        for (Siege t : SIEGES) {
            if (t == s) continue;
            for (int i : SLOTS) {
                d.mains[t][i] = carteDuNumero(cartes[k++]);
                d.mains[t][i].enMain = true;
            }
        }
        for (int i = 1; i <= 6; ++i) d.chien[i] = carteDuNumero(cartes[k++]);
        const int note = (examinerCandidat(d, options, false) ? 1 : 0) + encheresExpliquees(w, s);
        if (note > meilleur) {
            meilleur = note;
            mains = d.mains;
            chien = d.chien;
        }
    }
    d.mains = mains;
    d.chien = chien;
    for (Siege t : SIEGES) trierMain(d.mains[t]);
    trierChien(d.chien);
    for (Siege t : SIEGES) d.encheresMeritees[t] = evaluerMain(d, t);
    d.mainsDonnees = d.mains;
    d.chienDonne = d.chien;
}

} // namespace

Contrat enchereExpert(const Partie& jeu, Siege s, int mondes) {
    Contrat candidates[5];
    int nombre = 0;
    for (Contrat c : {PASSE, PRISE, GARDE, GARDE_SANS, GARDE_CONTRE})
        if (enchereValable(jeu, c)) candidates[nombre++] = c;
    if (nombre == 1) return PASSE;
    Aleatoire alea;
    alea.graine = graineDecision(jeu, s, 0xB1D);
    auto w = std::make_unique<Partie>(jeu);
    auto essai = std::make_unique<Partie>();
    w->reglages.niveau = 4;
    w->moteur.niveauSud = 4;
    w->reglages.optionNiveauAdaptatif = false;
    w->donne.phase = Phase::Encheres;
    w->encheres.siegeEnAttente = Siege::Aucun;
    long long sommes[5] = {};
    for (int k = 0; k < mondes; ++k) {
        tirerMondeEncheres(jeu, s, alea, *w);
        w->alea.graine = static_cast<std::uint32_t>(alea(0x7fffffff));
        for (int j = 0; j < nombre; ++j) {
            *essai = *w;
            appliquer(*essai, Action::enchere(s, candidates[j]));
            if (!finirEncheres(*essai)) continue; // dealt again: nothing won or lost
            commencerJeu(*essai);
            const int score = jouerReste(*essai);
            sommes[j] += essai->donne.preneur == s ? score : -score / 3;
        }
    }
    int meilleure = 0;
    for (int j = 1; j < nombre; ++j)
        if (sommes[j] > sommes[meilleure]) meilleure = j;
    return candidates[meilleure];
}

namespace {
thread_local MesureExpert mesureExpert = nullptr;
thread_local void* contexteMesure = nullptr;

void mesurer(DecisionExpert decision, std::chrono::steady_clock::time_point debut) {
    if (mesureExpert)
        mesureExpert(
            contexteMesure, decision,
            std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count());
}

} // namespace

void observerExpert(MesureExpert mesure, void* contexte) {
    mesureExpert = mesure;
    contexteMesure = contexte;
}

int mondesDuJeu(const Partie& jeu) {
    return jeu.moteur.mondesExpert > 0 ? jeu.moteur.mondesExpert : MONDES_EXPERT;
}

Contrat enchereOrdinateur(const Partie& jeu, Siege s) {
    if (niveauDuSiege(jeu, s) != NIVEAU_EXPERT) return jeu.donne.encheresMeritees[s];
    const auto debut = std::chrono::steady_clock::now();
    const Contrat c = enchereExpert(jeu, s, mondesDuJeu(jeu));
    mesurer(DecisionExpert::Enchere, debut);
    return c;
}

int carteOrdinateur(Partie& jeu, Siege s) {
    if (niveauDuSiege(jeu, s) != NIVEAU_EXPERT) return jouerOrdinateur(jeu, s);
    Donne& d = jeu.donne;
    MoteurRegles& mr = jeu.moteur;
    if (d.numeroPli >= 1 && d.numeroPli <= 18 && d.pli.nbCartesJouees < 4)
        mr.grainesCartes[d.numeroPli][d.pli.nbCartesJouees + 1] = jeu.alea.graine;
    const auto debut = std::chrono::steady_clock::now();
    const int slot = carteExpert(jeu, s, mondesDuJeu(jeu));
    mesurer(DecisionExpert::Carte, debut);
    // Rule 0: the card came from the search.
    if (slot != 0 && mr.nbReglesDeclenchees < mr.reglesDeclenchees.taille())
        mr.reglesDeclenchees[++mr.nbReglesDeclenchees] = {0, s};
    return slot;
}

} // namespace quarvel
