#pragma once
// Card faces and icons drawn from their SVG once per size and pixel ratio, then reused.
#include <QHash>
#include <QPixmap>
#include <QString>
#include <memory>

class QSvgRenderer;

namespace quarvel {

class CacheCartes {
public:
    CacheCartes();
    ~CacheCartes();

    // The whole face of card `nom` ("PIQUE1".."ATOUT22") stretched over `taille` logical pixels.
    QPixmap face(const QString& nom, QSize taille, qreal ratio);
    // The top-left corner of the face, as seen through a window of `taille` when the face is
    // drawn `echelle` times larger than that window: what a small review image shows.
    QPixmap coin(const QString& nom, QSize taille, qreal ratio, int echelle = 3);
    // An icon of ressources/icones ("pique", "nouvelle"...), square or not.
    QPixmap icone(const QString& nom, QSize taille, qreal ratio);

    int taille() const { return pixmaps_.size(); }
    void vider() { pixmaps_.clear(); }

private:
    QSvgRenderer* rendu(const QString& chemin);
    QPixmap dessiner(const QString& chemin, const QString& nom, QSize image, QSize vue, qreal ratio,
                     bool carte);

    QString cheminRendu_;
    std::unique_ptr<QSvgRenderer> rendu_;
    QHash<QString, QPixmap> pixmaps_;
};

} // namespace quarvel
