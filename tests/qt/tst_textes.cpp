// Every text the program shows fits its control, whole, in both languages, at every screen size
// and on the table window shrunk as far as it goes; run again under Qt's scale factors.
#include "fenetres/modele/dessin.h"
#include "table_qt.h"

#include <QAbstractButton>
#include <QApplication>

using namespace quarvel;
using qt::TableQt;

class TstTextes : public QObject {
    Q_OBJECT
private slots:
    void chaqueTexteTientDansSonControle();
};

namespace {

QStringList textesCoupes(qt::Vue& vue) {
    QStringList coupes;
    for (ControleVue* c : vue.controles()) {
        // A button that shows a glyph alone says what it does in a tool tip.
        if (auto* b = qobject_cast<QAbstractButton*>(c->widget());
            b && b->isVisible() && b->text().isEmpty() && b->toolTip().isEmpty())
            coupes
                << QStringLiteral("no tool tip on a button of %1").arg(b->window()->objectName());
        if (c->texteTient()) continue;
        QWidget* w = c->widget();
        QString texte = w->accessibleName();
        if (auto* b = qobject_cast<QAbstractButton*>(w)) texte = b->text();
        if (auto* p = dynamic_cast<VuePanneau*>(c)) texte = p->texte();
        coupes << QStringLiteral("\"%1\" in %2x%3").arg(texte).arg(w->width()).arg(w->height());
    }
    return coupes;
}

} // namespace

void TstTextes::chaqueTexteTientDansSonControle() {
    for (int langue : {FRANCAIS, ANGLAIS}) {
        // 0 x 0: the table window on a large screen, then made as small as it lets itself be.
        for (Ecran ecran :
             {Ecran{800, 600, 96}, Ecran{1024, 768, 96}, Ecran{1920, 1080, 96}, Ecran{0, 0, 96}}) {
            const bool reduite = ecran.largeur == 0;
            if (reduite) ecran = {1920, 1080, 96};
            const QString ou = QStringLiteral("%1 at %2x%3: ")
                                   .arg(langue == FRANCAIS ? "French" : "English")
                                   .arg(reduite ? 0 : ecran.largeur)
                                   .arg(reduite ? 0 : ecran.hauteur);
            TableQt t(LANGUE_AUCUNE, ecran);
            QStringList coupes = textesCoupes(*t.vue);
            t.cliquer(langue == FRANCAIS ? t.jeu->fen.frmSplash.PanelStartFrench
                                         : t.jeu->fen.frmSplash.PanelStartEnglish);
            if (reduite) {
                QWidget* table = t.vue->table();
                QApplication::processEvents(); // its first size taken
                table->showNormal();
                // Larger first: under a scale factor the screen itself may be under the minimum.
                for (QSize taille : {QSize(1000, 760), QSize(300, 200)}) {
                    table->resize(taille);
                    for (int i = 0; i < 5; ++i) QApplication::processEvents();
                }
                QCOMPARE(t.vue->table()->fond()->size(),
                         QSize(LARGEUR_CLIENT_MIN, HAUTEUR_CLIENT_MIN));
                QCOMPARE(t.jeu->disposition.largeurEcran, LARGEUR_CLIENT_MIN);
            }
            coupes << textesCoupes(*t.vue);
            // A whole deal, then its review windows, so that every text has been written once.
            t.cliquer(t.q().PanelLancement);
            for (int n = 0; n < 3000 && !t.q().PanelResultat.visible; ++n) t.unPas();
            QVERIFY(t.q().PanelResultat.visible);
            for (const Composant* b :
                 {&t.q().PanelVoirMains, &t.q().PanelVoirPlis, &t.q().PanelScoreDetaille}) {
                t.cliquer(*b);
                coupes << textesCoupes(*t.vue);
            }
            // The statistics, with that deal counted, and the high scores, from the menu.
            for (Evt menu : {Evt::MenuStatistiques, Evt::MenuMeilleursScores}) {
                t.vue->envoyer({menu});
                coupes << textesCoupes(*t.vue);
            }
            coupes.removeDuplicates();
            QVERIFY2(coupes.isEmpty(), qPrintable(ou + coupes.join(QStringLiteral(", "))));
        }
    }
}

QTEST_MAIN(TstTextes)
#include "tst_textes.moc"
