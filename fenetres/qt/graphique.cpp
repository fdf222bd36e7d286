#include "fenetres/qt/graphique.h"

#include <QAbstractAxis>
#include <QBarSeries>
#include <QChart>
#include <QGraphicsSimpleTextItem>
#include <algorithm>

namespace quarvel::qt {

QFont policePixels(const QFont& base, int pixels, bool gras) {
    QFont f = base;
    f.setPixelSize(std::max(9, pixels));
    f.setBold(gras);
    return f;
}

VueGraphique::VueGraphique(QWidget* parent) : QChartView(parent) {
    setRenderHint(QPainter::Antialiasing);
    setFrameShape(QFrame::NoFrame);
    // The window's own background shows round the chart's rounded corners.
    QPalette pal = palette();
    pal.setColor(QPalette::Base, Qt::transparent);
    pal.setColor(QPalette::Window, Qt::transparent);
    setPalette(pal);
    viewport()->setAutoFillBackground(false);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void VueGraphique::remplacer(QChart* graphique) {
    etiquettes_.clear();
    graphique->setTitle(titre_);
    graphique->legend()->hide();
    graphique->setBackgroundBrush(PAPIER);
    graphique->setBackgroundPen(QPen(PAPIER.darker(135), 1));
    graphique->setBackgroundRoundness(6);
    graphique->setMargins(QMargins(2, 2, 4, 2));
    graphique->setTitleBrush(ENCRE);
    QChart* ancien = chart();
    setChart(graphique);
    delete ancien;
    connect(graphique, &QChart::plotAreaChanged, this, [this] { placerEtiquettes(); });
    ajusterPolices();
}

void VueGraphique::etiqueter(QBarSeries* serie, const QList<int>& pourcents) {
    for (int k = 0; k < pourcents.size(); ++k) {
        if (pourcents[k] < 0) continue; // never taken: nothing to tell
        auto* e = new QGraphicsSimpleTextItem(QStringLiteral("%1 %").arg(pourcents[k]), chart());
        e->setBrush(ENCRE);
        e->setZValue(1000); // over the bars
        etiquettes_.push_back({e, serie, k, pourcents[k]});
    }
    ajusterPolices();
}

QStringList VueGraphique::etiquettes() const {
    QStringList v;
    for (const Etiquette& e : etiquettes_) v << e.texte->text();
    return v;
}

void VueGraphique::suivrePropre(const Composant& c, const Composant& avant, bool premier) {
    if (premier || c.caption != avant.caption) {
        titre_ = QString::fromStdString(c.caption);
        chart()->setTitle(titre_);
    }
    if (premier || c.geo.height != avant.geo.height) {
        hauteur_ = c.geo.height;
        ajusterPolices();
    }
}

void VueGraphique::ajusterPolices() {
    QChart* g = chart();
    const QFont base = font();
    const int texte = hauteur_ / 20;
    g->setTitleFont(policePixels(base, hauteur_ / 17, true));
    for (QAbstractAxis* a : g->axes()) {
        a->setLabelsFont(policePixels(base, texte, false));
        a->setTitleFont(policePixels(base, texte, true));
    }
    for (const Etiquette& e : etiquettes_) e.texte->setFont(policePixels(base, texte, true));
    placerEtiquettes();
}

void VueGraphique::placerEtiquettes() {
    for (const Etiquette& e : etiquettes_) {
        const QRectF r = e.texte->boundingRect();
        const QPointF sommet = chart()->mapToPosition(QPointF(e.barre, e.valeur), e.serie);
        const bool dedans = sommet.y() - r.height() - 2 < chart()->plotArea().top();
        e.texte->setPos(sommet.x() - r.width() / 2,
                        dedans ? sommet.y() + 2 : sommet.y() - r.height() - 2);
    }
}

} // namespace quarvel::qt
