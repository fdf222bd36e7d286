#pragma once
// What the game asks of the desktop: things that block or leave the program.
#include "fenetres/modele/composant.h"

#include <string>

namespace quarvel {

enum class FenetreImprimee { TousPlis, Mains, ScoreDetaille, MeilleursScores, Statistiques };

class Plateforme {
public:
    virtual ~Plateforme() = default;
    virtual void message(const std::string& texte) = 0; // OK box
    // The program's About box: its title, then what to say, a paragraph a line.
    virtual void aPropos(const std::string& titre, const std::string& texte) = 0;
    // Yes/No; No is the answer Enter gives unless `ouiParDefaut`.
    virtual bool question(const std::string& titre, const std::string& texte,
                          bool ouiParDefaut) = 0;
    bool question(const std::string& titre, const std::string& texte) {
        return question(titre, texte, false);
    }
    // A line of text typed by the user; false when he cancels.
    virtual bool demanderTexte(const std::string& titre, const std::string& question,
                               std::string& reponse) = 0;
    // Opens the colour dialog preset to `couleur` (0x00BBGGRR); true and the new colour when
    // the user confirms.
    virtual bool choisirCouleur(int& couleur) = 0;
    // Prints the window's picture, fitted to the page under the title line `titre` (the date
    // follows it), on a printer or into a file the user chooses; false when there is no printer.
    virtual bool imprimer(FenetreImprimee fenetre, const std::string& titre) = 0;
    // The same into a PDF file the user names, `nomFichier` offered; false when he cancels or it
    // cannot be written.
    virtual bool enregistrerPdf(FenetreImprimee fenetre, const std::string& titre,
                                const std::string& nomFichier) = 0;
    virtual void ouvrirAide(const std::string& fichier) = 0;
    virtual void quitter() = 0;
};

} // namespace quarvel
