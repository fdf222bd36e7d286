#pragma once
// A deal set up by hand, then one rule pass for the seat to play: what it leaves and which rule
// decided. Rules 50 on stay silent here, so a test sees what rules 1 to 49 leave.
#include "ia/moteur.h"
#include "ia/position.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace quarvel::test {

inline void regleMuette(PartieIA&, const ContexteDecision&) {}

inline const Tableau<FonctionRegle, 74>& reglesJusqua49() {
    static const Tableau<FonctionRegle, 74> table = [] {
        Tableau<FonctionRegle, 74> t = reglesJeu;
        for (int k = 50; k <= 74; ++k) t[k] = regleMuette;
        return t;
    }();
    return table;
}

class Regles : public ::testing::Test {
protected:
    std::unique_ptr<Jeu> jeu = nouveauJeu();

    Connaissance& con() { return jeu->connaissance; }

    void partir(const Position& p, int niveau = 4) {
        installer(*jeu, p);
        initialiserConnaissance(*jeu);
        jeu->reglages.niveau = niveau;
        jeu->moteur.autresRegles = &reglesJusqua49();
    }
    void jouerCartes(std::initializer_list<Carte> cartes) {
        for (const Carte& c : cartes) jouer(*jeu, c);
    }
    // One pass for the seat whose turn it is; its candidates left, by bitmap name, hand order.
    std::vector<std::string> choisir() {
        const Siege s = jeu->donne.joueurCourant;
        jouables(*jeu, s);
        choisirCarte(*jeu, s);
        std::vector<std::string> reste;
        for (int i = 1; i <= 18; ++i)
            if (jeu->donne.cartesJouables[s][i] == 1)
                reste.push_back(nomBitmap(jeu->donne.mains[s][i]));
        return reste;
    }
    // The card a rule decided on ("" when none did).
    std::string decision() {
        auto reste = choisir();
        return jeu->moteur.decisionPrise && reste.size() == 1 ? reste[0] : "";
    }
    // The rule that decided the last pass, 0 when none did.
    int regle() const {
        const MoteurRegles& m = jeu->moteur;
        return m.decisionPrise && m.nbReglesDeclenchees > 0
                   ? m.reglesDeclenchees[m.nbReglesDeclenchees].regle
                   : 0;
    }
};

// A full hand: the named cards, then the small cards of the given suits from the 2 up.
inline std::vector<Carte> mainDe(std::initializer_list<Carte> nommees,
                                 std::initializer_list<Couleur> couleurs) {
    std::vector<Carte> m(nommees);
    for (Couleur c : couleurs)
        for (int v = 2; v <= 10 && m.size() < 18; ++v)
            if (std::find(m.begin(), m.end(), Carte{v, c, true}) == m.end())
                m.push_back({v, c, true});
    return m;
}

inline std::vector<std::string> noms(std::initializer_list<Carte> cartes) {
    std::vector<std::string> v;
    for (const Carte& c : cartes) v.push_back(nomBitmap(c));
    return v;
}

} // namespace quarvel::test
