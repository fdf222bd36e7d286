#include "fenetres/qt/fenetre_vue.h"

#include "fenetres/qt/construction.h"
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

namespace {

Qt::WindowFlags drapeaux(Allure a) {
    switch (a) {
    case Allure::Demarrage:
        return Qt::Window | Qt::FramelessWindowHint;
    case Allure::Dialogue:
        return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    default:
        return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
               Qt::WindowCloseButtonHint;
    }
}

} // namespace

FenetreVue::FenetreVue(Vue& vue, const std::vector<Controle>& description)
    : QWidget(nullptr, drapeaux(description.front().apparence.allure)), vue_(vue),
      fenetre_(*description.front().composant), liens_(vue), fermeture_(description.front().geste),
      description_(description) {
    const Apparence& a = description.front().apparence;
    setObjectName(QString::fromStdString(description.front().nom));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, couleurDescription(a.couleurDefaut));
    setPalette(pal);
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (a.modale) setWindowModality(Qt::ApplicationModal);
    controles_ = construire(vue, liens_, description_, this, this);
}

ControleVue* FenetreVue::controle(const char* nom) const {
    for (std::size_t i = 0; i < description_.size(); ++i)
        if (description_[i].nom == nom) return controles_[i];
    return nullptr;
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
