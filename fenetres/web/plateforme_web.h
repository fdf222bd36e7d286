#pragma once
// What the game asks of a web page. The page's dialogs cannot hold the game while the player
// thinks: a question the page has not answered yet stops the gesture that asked it. The session
// puts the game back as it was before that gesture, and once the player has answered, plays the
// gesture again with the answers given so far. The game is a value and its random source part of
// it, so the second run takes the same road to the question and past it.
#include "fenetres/modele/plateforme.h"

#include <functional>
#include <string>
#include <vector>

namespace quarvel::web {

class PlateformeWeb : public Plateforme {
public:
    // What the page shows or does once the gesture is over, in the order the game said it.
    struct Annonce {
        enum class Genre { Message, APropos, Imprimer, Aide, Quitter } genre;
        std::string titre;
        std::string texte; // the message, the help page
        FenetreImprimee fenetre = FenetreImprimee::TousPlis;
    };
    // A question that waits for the player.
    struct Question {
        enum class Genre { OuiNon, Texte, Couleur } genre = Genre::OuiNon;
        std::string titre;
        std::string texte;
        bool ouiParDefaut = false;
        std::string offert; // the answer offered in a text field
        int couleur = 0;    // the colour the colour choice opens on
    };
    struct Reponse {
        bool oui = false;
        bool annulee = false; // a text or a colour the player did not give
        std::string texte;
        int couleur = 0;
    };

    // Before each run of a gesture: the answers given so far, in the order they were asked.
    void commencer(std::vector<Reponse> reponses);
    // Stopped at a question no answer was given to yet.
    bool interrompue() const { return interrompue_; }
    const Question& question() const { return question_; }
    std::vector<Annonce> annonces; // of this run, up to the question that stopped it
    // Called when the run stops at a question: the page is to see the game as it stands then.
    std::function<void()> avantQuestion;

    using Plateforme::question;
    void message(const std::string& texte) override;
    void aPropos(const std::string& titre, const std::string& texte) override;
    bool question(const std::string& titre, const std::string& texte, bool ouiParDefaut) override;
    bool demanderTexte(const std::string& titre, const std::string& question,
                       std::string& reponse) override;
    bool choisirCouleur(int& couleur) override;
    // The browser's print dialog offers printers and PDF files alike: there is always one.
    bool imprimer(FenetreImprimee fenetre, const std::string& titre) override;
    bool enregistrerPdf(FenetreImprimee fenetre, const std::string& titre,
                        const std::string& nomFichier) override;
    void ouvrirAide(const std::string& fichier) override;
    void quitter() override;

private:
    // The answer already given to the next question, or nothing: then the run stops there.
    const Reponse* reponseSuivante(Question q);
    void annoncer(Annonce a);

    std::vector<Reponse> reponses_;
    std::size_t lues_ = 0;
    bool interrompue_ = false;
    Question question_;
};

} // namespace quarvel::web
