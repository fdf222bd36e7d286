#include "fenetres/qt/aide.h"

#include "fenetres/qt/liens.h"

#include "fenetres/modele/textes.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace quarvel::qt {

QString dossierAide(const QString& dossierProgramme) {
    // Beside the program (the build folder), then where an install puts them relative to it
    // (games/ or bin/ beside share/): no path fixed at build time, so a package unpacked or
    // moved anywhere finds its own.
    const QString candidats[] = {
        dossierProgramme,
        QDir(dossierProgramme).absoluteFilePath(QStringLiteral("../share/quarvel")),
    };
    for (const QString& d : candidats)
        if (QFileInfo::exists(QDir(d).filePath(QStringLiteral("quarvelfr.html"))))
            return QDir::cleanPath(d);
    return dossierProgramme;
}

FenetreAide::FenetreAide() : QWidget(nullptr, Qt::Window), navigateur_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("aide"));
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(navigateur_);
    navigateur_->setOpenExternalLinks(true);
    QSize ecran = QGuiApplication::primaryScreen()
                      ? QGuiApplication::primaryScreen()->availableSize()
                      : QSize(1024, 768);
    resize(qMin(760, ecran.width() * 9 / 10), qMin(820, ecran.height() * 9 / 10));
    // Closed from the keyboard as any reading window: Escape, and the system's Close keys with
    // Ctrl+W among them.
    QList<QKeySequence> fermer = QKeySequence::keyBindings(QKeySequence::Close);
    if (!fermer.contains(QKeySequence(Qt::CTRL | Qt::Key_W)))
        fermer << QKeySequence(Qt::CTRL | Qt::Key_W);
    fermer << QKeySequence(Qt::Key_Escape);
    auto* raccourci = new QShortcut(this);
    raccourci->setKeys(fermer);
    connect(raccourci, &QShortcut::activated, this, &QWidget::close);
}

void FenetreAide::ouvrir(const QString& fichier, const QString& absent) {
    QString chemin = fichier;
    if (!QFileInfo::exists(chemin)) {
        QString nom = QFileInfo(fichier).fileName();
        QString dossier = dossierAide(QFileInfo(fichier).absolutePath());
        chemin = QDir(dossier).filePath(nom);
    }
    if (QFileInfo::exists(chemin) && !QFileInfo(chemin).isDir()) {
        page_ = QFileInfo(chemin).absoluteFilePath();
        navigateur_->setSearchPaths({QFileInfo(chemin).absolutePath()});
        navigateur_->setSource(QUrl::fromLocalFile(page_));
        setWindowTitle(navigateur_->documentTitle().isEmpty() ? QString::fromStdString(PRODUIT)
                                                              : navigateur_->documentTitle());
    } else {
        page_.clear();
        navigateur_->setHtml(QStringLiteral("<p>%1</p><p><tt>%2</tt></p>")
                                 .arg(absent.toHtmlEscaped(), fichier.toHtmlEscaped()));
        setWindowTitle(QString::fromStdString(PRODUIT));
    }
    if (!isVisible()) {
        // Centred on the screen it opens on, the first time and each time it comes back.
        if (QScreen* ecran = screen() ? screen() : QGuiApplication::primaryScreen())
            move(coinCentre(ecran->availableGeometry(), size()));
    }
    show();
    raise();
    activateWindow();
}

} // namespace quarvel::qt
