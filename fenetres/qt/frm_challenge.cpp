#include "fenetres/qt/frm_challenge.h"

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

using P = VuePanneau::Style;

constexpr Qt::WindowFlags REVUE =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
// The felt of the table, as the previous-trick window.
const QColor FOND(0x1d, 0x5e, 0x3a);
const QColor PAPIER(0xfb, 0xf8, 0xef);
const QColor ENCRE(0x1b, 0x1b, 0x1f);
const QColor TRAIT(0x24, 0x5b, 0x93);
const QColor BARRE(0xe0, 0xa5, 0x26);

VueBouton* boutonIcone(QWidget* parent, CacheCartes& cache, const char* icone) {
    auto* b = new VueBouton(parent, "revue");
    b->setIcone(&cache, QString::fromLatin1(icone), true);
    return b;
}

QFont policePixels(const QFont& base, int pixels, bool gras) {
    QFont f = base;
    f.setPixelSize(std::max(9, pixels));
    f.setBold(gras);
    return f;
}

// A step between labelled deals that leaves at most about eight of them.
int pasDonnes(int n) {
    for (int pas : {1, 2, 5, 10, 20, 25, 50})
        if (n <= pas * 8) return pas;
    return 100;
}

} // namespace

// A chart at the place of its component: the model gives the place and the title, each new chart
// handed to it brings the data; the fonts follow the chart's size.
class VueGraphique : public QChartView, public ControleVue {
public:
    explicit VueGraphique(QWidget* parent) : QChartView(parent) {
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
    QWidget* widget() override { return this; }

    // Replaces the chart; the old one goes with its series and axes, and its figures.
    void remplacer(QChart* graphique) {
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

    // Each bar's figure, drawn here rather than by the series, which shows none on a bar of
    // 0 %: over the bar, or inside its top when it reaches the top of the chart.
    void etiqueter(QBarSeries* serie, const QList<int>& pourcents) {
        for (int k = 0; k < pourcents.size(); ++k) {
            if (pourcents[k] < 0) continue; // never taken: nothing to tell
            auto* e =
                new QGraphicsSimpleTextItem(QStringLiteral("%1 %").arg(pourcents[k]), chart());
            e->setBrush(ENCRE);
            e->setZValue(1000); // over the bars
            etiquettes_.push_back({e, serie, k, pourcents[k]});
        }
        ajusterPolices();
    }
    // The figures drawn over the bars, for the tests.
    QStringList etiquettes() const {
        QStringList v;
        for (const Etiquette& e : etiquettes_) v << e.texte->text();
        return v;
    }

protected:
    void suivrePropre(const Composant& c, const Composant& avant, bool premier) override {
        if (premier || c.caption != avant.caption) {
            titre_ = QString::fromStdString(c.caption);
            chart()->setTitle(titre_);
        }
        if (premier || c.geo.height != avant.geo.height) {
            hauteur_ = c.geo.height;
            ajusterPolices();
        }
    }

private:
    void ajusterPolices() {
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
    void placerEtiquettes() {
        for (const Etiquette& e : etiquettes_) {
            const QRectF r = e.texte->boundingRect();
            const QPointF sommet = chart()->mapToPosition(QPointF(e.barre, e.valeur), e.serie);
            const bool dedans = sommet.y() - r.height() - 2 < chart()->plotArea().top();
            e.texte->setPos(sommet.x() - r.width() / 2,
                            dedans ? sommet.y() + 2 : sommet.y() - r.height() - 2);
        }
    }
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

TfrmMeilleursScores::TfrmMeilleursScores(Vue& vue, const quarvel::TfrmMeilleursScores& m)
    : FenetreVue(vue, m.fenetre, Evenement{Evt::MeilleursScoresOk}, REVUE, FOND) {
    setObjectName(QStringLiteral("frmMeilleursScores"));
    setWindowModality(Qt::ApplicationModal);
    for (int i = 1; i <= 3; ++i) {
        liens_.lier(m.titres[i], new VuePanneau(this, P::Titre))->setPoliceDefaut(12);
        for (int j = 1; j <= 4; ++j) {
            auto* nom = liens_.lier(
                m.noms[i][j], new VuePanneau(this, P::Cadre, Qt::AlignLeft | Qt::AlignVCenter));
            nom->setGras(false);
            nom->setPoliceDefaut(10);
            auto* points = liens_.lier(
                m.points[i][j], new VuePanneau(this, P::Cadre, Qt::AlignRight | Qt::AlignVCenter));
            points->setPoliceDefaut(10);
            // The leader of each table stands out.
            if (j == 1) points->setCouleurDefaut(QColor(0xf6, 0xe2, 0xa3));
        }
    }
    liens_.lier(m.panelDernier, new VuePanneau(this, P::Etiquette))->setPoliceDefaut(11);
    CacheCartes& cache = vue.cartes();
    liens_.lier(m.buttonImprimer, boutonIcone(this, cache, "imprimer"),
                {Evt::MeilleursScoresImprimer});
    liens_.lier(m.PanelOk, new VueBouton(this, "revue"), {Evt::MeilleursScoresOk});
}

TfrmStatistiques::TfrmStatistiques(Vue& vue, const quarvel::TfrmStatistiques& m)
    : FenetreVue(vue, m.fenetre, Evenement{Evt::StatistiquesOk}, REVUE, FOND), m_(m) {
    setObjectName(QStringLiteral("frmStatistiques"));
    setWindowModality(Qt::ApplicationModal);
    for (int l = 1; l <= LIGNES_STATISTIQUES; ++l)
        for (int c = 1; c <= COLONNES_STATISTIQUES; ++c) {
            const Composant& k = m.cellules[l][c];
            VuePanneau* p;
            if (c == 1)
                p = liens_.lier(
                    k, new VuePanneau(this, P::Etiquette, Qt::AlignLeft | Qt::AlignVCenter));
            else if (l == 1)
                p = liens_.lier(k, new VuePanneau(this, P::Etiquette));
            else {
                p = liens_.lier(k, new VuePanneau(this, P::Cadre));
                p->setGras(c == COLONNES_STATISTIQUES);
                // The column of all levels apart from the others.
                if (c == COLONNES_STATISTIQUES) p->setCouleurDefaut(QColor(0xf6, 0xe2, 0xa3));
            }
            p->setPoliceDefaut(9);
        }
    courbe_ = liens_.lier(m.Courbe, new VueGraphique(this));
    barres_ = liens_.lier(m.Barres, new VueGraphique(this));
    CacheCartes& cache = vue.cartes();
    liens_.lier(m.buttonEffacer, boutonIcone(this, cache, "effacer"), {Evt::StatistiquesEffacer});
    liens_.lier(m.buttonImprimer, boutonIcone(this, cache, "imprimer"),
                {Evt::StatistiquesImprimer});
    liens_.lier(m.PanelOk, new VueBouton(this, "revue"), {Evt::StatistiquesOk});
}

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
