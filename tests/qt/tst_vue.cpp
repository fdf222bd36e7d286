// The pieces around the table: card faces, the screen, the review windows, printing and help.
#include "fenetres/qt/aide.h"
#include "fenetres/qt/cache_cartes.h"
#include "fenetres/qt/ecran.h"
#include "fenetres/qt/frm_challenge.h"
#include "fenetres/qt/plateforme_qt.h"
#include "table_qt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QColorDialog>
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QLineEdit>
#include <QLineSeries>
#include <QMessageBox>
#include <QPageLayout>
#include <QPainter>
#include <QPdfDocument>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>

using namespace quarvel;
using qt::TableQt;

class TstVue : public QObject {
    Q_OBJECT
private slots:
    void lesFacesSontNettesAToutesLesTailles();
    void unEcranLargeGardeLaFormeDesCartes();
    void lesFenetresDeRevueSuiventLeModele();
    void lesStatistiquesDessinentLeursGraphiques();
    void leDialogueDePoigneeNaPasDeCaseDeFermeture();
    void limpressionVaDansLeFichierPdf();
    void laideMontreLaPageOuDitQuElleManque();
    void lesPagesDAideSeTrouventAussiUneFoisInstallees();
    void lesMinuteriesSuiventCellesDuModele();
    void lesCouleursPassentDuModeleAQtEtRetour();
    void lesBoitesDeDialogueRepondentCommeLUtilisateur();
    void laTableSeRedisposeQuandLaFenetreChangeDeTaille();
};

void TstVue::lesFacesSontNettesAToutesLesTailles() {
    CacheCartes cache;
    QPixmap simple = cache.face(QStringLiteral("ATOUT22"), QSize(90, 150), 1.0);
    QPixmap double_ = cache.face(QStringLiteral("ATOUT22"), QSize(90, 150), 2.0);
    QCOMPARE(simple.size(), QSize(90, 150));
    QCOMPARE(double_.size(), QSize(180, 300)); // drawn for the device pixels, not scaled up
    QCOMPARE(double_.devicePixelRatio(), 2.0);
    // Drawn once per size: the same pixmap comes back.
    QCOMPARE(cache.face(QStringLiteral("ATOUT22"), QSize(90, 150), 1.0).cacheKey(),
             simple.cacheKey());
    QImage image = simple.toImage();
    QCOMPARE(QColor(image.pixel(45, 75)).alpha(), 255); // the face is painted, not left empty
    // Every card of the pack has its face.
    for (int n = 1; n <= 78; ++n) {
        QString nom = QString::fromLatin1(nomBitmapC(carteDuNumero(n)));
        QVERIFY2(QFile::exists(QStringLiteral(":/cartes/%1.svg").arg(nom)), qPrintable(nom));
    }
    // A face that does not exist still shows a card with its name rather than nothing.
    QImage manquante = cache.face(QStringLiteral("NULLE"), QSize(60, 100), 1.0).toImage();
    QCOMPARE(QColor::fromRgba(manquante.pixel(30, 50)).alpha(), 255);
    // The corner of a small review image is the card's index, not the whole card squeezed.
    QImage coin = cache.coin(QStringLiteral("PIQUE13"), QSize(30, 50), 1.0).toImage();
    QImage entiere = cache.face(QStringLiteral("PIQUE13"), QSize(30, 50), 1.0).toImage();
    QVERIFY(coin != entiere);
}

void TstVue::unEcranLargeGardeLaFormeDesCartes() {
    Ecran large = qt::ecranDeJeu(QSize(1920, 1080), 96);
    QCOMPARE(large.largeur, 1440);
    QCOMPARE(large.hauteur, 1080);
    Ecran normal = qt::ecranDeJeu(QSize(1024, 768), 96);
    QCOMPARE(normal.largeur, 1024);
    QCOMPARE(normal.hauteur, 768);
    QCOMPARE(qt::ecranDeJeu(QSize(1280, 1024), 120.4).ppp, 120);
    QCOMPARE(qt::ecranDeJeu(QSize(800, 600), 0).ppp, 96);
}

