#include "ia/moteur.h"

#include "ia/partie_ia.h"
#include "ia/regles.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <utility>

namespace quarvel {

namespace {

constexpr int NB_REGLES_JOUEES = 74;
constexpr int TIRAGES_MAX = 10000;

// Minimum level of each rule; 0 for the numbers no rule uses.
constexpr Tableau<int, 100> niveauxMinimaux = [] {
    Tableau<int, 100> t{};
    for (int k = 1; k <= NB_REGLES_JOUEES; ++k) t[k] = 1;
    for (int k : {8, 13, 28, 56}) t[k] = 2;
    for (int k : {10, 12, 14, 15, 18, 24, 38, 39, 42, 47, 48, 49}) t[k] = 3;
    for (int k : {11, 16, 17, 22, 23, 43}) t[k] = 4;
    return t;
}();

constexpr Tableau<bool, 100> reglesFixes = [] {
    Tableau<bool, 100> t{};
    for (int k : {1, 2, 3, 4, 7, 8, 9, 29, 32, 35, 53, 54, 55, 63, 69, 70, 73}) t[k] = true;
    return t;
}();

// The rule table as the pass leaves it before any rule runs: switched off by the level, and
// subject to its weight when adaptive. The pass sets these entries rule by rule; setting them
// all at once is the same, since a rule reads none of them.
constexpr Tableau<Tableau<int, 100>, 5, 0> etatsParNiveau = [] {
    Tableau<Tableau<int, 100>, 5, 0> t{};
    for (int n = 0; n <= 4; ++n)
        for (int k = 1; k <= 100; ++k)
            t[n][k] = (k <= NB_REGLES_JOUEES && niveauxMinimaux[k] > n) ? 0 : 1;
    return t;
}();

constexpr Tableau<bool, 100> reglesAleatoires = [] {
    Tableau<bool, 100> t{};
    for (int k = 1; k <= NB_REGLES_JOUEES; ++k) t[k] = !reglesFixes[k];
    return t;
}();

// Where each rule may act, read off the test it opens with: bit p - 1 for the taker at position
// p in the trick, bit p + 3 for a defender there. Out of them a rule returns before it draws or
// touches anything, so the pass need not call it.
constexpr std::uint8_t PRENEUR = 0x0F, DEFENSE = 0xF0, PARTOUT = 0xFF;
constexpr std::uint8_t ENTAME = 0x11, SUITE = 0xEE;
constexpr std::uint8_t PRENEUR_ENTAME = PRENEUR & ENTAME, PRENEUR_SUITE = PRENEUR & SUITE;
constexpr std::uint8_t DEFENSE_ENTAME = DEFENSE & ENTAME, DEFENSE_SUITE = DEFENSE & SUITE;
constexpr Tableau<std::uint8_t, NB_REGLES_JOUEES> contextesRegles{{
    PARTOUT,        // 1
    PRENEUR_SUITE,  // 2
    ENTAME,         // 3
    DEFENSE_ENTAME, // 4
    DEFENSE,        // 5
    0x60,           // 6: a defender second or third
    0x06,           // 7: the taker second or third
    ENTAME,         // 8
    DEFENSE_ENTAME, // 9
    PRENEUR_ENTAME, // 10
    PRENEUR_ENTAME, // 11
    0xC0,           // 12: a defender third or fourth
    DEFENSE_SUITE,  // 13
    DEFENSE_SUITE,  // 14
    DEFENSE_SUITE,  // 15
    0x70,           // 16: a defender with the taker still to play
    PRENEUR_SUITE,  // 17
    DEFENSE_SUITE,  // 18
    PARTOUT,        // 19: draws first
    DEFENSE_SUITE,  // 20
    DEFENSE_SUITE,  // 21
    PRENEUR_ENTAME, // 22
    0x60,           // 23
    DEFENSE_SUITE,  // 24
    PARTOUT,        // 25
    PRENEUR,        // 26
    SUITE,          // 27
    DEFENSE_ENTAME, // 28
    DEFENSE,        // 29
    DEFENSE_SUITE,  // 30
    PRENEUR_SUITE,  // 31
    DEFENSE,        // 32
    0x70,           // 33
    DEFENSE | 0x01, // 34: the taker's lead
    ENTAME,         // 35
    PRENEUR_SUITE,  // 36
    SUITE,          // 37
    DEFENSE_ENTAME, // 38
    DEFENSE_ENTAME, // 39
    DEFENSE_ENTAME, // 40
    DEFENSE_ENTAME, // 41
    PRENEUR,        // 42
    PRENEUR_ENTAME, // 43
    PARTOUT,        // 44: draws first
    ENTAME,         // 45
    ENTAME,         // 46
    0,              // 47: does nothing
    PRENEUR_ENTAME, // 48
    PRENEUR_ENTAME, // 49
    DEFENSE_ENTAME, // 50
    DEFENSE_ENTAME, // 51
    DEFENSE_ENTAME, // 52
    DEFENSE_ENTAME, // 53
    DEFENSE_ENTAME, // 54
    DEFENSE_ENTAME, // 55
    ENTAME,         // 56
    DEFENSE_ENTAME, // 57
    DEFENSE_ENTAME, // 58
    DEFENSE_ENTAME, // 59
    DEFENSE_ENTAME, // 60
    DEFENSE_ENTAME, // 61
    ENTAME,         // 62
    DEFENSE_ENTAME, // 63
    0x70,           // 64
    PRENEUR_ENTAME, // 65
    PRENEUR_ENTAME, // 66
    PRENEUR_SUITE,  // 67
    DEFENSE_ENTAME, // 68
    0xC0,           // 69
    0x2E,           // 70: the first defender second, the taker after the lead
    DEFENSE_ENTAME, // 71
    0x44,           // 72: third
    SUITE,          // 73
    0xE8,           // 74: a defender after the lead, the taker fourth
}};

// The bit of contextesRegles for the seat choosing; every bit outside a trick's four places.
unsigned contexteRegles(const ContexteDecision& ctx) {
    if (ctx.position < 1 || ctx.position > 4) return PARTOUT;
    return 1u << ((ctx.moi != ctx.T ? 4 : 0) + ctx.position - 1);
}

// The rules a pass with no adaptive draws runs, by level and by bit of contextesRegles: those
// the level leaves on and the place lets act, as a set (bit k - 1 for rule k). Their number
// in order is all the loop needs then.
struct ReglesAPasser {
    std::uint64_t bas = 0, haut = 0; // rules 1..64, 65..74
};
constexpr Tableau<Tableau<ReglesAPasser, 8, 0>, 5, 0> reglesAPasser = [] {
    Tableau<Tableau<ReglesAPasser, 8, 0>, 5, 0> t{};
    for (int n = 0; n <= 4; ++n)
        for (int b = 0; b < 8; ++b)
            for (int k = 1; k <= NB_REGLES_JOUEES; ++k) {
                if (etatsParNiveau[n][k] != 1 || (contextesRegles[k] >> b & 1u) == 0) continue;
                if (k <= 64)
                    t[n][b].bas |= std::uint64_t{1} << (k - 1);
                else
                    t[n][b].haut |= std::uint64_t{1} << (k - 65);
            }
    return t;
}();

// The seat's candidates as a set of slots: bit i - 1 for slot i.
// The flags turned into bits by arithmetic (a branch per slot was often mispredicted), written
// out slot by slot so that each shift is by a constant and the tests do not wait on each other.
template <std::size_t... I>
unsigned ensembleCandidats(const Tableau<int, 18>& jouables, std::index_sequence<I...>) {
    return ((static_cast<unsigned>(jouables.v[I] == 1) << I) | ...);
}
unsigned ensembleCandidats(const Tableau<int, 18>& jouables) {
    return ensembleCandidats(jouables, std::make_index_sequence<18>{});
}
unsigned ensembleCandidats(const PartieIA& jeu, Siege siege) {
    return ensembleCandidats(jeu.donne.cartesJouables[siege]);
}

// Slots drawn in 1..18 until one is a candidate, at most TIRAGES_MAX draws; AUCUN_SLOT when none
// was. Four draws are made at a time from the same state and the source is left at the state of
// the draw that hit, so the draws and the state are those of one draw after the other.
int tirerCandidat(Aleatoire& alea, unsigned candidats) {
    constexpr SautAleatoire s1 = sautAleatoire(1), s2 = sautAleatoire(2), s3 = sautAleatoire(3),
                            s4 = sautAleatoire(4);
    static_assert(TIRAGES_MAX % 4 == 0);
    auto touche = [candidats](std::uint32_t etat) {
        return ((candidats >> (Aleatoire::tirageDe(etat, 18) - 1)) & 1u) != 0;
    };
    std::uint32_t g = alea.graine;
    for (int i = 0; i < TIRAGES_MAX; i += 4) {
        const std::uint32_t e1 = s1.a * g + s1.c, e2 = s2.a * g + s2.c;
        const std::uint32_t e3 = s3.a * g + s3.c, e4 = s4.a * g + s4.c;
        for (std::uint32_t e : {e1, e2, e3, e4})
            if (touche(e)) {
                alea.graine = e;
                return Aleatoire::tirageDe(e, 18);
            }
        g = e4;
    }
    alea.graine = g;
    return AUCUN_SLOT;
}

// Where each card of the seat's hand sits, for the pass: the rules drop cards by suit and value
// many times a card, most of them cards the seat does not hold. The rules of the game leave the
// hands alone, so the places hold for the whole pass.
struct PlacesMain {
    const MainJoueur* main = nullptr;
    std::int8_t slot[5][22] = {}; // [suit][value]: the first slot holding it, 0 none
};
thread_local const PlacesMain* placesPasse = nullptr;

int slotDeLaCarte(const MainJoueur& main, Couleur couleur, int valeur) {
    const PlacesMain* p = placesPasse;
    if (p && p->main == &main && couleur >= ATOUT && couleur <= CARREAU && valeur >= 0 &&
        valeur <= 21)
        return p->slot[entier(couleur)][valeur] != 0 ? p->slot[entier(couleur)][valeur]
                                                     : AUCUN_SLOT;
    for (int s = 1; s <= 18; ++s)
        if (main[s].valeur == valeur && main[s].couleur == couleur) return s;
    return AUCUN_SLOT;
}

} // namespace

int niveauMinimalRegle(int k) {
    return niveauxMinimaux[k];
}
bool regleFixe(int k) {
    return reglesFixes[k];
}

int niveauDuSiege(const PartieIA& jeu, Siege siege) {
    if (siege == SUD && jeu.moteur.niveauSud >= 0) return jeu.moteur.niveauSud;
    return jeu.reglages.niveau;
}

ContexteDecision contexteDecision(const PartieIA& jeu, Siege siege) {
    const Donne& d = jeu.donne;
    ContexteDecision ctx;
    ctx.moi = siege;
    ctx.position = d.pli.nbCartesJouees + 1;
    ctx.L = d.pli.entame;
    ctx.T = d.preneur;
    ctx.D1 = siegeSuivant(d.preneur == Siege::Aucun ? OUEST : d.preneur);
    ctx.D2 = siegeSuivant(ctx.D1);
    ctx.D3 = siegeSuivant(ctx.D2);
    ctx.W = gagnantActuel(jeu, siege);
    ctx.B = ctx.position == 1 ? AUCUN_SLOT : carteQuiBat(jeu, siege);
    return ctx;
}

int jouerOrdinateur(PartieIA& jeu, Siege siege) {
    const Donne& d = jeu.donne;
    if (d.numeroPli >= 1 && d.numeroPli <= 18 && d.pli.nbCartesJouees < 4)
        jeu.moteur.grainesCartes[d.numeroPli][d.pli.nbCartesJouees + 1] = jeu.alea.graine;
    unsigned candidats = ensembleCandidats(jeu, siege);
    if (candidats == 0) return AUCUN_SLOT;
    const bool plusieurs = (candidats & (candidats - 1)) != 0;
    if (plusieurs && niveauDuSiege(jeu, siege) >= 1) {
        choisirCarte(jeu, siege);
        candidats = ensembleCandidats(jeu, siege);
    }
    const int tire = tirerCandidat(jeu.alea, candidats);
    if (tire != AUCUN_SLOT) return tire;
    // Ten thousand misses cannot happen with a candidate left; stay safe all the same.
    for (int slot : SLOTS)
        if (jeu.donne.cartesJouables[siege][slot] == 1) return slot;
    return AUCUN_SLOT;
}

void choisirCarte(PartieIA& jeu, Siege siege) {
    MoteurRegles& m = jeu.moteur;
    const int niveau = std::clamp(niveauDuSiege(jeu, siege), 0, 4);
    m.etatRegle = etatsParNiveau[niveau];
    m.regleAleatoire = reglesAleatoires;
    m.decisionPrise = false;

    const ContexteDecision ctx = contexteDecision(jeu, siege);
    const auto& regles = m.autresRegles ? *m.autresRegles : reglesJeu;
    PlacesMain places;
    if (!m.autresRegles) {
        const MainJoueur& main = jeu.donne.mains[siege];
        places.main = &main;
        for (int i = 17; i >= 0; --i) {
            const Carte& c = main.v[i];
            if (c.couleur >= ATOUT && c.couleur <= CARREAU && c.valeur >= 0 && c.valeur <= 21)
                places.slot[entier(c.couleur)][c.valeur] = static_cast<std::int8_t>(i + 1);
        }
    }
    placesPasse = places.main ? &places : nullptr;
    // Another table (the tests') is run whole.
    const bool toutes = m.autresRegles != nullptr;
    const unsigned contexte = contexteRegles(ctx);
    if (!toutes && !jeu.reglages.optionNiveauAdaptatif && contexte != PARTOUT) {
        // No rule draws to be applied, and the rules leave etatRegle alone: the rules to run are
        // known before the pass. Once a rule has decided, no other rule applies.
        const ReglesAPasser& r = reglesAPasser[niveau][std::countr_zero(contexte)];
        for (int moitie = 0; moitie < 2; ++moitie)
            for (std::uint64_t e = moitie == 0 ? r.bas : r.haut; e != 0; e &= e - 1) {
                if (m.decisionPrise) break;
                const int k = 64 * moitie + std::countr_zero(e) + 1;
                m.regleEnCours = k;
                reglesJeu[k](jeu, ctx);
            }
    } else {
        // Once a rule has decided, no other rule applies and none draws.
        for (int k = 1; k <= NB_REGLES_JOUEES && !m.decisionPrise; ++k)
            if (regleApplicable(jeu, k) && (toutes || (contextesRegles[k] & contexte) != 0)) {
                m.regleEnCours = k;
                regles[k](jeu, ctx);
            }
    }
    m.regleEnCours = 0;
    placesPasse = nullptr;
}

bool regleApplicable(PartieIA& jeu, int k) {
    MoteurRegles& m = jeu.moteur;
    if (m.etatRegle[k] != 1 || m.decisionPrise) return false;
    if (!jeu.reglages.optionNiveauAdaptatif || !m.regleAleatoire[k]) return true;
    return jeu.alea(100) <= jeu.reglages.poidsRegles[k];
}

bool garderSeule(PartieIA& jeu, Siege siege, int slot) {
    if (slot < 1 || slot > 18) return false;
    auto& jouables = jeu.donne.cartesJouables[siege];
    if (jouables[slot] != 1) return false;
    for (int s = 1; s <= 18; ++s)
        if (s != slot) jouables[s] = 0;
    jeu.moteur.decisionPrise = true;
    return true;
}

// The hand read in one pass into sets of slots, with no early exit to mispredict.
void retirerCouleur(PartieIA& jeu, Siege siege, Couleur couleur) {
    auto& jouables = jeu.donne.cartesJouables[siege];
    const MainJoueur& main = jeu.donne.mains[siege];
    const unsigned candidats = ensembleCandidats(jouables);
    unsigned deCouleur = 0;
    for (int i = 0; i < 18; ++i) deCouleur |= main.v[i].couleur == couleur ? 1u << i : 0u;
    if ((candidats & ~deCouleur) == 0) return;
    for (unsigned e = candidats & deCouleur; e != 0; e &= e - 1)
        jouables.v[std::countr_zero(e)] = 0;
}

void retirerCarte(PartieIA& jeu, Siege siege, Couleur couleur, int valeur) {
    auto& jouables = jeu.donne.cartesJouables[siege];
    const int cible = slotDeLaCarte(jeu.donne.mains[siege], couleur, valeur);
    if (cible == AUCUN_SLOT || jouables[cible] != 1) return;
    for (int s = 1; s <= 18; ++s)
        if (s != cible && jouables[s] == 1) {
            jouables[cible] = 0;
            return;
        }
}

void noterRegle(PartieIA& jeu, Siege siege) {
    MoteurRegles& m = jeu.moteur;
    const int k = m.regleEnCours;
    if (!m.decisionPrise || k < 1) return;
    m.etatRegle[k] = 2;
    if (m.nbReglesDeclenchees < m.reglesDeclenchees.taille()) {
        ++m.nbReglesDeclenchees;
        m.reglesDeclenchees[m.nbReglesDeclenchees] = {k, siege};
    }
}

bool tirage(PartieIA& jeu, int n) {
    return jeu.alea(100) < n;
}

void adapterPoids(PartieIA& jeu, bool preneurGagne) {
    const MoteurRegles& m = jeu.moteur;
    auto& poids = jeu.reglages.poidsRegles;
    for (int i = 1; i <= m.nbReglesDeclenchees; ++i) {
        const auto [k, s] = m.reglesDeclenchees[i];
        if (k < 1 || k > 100) continue;
        const bool preneur = s == jeu.donne.preneur;
        const bool gagne = preneur == preneurGagne;
        poids[k] = std::clamp(poids[k] + (gagne ? 5 : -5), POIDS_MIN, POIDS_MAX);
    }
}

} // namespace quarvel
