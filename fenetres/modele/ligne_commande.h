#pragma once
// The command lines of the two programs: --help and --version in the language of the
// environment, and a clear refusal of anything else.

namespace quarvel {

// French when the environment asks for it: LC_ALL, else LC_MESSAGES, else LANG, starting "fr".
bool langueFrancaise();
// quarvel's options. -1 when the game may start; otherwise the exit status, once the help or
// the version is printed (0) or the one line refusing the rest is (2).
int optionsQuarvel(int argc, char** argv);
// "<programme> <version>" and what it is, on standard output.
void afficherVersion(const char* programme);

} // namespace quarvel
