#include "fenetres/qt/frm_splash.h"

#include "fenetres/modele/controles.h"
#include "fenetres/modele/jeu.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPainter>
#include <QRadialGradient>

namespace quarvel::qt {

TfrmSplash::TfrmSplash(Vue& vue, const quarvel::TfrmSplash& m) : FenetreVue(vue, description(m)) {}

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
