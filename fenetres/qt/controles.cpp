#include "fenetres/qt/controles.h"

#include <QStyle>
#include <QStyleOptionButton>

#include "fenetres/qt/cache_cartes.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace quarvel {

QColor couleurQt(int bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

int couleurModele(const QColor& c) {
    return c.red() | (c.green() << 8) | (c.blue() << 16);
}

Qt::CursorShape formeCurseur(Curseur c) {
    switch (c) {
    case Curseur::Main:
        return Qt::PointingHandCursor;
    case Curseur::Interdit:
        return Qt::ForbiddenCursor;
    case Curseur::Sablier:
        return Qt::WaitCursor;
    case Curseur::Defaut:
        break;
    }
    return Qt::ArrowCursor;
}

namespace {

QRect rectQt(const Rect& r) {
    return QRect(r.left, r.top, r.width, r.height);
}

} // namespace

void ControleVue::suivre(const Composant& c) {
    QWidget* w = widget();
    const bool premier = premier_;
    if (!premier && c == vu_) return;

    if (ancrage != Ancrage::Aucun) {
        if (premier || !(c.geo == vu_.geo)) {
            vu_.geo = c.geo;
            replacer();
        }
    } else if (premier || !(c.geo == vu_.geo)) {
        w->setGeometry(rectQt(c.geo));
    }
    if (premier || c.enabled != vu_.enabled) w->setEnabled(c.enabled);
    if (premier || c.hint != vu_.hint) w->setToolTip(QString::fromStdString(c.hint));
    if (premier || c.curseur != vu_.curseur) {
        if (c.curseur == Curseur::Defaut)
            w->unsetCursor();
        else
            w->setCursor(formeCurseur(c.curseur));
    }
    suivrePropre(c, vu_, premier);
    if (premier || c.visible != vu_.visible) w->setVisible(c.visible);
    if (c.focus && c.visible && (premier || !vu_.focus || !vu_.visible))
        w->setFocus(Qt::OtherFocusReason);
    vu_ = c;
    premier_ = false;
}

void ControleVue::replacer() {
    QWidget* w = widget();
    QWidget* p = w->parentWidget();
    if (!p) return;
    if (ancrage == Ancrage::Bas)
        w->setGeometry(0, p->height() - vu_.geo.height, p->width(), vu_.geo.height);
    else if (ancrage == Ancrage::Remplit)
        w->setGeometry(p->rect());
}

// ---------------------------------------------------------------------------------------------

VueBouton::VueBouton(QWidget* parent, const char* style) : QPushButton(parent) {
    setObjectName(QString::fromLatin1(style));
    QFont f = font();
    f.setBold(true);
    setFont(f);
    setFocusPolicy(Qt::NoFocus);
    setAutoDefault(false);
    hide();
    connect(this, &QPushButton::clicked, this, [this] {
        if (surClic) surClic();
    });
}

void VueBouton::suivrePropre(const Composant& c, const Composant& avant, bool premier) {
    bool ajuster = false;
    if ((premier || c.caption != avant.caption) && (icone_.isEmpty() || texteAussi_)) {
        setText(QString::fromStdString(c.caption));
        ajuster = true;
    }
    if (premier || c.taillePolice != avant.taillePolice) {
        policeDessin_ = font();
        policeDessin_.setPointSizeF(c.taillePolice > 0 ? c.taillePolice : 9);
        ajuster = true;
    }
    if (ajuster) ajusterPolice();
    if (premier || c.couleur != avant.couleur) {
        if (c.couleur >= 0) {
            QColor f = couleurQt(c.couleur);
            setStyleSheet(
                QStringLiteral("background: %1; color: %2;").arg(f.name(), encreSur(f).name()));
        } else {
            setStyleSheet(QString());
        }
    }
    if (premier) majIcone();
    if (!premier && c.focusClavier != avant.focusClavier) update();
}

void VueBouton::paintEvent(QPaintEvent* e) {
    QPushButton::paintEvent(e);
    // In a dialog, the button Tab stands on wears the same outline.
    if (!vu_.focusClavier && !(hasFocus() && focusPolicy() != Qt::NoFocus)) return;
    // The keyboard's focus, in the gold of a card under the mouse, lined with dark brown so that
    // it shows on a gold button too.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xe0, 0xa5, 0x26), 3));
    p.drawRoundedRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5), 6, 6);
    p.setPen(QPen(QColor(0x3b, 0x2a, 0x05), 1.5));
    p.drawRoundedRect(QRectF(rect()).adjusted(3.75, 3.75, -3.75, -3.75), 4.5, 4.5);
}

