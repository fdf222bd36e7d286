#pragma once
// The main menu as data: the view builds its real menu by walking this tree, and each command
// forwards the event of its leaf.
#include "fenetres/modele/fenetres.h"
#include "fenetres/modele/gestes.h"

#include <string>
#include <vector>

namespace quarvel {

struct NoeudMenu {
    std::string nom;                          // empty for a separator
    ElementMenu* element = nullptr;           // nullptr for a separator
    Evenement evenement{Evt::MenuNewGame, 0}; // what a leaf forwards
    bool cochable = false;                    // carries a check mark (radio entries too)
    std::string raccourci;                    // "F2", "Ctrl+Z"...; empty for none
    int groupe = 0;                           // radio group, 0 for none
    std::vector<NoeudMenu> enfants;

    bool separateur() const { return element == nullptr; }
    bool feuille() const { return element != nullptr && enfants.empty(); }
};

// Top items in menu-bar order.
std::vector<NoeudMenu> arbreMenu(TfrmQuarvel& f);

// Copies the shortcuts and radio groups of the tree onto the items.
void initialiserMenus(TfrmQuarvel& f);

} // namespace quarvel
