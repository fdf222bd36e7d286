#include "fenetres/qt/ecran.h"

#include <QApplication>
#include <QFile>
#include <QStyleFactory>
#include <cmath>

namespace quarvel::qt {

Ecran ecranDeJeu(QSize taille, double pointsParPouce) {
    Ecran e;
    e.largeur = taille.width();
    e.hauteur = taille.height();
    e.ppp = pointsParPouce > 0 ? static_cast<int>(std::lround(pointsParPouce)) : 96;
    const int largeurMax = static_cast<int>(std::lround(e.hauteur * 4.0 / 3.0));
    if (e.largeur > largeurMax && e.hauteur > 0) e.largeur = largeurMax;
    return e;
}

void appliquerStyle() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFile style(QStringLiteral(":/style.qss"));
    if (style.open(QIODevice::ReadOnly)) qApp->setStyleSheet(QString::fromUtf8(style.readAll()));
}

} // namespace quarvel::qt