void VueBouton::resizeEvent(QResizeEvent* e) {
    QPushButton::resizeEvent(e);
    majIcone();
    ajusterPolice();
}

// The caption's room: the button's contents less the glyph beside it.
QSizeF VueBouton::zoneTexte() {
    QStyleOptionButton o;
    initStyleOption(&o);
    QSizeF zone = style()->subElementRect(QStyle::SE_PushButtonContents, &o, this).size();
    if (!icon().isNull()) zone.rwidth() -= iconSize().width() + 4;
    return zone;
}

void VueBouton::ajusterPolice() {
    if (policeDessin_.family().isEmpty() || text().isEmpty()) return;
    const QFont f = policeQuiTient(policeDessin_, text(), zoneTexte(), Qt::TextShowMnemonic);
    if (f != font()) setFont(f);
}

bool VueBouton::texteTient() {
    // A hidden button gets its new size, and the font that fits it, only as it shows: measure
    // the font it will show with.
    const QFont f = policeDessin_.family().isEmpty()
                        ? font()
                        : policeQuiTient(policeDessin_, text(), zoneTexte(), Qt::TextShowMnemonic);
    return texteTientDans(f, text(), zoneTexte(), Qt::TextShowMnemonic);
}

void VueBouton::majIcone() {
    if (!cache_ || icone_.isEmpty()) return;
    int cote = qMax(8, qMin(width(), height()) - (texteAussi_ ? 12 : 8));
    setIcon(QIcon(cache_->icone(icone_, QSize(cote, cote), devicePixelRatioF())));
    setIconSize(QSize(cote, cote));
}

// ---------------------------------------------------------------------------------------------

VueOutil::VueOutil(QWidget* parent, CacheCartes& cache, const QString& icone)
    : QToolButton(parent), cache_(cache), icone_(icone) {
    setObjectName(QStringLiteral("outil"));
    setFocusPolicy(Qt::NoFocus);
    setAutoRaise(true);
    setCheckable(true);
    hide();
    connect(this, &QToolButton::clicked, this, [this] {
        if (surClic) surClic();
    });
}

void VueOutil::suivrePropre(const Composant& c, const Composant& avant, bool premier) {
    if (premier || c.checked != avant.checked) setChecked(c.checked);
    if (premier || c.caption != avant.caption) {
        // The glyph says it all; the caption serves the accessibility name.
        setAccessibleName(QString::fromStdString(c.caption));
    }
    if (premier) majIcone();
}

void VueOutil::resizeEvent(QResizeEvent* e) {
    QToolButton::resizeEvent(e);
    majIcone();
}

void VueOutil::majIcone() {
    int cote = qMax(8, qMin(width(), height()) - 6);
    setIcon(QIcon(cache_.icone(icone_, QSize(cote, cote), devicePixelRatioF())));
    setIconSize(QSize(cote, cote));
}

// ---------------------------------------------------------------------------------------------

VueTable::VueTable(QWidget* parent) : QWidget(parent) {
    hide();
}

void VueTable::suivrePropre(const Composant& c, const Composant& avant, bool premier) {
    if (premier || c.couleur != avant.couleur) {
        tapis_ = c.couleur >= 0 ? couleurQt(c.couleur) : QColor(0, 0x80, 0);
        update();
    }
}

