#pragma once
// The settings store of the desktop program: QSettings, organisation "Ostravin", application
// "QUARVEL 99.2". Binary values are kept as byte arrays so that they come back byte for byte.
#include "reglages/magasin.h"

#include <QString>

#include <memory>

class QSettings;

namespace quarvel {

class MagasinQSettings : public MagasinReglages {
public:
    MagasinQSettings();
    // An explicit file in the same format, for tools and tests.
    explicit MagasinQSettings(const QString& fichier);
    ~MagasinQSettings() override;

    std::optional<ValeurStockee> lire(const std::string& nom) override;
    bool ecrireBinaire(const std::string& nom, const Octets& octets) override;
    bool ecrireChaine(const std::string& nom, const std::string& texte) override;
    // Flushes to disk; false when the file could not be written.
    bool terminer() override;
    std::string emplacement() const override;

    QString fichier() const;

private:
    std::unique_ptr<QSettings> s_;
};

} // namespace quarvel
