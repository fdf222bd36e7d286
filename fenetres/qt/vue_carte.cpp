#include "fenetres/qt/cache_cartes.h"
#include "fenetres/qt/controles.h"

#include <QMouseEvent>
#include <QPainter>

namespace quarvel {

// ---------------------------------------------------------------------------------------------

VueCarte::VueCarte(QWidget* parent, CacheCartes& cache, Mode mode)
    : QWidget(parent), cache_(cache), mode_(mode) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    hide();
}

void VueCarte::suivrePropre(const Composant& c, const Composant& avant, bool premier) {
    if (premier || !(c.carte == avant.carte)) {
        nom_ = QString::fromLatin1(nomBitmapC(c.carte));
        update();
    } else if (survol_ && c.curseur != avant.curseur) {
        update();
    }
}

void VueCarte::paintEvent(QPaintEvent*) {
    if (nom_.isEmpty()) return;
    QPainter p(this);
    qreal ratio = devicePixelRatioF();
    QPixmap pm =
        mode_ == Mode::Etiree ? cache_.face(nom_, size(), ratio) : cache_.coin(nom_, size(), ratio);
    p.drawPixmap(0, 0, pm);
    if (survol_ && isEnabled() && vu_.curseur == Curseur::Main) {
        p.setRenderHint(QPainter::Antialiasing);
        qreal rayon = qMin(width(), height()) * 0.07;
        p.setPen(QPen(QColor(0xe0, 0xa5, 0x26), 2.5));
        p.setBrush(QColor(0xe0, 0xa5, 0x26, 28));
        p.drawRoundedRect(QRectF(rect()).adjusted(1.25, 1.25, -1.25, -1.25), rayon, rayon);
    }
    if (mode_ == Mode::Coin) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0x26, 0x26, 0x2b, 160), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    }
}

void VueCarte::mousePressEvent(QMouseEvent* e) {
    e->accept();
}

void VueCarte::enterEvent(QEnterEvent* e) {
    QWidget::enterEvent(e);
    survol_ = true;
    if (vu_.curseur == Curseur::Main) update();
}

void VueCarte::leaveEvent(QEvent* e) {
    QWidget::leaveEvent(e);
    survol_ = false;
    update();
}

void VueCarte::mouseReleaseEvent(QMouseEvent* e) {
    e->accept();
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && surClic)
        surClic();
}

} // namespace quarvel
