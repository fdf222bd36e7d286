#include "fenetres/qt/controles.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace quarvel {

// Dark text on light panels, light text on dark ones.
QColor encreSur(const QColor& fond) {
    if (fond.alpha() < 90) return QColor(0xf4, 0xf1, 0xe6);
    return fond.lightness() > 128 ? QColor(0x1b, 0x1b, 0x1f) : QColor(0xf8, 0xf6, 0xee);
}

QFont policeQuiTient(QFont f, const QString& texte, QSizeF zone, int drapeaux) {
    constexpr double MINIMUM = 7;
    while (f.pointSizeF() > MINIMUM && !texteTientDans(f, texte, zone, drapeaux))
        f.setPointSizeF(qMax(MINIMUM, f.pointSizeF() - 0.5));
    return f;
}

bool texteTientDans(const QFont& f, const QString& texte, QSizeF zone, int drapeaux) {
    if (texte.isEmpty()) return true;
    const QRectF besoin =
        QFontMetricsF(f).boundingRect(QRectF(0, 0, zone.width(), 1e6), drapeaux, texte);
    return besoin.width() <= zone.width() + 0.5 && besoin.height() <= zone.height() + 0.5;
}

namespace {

QFont police(const QWidget* w, int taille, double defaut, bool gras) {
    QFont f = w->font();
    double points = taille > 0 ? taille : defaut;
    if (points > 0) f.setPointSizeF(points);
    f.setBold(gras);
    return f;
}

// What lies under a transparent label: the first panel or window up the chain that paints.
QColor fondSous(const QWidget* w) {
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget()) {
        if (auto* panneau = dynamic_cast<const VuePanneau*>(p)) {
            QColor c = panneau->fondEffectif();
            if (c.isValid()) return c;
        }
        if (p->isWindow() || p->autoFillBackground()) return p->palette().color(QPalette::Window);
    }
    return w->palette().color(QPalette::Window);
}

} // namespace

VuePanneau::VuePanneau(QWidget* parent, Style style, Qt::Alignment alignement)
    : QWidget(parent), style_(style), alignement_(alignement) {
    hide();
}

void VuePanneau::suivrePropre(const Composant& c, const Composant& avant, bool premier) {
    // The font stays the panel's own: setting a widget's font under a style sheet costs a
    // restyle, far more than the paint.
    if (premier || c.taillePolice != avant.taillePolice) {
        police_ = police(this, c.taillePolice, policeDefaut_, gras_);
        update();
    }
    if (premier || c.caption != avant.caption || c.couleur != avant.couleur) {
        texte_ = QString::fromStdString(c.caption);
        fond_ = c.couleur >= 0 ? couleurQt(c.couleur) : QColor();
        update();
    }
}

QColor VuePanneau::fondEffectif() const {
    if (fond_.isValid()) return fond_;
    switch (style_) {
    case Style::Barre:
        return defaut_.isValid() ? defaut_ : QColor(0x10, 0x20, 0x18);
    case Style::Cadre:
        return defaut_.isValid() ? defaut_ : QColor(0xfb, 0xf8, 0xef);
    case Style::Bulle:
        return defaut_.isValid() ? defaut_ : QColor(0xf3, 0xd7, 0x9c);
    default:
        return defaut_;
    }
}

