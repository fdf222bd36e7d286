#include "fenetres/web/plateforme_web.h"

namespace quarvel::web {

void PlateformeWeb::commencer(std::vector<Reponse> reponses) {
    reponses_ = std::move(reponses);
    lues_ = 0;
    interrompue_ = false;
    question_ = {};
    annonces.clear();
}

const PlateformeWeb::Reponse* PlateformeWeb::reponseSuivante(Question q) {
    // Once stopped, the rest of the run is thrown away: nothing more is asked nor said.
    if (interrompue_) return nullptr;
    if (lues_ < reponses_.size()) return &reponses_[lues_++];
    interrompue_ = true;
    question_ = std::move(q);
    if (avantQuestion) avantQuestion();
    return nullptr;
}

void PlateformeWeb::annoncer(Annonce a) {
    if (!interrompue_) annonces.push_back(std::move(a));
}

void PlateformeWeb::message(const std::string& texte) {
    annoncer({Annonce::Genre::Message, {}, texte});
}

void PlateformeWeb::aPropos(const std::string& titre, const std::string& texte) {
    annoncer({Annonce::Genre::APropos, titre, texte});
}

bool PlateformeWeb::question(const std::string& titre, const std::string& texte,
                             bool ouiParDefaut) {
    const Reponse* r =
        reponseSuivante({Question::Genre::OuiNon, titre, texte, ouiParDefaut, {}, 0});
    return r && r->oui;
}

bool PlateformeWeb::demanderTexte(const std::string& titre, const std::string& question,
                                  std::string& reponse) {
    const Reponse* r =
        reponseSuivante({Question::Genre::Texte, titre, question, false, reponse, 0});
    if (!r || r->annulee) return false;
    reponse = r->texte;
    return true;
}

bool PlateformeWeb::choisirCouleur(int& couleur) {
    Question q;
    q.genre = Question::Genre::Couleur;
    q.couleur = couleur;
    const Reponse* r = reponseSuivante(std::move(q));
    if (!r || r->annulee) return false;
    couleur = r->couleur;
    return true;
}

bool PlateformeWeb::imprimer(FenetreImprimee fenetre, const std::string& titre) {
    annoncer({Annonce::Genre::Imprimer, titre, {}, fenetre});
    return true;
}

bool PlateformeWeb::enregistrerPdf(FenetreImprimee fenetre, const std::string& titre,
                                   const std::string&) {
    return imprimer(fenetre, titre);
}

void PlateformeWeb::ouvrirAide(const std::string& fichier) {
    annoncer({Annonce::Genre::Aide, {}, fichier});
}

void PlateformeWeb::quitter() {
    annoncer({Annonce::Genre::Quitter, {}, {}});
}

} // namespace quarvel::web
