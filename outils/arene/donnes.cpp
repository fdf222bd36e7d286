// quarvel-arene donnes: the deals a seed gives, one JSON object per line.
#include "cartes/generation.h"
#include "fenetres/modele/jeu.h"
#include "outils/arene/commun.h"
#include "partie/nouvelle_donne.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

namespace quarvel::arene {

namespace {

constexpr const char* AIDE_DONNES =
    "usage: quarvel-arene donnes [--graine G] [--nombre K] [--force F] [--au-moins-une-prise]\n"
    "  Deals K deals (default 1) from the seed G (0..4294967295, default the game's own) and\n"
    "  prints one JSON object per line: donne, premierParlant, mains (seats 1..4), chien,\n"
    "  encheresMeritees, candidats.\n"
    "  --force F               the user's hand must deserve: 1 PASSE, 2 anything, 3 PRISE,\n"
    "                          4 GARDE, 5 GARDE SANS, 6 GARDE CONTRE\n"
    "  --au-moins-une-prise    refuse deals in which every hand deserves PASSE\n";

} // namespace

int modeDonnes(int argc, char** argv) {
    Arguments args;
    if (!args.analyser("donnes", argc, argv,
                       {{"--graine", true},
                        {"--nombre", true},
                        {"--force", true},
                        {"--au-moins-une-prise", false}}))
        return SORTIE_ARGUMENTS;
    if (args.aide()) {
        std::fputs(AIDE_DONNES, stdout);
        return 0;
    }
    unsigned long long graine = 0, nombre = 0, force = 0;
    if (!args.entier("--graine", 0, UINT32_MAX, GRAINE_INITIALE, graine) ||
        !args.entier("--nombre", 1, 1000000000, 1, nombre) ||
        !args.entier("--force", 1, 6, 2, force))
        return SORTIE_ARGUMENTS;

    auto jeu = std::make_unique<Jeu>();
    jeu->alea.graine = static_cast<std::uint32_t>(graine);
    jeu->reglages.optionForceMain = static_cast<int>(force);
    jeu->reglages.optionAuMoinsUneMainDePrise = args.present("--au-moins-une-prise");

    std::string ligne;
    for (unsigned long long n = 1; n <= nombre; ++n) {
        produireDonne(*jeu, false);
        const Donne& d = jeu->donne;
        ligne.clear();
        ligne += "{\"donne\": " + std::to_string(n);
        ligne += ", \"premierParlant\": " + std::to_string(entier(d.premierParlant));
        ligne += ", \"mains\": [";
        for (Siege s : SIEGES) {
            if (s != SUD) ligne += ", ";
            ajouterNomsCartes(ligne, d.mains[s].begin(), d.mains[s].end());
        }
        ligne += "], \"chien\": ";
        ajouterNomsCartes(ligne, d.chien.begin(), d.chien.end());
        ligne += ", \"encheresMeritees\": [";
        for (Siege s : SIEGES) {
            if (s != SUD) ligne += ", ";
            ligne += std::to_string(entier(d.encheresMeritees[s]));
        }
        ligne += "], \"candidats\": " + std::to_string(jeu->candidats) + "}\n";
        std::fputs(ligne.c_str(), stdout);
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace quarvel::arene
