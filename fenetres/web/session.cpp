#include "fenetres/web/session.h"

#include "fenetres/modele/challenge.h"
#include "fenetres/modele/demarrage.h"
#include "fenetres/modele/evenements.h"
#include "fenetres/modele/menus.h"
#include "fenetres/modele/revue.h"

#include <chrono>

namespace quarvel::web {

namespace {

const char* nom(Genre g) {
    switch (g) {
    case Genre::Fenetre:
        return "Fenetre";
    case Genre::Panneau:
        return "Panneau";
    case Genre::Bouton:
        return "Bouton";
    case Genre::BoutonRapide:
        return "BoutonRapide";
    case Genre::Image:
        return "Image";
    case Genre::ImageCarte:
        return "ImageCarte";
    case Genre::Ellipse:
        return "Ellipse";
    case Genre::Rectangle:
        return "Rectangle";
    case Genre::Cadre:
        return "Cadre";
    case Genre::Graphique:
        return "Graphique";
    }
    return "";
}

const char* nom(Allure a) {
    switch (a) {
    case Allure::Normale:
        return "Normale";
    case Allure::Demarrage:
        return "Demarrage";
    case Allure::Principale:
        return "Principale";
    case Allure::Dialogue:
        return "Dialogue";
    case Allure::Revue:
        return "Revue";
    case Allure::Bulle:
        return "Bulle";
    case Allure::Barre:
        return "Barre";
    case Allure::Etiquette:
        return "Etiquette";
    case Allure::Chiffre:
        return "Chiffre";
    case Allure::Marqueur:
        return "Marqueur";
    case Allure::Titre:
        return "Titre";
    case Allure::Encadre:
        return "Encadre";
    case Allure::Enchere:
        return "Enchere";
    case Allure::Conseil:
        return "Conseil";
    case Allure::Action:
        return "Action";
    case Allure::Resultat:
        return "Resultat";
    case Allure::Lancement:
        return "Lancement";
    case Allure::Commande:
        return "Commande";
    case Allure::Glyphe:
        return "Glyphe";
    case Allure::Demarrer:
        return "Demarrer";
    case Allure::Coin:
        return "Coin";
    }
    return "";
}

const char* nom(Alignement a) {
    switch (a) {
    case Alignement::Gauche:
        return "gauche";
    case Alignement::Droite:
        return "droite";
    case Alignement::Centre:
        break;
    }
    return "centre";
}

const char* nom(Ancrage a) {
    switch (a) {
    case Ancrage::Bas:
        return "bas";
    case Ancrage::Remplit:
        return "remplit";
    case Ancrage::Aucun:
        break;
    }
    return "";
}

const char* nom(PlateformeWeb::Annonce::Genre g) {
    using G = PlateformeWeb::Annonce::Genre;
    switch (g) {
    case G::Message:
        return "message";
    case G::APropos:
        return "apropos";
    case G::Imprimer:
        return "imprimer";
    case G::Aide:
        return "aide";
    case G::Quitter:
        return "quitter";
    }
    return "";
}

const char* nom(PlateformeWeb::Question::Genre g) {
    using G = PlateformeWeb::Question::Genre;
    switch (g) {
    case G::OuiNon:
        return "ouinon";
    case G::Texte:
        return "texte";
    case G::Couleur:
        return "couleur";
    }
    return "";
}

void ecrireGeste(Json& j, const std::optional<Evenement>& e) {
    if (!e) {
        j.nul();
        return;
    }
    j.debutTableau().valeur(static_cast<int>(e->type)).valeur(e->index).finTableau();
}

void ecrireRect(Json& j, const Rect& r) {
    j.debutTableau().valeur(r.left).valeur(r.top).valeur(r.width).valeur(r.height).finTableau();
}

void aplatir(const std::vector<NoeudMenu>& noeuds, std::vector<ElementMenu*>& v) {
    for (const NoeudMenu& n : noeuds) {
        if (n.element) v.push_back(n.element);
        aplatir(n.enfants, v);
    }
}

// The tree with each item's index in the flat list the changes refer to.
void ecrireMenus(Json& j, const std::vector<NoeudMenu>& noeuds,
                 const std::vector<ElementMenu*>& v) {
    j.debutTableau();
    for (const NoeudMenu& n : noeuds) {
        j.debutObjet();
        if (n.separateur()) {
            j.champ("separateur", true).finObjet();
            continue;
        }
        int k = 0;
        while (k < static_cast<int>(v.size()) && v[k] != n.element) ++k;
        j.champ("nom", n.nom).champ("k", k).champ("cochable", n.cochable).champ("groupe", n.groupe);
        j.champ("raccourci", n.raccourci);
        if (n.feuille()) {
            j.cle("geste");
            ecrireGeste(j, n.evenement);
        }
        if (!n.enfants.empty()) {
            j.cle("enfants");
            ecrireMenus(j, n.enfants, v);
        }
        j.finObjet();
    }
    j.finTableau();
}

} // namespace

Session::Session(MagasinReglages* magasin, const std::string& dossierAide, Ecran ecran)
    : jeu_(std::make_unique<Jeu>()), avant_(std::make_unique<Jeu>()) {
    demarrerJeu(*jeu_, ecran, magasin, &plateforme_, dossierAide);
    Fenetres& f = jeu_->fen;
    fenetres_ = {controles(f.frmSplash),      controles(f.frmQuarvel),
                 controles(f.frmPoignee),     controles(f.frmPliPrecedent),
                 controles(f.frmMains),       controles(f.frmScoreDetaille),
                 controles(f.frmTousPlis),    controles(f.frmMeilleursScores),
                 controles(f.frmStatistiques)};
    vus_.resize(fenetres_.size());
    aplatir(arbreMenu(f.frmQuarvel), menus_);
    plateforme_.avantQuestion = [this] {
        Json j;
        j.debutObjet();
        ecrireChangements(j);
        j.finObjet();
        capture_ = j.texte();
    };
}

const std::string& Session::description() {
    Json& j = json_;
    j.vider();
    j.debutObjet().cle("fenetres").debutTableau();
    for (const std::vector<Controle>& fenetre : fenetres_) {
        j.debutTableau();
        for (const Controle& c : fenetre) {
            const Apparence& a = c.apparence;
            j.debutObjet()
                .champ("nom", c.nom)
                .champ("genre", nom(c.genre))
                .champ("parent", c.parent);
            j.cle("geste");
            ecrireGeste(j, c.geste);
            j.champ("allure", nom(a.allure))
                .champ("alignement", nom(a.alignement))
                .champ("ancrage", nom(a.ancrage))
                .champ("gras", a.gras)
                .champ("modale", a.modale)
                .champ("police", a.policeDefaut)
                .champ("couleur", a.couleurDefaut)
                .champ("opacite", a.opacite)
                .champ("encre", a.encre)
                .champ("pastille", a.pastille)
                .champ("icone", a.icone)
                .champ("texteAussi", a.texteAussi)
                .finObjet();
        }
        j.finTableau();
    }
    j.finTableau();
    j.cle("menus");
    ecrireMenus(j, arbreMenu(jeu_->fen.frmQuarvel), menus_);
    // The gestures the page makes of itself: keys, the window's background, its close box, the
    // timers' ticks.
    j.cle("gestes").debutObjet();
    const std::pair<const char*, Evt> gestes[] = {
        {"ClicFond", Evt::ClicFond},
        {"FermerTable", Evt::FermerTable},
        {"ToucheGauche", Evt::ToucheGauche},
        {"ToucheDroite", Evt::ToucheDroite},
        {"ToucheEntree", Evt::ToucheEntree},
        {"ToucheEspace", Evt::ToucheEspace},
        {"ToucheEchap", Evt::ToucheEchap},
        {"TickEnchere", Evt::TickEnchere},
        {"TickEntreCarte", Evt::TickEntreCarte},
        {"TickTransition", Evt::TickTransition},
        {"TickTousPlis", Evt::TickTousPlis},
    };
    for (const auto& [n, e] : gestes) j.champ(n, static_cast<int>(e));
    j.finObjet();
    // The timers in the order of the changes, each with the tick it sends.
    j.cle("minuteries").debutTableau();
    for (Evt e : {Evt::TickEnchere, Evt::TickEntreCarte, Evt::TickTransition, Evt::TickTousPlis})
        j.valeur(static_cast<int>(e));
    j.finTableau();
    j.finObjet();
    return j.texte();
}

const std::string& Session::geste(Evenement e, std::int64_t maintenant) {
    if (enAttente_) return etat();
    *avant_ = *jeu_;
    geste_ = e;
    maintenant_ = maintenant;
    reponses_.clear();
    annoncesFaites_ = 0;
    jouer();
    return etat();
}

const std::string& Session::repondre(const PlateformeWeb::Reponse& r) {
    if (!enAttente_) return etat();
    reponses_.push_back(r);
    *jeu_ = *avant_;
    jouer();
    return etat();
}

void Session::jouer() {
    plateforme_.commencer(reponses_);
    jeu_->maintenant = maintenant_;
    const auto debut = std::chrono::steady_clock::now();
    traiterEvenement(*jeu_, geste_);
    dureeJeu_ =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count();
    // What an earlier run already had shown is not shown again.
    const auto& annonces = plateforme_.annonces;
    for (std::size_t k = annoncesFaites_; k < annonces.size(); ++k)
        aAnnoncer_.push_back(annonces[k]);
    annoncesFaites_ = std::max(annoncesFaites_, annonces.size());
    enAttente_ = plateforme_.interrompue();
    // The game goes back to where it was; the page keeps what it was shown at the question.
    if (enAttente_) *jeu_ = *avant_;
}

void Session::ecrireComposant(Json& j, const Composant& c) {
    j.valeur(c.visible)
        .valeur(c.enabled)
        .valeur(c.caption)
        .valeur(c.hint)
        .valeur(c.couleur)
        .valeur(c.taillePolice)
        .valeur(c.geo.left)
        .valeur(c.geo.top)
        .valeur(c.geo.width)
        .valeur(c.geo.height)
        .valeur(static_cast<int>(c.curseur))
        .valeur(c.checked)
        .valeur(nomBitmapC(c.carte))
        .valeur(c.focus)
        .valeur(c.focusClavier)
        .valeur(c.conseille);
}

void Session::ecrireChangements(Json& j) {
    j.cle("controles").debutTableau();
    for (std::size_t w = 0; w < fenetres_.size(); ++w) {
        const std::vector<Controle>& fenetre = fenetres_[w];
        std::vector<Composant>& vus = vus_[w];
        if (vus.size() != fenetre.size()) vus.resize(fenetre.size());
        for (std::size_t i = 0; i < fenetre.size(); ++i) {
            const Composant& c = *fenetre[i].composant;
            if (!premier_ && c == vus[i]) continue;
            vus[i] = c;
            j.debutTableau().valeur(static_cast<int>(w)).valeur(static_cast<int>(i));
            ecrireComposant(j, c);
            j.finTableau();
        }
    }
    j.finTableau();

    j.cle("menus").debutTableau();
    if (menusVus_.size() != menus_.size()) menusVus_.resize(menus_.size());
    for (std::size_t k = 0; k < menus_.size(); ++k) {
        const ElementMenu& m = *menus_[k];
        const ElementMenu& vu = menusVus_[k];
        if (!premier_ && static_cast<const Composant&>(m) == static_cast<const Composant&>(vu) &&
            m.raccourci == vu.raccourci)
            continue;
        menusVus_[k] = m;
        j.debutTableau()
            .valeur(static_cast<int>(k))
            .valeur(m.caption)
            .valeur(m.enabled)
            .valeur(m.visible)
            .valeur(m.checked)
            .valeur(m.raccourci)
            .valeur(m.hint)
            .finTableau();
    }
    j.finTableau();

    const Jeu& jeu = *jeu_;
    const Fenetres& f = jeu.fen;
    const std::vector<Minuterie> minuteries = {
        jeu.minuteries.TimerEnchere, jeu.minuteries.TimerEntreCarte, jeu.minuteries.TimerTransition,
        f.frmTousPlis.timerTousPlis};
    if (premier_ || minuteries != minuteriesVues_) {
        minuteriesVues_ = minuteries;
        j.cle("minuteries").debutTableau();
        for (const Minuterie& m : minuteries)
            j.debutTableau().valeur(m.enabled).valeur(m.interval).valeur(m.relances).finTableau();
        j.finTableau();
    }

    const TfrmQuarvel& q = f.frmQuarvel;
    if (q.numeroMouvements != mouvementsVus_) {
        mouvementsVus_ = q.numeroMouvements;
        j.cle("mouvements")
            .debutObjet()
            .champ("duree", q.dureeMouvement)
            .cle("cartes")
            .debutTableau();
        for (const Mouvement& m : q.mouvements) {
            j.debutTableau().valeur(nomBitmapC(m.carte));
            ecrireRect(j, m.depart);
            ecrireRect(j, m.arrivee);
            const char* cible = m.cible == Mouvement::Cible::CarteTable ? "CarteTable"
                                : m.cible == Mouvement::Cible::Carte3D  ? "Carte3D"
                                                                        : "";
            j.valeur(cible).valeur(m.index).finTableau();
        }
        j.finTableau().finObjet();
    }

    const TfrmStatistiques& st = f.frmStatistiques;
    if (st.numeroGraphiques != graphiquesVus_) {
        graphiquesVus_ = st.numeroGraphiques;
        j.cle("graphiques").debutObjet().cle("courbe").debutTableau();
        for (int v : st.courbe) j.valeur(v);
        j.finTableau().cle("reussites").debutTableau();
        for (int v : st.reussites) j.valeur(v);
        j.finTableau().cle("contrats").debutTableau();
        for (const std::string& c : st.contrats) j.valeur(c);
        j.finTableau()
            .champ("axeDonnes", st.axeDonnes)
            .champ("axePoints", st.axePoints)
            .champ("axePourcents", st.axePourcents)
            .finObjet();
    }

    // The hands window's frames follow the card they mark, in a hand panel or the dog's.
    if (premier_ || !(f.frmMains.parentCadre == cadresVus_)) {
        cadresVus_ = f.frmMains.parentCadre;
        j.cle("cadres").debutTableau();
        for (int p : cadresVus_) j.valeur(p);
        j.finTableau();
    }
    if (jeu.textes.langue != langueVue_) {
        langueVue_ = jeu.textes.langue;
        j.champ("langue", langueVue_);
    }
    premier_ = false;
}

const std::string& Session::etat() {
    Json& j = json_;
    j.vider();
    if (enAttente_) {
        // As the page saw the game when the question came, and the question.
        sortie_ = capture_;
        if (!sortie_.empty()) sortie_.pop_back();
        j.debutObjet();
    } else {
        sortie_.clear();
        j.debutObjet();
        ecrireChangements(j);
    }
    j.cle("annonces").debutTableau();
    for (const PlateformeWeb::Annonce& a : aAnnoncer_) {
        j.debutObjet()
            .champ("genre", nom(a.genre))
            .champ("titre", a.titre)
            .champ("texte", a.texte)
            .champ("fenetre", static_cast<int>(a.fenetre));
        // The browser offers the page's title as the PDF's name: the desktop program's.
        if (a.genre == PlateformeWeb::Annonce::Genre::Imprimer)
            j.champ("fichier", nomFichierPdf(*jeu_, a.fenetre));
        j.finObjet();
    }
    j.finTableau();
    aAnnoncer_.clear();
    j.cle("question");
    if (enAttente_) {
        const PlateformeWeb::Question& q = plateforme_.question();
        j.debutObjet()
            .champ("genre", nom(q.genre))
            .champ("titre", q.titre)
            .champ("texte", q.texte)
            .champ("ouiParDefaut", q.ouiParDefaut)
            .champ("offert", q.offert)
            .champ("couleur", q.couleur)
            .finObjet();
    } else {
        j.nul();
    }
    j.finObjet();
    if (enAttente_) {
        // The capture's fields, then this call's: one object.
        std::string reste = j.texte().substr(1);
        if (sortie_.size() > 1) sortie_ += ',';
        sortie_ += reste;
        capture_ = "{}"; // shown once
        return sortie_;
    }
    return j.texte();
}

} // namespace quarvel::web
