#include "fenetres/qt/fenetre_vue.h"

#include "fenetres/qt/frm_quarvel.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>

namespace quarvel::qt {

void peindreFond(QWidget* w, QColor couleur) {
    QPainter p(w);
    QLinearGradient g(0, 0, 0, w->height());
    g.setColorAt(0, couleur.lighter(112));
    g.setColorAt(1, couleur.darker(112));
    p.fillRect(w->rect(), g);
}

FenetreVue::FenetreVue(Vue& vue, const Composant& fenetre, std::optional<Evenement> fermeture,
                       Qt::WindowFlags drapeaux, QColor defaut)
    : QWidget(nullptr, drapeaux), vue_(vue), fenetre_(fenetre), liens_(vue), fermeture_(fermeture) {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, defaut);
    setPalette(pal);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FenetreVue::synchroniser() {
    liens_.synchroniser();
    suivi_.suivre(this, this, fenetre_, SuiviFenetre::Mode::Normale, vue_.table());
}

void FenetreVue::paintEvent(QPaintEvent*) {
    peindreFond(this, palette().color(QPalette::Window));
}

void FenetreVue::closeEvent(QCloseEvent* e) {
    // The model says whether the window goes: the re-sync hides it.
    e->ignore();
    if (fermeture_) vue_.envoyer(*fermeture_);
}

void FenetreVue::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    // Tab goes from button to button and the space bar presses the one it is on.
    for (auto* b : findChildren<QAbstractButton*>()) b->setFocusPolicy(Qt::StrongFocus);
}

void FenetreVue::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape && fermeture_) {
        vue_.envoyer(*fermeture_);
        return;
    }
    QWidget::keyPressEvent(e);
}

} // namespace quarvel::qt
