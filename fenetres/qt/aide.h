#pragma once
// The help window: the page the model names, shown in a browser with its links.
#include <QWidget>

class QTextBrowser;

namespace quarvel::qt {

class FenetreAide : public QWidget {
public:
    FenetreAide();
    // Shows `fichier`; when it is missing, the page of the same name in the installed folder;
    // otherwise `absent`.
    void ouvrir(const QString& fichier, const QString& absent);
    QString pageOuverte() const { return page_; }
    QTextBrowser* navigateur() const { return navigateur_; }

private:
    QTextBrowser* navigateur_;
    QString page_;
};

// Where the help pages are: beside the program, or in the installed data folder.
QString dossierAide(const QString& dossierProgramme);

} // namespace quarvel::qt
