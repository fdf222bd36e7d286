#pragma once
// What a user can see of one control; the Qt view copies these fields onto its widgets.
#include "cartes/carte.h"
#include "donne/minuterie.h"

#include <cstdint>
#include <string>

namespace quarvel {

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

enum class Curseur { Defaut, Main, Interdit, Sablier };

// Colours are stored as 0x00BBGGRR, as in the settings; -1 means the control's default.
constexpr int couleurRGB(int rgb) {
    return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}

struct Composant {
    bool visible = true;
    bool enabled = true;
    std::string caption;
    std::string hint;
    int couleur = -1;
    int taillePolice = 0;
    Rect geo;
    Curseur curseur = Curseur::Defaut;
    bool checked = false; // check mark of a menu item, pressed state of a speed button
    Carte carte;          // card shown by a card picture; couleur -1 when none
    bool focus = false;
    bool focusClavier = false; // the arrows' focus: Enter presses it
    bool conseille = false;    // what the play advice points at
    bool operator==(const Composant&) const = default;
};

struct ElementMenu : Composant {
    std::string raccourci; // as Qt writes key sequences ("F2", "Ctrl+Z"); empty for none
    int groupe = 0;        // radio group, 0 for none
};

} // namespace quarvel
