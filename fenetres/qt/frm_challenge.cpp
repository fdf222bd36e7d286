#include "fenetres/qt/frm_challenge.h"

#include "fenetres/qt/graphique.h"

#include "fenetres/modele/challenge.h"
#include "fenetres/modele/jeu.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QGraphicsSimpleTextItem>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>

namespace quarvel::qt {

namespace {

const QColor TRAIT(0x24, 0x5b, 0x93);
const QColor BARRE(0xe0, 0xa5, 0x26);

// A step between labelled deals that leaves at most about eight of them.
int pasDonnes(int n) {
    for (int pas : {1, 2, 5, 10, 20, 25, 50})
        if (n <= pas * 8) return pas;
    return 100;
}

} // namespace

TfrmMeilleursScores::TfrmMeilleursScores(Vue& vue, const quarvel::TfrmMeilleursScores& m)
    : FenetreVue(vue, description(m)) {}

TfrmStatistiques::TfrmStatistiques(Vue& vue, const quarvel::TfrmStatistiques& m)
    : FenetreVue(vue, description(m)), m_(m),
      courbe_(static_cast<VueGraphique*>(controle("Courbe"))),
      barres_(static_cast<VueGraphique*>(controle("Barres"))) {}

QChartView* TfrmStatistiques::courbe() const {
    return courbe_;
}

QChartView* TfrmStatistiques::barres() const {
    return barres_;
}

QStringList TfrmStatistiques::etiquettesBarres() const {
    return barres_->etiquettes();
}

void TfrmStatistiques::synchroniser() {
    // Charts cost milliseconds: made when the data change, or the first time the window shows.
    if (m_.numeroGraphiques != numeroVu_ || (!construits_ && m_.fenetre.visible)) {
        numeroVu_ = m_.numeroGraphiques;
        construits_ = true;
        construireGraphiques();
    }
    FenetreVue::synchroniser();
}

void TfrmStatistiques::construireGraphiques() {
    const QString axeDonnes = QString::fromStdString(m_.axeDonnes);
    // SUD's running score, deal after deal, over a grey line at zero.
    {
        auto* g = new QChart;
        const std::vector<int>& v = m_.courbe;
        const int n = std::max<int>(1, int(v.size()) - 1);
        auto* zero = new QLineSeries;
        zero->append(0, 0);
        zero->append(n, 0);
        zero->setPen(QPen(QColor(0x8a, 0x85, 0x78), 1, Qt::DashLine));
        auto* score = new QLineSeries;
        for (std::size_t i = 0; i < v.size(); ++i) score->append(qreal(i), v[i]);
        score->setPen(QPen(TRAIT, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        // Few deals show as dots too: a lone first point would be invisible otherwise.
        score->setPointsVisible(v.size() <= 25);
        score->setMarkerSize(7);
        g->addSeries(zero);
        g->addSeries(score);
        auto* x = new QValueAxis;
        // Room for the dots at both ends, which the plot area would cut in half.
        const qreal bord = score->pointsVisible() ? 0.04 * n + 0.1 : 0;
        x->setRange(-bord, n + bord);
        x->setTickType(QValueAxis::TicksDynamic);
        x->setTickAnchor(0);
        x->setTickInterval(pasDonnes(n));
        x->setLabelFormat(QStringLiteral("%d"));
        x->setTitleText(axeDonnes);
        auto* y = new QValueAxis;
        int bas = 0, haut = 0;
        for (int k : v) bas = std::min(bas, k), haut = std::max(haut, k);
        const int marge = std::max(10, (haut - bas) / 10);
        y->setRange(bas - (bas < 0 ? marge : 0), haut + marge);
        y->applyNiceNumbers();
        y->setLabelFormat(QStringLiteral("%d"));
        y->setTitleText(QString::fromStdString(m_.axePoints));
        for (QValueAxis* a : {x, y}) {
            a->setMinorTickCount(0);
            a->setGridLineColor(QColor(0xdd, 0xd6, 0xc4));
        }
        g->addAxis(x, Qt::AlignBottom);
        g->addAxis(y, Qt::AlignLeft);
        for (QLineSeries* s : {zero, score}) {
            s->attachAxis(x);
            s->attachAxis(y);
        }
        courbe_->remplacer(g);
    }
    // Per cent won as taker, by contract: a contract never taken shows no bar, one taken and
    // never won a sliver of one, and its 0 %.
    {
        auto* g = new QChart;
        auto* reussite = new QBarSet(QString());
        QStringList contrats;
        QList<int> pourcents;
        for (int k = 1; k <= 4; ++k) {
            pourcents << m_.reussites[k];
            *reussite << (m_.reussites[k] < 0 ? 0.0 : std::max(1.5, double(m_.reussites[k])));
            // Two-word contracts on two lines, as the bars are narrow.
            contrats << QStringLiteral("<center>%1</center>")
                            .arg(QString::fromStdString(m_.contrats[k])
                                     .toHtmlEscaped()
                                     .replace(QLatin1Char(' '), QStringLiteral("<br>")));
        }
        reussite->setColor(BARRE);
        reussite->setBorderColor(BARRE.darker(150));
        reussite->setLabelColor(ENCRE);
        auto* serie = new QBarSeries;
        serie->append(reussite);
        serie->setBarWidth(0.6);
        g->addSeries(serie);
        auto* x = new QBarCategoryAxis;
        x->append(contrats);
        x->setGridLineVisible(false);
        x->setTruncateLabels(false);
        auto* y = new QValueAxis;
        y->setRange(0, 100);
        y->setTickCount(6);
        y->setMinorTickCount(0);
        y->setLabelFormat(QStringLiteral("%d"));
        y->setTitleText(QString::fromStdString(m_.axePourcents));
        y->setGridLineColor(QColor(0xdd, 0xd6, 0xc4));
        g->addAxis(x, Qt::AlignBottom);
        g->addAxis(y, Qt::AlignLeft);
        serie->attachAxis(x);
        serie->attachAxis(y);
        barres_->remplacer(g);
        barres_->etiqueter(serie, pourcents);
    }
}

} // namespace quarvel::qt