void TstVue::lesFenetresDeRevueSuiventLeModele() {
    TableQt t;
    t.cliquer(t.q().PanelLancement);
    for (int n = 0; n < 4000 && !t.q().PanelResultat.visible; ++n) t.unPas();
    QVERIFY(t.q().PanelResultat.visible);

    t.cliquer(t.q().PanelVoirMains);
    QWidget* mains = t.vue->fenetre(4);
    QVERIFY(mains->isVisible());
    QCOMPARE(mains->windowModality(), Qt::ApplicationModal);
    const TfrmMains& m = t.jeu->fen.frmMains;
    for (Siege s : SIEGES)
        for (int i = 1; i <= 18; ++i) {
            auto* image = static_cast<VueCarte*>(t.widget(m.ImagesMains[s][i]));
            QCOMPARE(image->nom(),
                     QString::fromLatin1(nomBitmapC(t.jeu->donne.mainsDonnees[s][i])));
            QCOMPARE(image->parentWidget(), t.widget(m.PanelsMains[s]));
        }
    // The discard frames sit in the panel their card comes from.
    for (int k = 1; k <= 6; ++k) {
        QWidget* cadre = t.widget(m.Cadres[k]);
        QCOMPARE(cadre->isHidden(), !m.Cadres[k].visible);
        if (m.parentCadre[k] >= 1 && m.parentCadre[k] <= 4)
            QCOMPARE(cadre->parentWidget(), t.widget(m.PanelsMains[m.parentCadre[k]]));
        else if (m.parentCadre[k] == 5)
            QCOMPARE(cadre->parentWidget(), t.widget(m.PanelChienAvantEcart));
    }
    // The close box is the OK button.
    mains->close();
    QVERIFY(!t.jeu->fen.frmMains.fenetre.visible);
    QVERIFY(!mains->isVisible());

    t.cliquer(t.q().PanelVoirPlis);
    QWidget* plis = t.vue->fenetre(6);
    QVERIFY(plis->isVisible());
    const TfrmTousPlis& p = t.jeu->fen.frmTousPlis;
    int montrees = 0;
    for (int i = 1; i <= 72; ++i) montrees += t.widget(p.Images[i])->isHidden() ? 0 : 1;
    QCOMPARE(montrees, 72);
    t.cliquer(p.PanelEffacer);
    for (int i = 1; i <= 72; ++i) QVERIFY(t.widget(p.Images[i])->isHidden());
    t.cliquer(p.PanelVoirTout);
    for (int i = 1; i <= 72; ++i) QVERIFY(!t.widget(p.Images[i])->isHidden());
    t.cliquer(p.PanelPlisOk);
    QVERIFY(!plis->isVisible());

    t.cliquer(t.q().PanelScoreDetaille);
    QWidget* score = t.vue->fenetre(5);
    QVERIFY(score->isVisible());
    auto* preneur = static_cast<VuePanneau*>(t.widget(t.jeu->fen.frmScoreDetaille.panelPreneur));
    QCOMPARE(preneur->texte(), QStringLiteral("TAKER"));
    QTest::keyClick(score, Qt::Key_Escape);
    QVERIFY(!score->isVisible());
}

namespace {

// Pixels of about that colour inside a widget's place in a window's picture.
int pixelsDeCouleur(const QImage& image, const QRect& zone, const QColor& couleur) {
    const qreal r = image.devicePixelRatio();
    const QRect pixels =
        QRectF(QPointF(zone.topLeft()) * r, QSizeF(zone.size()) * r).toRect() & image.rect();
    int n = 0;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        for (int x = pixels.left(); x <= pixels.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            n += qAbs(c.red() - couleur.red()) + qAbs(c.green() - couleur.green()) +
                     qAbs(c.blue() - couleur.blue()) <
                 40;
        }
    return n;
}

void enregistrer(const QImage& image, const char* nom) {
    image.save(QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(nom));
}

} // namespace

