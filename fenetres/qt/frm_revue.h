#pragma once
// The handful dialog and the four review windows of the end of a deal.
#include "fenetres/qt/fenetre_vue.h"

namespace quarvel {
struct TfrmPoignee;
struct TfrmPliPrecedent;
struct TfrmMains;
struct TfrmScoreDetaille;
struct TfrmTousPlis;
} // namespace quarvel

namespace quarvel::qt {

// Modal, without a close box: only its buttons close it.
class TfrmPoignee : public FenetreVue {
public:
    TfrmPoignee(Vue& vue, const quarvel::TfrmPoignee& modele);
};

class TfrmPliPrecedent : public FenetreVue {
public:
    TfrmPliPrecedent(Vue& vue, const quarvel::TfrmPliPrecedent& modele);
};

class TfrmMains : public FenetreVue {
public:
    TfrmMains(Vue& vue, const quarvel::TfrmMains& modele);
    void synchroniser() override;

private:
    const quarvel::TfrmMains& m_;
    QWidget* mains_[5] = {};
    QWidget* chien_ = nullptr;
    Tableau<int, 6> parents_{};
};

class TfrmScoreDetaille : public FenetreVue {
public:
    TfrmScoreDetaille(Vue& vue, const quarvel::TfrmScoreDetaille& modele);
};

class TfrmTousPlis : public FenetreVue {
public:
    TfrmTousPlis(Vue& vue, const quarvel::TfrmTousPlis& modele);
};

} // namespace quarvel::qt
