#pragma once
// What the game asks of the desktop: things that block or leave the program.
#include "fenetres/modele/composant.h"

#include <string>

namespace quarvel {

enum class FenetreImprimee { TousPlis, Mains, ScoreDetaille };

class Plateforme {
public:
    virtual ~Plateforme() = default;
    virtual void message(const std::string& texte) = 0;                            // OK box
    virtual bool question(const std::string& titre, const std::string& texte) = 0; // Yes/No
    // A line of text typed by the user; false when he cancels.
    virtual bool demanderTexte(const std::string& titre, const std::string& question,
                               std::string& reponse) = 0;
    // Opens the colour dialog preset to `couleur` (0x00BBGGRR); true and the new colour when
    // the user confirms.
    virtual bool choisirCouleur(int& couleur) = 0;
    // Prints the window's image stretched over `page` (printer pixels); false when it could not.
    virtual bool imprimer(FenetreImprimee fenetre, Rect page) = 0;
    virtual void ouvrirAide(const std::string& fichier) = 0;
    virtual void quitter() = 0;
};

} // namespace quarvel
