// The desktop program: the start-up screen, then the table, until the start-up screen closes.
#include "fenetres/modele/demarrage.h"
#include "fenetres/modele/jeu.h"
#include "fenetres/modele/ligne_commande.h"
#include "fenetres/qt/aide.h"
#include "fenetres/qt/ecran.h"
#include "fenetres/qt/plateforme_qt.h"
#include "fenetres/qt/scenario.h"
#include "fenetres/qt/vue.h"
#include "reglages/qt/magasin_qsettings.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <unistd.h>

namespace {

constexpr const char* SANS_ECRAN = "quarvel: no display available (set DISPLAY or QT_QPA_PLATFORM)";

bool ecranDisponible() {
    for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* s = std::getenv(v);
        if (s && *s) return true;
    }
    return false;
}

// Qt ends the process when the display named cannot be reached: say so in one line instead. Its
// own warnings before the application exists are held back until then, so they do not clutter
// that line.
QtMessageHandler gestionnaireQt = nullptr;
bool applicationPrete = false;
QList<std::pair<QtMsgType, QString>>* enAttente = nullptr;

void filtrerMessages(QtMsgType type, const QMessageLogContext& ctx, const QString& msg) {
    if (type == QtFatalMsg && !applicationPrete) {
        std::fprintf(stderr, "%s\n", SANS_ECRAN);
        std::fflush(stderr);
        _exit(1);
    }
    if (!applicationPrete && enAttente) {
        enAttente->append({type, msg});
        return;
    }
    if (gestionnaireQt) gestionnaireQt(type, ctx, msg);
}

void applicationDemarree() {
    applicationPrete = true;
    if (!enAttente) return;
    for (const auto& [type, msg] : *enAttente) filtrerMessages(type, QMessageLogContext(), msg);
    delete enAttente;
    enAttente = nullptr;
}

// Start-up stages, to stderr when measuring.
void noter(const QElapsedTimer& t, const char* etape) {
    static const bool actif = qEnvironmentVariableIsSet("QUARVEL_MESURE");
    if (actif)
        std::fprintf(stderr, "quarvel-mesure: %-28s %8.1f ms\n", etape, t.nsecsElapsed() / 1e6);
}

} // namespace

int main(int argc, char** argv) {
    QElapsedTimer depuisLancement;
    depuisLancement.start();
    // Options first: --help and --version need no display.
    if (const int sortie = quarvel::optionsQuarvel(argc, argv); sortie >= 0) return sortie;
    if (!ecranDisponible()) {
        std::fprintf(stderr, "%s\n", SANS_ECRAN);
        return 1;
    }
    enAttente = new QList<std::pair<QtMsgType, QString>>;
    gestionnaireQt = qInstallMessageHandler(filtrerMessages);

    QApplication::setOrganizationName(QStringLiteral("Ostravin"));
    QApplication::setApplicationName(QString::fromStdString(quarvel::PRODUIT));
    QApplication::setApplicationVersion(QString::fromStdString(quarvel::VERSION));
    QApplication::setDesktopFileName(QStringLiteral("quarvel"));
    QApplication app(argc, argv);
    applicationDemarree();
    noter(depuisLancement, "QApplication");
    quarvel::qt::appliquerStyle();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icones/quarvel.svg")));

    quarvel::Ecran ecran;
    if (QScreen* s = QGuiApplication::primaryScreen())
        ecran = quarvel::qt::ecranDeJeu(s->size(), s->logicalDotsPerInch());

    noter(depuisLancement, "style");
    auto jeu = std::make_unique<quarvel::Jeu>();
    quarvel::qt::Vue vue(*jeu);
    noter(depuisLancement, "fenetres creees");
    quarvel::qt::PlateformeQt plateforme(vue);
    quarvel::MagasinQSettings magasin;
    QString dossier = quarvel::qt::dossierAide(QApplication::applicationDirPath());
    quarvel::demarrerJeu(*jeu, ecran, &magasin, &plateforme, dossier.toStdString());
    noter(depuisLancement, "demarrerJeu");
    vue.synchroniser();
    noter(depuisLancement, "synchronisation");

    QByteArray scenario = qgetenv("QUARVEL_SCENARIO");
    if (!scenario.isEmpty())
        quarvel::qt::lancerScenario(vue, QString::fromLocal8Bit(scenario), depuisLancement,
                                    qEnvironmentVariableIsSet("QUARVEL_MESURE"));
    return app.exec();
}
