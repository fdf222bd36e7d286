#pragma once
// What the modes of quarvel-arene share: option parsing with clear refusals, JSON pieces.
#include "cartes/carte.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace quarvel::arene {

// Exit status for a command line that cannot be run.
constexpr int SORTIE_ARGUMENTS = 2;

// Prints "quarvel-arene <mode>: <message>" on one line of stderr; returns SORTIE_ARGUMENTS.
int refuser(std::string_view mode, const std::string& message);

struct OptionConnue {
    const char* nom; // "--graine"
    bool avecValeur;
};

// The options of one mode, read from argv after the mode's name.
class Arguments {
public:
    // False (with the message printed) for an unknown option, a missing value, an option given
    // twice or a stray word. --help is always known.
    bool analyser(std::string_view mode, int argc, char** argv,
                  std::initializer_list<OptionConnue> connues);

    bool aide() const { return aide_; }
    bool present(std::string_view nom) const;
    // A whole number in min..max (defaut when the option is absent); false with the message
    // printed otherwise.
    bool entier(std::string_view nom, unsigned long long min, unsigned long long max,
                unsigned long long defaut, unsigned long long& sortie) const;
    // The option's value as typed, nullptr when absent.
    const char* texte(std::string_view nom) const;

private:
    static constexpr int MAX = 16;
    std::string_view mode_;
    std::string_view noms_[MAX];
    const char* valeurs_[MAX] = {};
    int nb_ = 0;
    bool aide_ = false;
};

// Appends a JSON string (quotes and escapes).
void ajouterChaineJson(std::string& sortie, std::string_view texte);
// Appends ["PIQUE1", ...]: the bitmap names of the cards, in order.
void ajouterNomsCartes(std::string& sortie, const Carte* debut, const Carte* fin);

} // namespace quarvel::arene
