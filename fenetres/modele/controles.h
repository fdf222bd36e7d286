#pragma once
// The description of each window: every control declared once, here, with its name, its kind,
// its look, its parent and the gesture a click on it sends. Its geometry, caption and state are
// its Composant, which the presentation writes after each event. Every view builds its windows
// from these lists alone, in their order (the first drawn under the next), and names a control
// only where it needs behaviour of its own. Geometry is in pixels, relative to the parent
// control's client area.
#include "fenetres/modele/fenetres.h"
#include "fenetres/modele/gestes.h"

#include <optional>
#include <string>
#include <vector>

namespace quarvel {

enum class Genre : unsigned char {
    Fenetre,      // the window itself: geo is its client area
    Panneau,      // a panel showing a caption, clicked or not
    Bouton,       // a push button
    BoutonRapide, // a tool-bar speed button: a glyph and a hint; checked = pressed
    Image,        // an icon of the program (logo, suit symbol)
    ImageCarte,   // a card picture: shows `carte`
    Ellipse,      // the round table, in `couleur`
    Rectangle,    // a filled frame, in `couleur`
    Cadre,        // an outline only, in `couleur`
    Graphique,    // a chart drawn from the window's data
};

// How a control of its kind looks.
enum class Allure : unsigned char {
    Normale,
    // Windows
    Demarrage, // the start-up screen: no frame
    Principale,
    Dialogue, // no close box
    Revue,    // a close box that sends the window's own closing gesture
    // Panels
    Bulle,     // bid bubble and score panel: seat colour, bold text, shadow
    Barre,     // a container drawn as a dark translucent plate
    Etiquette, // text only
    Chiffre,   // a small figure cell
    Marqueur,  // a small chip (honour markers, bouts played)
    Titre,     // a heading over a group
    Encadre,   // a light framed panel of a review window
    // Buttons
    Enchere,
    Conseil,
    Action,
    Resultat,
    Lancement,
    Commande, // the buttons of the review windows
    Glyphe,   // a glyph alone
    Demarrer,
    // Card pictures
    Coin, // the corner of the card only, as the review windows show them
};

enum class Alignement : unsigned char { Centre, Gauche, Droite };

// Where a control stands when its parent's size is only known to the view: sticking to the
// bottom of the window across its whole width, or filling its parent.
enum class Ancrage : unsigned char { Aucun, Bas, Remplit };

// What a view needs, beyond the Composant, to draw a control as the program draws it.
// Colours are 0x00BBGGRR as the Composant's, -1 for none.
struct Apparence {
    Allure allure = Allure::Normale;
    Alignement alignement = Alignement::Centre;
    Ancrage ancrage = Ancrage::Aucun;
    bool gras = true;        // the caption in bold
    bool modale = false;     // a window that holds the others while it shows
    double policeDefaut = 0; // points, when the Composant gives no size (not scaled)
    int couleurDefaut = -1;  // when the Composant gives no colour
    int opacite = 255;       // of that colour, 0..255
    int encre = -1;          // the caption's colour, whatever the background
    int pastille = -1;       // a light disc behind an icon
    const char* icone = "";  // a glyph of the program's, by name
    bool texteAussi = true;  // a button with a glyph shows its caption beside it
};

struct Controle {
    std::string nom;
    Composant* composant = nullptr;
    int parent = -1; // index in the same list; -1 only for the window
    Genre genre = Genre::Panneau;
    std::optional<Evenement> geste; // what a click on it sends (the window: its close box)
    Apparence apparence;
};

// Builds a flat list of controls, each knowing the index of its parent.
struct ListeControles {
    std::vector<Controle> v;
    int ajouter(std::string nom, Composant& c, int parent, Genre g, Apparence a = {},
                std::optional<Evenement> geste = std::nullopt) {
        v.push_back({std::move(nom), &c, parent, g, geste, a});
        return static_cast<int>(v.size()) - 1;
    }
};

// The window is always entry 0.
std::vector<Controle> controles(TfrmSplash& f);
std::vector<Controle> controles(TfrmQuarvel& f);
std::vector<Controle> controles(TfrmPoignee& f);

// The same list of a window the caller only reads (the views).
template <class F> std::vector<Controle> description(const F& f) {
    return controles(const_cast<F&>(f));
}

// Entry of the list named `nom`, or nullptr.
const Controle* chercherControle(const std::vector<Controle>& liste, const std::string& nom);

} // namespace quarvel
