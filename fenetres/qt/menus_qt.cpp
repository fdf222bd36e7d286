#include "fenetres/qt/menus_qt.h"

#include "fenetres/modele/jeu.h"
#include "fenetres/modele/menus.h"
#include "fenetres/qt/vue.h"

#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace quarvel::qt {

BarreMenus::BarreMenus(QMainWindow* fenetre, Vue& vue) : vue_(vue), barre_(new QMenuBar(fenetre)) {
    barre_->setObjectName(QStringLiteral("MainMenu"));
    construire(nullptr, arbreMenu(vue.jeu().fen.frmQuarvel));
    synchroniser();
}

QAction* BarreMenus::ajouter(QMenu* parent, const NoeudMenu& n) {
    QAction* a = nullptr;
    if (n.separateur()) {
        if (parent) parent->addSeparator();
        return nullptr;
    }
    if (!n.enfants.empty()) {
        QMenu* menu = parent ? parent->addMenu(QString()) : barre_->addMenu(QString());
        menu->setObjectName(QString::fromStdString(n.nom));
        menu->setSeparatorsCollapsible(false);
        a = menu->menuAction();
        construire(menu, n.enfants);
    } else {
        a = new QAction(barre_);
        if (parent)
            parent->addAction(a);
        else
            barre_->addAction(a); // a command of the bar itself (Quit)
        Vue* v = &vue_;
        Evenement e = n.evenement;
        QObject::connect(a, &QAction::triggered, barre_, [v, e] { v->envoyer(e); });
        if (n.cochable) a->setCheckable(true);
        if (n.groupe > 0) {
            while (groupes_.size() < n.groupe) {
                auto* g = new QActionGroup(barre_);
                g->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
                groupes_.append(g);
            }
            groupes_[n.groupe - 1]->addAction(a);
        }
        if (!n.raccourci.empty()) {
            a->setShortcut(QKeySequence(QString::fromStdString(n.raccourci)));
            a->setShortcutContext(Qt::WindowShortcut);
        }
    }
    a->setObjectName(QString::fromStdString(n.nom));
    entrees_.push_back({n.element, a, n.cochable && n.enfants.empty(), {}, true});
    return a;
}

void BarreMenus::construire(QMenu* parent, const std::vector<NoeudMenu>& noeuds) {
    for (const NoeudMenu& n : noeuds) ajouter(parent, n);
}

QAction* BarreMenus::action(const ElementMenu& e) const {
    for (const Entree& x : entrees_)
        if (x.element == &e) return x.action;
    return nullptr;
}

void BarreMenus::synchroniser() {
    // Checked entries first: in a radio group, checking one unchecks the others.
    for (int passe = 0; passe < 2; ++passe) {
        for (Entree& x : entrees_) {
            const ElementMenu& e = *x.element;
            QAction* a = x.action;
            if (passe == 0) {
                if (x.premier || e.caption != x.vu.caption)
                    a->setText(QString::fromStdString(e.caption));
                if (x.premier || e.enabled != x.vu.enabled) a->setEnabled(e.enabled);
                if (x.premier || e.visible != x.vu.visible) a->setVisible(e.visible);
                if (x.premier || e.hint != x.vu.hint) a->setToolTip(QString::fromStdString(e.hint));
                if ((x.premier || e.raccourci != x.vu.raccourci) && !e.raccourci.empty())
                    a->setShortcut(QKeySequence(QString::fromStdString(e.raccourci)));
                if (x.cochable && e.checked && !a->isChecked()) a->setChecked(true);
            } else {
                // Qt may have moved a check mark on the click itself: the model's word is final.
                if (x.cochable && !e.checked && a->isChecked()) a->setChecked(false);
                x.vu = e;
                x.premier = false;
            }
        }
    }
}

} // namespace quarvel::qt
