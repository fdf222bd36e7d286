#include "fenetres/qt/frm_quarvel.h"

#include "fenetres/modele/controles.h"
#include "fenetres/modele/dessin.h"
#include "fenetres/modele/jeu.h"
#include "fenetres/qt/construction.h"
#include "fenetres/qt/menus_qt.h"
#include "fenetres/qt/mouvements.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

namespace quarvel::qt {

void Fond::mousePressEvent(QMouseEvent* e) {
    presse_ = e->button() == Qt::LeftButton;
    e->accept();
}

void Fond::mouseReleaseEvent(QMouseEvent* e) {
    e->accept();
    if (presse_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) &&
        surClic)
        surClic();
    presse_ = false;
}

void Fond::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    if (surTaille) surTaille();
}

TfrmQuarvel::TfrmQuarvel(Vue& vue, const quarvel::TfrmQuarvel& m)
    : vue_(vue), m_(m), liens_(vue), fond_(new Fond(this)), scene_(new QWidget(fond_)) {
    setObjectName(QStringLiteral("frmQuarvel"));
    setCentralWidget(fond_);
    fond_->setObjectName(QStringLiteral("fond"));
    fond_->setFocusPolicy(Qt::StrongFocus);
    // Smaller, a caption of the table would no longer be whole.
    fond_->setMinimumSize(LARGEUR_CLIENT_MIN, HAUTEUR_CLIENT_MIN);
    fond_->surClic = [&vue] { vue.envoyer({Evt::ClicFond}); };
    fond_->surTaille = [this] {
        placerScene();
        liens_.replacer();
        // Once the resizing settles, the table is laid out for the new size.
        if (!tailleEnAttente_) {
            tailleEnAttente_ = true;
            QTimer::singleShot(0, this, [this] {
                tailleEnAttente_ = false;
                if (isVisible()) vue_.suivreTaille(fond_->size());
            });
        }
    };
    scene_->setObjectName(QStringLiteral("scene"));
    // Every control as the description has it; the information bar across the whole window.
    construire(vue, liens_, description(m), scene_, fond_);

    menus_ = new BarreMenus(this, vue);
    setMenuBar(menus_->barre());
    mouvements_ = new Mouvements(vue, scene_, m);
    qApp->installEventFilter(this);
}

TfrmQuarvel::~TfrmQuarvel() = default;

void TfrmQuarvel::placerScene() {
    int largeur = m_.fenetre.geo.width > 0 ? m_.fenetre.geo.width : fond_->width();
    int gauche = qMax(0, (fond_->width() - largeur) / 2);
    scene_->setGeometry(gauche, 0, gauche > 0 ? largeur : qMax(largeur, fond_->width()),
                        fond_->height());
}

void TfrmQuarvel::synchroniser() {
    placerScene();
    liens_.synchroniser();
    mouvements_->suivre();
    if (menus_) menus_->synchroniser();
    suivi_.suivre(this, fond_, m_.fenetre, SuiviFenetre::Mode::Maximisee);
}

bool TfrmQuarvel::eventFilter(QObject* o, QEvent* e) {
    if (e->type() != QEvent::KeyPress) return false;
    auto* w = qobject_cast<QWidget*>(o);
    if (!w || w->window() != this || qobject_cast<QMenuBar*>(w) || qobject_cast<QMenu*>(w))
        return false;
    auto* k = static_cast<QKeyEvent*>(e);
    // With a modifier, a key is a shortcut of the menus.
    if (k->modifiers() & ~Qt::KeypadModifier) return false;
    Evt t;
    switch (k->key()) {
    case Qt::Key_Left:
        t = Evt::ToucheGauche;
        break;
    case Qt::Key_Right:
        t = Evt::ToucheDroite;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        t = Evt::ToucheEntree;
        break;
    case Qt::Key_Space:
        t = Evt::ToucheEspace;
        break;
    case Qt::Key_Escape:
        t = Evt::ToucheEchap;
        break;
    default:
        return false;
    }
    // A key held down moves the focus on, but plays or presses once.
    if (!k->isAutoRepeat() || t == Evt::ToucheGauche || t == Evt::ToucheDroite) vue_.envoyer({t});
    return true;
}

void TfrmQuarvel::closeEvent(QCloseEvent* e) {
    // The close box is Quit: the game saves and ends the run through the platform, or keeps
    // the window when the player chooses to go on with his series.
    e->ignore();
    vue_.envoyer({Evt::FermerTable});
}

} // namespace quarvel::qt
