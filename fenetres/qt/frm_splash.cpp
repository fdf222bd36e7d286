#include "fenetres/qt/frm_splash.h"

#include "fenetres/modele/jeu.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPainter>
#include <QRadialGradient>

namespace quarvel::qt {

TfrmSplash::TfrmSplash(Vue& vue, const quarvel::TfrmSplash& m)
    : FenetreVue(vue, m.fenetre, std::nullopt, Qt::Window | Qt::FramelessWindowHint,
                 QColor(0x14, 0x52, 0x32)) {
    setObjectName(QStringLiteral("frmSplash"));
    using P = VuePanneau::Style;
    auto* cadre = liens_.lier(m.FrameSplash, new VuePanneau(this, P::Barre));
    liens_.lier(m.ImgLogo, new VueImage(cadre, vue.cartes(), QStringLiteral("quarvel")));
    auto* titre = liens_.lier(m.lblCompanyProduct, new VuePanneau(cadre, P::Etiquette));
    titre->setEncre(QColor(0xf6, 0xe7, 0xb4));
    liens_.lier(m.PanelStartFrench, new VueBouton(cadre, "demarrer"), {Evt::StartFrench});
    liens_.lier(m.PanelStartEnglish, new VueBouton(cadre, "demarrer"), {Evt::StartEnglish});
}

void TfrmSplash::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(QPointF(width() / 2.0, height() * 0.4), qMax(width(), height()) * 0.75);
    g.setColorAt(0, QColor(0x2f, 0x8f, 0x5b));
    g.setColorAt(1, QColor(0x0e, 0x3b, 0x24));
    p.fillRect(rect(), g);
    p.setPen(QPen(QColor(0xe0, 0xa5, 0x26), 2));
    p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

void TfrmSplash::closeEvent(QCloseEvent* e) {
    // The start-up screen is the application's main window: closing it ends the run.
    e->accept();
    QApplication::quit();
}

} // namespace quarvel::qt
