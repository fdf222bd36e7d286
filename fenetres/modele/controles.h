#pragma once
// The controls of a window as a flat list, each with its name, its kind and its parent, so that
// scaling and the view can walk every control without naming them one by one.
// Geometry (`Composant::geo`) is in pixels, relative to the parent control's client area.
#include "fenetres/modele/fenetres.h"

#include <string>
#include <vector>

namespace quarvel {

enum class Genre {
    Fenetre,      // the window itself: geo is its client area
    Panneau,      // panel showing a caption
    Bouton,       // clickable panel or button
    BoutonRapide, // tool-bar speed button (checked = pressed)
    Etiquette,    // label
    GroupBox,
    Image,      // picture (logo, suit symbol)
    ImageCarte, // card picture: shows `carte`
    Ellipse,    // filled shape in `couleur`
    Rectangle,  // filled shape in `couleur`
    Cadre,      // outline only, in `couleur`, 2 pixels wide, clear inside
};

struct Controle {
    std::string nom;
    Composant* composant = nullptr;
    int parent = -1; // index in the same list; -1 only for the window
    Genre genre = Genre::Panneau;
};

// Builds a flat list of controls, each knowing the index of its parent.
struct ListeControles {
    std::vector<Controle> v;
    int ajouter(std::string nom, Composant& c, int parent, Genre g) {
        v.push_back({std::move(nom), &c, parent, g});
        return static_cast<int>(v.size()) - 1;
    }
};

// The window is always entry 0.
std::vector<Controle> controles(TfrmSplash& f);
std::vector<Controle> controles(TfrmQuarvel& f);
std::vector<Controle> controles(TfrmPoignee& f);

// Entry of the list named `nom`, or nullptr.
const Controle* chercherControle(const std::vector<Controle>& liste, const std::string& nom);

} // namespace quarvel
