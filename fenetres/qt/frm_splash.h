#pragma once
// The start-up screen: the logo, the product and the two language buttons. Closing it ends the run.
#include "fenetres/qt/fenetre_vue.h"

namespace quarvel {
struct TfrmSplash;
}

namespace quarvel::qt {

class TfrmSplash : public FenetreVue {
public:
    TfrmSplash(Vue& vue, const quarvel::TfrmSplash& modele);

protected:
    void paintEvent(QPaintEvent*) override;
    void closeEvent(QCloseEvent* e) override;
};

} // namespace quarvel::qt
