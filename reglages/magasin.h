#pragma once
// Where the settings live: named binary values and strings under one key.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quarvel {

using Octets = std::vector<std::uint8_t>;

enum class TypeValeur { Binaire, Chaine };

struct ValeurStockee {
    TypeValeur type = TypeValeur::Binaire;
    Octets octets;     // for Binaire
    std::string texte; // for Chaine
};

class MagasinReglages {
public:
    virtual ~MagasinReglages() = default;
    // Nothing when the value is missing or cannot be read.
    virtual std::optional<ValeurStockee> lire(const std::string& nom) = 0;
    // False when the value could not be written; never throws.
    virtual bool ecrireBinaire(const std::string& nom, const Octets& octets) = 0;
    virtual bool ecrireChaine(const std::string& nom, const std::string& texte) = 0;
    // Called after a save, whole or of one value, so a store can flush.
    virtual bool terminer() { return true; }
    // Where the values are kept, as the player may look for them (a file); empty when nowhere
    // he could.
    virtual std::string emplacement() const { return {}; }
};

} // namespace quarvel
