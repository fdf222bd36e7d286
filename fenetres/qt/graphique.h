#pragma once
// A chart at the place of its component: the model gives the place and the title, each new chart
// handed to it brings the data; the fonts follow the chart's size.
#include "fenetres/qt/controles.h"

#include <QChartView>
#include <QList>
#include <QStringList>

class QBarSeries;
class QChart;
class QGraphicsSimpleTextItem;

namespace quarvel::qt {

// The charts' colours: the felt of the table round paper panels.
inline const QColor PAPIER(0xfb, 0xf8, 0xef);
inline const QColor ENCRE(0x1b, 0x1b, 0x1f);

class VueGraphique : public QChartView, public ControleVue {
public:
    explicit VueGraphique(QWidget* parent);
    QWidget* widget() override { return this; }

    // Replaces the chart; the old one goes with its series and axes, and its figures.
    void remplacer(QChart* graphique);
    // Each bar's figure, drawn here rather than by the series, which shows none on a bar of
    // 0 %: over the bar, or inside its top when it reaches the top of the chart.
    void etiqueter(QBarSeries* serie, const QList<int>& pourcents);
    // The figures drawn over the bars, for the tests.
    QStringList etiquettes() const;

protected:
    void suivrePropre(const Composant& c, const Composant& avant, bool premier) override;

private:
    void ajusterPolices();
    void placerEtiquettes();
    struct Etiquette {
        QGraphicsSimpleTextItem* texte; // the chart's own, gone with it
        QBarSeries* serie;
        int barre;
        int valeur;
    };
    QList<Etiquette> etiquettes_;
    QString titre_;
    int hauteur_ = 230;
};

// A font of that many pixels, never below 9.
QFont policePixels(const QFont& base, int pixels, bool gras);

} // namespace quarvel::qt
