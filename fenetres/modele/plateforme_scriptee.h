#pragma once
// A platform whose answers are scripted: for the tests and the arena. It records everything
// the game asks of it.
#include "fenetres/modele/plateforme.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace quarvel {

class PlateformeScriptee : public Plateforme {
public:
    struct Boite {
        std::string titre; // empty for an OK box
        std::string texte;
        bool ouiParDefaut = false;
    };
    struct Impression {
        FenetreImprimee fenetre;
        std::string titre;
        bool pdf = false;       // saved as a PDF file instead
        std::string nomFichier; // the file name offered for it
    };

    using Plateforme::question;
    void message(const std::string& texte) override;
    void aPropos(const std::string& titre, const std::string& texte) override; // as a message
    bool question(const std::string& titre, const std::string& texte, bool ouiParDefaut) override;
    bool demanderTexte(const std::string& titre, const std::string& question,
                       std::string& reponse) override;
    bool choisirCouleur(int& couleur) override;
    bool imprimer(FenetreImprimee fenetre, const std::string& titre) override;
    bool enregistrerPdf(FenetreImprimee fenetre, const std::string& titre,
                        const std::string& nomFichier) override;
    void ouvrirAide(const std::string& fichier) override;
    void quitter() override;

    // Answers, taken from the front; when empty: Yes, and a cancelled colour dialog.
    std::deque<bool> reponses;
    std::deque<std::optional<int>> couleurs;
    std::deque<std::optional<std::string>> textes; // typed lines; nothing: cancelled
    bool imprimanteDisponible = true;

    std::vector<Boite> messages;
    std::vector<Boite> questions;
    std::vector<int> couleursProposees; // the colour each dialog opened on
    std::vector<Impression> impressions;
    std::vector<std::string> aides;
    int nbQuitter = 0;

    const std::string& dernierMessage() const;
};

} // namespace quarvel
