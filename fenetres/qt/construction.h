#pragma once
// Builds the widgets of a window from its description: each control by its kind and its look,
// under its parent, a click forwarded as its gesture. Nothing here names a control.
#include "fenetres/modele/controles.h"
#include "fenetres/qt/liens.h"

#include <vector>

namespace quarvel::qt {

// The widget of each entry of `description`; entry 0, the window, is `fenetre`, given. A control
// anchored to the bottom is made on `surface`, the window's whole client area, when the
// description's place is narrower.
std::vector<ControleVue*> construire(Vue& vue, Liens& liens,
                                     const std::vector<Controle>& description, QWidget* fenetre,
                                     QWidget* surface);

// A colour of the description: 0x00BBGGRR and its opacity.
QColor couleurDescription(int bgr, int opacite = 255);

} // namespace quarvel::qt
