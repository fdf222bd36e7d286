#include "scores/challenge.h"

#include <algorithm>
#include <climits>

#include "scores/partie_scores.h"
#include "scores/score.h"

namespace quarvel {

namespace {

// Figures read from damaged settings may sit near the limits: they stop there, never wrap.
void ajouter(int& x, long long d) {
    x = static_cast<int>(std::clamp<long long>(x + d, INT_MIN, INT_MAX));
}

bool espace(unsigned char c) {
    return c == ' ' || c == '\t';
}

} // namespace

int tableChallenge(int niveau) {
    // A series at Expert enters the Pro table.
    return niveau >= 2 && niveau <= 5 ? std::min(niveau, 4) - 1 : 0;
}

int longueurChallenge(int option) {
    return option == 6 || option == 12 || option == 18 || option == 24 ? option : 12;
}

void commencerChallenge(PartieScores& jeu) {
    Challenge& c = jeu.challenge;
    c = Challenge{};
    c.enCours = true;
    c.niveau = jeu.reglages.niveau;
    c.nbDonnes = longueurChallenge(jeu.reglages.optionNbDonnesChallenge);
    // Every series is played on the deals chance gives.
    jeu.reglages.optionForceMain = 2;
    jeu.reglages.optionAuMoinsUneMainDePrise = false;
}

void abandonnerChallenge(PartieScores& jeu) {
    jeu.challenge = Challenge{};
}

int rangChallenge(const Reglages& r, int table, int total) {
    if (table < 1 || table > 3) return 0;
    for (int j = 1; j <= 4; ++j)
        if (total > r.highScoreChallenge[table][j]) return j;
    return 0;
}

void inscrireChallenge(Reglages& r, int table, int rang, int total, const std::string& nom) {
    if (table < 1 || table > 3 || rang < 1 || rang > 4) return;
    for (int j = 4; j > rang; --j) {
        r.highScoreChallenge[table][j] = r.highScoreChallenge[table][j - 1];
        r.nomHighScoreChallenge[table][j] = r.nomHighScoreChallenge[table][j - 1];
    }
    r.highScoreChallenge[table][rang] = total;
    r.nomHighScoreChallenge[table][rang] = nom;
}

std::string nomChallenge(const std::string& tape, const std::string& defaut) {
    std::string propre;
    for (unsigned char c : tape)
        if (c >= 0x20 && c != 0x7F) propre += static_cast<char>(c);
    const auto debut = std::find_if_not(propre.begin(), propre.end(), espace);
    const auto fin = std::find_if_not(propre.rbegin(), propre.rend(), espace).base();
    std::string nom;
    int caracteres = 0;
    for (auto i = debut; i < fin; ++i) {
        // A UTF-8 lead byte starts a character; its continuation bytes go with it.
        if ((static_cast<unsigned char>(*i) & 0xC0) != 0x80 &&
            ++caracteres > LONGUEUR_NOM_CHALLENGE)
            break;
        nom += *i;
    }
    while (!nom.empty() && espace(static_cast<unsigned char>(nom.back()))) nom.pop_back();
    return nom.empty() ? defaut : nom;
}

std::string nomParDefaut(const Reglages& r) {
    return r.nomChallenge.empty() ? "Zelbin" : r.nomChallenge;
}

int scoreSud(const Donne& d) {
    const int t = scorePreneur(d);
    return d.preneur == SUD ? t : -t / 3;
}

void compterStatistiques(Statistiques& s, int niveau, const Donne& d) {
    if (niveau < 1 || niveau > 5 || d.contrat < PRISE || d.contrat > GARDE_CONTRE) return;
    StatistiquesNiveau& n = s.niveaux[niveau];
    const int score = scoreSud(d);
    const bool preneur = d.preneur == SUD;
    const bool gagne = scorePreneur(d) >= 1; // as the weights count a won deal
    if (n.donnes <= 0) {
        n.meilleure = n.pire = score;
    } else {
        n.meilleure = std::max(n.meilleure, score);
        n.pire = std::min(n.pire, score);
    }
    ajouter(n.donnes, 1);
    ajouter(n.points, score);
    const int c = entier(d.contrat);
    if (preneur) {
        ajouter(n.prises[c], 1);
        if (gagne) ajouter(n.prisesGagnees[c], 1);
    } else {
        ajouter(n.defenses, 1);
        if (!gagne) ajouter(n.defensesGagnees, 1);
    }
    if (d.poignee >= 1 && d.poignee <= 3) ajouter(n.poignees, 1); // only SUD shows one
    if (d.petitAuBout == 1 || d.petitAuBout == 2) {
        const bool campPreneur = d.petitAuBout == 1;
        ajouter(campPreneur == preneur ? n.petitGagne : n.petitPerdu, 1);
    }
    int& k = s.nbDernieres;
    if (k < 0 || k > NB_DERNIERES_DONNES) k = 0;
    if (k == NB_DERNIERES_DONNES) {
        for (int i = 1; i < NB_DERNIERES_DONNES; ++i) s.dernieres[i] = s.dernieres[i + 1];
        --k;
    }
    s.dernieres[++k] = score;
}

StatistiquesNiveau totalStatistiques(const Statistiques& s) {
    StatistiquesNiveau t;
    bool premier = true;
    for (int n = 1; n <= 5; ++n) {
        const StatistiquesNiveau& x = s.niveaux[n];
        if (x.donnes > 0) {
            t.meilleure = premier ? x.meilleure : std::max(t.meilleure, x.meilleure);
            t.pire = premier ? x.pire : std::min(t.pire, x.pire);
            premier = false;
        }
        ajouter(t.donnes, x.donnes);
        for (int c = 1; c <= 4; ++c) {
            ajouter(t.prises[c], x.prises[c]);
            ajouter(t.prisesGagnees[c], x.prisesGagnees[c]);
        }
        ajouter(t.defenses, x.defenses);
        ajouter(t.defensesGagnees, x.defensesGagnees);
        ajouter(t.points, x.points);
        ajouter(t.poignees, x.poignees);
        ajouter(t.petitGagne, x.petitGagne);
        ajouter(t.petitPerdu, x.petitPerdu);
    }
    return t;
}

} // namespace quarvel
