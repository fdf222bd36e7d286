#pragma once
// What the game asks of the desktop, done with Qt: message boxes, the colour dialog, printing
// a window's image, the help window, leaving the program.
#include "fenetres/modele/plateforme.h"

namespace quarvel::qt {

class Vue;

class PlateformeQt : public Plateforme {
public:
    explicit PlateformeQt(Vue& vue) : vue_(vue) {}
    void message(const std::string& texte) override;
    bool question(const std::string& titre, const std::string& texte) override;
    bool demanderTexte(const std::string& titre, const std::string& question,
                       std::string& reponse) override;
    bool choisirCouleur(int& couleur) override;
    // QUARVEL_PDF=<file> sends the page to a PDF file instead of the default printer.
    bool imprimer(FenetreImprimee fenetre, Rect page) override;
    void ouvrirAide(const std::string& fichier) override;
    void quitter() override;

private:
    Vue& vue_;
};

} // namespace quarvel::qt
