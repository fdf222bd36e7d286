#include "reglages/magasin_memoire.h"

namespace quarvel {

std::optional<ValeurStockee> MagasinMemoire::lire(const std::string& nom) {
    auto it = valeurs_.find(nom);
    if (it == valeurs_.end()) return std::nullopt;
    return it->second;
}

bool MagasinMemoire::ecrireBinaire(const std::string& nom, const Octets& octets) {
    if (refuserEcritures) return false;
    poserBinaire(nom, octets);
    ecritures.push_back(nom);
    return true;
}

bool MagasinMemoire::ecrireChaine(const std::string& nom, const std::string& texte) {
    if (refuserEcritures) return false;
    poserChaine(nom, texte);
    ecritures.push_back(nom);
    return true;
}

bool MagasinMemoire::terminer() {
    ++nbTerminer;
    return !refuserEcritures;
}

void MagasinMemoire::poserBinaire(const std::string& nom, Octets octets) {
    ValeurStockee v;
    v.type = TypeValeur::Binaire;
    v.octets = std::move(octets);
    valeurs_[nom] = std::move(v);
}

void MagasinMemoire::poserChaine(const std::string& nom, std::string texte) {
    ValeurStockee v;
    v.type = TypeValeur::Chaine;
    v.texte = std::move(texte);
    valeurs_[nom] = std::move(v);
}

void MagasinMemoire::effacer(const std::string& nom) {
    valeurs_.erase(nom);
}
void MagasinMemoire::vider() {
    valeurs_.clear();
}
bool MagasinMemoire::contient(const std::string& nom) const {
    return valeurs_.count(nom) > 0;
}

const ValeurStockee* MagasinMemoire::valeur(const std::string& nom) const {
    auto it = valeurs_.find(nom);
    return it == valeurs_.end() ? nullptr : &it->second;
}

} // namespace quarvel
