// libFuzzer target: any content of the settings store, however damaged, loads without harm, and
// the next save writes a sound key that loads back to the same values. Half of the inputs are
// kept as a browser keeps them, as text, so that its decoding meets the same garbage.
#include "fenetres/modele/challenge.h"
#include "fenetres/modele/jeu.h"
#include "fenetres/modele/options.h"
#include "fenetres/modele/plateforme_scriptee.h"
#include "reglages/magasin_memoire.h"
#include "reglages/magasin_texte.h"
#include "reglages/persistance.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

using namespace quarvel;

namespace {

const std::set<std::string> BOOLEENS = {
    "verif",
    "optionVisibiliteConseilEnchere",
    "optionVisibilitePointsPartieEnCours",
    "optionVisibiliteDeductions",
    "optionAuMoinsUneMainDePrise",
    "optionProposePoignee",
    "optionBarreOutils",
    "optionBarreInfo",
    "optionNiveauAdaptatif",
    "optionVisibiliteConseilJeu",
    "optionAnimationCartes",
    "optionConseilSimulation",
};

bool estChaine(const std::string& nom) {
    return nom.rfind("nomHighScoreChallenge", 0) == 0 || nom == "nomChallenge";
}

[[noreturn]] void echec(const char* quoi, const std::string& nom) {
    std::fprintf(stderr, "fuzz_reglages: %s: %s\n", quoi, nom.c_str());
    std::abort();
}

// A browser's storage: any text under any name.
class StockageTexte : public MagasinTexte {
public:
    std::map<std::string, std::string> valeurs;

protected:
    std::optional<std::string> lireTexte(const std::string& nom) override {
        auto it = valeurs.find(nom);
        if (it == valeurs.end()) return std::nullopt;
        return it->second;
    }
    bool ecrireTexte(const std::string& nom, const std::string& texte) override {
        valeurs[nom] = texte;
        return true;
    }
};

void charger(MagasinReglages& magasin, Jeu& jeu, PlateformeScriptee& plateforme) {
    jeu.magasin = &magasin;
    jeu.plateforme = &plateforme;
    chargerReglages(jeu.reglages, jeu.magasin);
    appliquerOptions(jeu); // whatever was read must show without fault
    remplirStatistiques(jeu);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t taille) {
    static const std::vector<std::string> noms = nomsReglages();
    MagasinMemoire memoire;
    StockageTexte texte;
    std::size_t i = 0;
    auto octet = [&]() -> std::uint8_t { return i < taille ? data[i++] : 0; };
    const bool enTexte = octet() & 1;
    MagasinReglages& magasin = enTexte ? static_cast<MagasinReglages&>(texte) : memoire;
    while (i < taille) {
        std::size_t choix = octet() % (noms.size() + 2);
        // Two names the program never wrote, to see they are left alone.
        std::string nom = choix < noms.size() ? noms[choix] : choix == noms.size() ? "" : "fr0";
        std::uint8_t genre = octet();
        // Text long enough to leave a string's inline buffer.
        std::size_t longueur = octet() % (enTexte ? 40 : 12);
        Octets octets;
        for (std::size_t k = 0; k < longueur && i < taille; ++k) octets.push_back(octet());
        if (enTexte) {
            // The text as found, text that claims to be bytes, or well-formed bytes to reach
            // the loader's own checks.
            const std::string brut(octets.begin(), octets.end());
            if (genre % 4 == 0)
                texte.valeurs[nom] = brut;
            else if (genre % 4 == 1)
                texte.valeurs[nom] = "b:" + brut;
            else if (genre % 4 == 2)
                texte.ecrireBinaire(nom, octets);
            else
                texte.valeurs.erase(nom);
        } else if (genre % 3 == 0) {
            memoire.poserChaine(nom, std::string(octets.begin(), octets.end()));
        } else if (genre % 3 == 1) {
            memoire.poserBinaire(nom, octets);
        } else {
            memoire.effacer(nom);
        }
    }

    PlateformeScriptee plateforme;
    auto jeu = std::make_unique<Jeu>();
    charger(magasin, *jeu, plateforme);
    sauverReglages(jeu->reglages, jeu->magasin);

    for (const std::string& nom : noms) {
        if (nom == "version") continue;
        const std::optional<ValeurStockee> v = magasin.lire(nom);
        if (!v) echec("valeur absente après l'enregistrement", nom);
        if (estChaine(nom)) {
            if (v->type != TypeValeur::Chaine) echec("une chaîne attendue", nom);
        } else {
            std::size_t attendue = BOOLEENS.count(nom) ? 1 : 4;
            if (v->type != TypeValeur::Binaire || v->octets.size() != attendue)
                echec("valeur binaire de mauvaise taille", nom);
            if (attendue == 1 && v->octets[0] > 1) echec("booléen autre que 0 ou 1", nom);
        }
    }

    // The sound key loads back to itself.
    MagasinMemoire copieMemoire = memoire;
    StockageTexte copieTexte = texte;
    MagasinReglages& copie = enTexte ? static_cast<MagasinReglages&>(copieTexte) : copieMemoire;
    auto jeu2 = std::make_unique<Jeu>();
    charger(copie, *jeu2, plateforme);
    sauverReglages(jeu2->reglages, jeu2->magasin);
    for (const std::string& nom : noms) {
        const std::optional<ValeurStockee> a = magasin.lire(nom);
        const std::optional<ValeurStockee> b = copie.lire(nom);
        if (!a || !b || a->type != b->type || a->octets != b->octets || a->texte != b->texte)
            echec("la clé relue diffère", nom);
    }
    return 0;
}