void VuePanneau::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QColor fond = fond_.isValid() ? fond_ : defaut_;
    qreal h = r.height();

    switch (style_) {
    case Style::Bulle: {
        if (!fond.isValid()) fond = QColor(0xf3, 0xd7, 0x9c);
        qreal rayon = qMin(h / 2.6, 14.0);
        QRectF corps = r.adjusted(1, 1, -3, -3);
        QPainterPath ombre;
        ombre.addRoundedRect(corps.translated(2, 2.5), rayon, rayon);
        p.fillPath(ombre, QColor(0, 0, 0, 70));
        QPainterPath chemin;
        chemin.addRoundedRect(corps, rayon, rayon);
        QLinearGradient g(corps.topLeft(), corps.bottomLeft());
        g.setColorAt(0, fond.lighter(112));
        g.setColorAt(1, fond.darker(106));
        p.fillPath(chemin, g);
        p.setPen(QPen(fond.darker(160), 1.2));
        p.drawPath(chemin);
        r = corps;
        break;
    }
    case Style::Barre: {
        if (!fond.isValid()) fond = QColor(0, 0, 0, 85);
        QPainterPath chemin;
        chemin.addRoundedRect(r, 10, 10);
        p.fillPath(chemin, fond);
        p.setPen(QPen(QColor(255, 255, 255, 45), 1));
        p.drawPath(chemin);
        break;
    }
    case Style::Chiffre:
    case Style::Marqueur: {
        if (!fond.isValid()) fond = QColor(255, 255, 255, 38);
        qreal rayon = qMin(h / 3.0, 6.0);
        QPainterPath chemin;
        chemin.addRoundedRect(r.adjusted(1, 1, -1, -1), rayon, rayon);
        p.fillPath(chemin, fond);
        if (fond.alpha() == 255) {
            p.setPen(QPen(fond.darker(150), 1));
            p.drawPath(chemin);
        }
        break;
    }
    case Style::Cadre: {
        if (!fond.isValid()) fond = QColor(0xfb, 0xf8, 0xef);
        QPainterPath chemin;
        chemin.addRoundedRect(r, 6, 6);
        p.fillPath(chemin, fond);
        p.setPen(QPen(fond.darker(135), 1));
        p.drawPath(chemin);
        break;
    }
    case Style::Titre: {
        if (fond.isValid()) p.fillRect(r, fond);
        QColor trait = encreSur(fond.isValid() ? fond : fondSous(this));
        trait.setAlpha(90);
        p.setPen(QPen(trait, 1));
        p.drawLine(QPointF(r.left() + 6, r.bottom() - 1), QPointF(r.right() - 6, r.bottom() - 1));
        break;
    }
    case Style::Etiquette:
        if (fond_.isValid()) p.fillRect(r, fond_);
        break;
    }
    if (texte_.isEmpty()) return;
    // The ink follows what was actually painted under the text.
    QColor encre;
    if (style_ == Style::Etiquette || style_ == Style::Titre)
        encre = encreSur(fond_.isValid() ? fond_ : fondSous(this));
    else
        encre = encreSur(fond.isValid() ? fond : QColor(0, 0, 0, 0));
    if (encre_.isValid()) encre = encre_;
    p.setPen(encre);
    p.setFont(policeDessin());
    p.drawText(zoneTexte(), int(alignement_) | Qt::TextWordWrap, texte_);
}

QRectF VuePanneau::zoneTexte() const {
    // A chip is too small to spare a margin.
    if (style_ == Style::Marqueur) return QRectF(rect()).adjusted(1, 0.5, -1, -0.5);
    // Plain text has no border to keep clear of: two lines of names fit a small table.
    if (style_ == Style::Etiquette) return QRectF(rect()).adjusted(2.5, 0.5, -2.5, -0.5);
    return QRectF(rect()).adjusted(4.5, 1.5, -4.5, -1.5);
}

const QFont& VuePanneau::policeDessin() {
    const QSizeF zone = zoneTexte().size();
    if (texte_ != texteAjuste_ || zone != zoneAjustee_ || police_ != policeSource_) {
        policeAjustee_ = policeQuiTient(police_, texte_, zone, Qt::TextWordWrap);
        texteAjuste_ = texte_;
        zoneAjustee_ = zone;
        policeSource_ = police_;
    }
    return policeAjustee_;
}

bool VuePanneau::texteTient() {
    return texteTientDans(policeDessin(), texte_, zoneTexte().size(), Qt::TextWordWrap);
}

void VuePanneau::mousePressEvent(QMouseEvent* e) {
    e->accept();
}

void VuePanneau::mouseReleaseEvent(QMouseEvent* e) {
    e->accept();
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && surClic)
        surClic();
}

} // namespace quarvel
