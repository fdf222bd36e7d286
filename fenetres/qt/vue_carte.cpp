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
    } else if ((survol_ && c.curseur != avant.curseur) || c.focusClavier != avant.focusClavier ||
               c.conseille != avant.conseille) {
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
    const qreal rayon = qMin(width(), height()) * 0.07;
    const QRectF bord = QRectF(rect()).adjusted(1.25, 1.25, -1.25, -1.25);
    p.setRenderHint(QPainter::Antialiasing);
    // The advice: a green band round the card.
    if (vu_.conseille) {
        p.setPen(QPen(QColor(0x1e, 0xa0, 0x5a), 4));
        p.setBrush(QColor(0x2e, 0xcc, 0x71, 40));
        p.drawRoundedRect(QRectF(rect()).adjusted(2, 2, -2, -2), rayon, rayon);
    }
    // Under the mouse or the keyboard's focus: gold when it can be played or chosen, grey when
    // the keyboard stands on a card that cannot.
    const bool offerte = isEnabled() && vu_.curseur == Curseur::Main;
    if ((survol_ || vu_.focusClavier) && offerte) {
        p.setPen(QPen(QColor(0xe0, 0xa5, 0x26), vu_.focusClavier ? 3.5 : 2.5));
        p.setBrush(QColor(0xe0, 0xa5, 0x26, 28));
        p.drawRoundedRect(bord, rayon, rayon);
    } else if (vu_.focusClavier) {
        p.setPen(QPen(QColor(0x9a, 0x9a, 0xa2), 3, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(bord, rayon, rayon);
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
