#include "fenetres/qt/frm_revue.h"

#include "fenetres/modele/jeu.h"
#include "fenetres/modele/revue.h"

namespace quarvel::qt {

TfrmPoignee::TfrmPoignee(Vue& vue, const quarvel::TfrmPoignee& m)
    : FenetreVue(vue, description(m)) {}

TfrmPliPrecedent::TfrmPliPrecedent(Vue& vue, const quarvel::TfrmPliPrecedent& m)
    : FenetreVue(vue, description(m)) {}

TfrmMains::TfrmMains(Vue& vue, const quarvel::TfrmMains& m)
    : FenetreVue(vue, description(m)), m_(m) {
    static const char* const mains[] = {"PanelMainSud", "PanelMainEst", "PanelMainNord",
                                        "PanelMainOuest"};
    for (Siege s : SIEGES) mains_[entier(s)] = controle(mains[entier(s) - 1])->widget();
    chien_ = controle("PanelChienAvantEcart")->widget();
}

void TfrmMains::synchroniser() {
    for (int k = 1; k <= 6; ++k) {
        int p = m_.parentCadre[k];
        if (p == parents_[k]) continue;
        parents_[k] = p;
        QWidget* parent = p >= 1 && p <= 4 ? mains_[p] : p == 5 ? chien_ : this;
        if (ControleVue* c = vue_.controle(m_.Cadres[k])) {
            QWidget* w = c->widget();
            bool visible = w->isVisibleTo(w->parentWidget());
            w->setParent(parent);
            w->setVisible(visible);
            w->raise();
        }
    }
    FenetreVue::synchroniser();
}

TfrmScoreDetaille::TfrmScoreDetaille(Vue& vue, const quarvel::TfrmScoreDetaille& m)
    : FenetreVue(vue, description(m)) {}

TfrmTousPlis::TfrmTousPlis(Vue& vue, const quarvel::TfrmTousPlis& m)
    : FenetreVue(vue, description(m)) {}

} // namespace quarvel::qt
