#include "fenetres/qt/cache_cartes.h"

#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>

namespace quarvel {

CacheCartes::CacheCartes() = default;
CacheCartes::~CacheCartes() = default;

// Parsed faces take far more memory than their pixmaps, so only the last one is kept: it serves
// when the same face is drawn at several sizes in a row.
QSvgRenderer* CacheCartes::rendu(const QString& chemin) {
    if (cheminRendu_ == chemin) return rendu_.get();
    cheminRendu_ = chemin;
    rendu_.reset();
    if (QFile::exists(chemin)) {
        rendu_ = std::make_unique<QSvgRenderer>(chemin);
        if (!rendu_->isValid()) rendu_.reset();
    }
    return rendu_.get();
}

// Draws the SVG at `image` logical pixels and keeps the `vue` rectangle from its top-left
// corner; a face whose file is missing becomes a plain card with its name.
QPixmap CacheCartes::dessiner(const QString& chemin, const QString& nom, QSize image, QSize vue,
                              qreal ratio, bool carte) {
    QPixmap pm(QSize(qMax(1, qRound(vue.width() * ratio)), qMax(1, qRound(vue.height() * ratio))));
    pm.setDevicePixelRatio(ratio);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    QRectF cible(0, 0, image.width(), image.height());
    if (QSvgRenderer* r = rendu(chemin)) {
        r->render(&p, cible);
    } else if (carte) {
        QPainterPath bord;
        qreal arrondi = qMin(cible.width(), cible.height()) * 0.07;
        bord.addRoundedRect(cible.adjusted(0.5, 0.5, -0.5, -0.5), arrondi, arrondi);
        p.fillPath(bord, Qt::white);
        p.setPen(QPen(QColor(0x26, 0x26, 0x2b), 1));
        p.drawPath(bord);
        QFont f = p.font();
        f.setPixelSize(qMax(6, int(cible.width() / 6)));
        f.setBold(true);
        p.setFont(f);
        p.drawText(cible.adjusted(3, 3, -3, -3), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                   nom);
    }
    return pm;
}

QPixmap CacheCartes::face(const QString& nom, QSize taille, qreal ratio) {
    // A whole face is its top-left corner drawn at its own size.
    return coin(nom, taille, ratio, 1);
}

QPixmap CacheCartes::coin(const QString& nom, QSize taille, qreal ratio, int echelle) {
    if (nom.isEmpty() || taille.isEmpty()) return {};
    QString cle = QStringLiteral("c/%1/%2x%3/%4/%5")
                      .arg(nom)
                      .arg(taille.width())
                      .arg(taille.height())
                      .arg(ratio)
                      .arg(echelle);
    auto it = pixmaps_.constFind(cle);
    if (it != pixmaps_.constEnd()) return *it;
    QPixmap pm = dessiner(QStringLiteral(":/cartes/%1.svg").arg(nom), nom, taille * echelle, taille,
                          ratio, true);
    pixmaps_.insert(cle, pm);
    return pm;
}

QPixmap CacheCartes::icone(const QString& nom, QSize taille, qreal ratio) {
    if (nom.isEmpty() || taille.isEmpty()) return {};
    QString cle = QStringLiteral("i/%1/%2x%3/%4")
                      .arg(nom)
                      .arg(taille.width())
                      .arg(taille.height())
                      .arg(ratio);
    auto it = pixmaps_.constFind(cle);
    if (it != pixmaps_.constEnd()) return *it;
    // Icons keep their proportions, centred in the box.
    QString chemin = QStringLiteral(":/icones/%1.svg").arg(nom);
    QSize image = taille;
    if (QSvgRenderer* r = rendu(chemin)) {
        QSize d = r->defaultSize();
        if (!d.isEmpty()) image = d.scaled(taille, Qt::KeepAspectRatio);
    }
    QPixmap pm(
        QSize(qMax(1, qRound(taille.width() * ratio)), qMax(1, qRound(taille.height() * ratio))));
    pm.setDevicePixelRatio(ratio);
    pm.fill(Qt::transparent);
    if (QSvgRenderer* r = rendu(chemin)) {
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        QRectF cible((taille.width() - image.width()) / 2.0,
                     (taille.height() - image.height()) / 2.0, image.width(), image.height());
        r->render(&p, cible);
    }
    pixmaps_.insert(cle, pm);
    return pm;
}

} // namespace quarvel