// The statistics window draws SUD's record, line and bars, in the picture printing uses; the
// high-score window shows the three tables. Screenshots of both are left in the build folder.
void TstVue::lesStatistiquesDessinentLeursGraphiques() {
    TableQt t;
    Statistiques& s = t.jeu->reglages.statistiques;
    StatistiquesNiveau& niveau = s.niveaux[2];
    niveau.donnes = 3;
    niveau.prises[1] = 2;
    niveau.prisesGagnees[1] = 1;
    niveau.prises[2] = 1;
    niveau.prisesGagnees[2] = 1;
    niveau.prises[4] = 2; // taken twice, never won
    niveau.defenses = 1;
    const int scores[] = {40, -80, 120};
    for (int k = 1; k <= 3; ++k) s.dernieres[k] = scores[k - 1];
    s.nbDernieres = 3;
    t.vue->envoyer({Evt::MenuStatistiques});
    auto* fenetre = t.vue->statistiques();
    QCOMPARE(t.vue->fenetre(8), fenetre);
    QVERIFY(fenetre->isVisible());
    QCOMPARE(fenetre->windowModality(), Qt::ApplicationModal);
    QApplication::processEvents();

    const TfrmStatistiques& m = t.jeu->fen.frmStatistiques;
    QChartView* courbe = fenetre->courbe();
    QChartView* barres = fenetre->barres();
    QCOMPARE(barres->geometry(),
             QRect(m.Barres.geo.left, m.Barres.geo.top, m.Barres.geo.width, m.Barres.geo.height));
    QVERIFY(!courbe->chart()->series().isEmpty() && !barres->chart()->series().isEmpty());
    auto* score = qobject_cast<QLineSeries*>(courbe->chart()->series().constLast());
    QVERIFY(score);
    QCOMPARE(score->count(), 4);
    QCOMPARE(score->at(3), QPointF(3, 80));
    auto* reussites = qobject_cast<QBarSeries*>(barres->chart()->series().constFirst());
    QVERIFY(reussites);
    QBarSet* barre = reussites->barSets().constFirst();
    QCOMPARE(barre->count(), 4);
    QCOMPARE(barre->at(0), 50.0);
    QCOMPARE(barre->at(1), 100.0);
    QCOMPARE(barre->at(2), 0.0); // never taken: an empty bar
    // The figure of each bar taken, the bar at 0 % included, and a sliver of that bar.
    QCOMPARE(fenetre->etiquettesBarres(),
             (QStringList{QStringLiteral("50 %"), QStringLiteral("100 %"), QStringLiteral("0 %")}));
    const QPoint pied = barres->mapFromScene(
        barres->chart()->mapToScene(barres->chart()->mapToPosition(QPointF(3, 0), reussites)));

    // Both charts are in the window's picture, the one printing uses, drawn and not blank.
    QImage image = fenetre->grab().toImage();
    enregistrer(image, "statistiques.png");
    QVERIFY(pixelsDeCouleur(image, courbe->geometry(), score->color()) > 100);
    QVERIFY(pixelsDeCouleur(image, barres->geometry(), barre->color()) > 500);
    const QPoint piedDansFenetre = barres->mapTo(fenetre, pied);
    QVERIFY(pixelsDeCouleur(image, QRect(piedDansFenetre - QPoint(6, 6), QSize(12, 7)),
                            barre->color()) > 0);

    // A re-sync without new figures keeps the charts; a reset draws them again, empty.
    QChart* avant = courbe->chart();
    t.vue->synchroniser();
    QCOMPARE(courbe->chart(), avant);
    t.vue->envoyer({Evt::StatistiquesEffacer});
    QVERIFY(courbe->chart() != avant);
    QApplication::processEvents();
    score = qobject_cast<QLineSeries*>(courbe->chart()->series().value(1));
    QVERIFY(score);
    QCOMPARE(score->count(), 1);
    image = fenetre->grab().toImage();
    QVERIFY(pixelsDeCouleur(image, courbe->geometry(), score->color()) > 10);
    fenetre->close();
    QVERIFY(!fenetre->isVisible());

    t.jeu->reglages.nomHighScoreChallenge[2][1] = "Amandine";
    t.jeu->reglages.highScoreChallenge[2][1] = 812;
    t.vue->envoyer({Evt::MenuMeilleursScores});
    QWidget* tableaux = t.vue->fenetre(7);
    QCOMPARE(tableaux, t.vue->meilleursScores());
    QVERIFY(tableaux->isVisible());
    const TfrmMeilleursScores& h = t.jeu->fen.frmMeilleursScores;
    int noms = 0;
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 4; ++j) noms += t.widget(h.noms[i][j])->isVisible();
    QCOMPARE(noms, 12);
    auto* premier = static_cast<VuePanneau*>(t.widget(h.noms[2][1]));
    QVERIFY(premier->texte().contains(QStringLiteral("Amandine")));
    QCOMPARE(static_cast<VuePanneau*>(t.widget(h.points[2][1]))->texte(), QStringLiteral("812"));
    enregistrer(tableaux->grab().toImage(), "meilleurs-scores.png");
    QTest::keyClick(tableaux, Qt::Key_Escape);
    QVERIFY(!tableaux->isVisible());
}