void VueTable::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QRectF r = QRectF(rect()).adjusted(2, 2, -2, -4);
    qreal bord = qMax(4.0, qMin(r.width(), r.height()) * 0.035);
    // Shadow under the table.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawEllipse(r.translated(0, 3));
    // Wooden rim.
    QLinearGradient bois(r.topLeft(), r.bottomLeft());
    bois.setColorAt(0, QColor(0x9a, 0x62, 0x35));
    bois.setColorAt(0.5, QColor(0x6e, 0x40, 0x1f));
    bois.setColorAt(1, QColor(0x4a, 0x2a, 0x12));
    p.setBrush(bois);
    p.drawEllipse(r);
    // Felt, lighter in the middle.
    QRectF tapis = r.adjusted(bord, bord, -bord, -bord);
    QRadialGradient g(tapis.center() - QPointF(0, tapis.height() * 0.12),
                      qMax(tapis.width(), tapis.height()) * 0.62);
    g.setColorAt(0, tapis_.lighter(128));
    g.setColorAt(0.65, tapis_);
    g.setColorAt(1, tapis_.darker(135));
    p.setBrush(g);
    p.drawEllipse(tapis);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 28), 1.2));
    p.drawEllipse(tapis.adjusted(bord * 0.8, bord * 0.8, -bord * 0.8, -bord * 0.8));
}

void VueTable::mousePressEvent(QMouseEvent* e) {
    e->accept();
    if (e->button() == Qt::LeftButton && surClic) surClic();
}

// ---------------------------------------------------------------------------------------------

VueCadre::VueCadre(QWidget* parent, Genre genre, QColor defaut)
    : QWidget(parent), genre_(genre), defaut_(defaut) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void VueCadre::suivrePropre(const Composant& c, const Composant& avant, bool premier) {
    if (premier || c.couleur != avant.couleur) {
        couleur_ = c.couleur >= 0 ? couleurQt(c.couleur) : defaut_;
        update();
    }
}

void VueCadre::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    if (genre_ == Genre::Plein) {
        QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        qreal rayon = qMin(r.width(), r.height()) * 0.09;
        QPainterPath ombre;
        ombre.addRoundedRect(r.adjusted(1, 2, 1, 2), rayon, rayon);
        p.fillPath(ombre, QColor(0, 0, 0, 60));
        QPainterPath chemin;
        chemin.addRoundedRect(r, rayon, rayon);
        QLinearGradient g(r.topLeft(), r.bottomRight());
        g.setColorAt(0, couleur_.lighter(115));
        g.setColorAt(1, couleur_.darker(110));
        p.fillPath(chemin, g);
        p.setPen(QPen(couleur_.darker(150), 1));
        p.drawPath(chemin);
    } else {
        p.setPen(QPen(couleur_, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 3, 3);
    }
}

// ---------------------------------------------------------------------------------------------

VueImage::VueImage(QWidget* parent, CacheCartes& cache, const QString& icone)
    : QWidget(parent), cache_(cache), icone_(icone) {
    hide();
}

void VueImage::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (pastille_.isValid()) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(pastille_.darker(140), 1));
        p.setBrush(pastille_);
        qreal cote = qMin(width(), height()) - 1.0;
        QRectF disque((width() - cote) / 2.0, (height() - cote) / 2.0, cote, cote);
        p.drawEllipse(disque);
        QSize interieur = (disque.size() * 0.68).toSize();
        QPixmap pm = cache_.icone(icone_, interieur, devicePixelRatioF());
        p.drawPixmap(QPointF(disque.center().x() - interieur.width() / 2.0,
                             disque.center().y() - interieur.height() / 2.0),
                     pm);
        return;
    }
    p.drawPixmap(0, 0, cache_.icone(icone_, size(), devicePixelRatioF()));
}

void VueImage::mousePressEvent(QMouseEvent* e) {
    e->accept();
    if (surClic) surClic();
}

} // namespace quarvel
