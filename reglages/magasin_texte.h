#pragma once
// A settings store over a place that keeps text only (a browser's storage): a binary value is
// kept as "b:" and its bytes in base64, a string as "s:" and the string. Anything else, written
// by hand or damaged, reads as missing, so the loader ignores it as any damaged value.
#include "reglages/magasin.h"

#include <optional>
#include <string>

namespace quarvel {

class MagasinTexte : public MagasinReglages {
public:
    std::optional<ValeurStockee> lire(const std::string& nom) override;
    bool ecrireBinaire(const std::string& nom, const Octets& octets) override;
    bool ecrireChaine(const std::string& nom, const std::string& texte) override;

    static std::string enTexte(const ValeurStockee& v);
    static std::optional<ValeurStockee> deTexte(const std::string& t);

protected:
    // The place itself, by the value's name; false when it refused the write.
    virtual std::optional<std::string> lireTexte(const std::string& nom) = 0;
    virtual bool ecrireTexte(const std::string& nom, const std::string& texte) = 0;
};

} // namespace quarvel