void TstVue::leDialogueDePoigneeNaPasDeCaseDeFermeture() {
    TableQt t;
    QWidget* dlg = t.vue->fenetre(2);
    QVERIFY(!(dlg->windowFlags() & Qt::WindowCloseButtonHint));
    QCOMPARE(dlg->windowModality(), Qt::ApplicationModal);
    t.jeu->fen.frmPoignee.fenetre.visible = true;
    t.vue->synchroniser();
    QVERIFY(dlg->isVisible());
    QVERIFY(!dlg->close()); // only its buttons close it
    QVERIFY(dlg->isVisible());
}

// Each review window printed to a PDF file: everything drawn lies inside the page's printable
// rectangle, and the picture uses the page.
void TstVue::limpressionVaDansLeFichierPdf() {
    TableQt t;
    t.cliquer(t.q().PanelLancement);
    for (int n = 0; n < 3000 && !t.q().PanelResultat.visible; ++n) t.unPas();
    QVERIFY(t.q().PanelResultat.visible);
    QTemporaryDir dossier;
    qt::PlateformeQt plateforme(*t.vue);
    for (FenetreImprimee f :
         {FenetreImprimee::TousPlis, FenetreImprimee::Mains, FenetreImprimee::ScoreDetaille,
          FenetreImprimee::MeilleursScores, FenetreImprimee::Statistiques}) {
        const QString pdf = dossier.filePath(QStringLiteral("page%1.pdf").arg(int(f)));
        qputenv("QUARVEL_PDF", pdf.toLocal8Bit());
        QVERIFY(plateforme.imprimer(f, "Quarvel \u2014 Deal #1"));
        qunsetenv("QUARVEL_PDF");
        QPdfDocument document;
        QCOMPARE(document.load(pdf), QPdfDocument::Error::None);
        // One pixel a point, on white paper.
        const QSizeF feuille = document.pagePointSize(0);
        QPrinter modele(QPrinter::HighResolution);
        modele.setOutputFormat(QPrinter::PdfFormat);
        modele.setPageOrientation(feuille.width() > feuille.height() ? QPageLayout::Landscape
                                                                     : QPageLayout::Portrait);
        const QRectF imprimable = modele.pageLayout().paintRect(QPageLayout::Point);
        const QImage rendu = document.render(0, feuille.toSize());
        QImage page(rendu.size(), QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter(&page).drawImage(0, 0, rendu);
        QRect encre;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (qGray(page.pixel(x, y)) < 245) encre |= QRect(x, y, 1, 1);
        QVERIFY2(imprimable.adjusted(-1, -1, 1, 1).contains(QRectF(encre)),
                 qPrintable(QStringLiteral("ink %1,%2 %3x%4 outside %5,%6 %7x%8")
                                .arg(encre.x())
                                .arg(encre.y())
                                .arg(encre.width())
                                .arg(encre.height())
                                .arg(imprimable.x())
                                .arg(imprimable.y())
                                .arg(imprimable.width())
                                .arg(imprimable.height())));
        QVERIFY(encre.width() > imprimable.width() * 0.6 ||
                encre.height() > imprimable.height() * 0.6);

        // The content alone: where each button of the window stands, the printed picture shows
        // the window's background only (each row of one colour), and the buttons are left as
        // they were.
        const int numeros[] = {6, 4, 5, 7, 8};
        QWidget* w = t.vue->fenetre(numeros[int(f)]);
        QRect zone;
        const QImage image = qt::imageAImprimer(w, &zone);
        int boutons = 0;
        for (QAbstractButton* b : w->findChildren<QAbstractButton*>()) {
            if (!b->isVisibleTo(w)) continue;
            ++boutons;
            const QRect r = QRect(b->mapTo(w, QPoint(0, 0)), b->size())
                                .intersected(zone)
                                .translated(-zone.topLeft());
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    QVERIFY2(image.pixel(x, y) == image.pixel(r.left(), y),
                             qPrintable(b->text() + QStringLiteral(" printed")));
        }
        QVERIFY(boutons >= 2);
    }
}

void TstVue::laideMontreLaPageOuDitQuElleManque() {
    TableQt t;
    QTemporaryDir dossier;
    QString page = dossier.filePath(QStringLiteral("quarvelus.html"));
    QFile f(page);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("<html><head><title>Aide test</title></head><body><h1>Rules</h1></body></html>");
    f.close();
    qt::PlateformeQt plateforme(*t.vue);
    plateforme.ouvrirAide(page.toStdString());
    QVERIFY(t.vue->aide()->isVisible());
    QCOMPARE(t.vue->aide()->pageOuverte(), QFileInfo(page).absoluteFilePath());
    QVERIFY(t.vue->aide()->navigateur()->toPlainText().contains(QStringLiteral("Rules")));
    // Escape and Ctrl+W close it.
    for (QKeyCombination touche : {QKeyCombination(Qt::Key_Escape), Qt::CTRL | Qt::Key_W}) {
        plateforme.ouvrirAide(page.toStdString());
        QVERIFY(QTest::qWaitForWindowActive(t.vue->aide()));
        QTest::keyClick(t.vue->aide()->navigateur(), touche.key(), touche.keyboardModifiers());
        QVERIFY(!t.vue->aide()->isVisible());
    }
    plateforme.ouvrirAide(dossier.filePath(QStringLiteral("absente/nulle.html")).toStdString());
    QVERIFY(t.vue->aide()->pageOuverte().isEmpty());
    QVERIFY(t.vue->aide()->navigateur()->toPlainText().contains(
        QStringLiteral("The help page cannot be found")));
}

void TstVue::lesPagesDAideSeTrouventAussiUneFoisInstallees() {
    QTemporaryDir racine;
    QDir(racine.path()).mkpath(QStringLiteral("bin"));
    QDir(racine.path()).mkpath(QStringLiteral("share/quarvel"));
    QString bin = racine.filePath(QStringLiteral("bin"));
    QString partage = racine.filePath(QStringLiteral("share/quarvel"));
    // Nothing anywhere: the program's own folder.
    QCOMPARE(qt::dossierAide(bin), bin);
    // Installed beside bin/ under share/quarvel.
    QFile f(partage + QStringLiteral("/quarvelfr.html"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    QCOMPARE(qt::dossierAide(bin), QDir::cleanPath(partage));
    // Beside the program (the build folder) comes first.
    QFile g(bin + QStringLiteral("/quarvelfr.html"));
    QVERIFY(g.open(QIODevice::WriteOnly));
    g.close();
    QCOMPARE(qt::dossierAide(bin), bin);
}

void TstVue::lesMinuteriesSuiventCellesDuModele() {
    TableQt t;
    t.vue->setHorlogeVirtuelle(false); // real timers, but the event loop is never run here
    Minuterie& m = t.jeu->minuteries.TimerEntreCarte;
    const QTimer* timer = t.vue->minuterie(m);
    QVERIFY(timer);
    QVERIFY(!timer->isActive());
    m.interval = 400;
    m.demarrer(t.jeu->maintenant);
    t.vue->synchroniser();
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 400);
    // A new interval reaches the running timer.
    m.interval = 1000;
    m.demarrer(t.jeu->maintenant);
    t.vue->synchroniser();
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 1000);
    m.arreter();
    t.vue->synchroniser();
    QVERIFY(!timer->isActive());
    // The virtual clock stops every real timer.
    m.demarrer(t.jeu->maintenant);
    t.vue->setHorlogeVirtuelle(true);
    QVERIFY(!timer->isActive());
}

void TstVue::lesCouleursPassentDuModeleAQtEtRetour() {
    // 0x00BBGGRR: the default background 0x404000 is a dark teal.
    QCOMPARE(couleurQt(0x404000), QColor(0x00, 0x40, 0x40));
    QCOMPARE(couleurQt(couleurRGB(0x9CD7F3)), QColor(0x9C, 0xD7, 0xF3));
    QCOMPARE(couleurModele(QColor(0x12, 0x34, 0x56)), 0x563412);
    QCOMPARE(couleurModele(couleurQt(0x00ABCDEF)), 0x00ABCDEF);
}

void TstVue::lesBoitesDeDialogueRepondentCommeLUtilisateur() {
    TableQt t(FRANCAIS);
    qt::PlateformeQt plateforme(*t.vue);
    QString titre, oui;
    auto repondre = [&](QMessageBox::StandardButton bouton) {
        QTimer::singleShot(0, [&, bouton] {
            auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(boite);
            titre = boite->windowTitle();
            oui = boite->button(QMessageBox::Yes)->text();
            boite->button(bouton)->click();
        });
    };
    repondre(QMessageBox::Yes);
    QVERIFY(plateforme.question("QUARVEL 99.2", "Voulez-vous ?"));
    QCOMPARE(titre, QStringLiteral("QUARVEL 99.2"));
    QCOMPARE(oui, QStringLiteral("&Oui"));
    repondre(QMessageBox::No);
    QVERIFY(!plateforme.question("QUARVEL 99.2", "Voulez-vous ?"));

    // The colour dialog opens on the current colour and gives back the chosen one.
    QColor ouverte;
    QTimer::singleShot(0, [&] {
        auto* dlg = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
        QVERIFY(dlg);
        ouverte = dlg->currentColor();
        dlg->setCurrentColor(QColor(0x11, 0x22, 0x33));
        dlg->accept();
    });
    int couleur = 0x404000;
    QVERIFY(plateforme.choisirCouleur(couleur));
    QCOMPARE(ouverte, QColor(0x00, 0x40, 0x40));
    QCOMPARE(couleur, 0x332211);
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    QVERIFY(!plateforme.choisirCouleur(couleur));
    QCOMPARE(couleur, 0x332211);

    // The name dialog offers the model's answer, and the field takes no flood of characters.
    QString offert;
    QTimer::singleShot(0, [&] {
        auto* dlg = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        QVERIFY(dlg);
        offert = dlg->textValue();
        auto* ligne = dlg->findChild<QLineEdit*>();
        QVERIFY(ligne);
        QTest::keyClicks(ligne, QString(100, QLatin1Char('x')));
        dlg->accept();
    });
    std::string nom = "Zelbin";
    QVERIFY(plateforme.demanderTexte(PRODUIT, "Votre nom :", nom));
    QCOMPARE(offert, QStringLiteral("Zelbin"));
    QCOMPARE(nom, std::string(64, 'x'));

    // Qt's own dialogs speak the game's language.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annuler"));
}

// Restored from maximised to a small window: the table is laid out again, cards included, 4:3 and
// centred, and the game goes on.
void TstVue::laTableSeRedisposeQuandLaFenetreChangeDeTaille() {
    TableQt t;
    t.cliquer(t.q().PanelLancement);
    QVERIFY(t.jusquAuTourDuJoueur());
    QApplication::processEvents();
    const int avant = t.widget(t.q().Carte3D[1])->height();
    QWidget* table = t.vue->table();
    table->showNormal();
    table->resize(700, 420);
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    QVERIFY(t.widget(t.q().Carte3D[1])->height() < avant);
    const QWidget* scene = t.vue->table()->scene();
    const QWidget* fond = t.vue->table()->fond();
    QVERIFY(scene->height() <= fond->height());
    QVERIFY(qAbs(scene->x() - (fond->width() - scene->width()) / 2) <= 1);
    QVERIFY(t.widget(t.q().Carte3D[1])->geometry().bottom() <= scene->height());
    const int plis = t.jeu->donne.numeroPli;
    while (t.jeu->donne.numeroPli == plis && t.jeu->donne.numeroPli <= 18) t.unPas();
    QVERIFY(t.jeu->donne.numeroPli > plis);
}

QTEST_MAIN(TstVue)
#include "tst_vue.moc"
