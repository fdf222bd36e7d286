#pragma once
// A game on show in a web page. The page gets, once, the description of every window and of the
// menus; then, after each gesture, what changed in them as JSON: the controls, the menu items,
// the timers, the cards that glide, the charts' data, what to show or do, and the question that
// waits for the player, if any. The page draws that, and sends gestures and answers back.
#include "fenetres/modele/controles.h"
#include "fenetres/modele/creation.h"
#include "fenetres/modele/jeu.h"
#include "fenetres/web/json.h"
#include "fenetres/web/plateforme_web.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace quarvel::web {

// The windows in the order the page numbers them.
enum class FenetreWeb {
    Splash,
    Quarvel,
    Poignee,
    PliPrecedent,
    Mains,
    ScoreDetaille,
    TousPlis,
    MeilleursScores,
    Statistiques
};

class Session {
public:
    // A new run of the program on the page, its settings in `magasin`, its help pages in
    // `dossierAide`. The windows are laid out once for `ecran`; the page scales the whole.
    Session(MagasinReglages* magasin, const std::string& dossierAide,
            Ecran ecran = {1024, 768, 96});
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    const std::string& description();
    // A gesture at `maintenant` (milliseconds on the page's clock): what changed. Ignored while
    // a question waits.
    const std::string& geste(Evenement e, std::int64_t maintenant);
    // The answer to the question that waits: the gesture that asked it is played again.
    const std::string& repondre(const PlateformeWeb::Reponse& r);
    // Everything that changed since the last call; the first, everything.
    const std::string& etat();
    bool enAttente() const { return enAttente_; }
    // The time the game itself took over the last gesture, in milliseconds: the rest of a
    // call is this session's own (the copy kept for a question, what changed, the JSON).
    double dureeJeu() const { return dureeJeu_; }

    Jeu& jeu() { return *jeu_; }

private:
    void jouer();
    void ecrireChangements(Json& j);
    void ecrireComposant(Json& j, const Composant& c);

    std::unique_ptr<Jeu> jeu_;
    std::unique_ptr<Jeu> avant_; // the game before the gesture being played
    PlateformeWeb plateforme_;
    Evenement geste_{Evt::ClicFond, 0};
    std::int64_t maintenant_ = 0;
    std::vector<PlateformeWeb::Reponse> reponses_;
    std::size_t annoncesFaites_ = 0; // of the gesture being played, over all its runs
    std::vector<PlateformeWeb::Annonce> aAnnoncer_;
    bool enAttente_ = false;
    std::string capture_; // what changed up to the question that waits

    std::vector<std::vector<Controle>> fenetres_;
    std::vector<std::vector<Composant>> vus_; // what the page was last sent
    std::vector<ElementMenu*> menus_;
    std::vector<ElementMenu> menusVus_;
    std::vector<Minuterie> minuteriesVues_;
    Tableau<int, 6> cadresVus_{};
    int mouvementsVus_ = -1;
    int graphiquesVus_ = -1;
    int langueVue_ = -1;
    bool premier_ = true;
    double dureeJeu_ = 0;

    Json json_;
    std::string sortie_;
};

} // namespace quarvel::web
