#pragma once
// What the secondary windows share: a background in the window's colour, controls bound to the
// model, and a close box that forwards the window's own closing gesture.
#include "fenetres/qt/liens.h"

#include <QWidget>
#include <optional>

namespace quarvel::qt {

class FenetreVue : public QWidget {
public:
    FenetreVue(Vue& vue, const Composant& fenetre, std::optional<Evenement> fermeture,
               Qt::WindowFlags drapeaux, QColor defaut);
    virtual void synchroniser();

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
};

// Paints a window background: the colour, a little lighter at the top.
void peindreFond(QWidget* w, QColor couleur);

} // namespace quarvel::qt
