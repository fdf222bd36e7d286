#pragma once
// The menu bar built by walking the model's menu tree: each leaf forwards its event, radio
// groups become exclusive action groups, function keys become shortcuts.
#include "fenetres/modele/composant.h"

#include <QList>
#include <vector>

class QAction;
class QMainWindow;
class QMenu;
class QMenuBar;
class QActionGroup;

namespace quarvel {
struct NoeudMenu;
}

namespace quarvel::qt {

class Vue;

class BarreMenus {
public:
    BarreMenus(QMainWindow* fenetre, Vue& vue);
    QMenuBar* barre() const { return barre_; }
    void synchroniser();
    // The action of a menu item of the model, for the tests.
    QAction* action(const ElementMenu& e) const;

private:
    struct Entree {
        const ElementMenu* element;
        QAction* action;
        bool cochable;
        ElementMenu vu;
        bool premier = true;
    };
    void construire(QMenu* parent, const std::vector<NoeudMenu>& noeuds);
    QAction* ajouter(QMenu* parent, const NoeudMenu& n);

    Vue& vue_;
    QMenuBar* barre_;
    std::vector<Entree> entrees_;
    QList<QActionGroup*> groupes_; // by group number
};

} // namespace quarvel::qt
