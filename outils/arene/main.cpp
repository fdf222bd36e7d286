// quarvel-arene: command-line tools on the game core, one mode per file.
#include "fenetres/modele/ligne_commande.h"
#include "outils/arene/commun.h"

#include <cstdio>
#include <cstring>

namespace quarvel::arene {

int modeDonnes(int argc, char** argv);
int modePartie(int argc, char** argv);
int modeDuel(int argc, char** argv);
int modeBench(int argc, char** argv);
int modeSinge(int argc, char** argv);

namespace {

struct Mode {
    const char* nom;
    int (*lancer)(int argc, char** argv); // the arguments after the mode's name
    const char* resume;
};

// One line per mode.
constexpr Mode MODES[] = {
    {"donnes", modeDonnes, "the deals a seed gives, as JSON lines"},
    {"partie", modePartie, "whole deals played through the game's flow, as JSON lines"},
    {"duel", modeDuel, "two levels of play against each other on the same deals"},
    {"bench", modeBench, "a fixed list of deals by the rules: signature and speed"},
    {"singe", modeSinge, "random gestures on the whole game, invariants checked"},
};

void usage(std::FILE* f) {
    std::fputs("usage: quarvel-arene <mode> [options]   (quarvel-arene <mode> --help)\n"
               "       quarvel-arene --version\n"
               "modes:\n",
               f);
    for (const Mode& m : MODES) std::fprintf(f, "  %-10s %s\n", m.nom, m.resume);
}

} // namespace

} // namespace quarvel::arene

int main(int argc, char** argv) {
    using namespace quarvel::arene;
    if (argc < 2) {
        std::fputs("quarvel-arene: no mode given (quarvel-arene --help lists them)\n", stderr);
        return SORTIE_ARGUMENTS;
    }
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0 ||
        std::strcmp(argv[1], "help") == 0) {
        usage(stdout);
        return 0;
    }
    if (std::strcmp(argv[1], "--version") == 0 || std::strcmp(argv[1], "-v") == 0) {
        quarvel::afficherVersion("quarvel-arene");
        return 0;
    }
    for (const Mode& m : MODES)
        if (std::strcmp(argv[1], m.nom) == 0) return m.lancer(argc - 2, argv + 2);
    std::fprintf(stderr, "quarvel-arene: unknown mode '%s' (quarvel-arene --help lists them)\n",
                 argv[1]);
    return SORTIE_ARGUMENTS;
}
