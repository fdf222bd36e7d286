#pragma once
// What the game asks of the desktop, done with Qt: message boxes, the colour dialog, printing
// a window's image, the help window, leaving the program.
#include "fenetres/modele/plateforme.h"

class QImage;
class QLocale;
class QRect;
class QPrinter;
class QString;
class QWidget;

namespace quarvel::qt {

class Vue;

// What is printed of a window: its picture without its buttons (printing, OK, colours, the
// replay's controls), cut to what is left with a margin; `zone`, if given, where that is in the
// window.
QImage imageAImprimer(QWidget* w, QRect* zone = nullptr);
// That picture on one page: the title line (then the date) along the top of the printable
// rectangle, the picture under it scaled to fit, proportions kept, centred.
bool imprimerPage(QPrinter& imprimante, QWidget* w, const QString& titre, const QLocale& langue);

class PlateformeQt : public Plateforme {
public:
    explicit PlateformeQt(Vue& vue) : vue_(vue) {}
    void message(const std::string& texte) override;
    void aPropos(const std::string& titre, const std::string& texte) override;
    using Plateforme::question;
    bool question(const std::string& titre, const std::string& texte, bool ouiParDefaut) override;
    bool demanderTexte(const std::string& titre, const std::string& question,
                       std::string& reponse) override;
    bool choisirCouleur(int& couleur) override;
    // The print dialog chooses the printer or a file; QUARVEL_PDF=<file> sends the page
    // straight to that PDF file instead (the tests).
    bool imprimer(FenetreImprimee fenetre, const std::string& titre) override;
    bool enregistrerPdf(FenetreImprimee fenetre, const std::string& titre,
                        const std::string& nomFichier) override;
    void ouvrirAide(const std::string& fichier) override;
    void quitter() override;

private:
    QWidget* fenetreImprimee(FenetreImprimee fenetre);
    Vue& vue_;
};

} // namespace quarvel::qt
