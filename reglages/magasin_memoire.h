#pragma once
// A settings store held in memory, for the tests and the arena. Tests can damage values and
// make every write fail.
#include "reglages/magasin.h"

#include <map>
#include <string>
#include <vector>

namespace quarvel {

class MagasinMemoire : public MagasinReglages {
public:
    std::optional<ValeurStockee> lire(const std::string& nom) override;
    bool ecrireBinaire(const std::string& nom, const Octets& octets) override;
    bool ecrireChaine(const std::string& nom, const std::string& texte) override;
    bool terminer() override;

    // Direct access, bypassing the write refusal: to prepare or damage a store.
    void poserBinaire(const std::string& nom, Octets octets);
    void poserChaine(const std::string& nom, std::string texte);
    void effacer(const std::string& nom);
    void vider();
    bool contient(const std::string& nom) const;
    const ValeurStockee* valeur(const std::string& nom) const;
    std::size_t taille() const { return valeurs_.size(); }

    bool refuserEcritures = false;
    std::vector<std::string> ecritures; // names in the order they were written
    int nbTerminer = 0;

private:
    std::map<std::string, ValeurStockee> valeurs_;
};

} // namespace quarvel
