#include "fenetres/modele/plateforme_scriptee.h"

namespace quarvel {

void PlateformeScriptee::message(const std::string& texte) {
    messages.push_back({"", texte});
}

void PlateformeScriptee::aPropos(const std::string& titre, const std::string& texte) {
    messages.push_back({titre, texte});
}

bool PlateformeScriptee::question(const std::string& titre, const std::string& texte,
                                  bool ouiParDefaut) {
    questions.push_back({titre, texte, ouiParDefaut});
    if (reponses.empty()) return true;
    bool r = reponses.front();
    reponses.pop_front();
    return r;
}

bool PlateformeScriptee::demanderTexte(const std::string& titre, const std::string& question,
                                       std::string& reponse) {
    questions.push_back({titre, question});
    if (textes.empty()) return false;
    std::optional<std::string> t = textes.front();
    textes.pop_front();
    if (!t) return false;
    reponse = *t;
    return true;
}

bool PlateformeScriptee::choisirCouleur(int& couleur) {
    couleursProposees.push_back(couleur);
    if (couleurs.empty()) return false;
    std::optional<int> c = couleurs.front();
    couleurs.pop_front();
    if (!c) return false;
    couleur = *c;
    return true;
}

bool PlateformeScriptee::imprimer(FenetreImprimee fenetre, const std::string& titre) {
    if (!imprimanteDisponible) return false;
    impressions.push_back({fenetre, titre, false, {}});
    return true;
}

bool PlateformeScriptee::enregistrerPdf(FenetreImprimee fenetre, const std::string& titre,
                                        const std::string& nomFichier) {
    impressions.push_back({fenetre, titre, true, nomFichier});
    return true;
}

void PlateformeScriptee::ouvrirAide(const std::string& fichier) {
    aides.push_back(fichier);
}

void PlateformeScriptee::quitter() {
    ++nbQuitter;
}

const std::string& PlateformeScriptee::dernierMessage() const {
    static const std::string vide;
    return messages.empty() ? vide : messages.back().texte;
}

} // namespace quarvel
