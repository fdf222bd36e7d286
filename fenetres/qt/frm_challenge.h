#pragma once
// The high-score tables of the challenge series, and SUD's statistics with their two charts.
#include "fenetres/qt/fenetre_vue.h"

class QChartView;

namespace quarvel {
struct TfrmMeilleursScores;
struct TfrmStatistiques;
} // namespace quarvel

namespace quarvel::qt {

class VueGraphique;

class TfrmMeilleursScores : public FenetreVue {
public:
    TfrmMeilleursScores(Vue& vue, const quarvel::TfrmMeilleursScores& modele);
};

class TfrmStatistiques : public FenetreVue {
public:
    TfrmStatistiques(Vue& vue, const quarvel::TfrmStatistiques& modele);
    void synchroniser() override;
    // The two charts, for the tests.
    QChartView* courbe() const;
    QChartView* barres() const;
    QStringList etiquettesBarres() const; // the figures over the bars

private:
    void construireGraphiques();
    const quarvel::TfrmStatistiques& m_;
    VueGraphique* courbe_ = nullptr;
    VueGraphique* barres_ = nullptr;
    // The charts are rebuilt only when the model refilled their data.
    int numeroVu_ = 0;
    bool construits_ = false;
};

} // namespace quarvel::qt
