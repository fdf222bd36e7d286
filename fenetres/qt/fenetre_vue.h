#pragma once
// What the secondary windows share: built from their description (the window's frame, colour
// and modality from its entry 0, its controls from the rest), a background in the window's colour,
// and a close box that forwards the window's own closing gesture.
#include "fenetres/modele/controles.h"
#include "fenetres/qt/liens.h"

#include <QWidget>
#include <optional>
#include <vector>

namespace quarvel::qt {

class FenetreVue : public QWidget {
public:
    FenetreVue(Vue& vue, const std::vector<Controle>& description);
    virtual void synchroniser();
    // The widget of the control of that name, for what it needs of its own.
    ControleVue* controle(const char* nom) const;

protected:
    void paintEvent(QPaintEvent*) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void showEvent(QShowEvent* e) override;

    Vue& vue_;
    const Composant& fenetre_;
    Liens liens_;
    SuiviFenetre suivi_;
    std::optional<Evenement> fermeture_;
    std::vector<Controle> description_;
    std::vector<ControleVue*> controles_; // by entry of the description
};

// Paints a window background: the colour, a little lighter at the top.
void peindreFond(QWidget* w, QColor couleur);

} // namespace quarvel::qt
