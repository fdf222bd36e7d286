#include "reglages/qt/magasin_qsettings.h"

#include "cartes/version.h"

#include <QByteArray>
#include <QSettings>
#include <QStringList>
#include <QVariant>

namespace quarvel {

MagasinQSettings::MagasinQSettings()
    : s_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                     QStringLiteral("Ostravin"),
                                     QString::fromLatin1(PRODUIT_ET_VERSION))) {}

MagasinQSettings::MagasinQSettings(const QString& fichier)
    : s_(std::make_unique<QSettings>(fichier, QSettings::IniFormat)) {}

MagasinQSettings::~MagasinQSettings() = default;

std::optional<ValeurStockee> MagasinQSettings::lire(const std::string& nom) {
    const QString cle = QString::fromStdString(nom);
    if (!s_->contains(cle)) return std::nullopt;
    const QVariant v = s_->value(cle);
    ValeurStockee r;
    if (v.typeId() == QMetaType::QByteArray) {
        const QByteArray b = v.toByteArray();
        r.type = TypeValeur::Binaire;
        r.octets.assign(b.begin(), b.end());
    } else {
        // Anything else (an edited file gives strings, "a, b" a list) is a string to us, so
        // a reader expecting bytes sees a value of the wrong type.
        r.type = TypeValeur::Chaine;
        r.texte = v.typeId() == QMetaType::QStringList ? v.toStringList().join(", ").toStdString()
                                                       : v.toString().toStdString();
    }
    return r;
}

bool MagasinQSettings::ecrireBinaire(const std::string& nom, const Octets& octets) {
    s_->setValue(QString::fromStdString(nom),
                 QByteArray(reinterpret_cast<const char*>(octets.data()),
                            static_cast<qsizetype>(octets.size())));
    return s_->status() == QSettings::NoError;
}

bool MagasinQSettings::ecrireChaine(const std::string& nom, const std::string& texte) {
    s_->setValue(QString::fromStdString(nom), QString::fromStdString(texte));
    return s_->status() == QSettings::NoError;
}

bool MagasinQSettings::terminer() {
    s_->sync();
    return s_->status() == QSettings::NoError;
}

std::string MagasinQSettings::emplacement() const {
    return fichier().toStdString();
}

QString MagasinQSettings::fichier() const {
    return s_->fileName();
}

} // namespace quarvel
