#include "outils/arene/commun.h"

#include <charconv>
#include <cstdio>

namespace quarvel::arene {

int refuser(std::string_view mode, const std::string& message) {
    std::fprintf(stderr, "quarvel-arene %.*s: %s\n", static_cast<int>(mode.size()), mode.data(),
                 message.c_str());
    return SORTIE_ARGUMENTS;
}

bool Arguments::analyser(std::string_view mode, int argc, char** argv,
                         std::initializer_list<OptionConnue> connues) {
    mode_ = mode;
    for (int i = 0; i < argc; ++i) {
        const std::string_view mot = argv[i];
        if (mot == "--help" || mot == "-h") {
            aide_ = true;
            continue;
        }
        const OptionConnue* option = nullptr;
        for (const OptionConnue& o : connues)
            if (mot == o.nom) option = &o;
        if (!option) {
            refuser(mode, mot.starts_with("-") ? "unknown option '" + std::string(mot) + "'"
                                               : "unexpected argument '" + std::string(mot) + "'");
            return false;
        }
        if (present(mot)) {
            refuser(mode, std::string(mot) + " is given twice");
            return false;
        }
        const char* valeur = nullptr;
        if (option->avecValeur) {
            if (i + 1 >= argc || std::string_view(argv[i + 1]).starts_with("--")) {
                refuser(mode, std::string(mot) + " needs a value");
                return false;
            }
            valeur = argv[++i];
        }
        if (nb_ == MAX) {
            refuser(mode, "too many options");
            return false;
        }
        noms_[nb_] = mot;
        valeurs_[nb_] = valeur;
        ++nb_;
    }
    return true;
}

bool Arguments::present(std::string_view nom) const {
    for (int i = 0; i < nb_; ++i)
        if (noms_[i] == nom) return true;
    return false;
}

const char* Arguments::texte(std::string_view nom) const {
    for (int i = 0; i < nb_; ++i)
        if (noms_[i] == nom) return valeurs_[i];
    return nullptr;
}

bool Arguments::entier(std::string_view nom, unsigned long long min, unsigned long long max,
                       unsigned long long defaut, unsigned long long& sortie) const {
    const char* texte = nullptr;
    for (int i = 0; i < nb_; ++i)
        if (noms_[i] == nom) texte = valeurs_[i];
    if (!texte) {
        sortie = defaut;
        return true;
    }
    const std::string_view t = texte;
    unsigned long long v = 0;
    const auto [fin, erreur] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (t.empty() || erreur != std::errc() || fin != t.data() + t.size() || v < min || v > max) {
        refuser(mode_, std::string(nom) + " must be a whole number from " + std::to_string(min) +
                           " to " + std::to_string(max) + ", not '" + std::string(t) + "'");
        return false;
    }
    sortie = v;
    return true;
}

void ajouterChaineJson(std::string& sortie, std::string_view texte) {
    sortie += '"';
    for (char c : texte) {
        if (c == '"' || c == '\\') {
            sortie += '\\';
            sortie += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char code[8];
            std::snprintf(code, sizeof code, "\\u%04x", static_cast<unsigned char>(c));
            sortie += code;
        } else {
            sortie += c;
        }
    }
    sortie += '"';
}

void ajouterNomsCartes(std::string& sortie, const Carte* debut, const Carte* fin) {
    sortie += '[';
    for (const Carte* c = debut; c != fin; ++c) {
        if (c != debut) sortie += ", ";
        ajouterChaineJson(sortie, nomBitmapC(*c));
    }
    sortie += ']';
}

} // namespace quarvel::arene
