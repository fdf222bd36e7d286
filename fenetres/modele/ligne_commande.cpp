#include "fenetres/modele/ligne_commande.h"

#include "fenetres/modele/textes.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace quarvel {

bool langueFrancaise() {
    for (const char* nom : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* v = std::getenv(nom);
        if (v && *v) return std::strncmp(v, "fr", 2) == 0;
    }
    return false;
}

void afficherVersion(const char* programme) {
    const bool fr = langueFrancaise();
    std::printf("%s %s\n%s\n", programme, VERSION.c_str(),
                fr ? "Le tarot à quatre\u00a0: vous, au SUD, contre trois joueurs de "
                     "l'ordinateur."
                   : "French tarot for four: you, sitting SOUTH, against three computer players.");
}

namespace {

bool estAide(const char* a) {
    return std::strcmp(a, "--help") == 0 || std::strcmp(a, "-h") == 0;
}

bool estVersion(const char* a) {
    return std::strcmp(a, "--version") == 0 || std::strcmp(a, "-v") == 0;
}

} // namespace

int optionsQuarvel(int argc, char** argv) {
    const bool fr = langueFrancaise();
    // Every argument is looked at before any is obeyed: one the program does not know, or a
    // second one, is refused whatever comes before it.
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        if (!estAide(a) && !estVersion(a)) {
            std::fprintf(stderr,
                         fr ? "quarvel\u00a0: option inconnue «\u00a0%s\u00a0»\u00a0; "
                              "«\u00a0quarvel --help\u00a0» donne les options.\n"
                            : "quarvel: unknown option '%s'; 'quarvel --help' lists the options.\n",
                         a);
            return 2;
        }
        if (i > 1) {
            std::fputs(fr ? "quarvel\u00a0: une seule option à la fois\u00a0; "
                            "«\u00a0quarvel --help\u00a0» donne les options.\n"
                          : "quarvel: one option at a time; 'quarvel --help' lists the options.\n",
                       stderr);
            return 2;
        }
    }
    if (argc > 1) {
        const char* a = argv[1];
        if (estAide(a)) {
            std::fputs(fr ? "Usage\u00a0: quarvel [OPTION]\n"
                            "Le tarot à quatre\u00a0: vous, au SUD, contre trois joueurs de "
                            "l'ordinateur.\n\n"
                            "  -h, --help     affiche cette aide et quitte\n"
                            "  -v, --version  affiche la version et quitte\n\n"
                            "Sans option, le jeu s'ouvre sur l'écran de départ. L'aide du jeu "
                            "(F1) explique les règles\net les menus\u00a0; les réglages et "
                            "les scores sont gardés d'une partie à l'autre.\n"
                          : "Usage: quarvel [OPTION]\n"
                            "French tarot for four: you, sitting SOUTH, against three computer "
                            "players.\n\n"
                            "  -h, --help     show this help and exit\n"
                            "  -v, --version  show the version and exit\n\n"
                            "With no option the game opens on its start-up screen. The game's "
                            "help (F1) explains the\nrules and the menus; settings and scores "
                            "are kept from one run to the next.\n",
                       stdout);
            return 0;
        }
        afficherVersion("quarvel");
        return 0;
    }
    return -1;
}

} // namespace quarvel
