// quarvel-arene singe: random gestures on the whole game, invariants checked after each one.
#include "outils/singe/singe.h"
#include "outils/arene/commun.h"

#include <cstdint>
#include <cstdio>
#include <iostream>

namespace quarvel::arene {

namespace {

constexpr const char* AIDE_SINGE =
    "usage: quarvel-arene singe [--graine G] [--gestes N] [--niveau L] [--continuer]\n"
    "                           [--empreinte]\n"
    "  Plays N random gestures (default 10000) from the seed G (default 1): clicks on every\n"
    "  control, the space bar, menu commands, timer ticks in any order, dialogs answered at\n"
    "  random. After each gesture the game's invariants are checked; a failure prints the seed\n"
    "  and the gesture. Stops at the first failure unless --continuer.\n"
    "  --niveau holds the game at level L (1..5) throughout; by default the gestures change it.\n"
    "  --empreinte also prints a digest of every window after every gesture.\n"
    "  Last line: N gestures, D deals, F failures\n";

} // namespace

int modeSinge(int argc, char** argv) {
    Arguments args;
    if (!args.analyser("singe", argc, argv,
                       {{"--graine", true},
                        {"--gestes", true},
                        {"--niveau", true},
                        {"--continuer", false},
                        {"--empreinte", false}}))
        return SORTIE_ARGUMENTS;
    if (args.aide()) {
        std::fputs(AIDE_SINGE, stdout);
        return 0;
    }
    unsigned long long graine = 0, gestes = 0, niveau = 0;
    if (!args.entier("--graine", 0, UINT32_MAX, 1, graine) ||
        !args.entier("--gestes", 1, 1000000000000ull, 10000, gestes) ||
        !args.entier("--niveau", 1, 5, 0, niveau))
        return SORTIE_ARGUMENTS;

    OptionsSinge options;
    options.graine = static_cast<std::uint32_t>(graine);
    options.gestes = static_cast<long>(gestes);
    options.arreterAuPremierEchec = !args.present("--continuer");
    options.journal = &std::cerr;
    options.empreinte = args.present("--empreinte");
    options.niveau = static_cast<int>(niveau);
    ResultatSinge r = lancerSinge(options);
    if (options.empreinte)
        std::printf("fenetres: %016llx\n", static_cast<unsigned long long>(r.empreinte));
    std::fprintf(stderr, "challenges played to their end: %ld, of which ranked: %ld\n",
                 r.challenges, r.inscrits);
    std::printf("%ld gestures, %ld deals, %ld failures\n", r.gestes, r.donnes, r.echecs);
    return r.echecs == 0 ? 0 : 1;
}

} // namespace quarvel::arene
