// What the table marks, looked for in the window's own pixels: the play advice's green band round
// a card (six during the discard) and the keyboard's gold outline on cards and buttons.
#include "fenetres/qt/menus_qt.h"
#include "table_qt.h"

#include <QAction>
#include <QCoreApplication>
#include <QImage>

using namespace quarvel;
using qt::TableQt;

namespace {

const QColor VERT_CONSEIL(0x1e, 0xa0, 0x5a);
const QColor OR_FOCUS(0xe0, 0xa5, 0x26);

bool proche(QRgb p, const QColor& c) {
    return qAbs(qRed(p) - c.red()) + qAbs(qGreen(p) - c.green()) + qAbs(qBlue(p) - c.blue()) < 70;
}

// Whether the left edge of the widget that shows `c` wears that colour in the picture of the
// table window. A card's left edge is the part of it the next card of the row never covers.
bool bordMarque(TableQt& t, const QImage& image, const Composant& c, const QColor& couleur) {
    QWidget* w = t.widget(c);
    if (!w || !w->isVisible()) return false;
    const QPoint o = w->mapTo(t.vue->table(), QPoint(0, 0));
    int marques = 0, total = 0;
    for (int y = w->height() / 4; y < w->height() * 3 / 4; ++y) {
        bool ligne = false;
        for (int x = 0; x <= 4; ++x)
            ligne = ligne || proche(image.pixel(o.x() + x, o.y() + y), couleur);
        marques += ligne;
        ++total;
    }
    return total > 0 && marques * 10 >= total * 8;
}

QImage photo(TableQt& t) {
    return t.vue->table()->grab().toImage();
}

// Left in the build folder for whoever wants to look.
void enregistrer(TableQt& t, const char* nom) {
    photo(t).save(QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(nom));
}

// The hand images that wear the colour, as the player sees them.
QList<int> cartesMarquees(TableQt& t, const QColor& couleur) {
    const QImage image = photo(t);
    QList<int> v;
    for (int i = 1; i <= 24; ++i)
        if (bordMarque(t, image, t.q().Carte3D[i], couleur)) v << i;
    return v;
}

// The controls among `liste` that wear the gold outline.
QList<const Composant*> focusVus(TableQt& t, std::initializer_list<const Composant*> liste) {
    const QImage image = photo(t);
    QList<const Composant*> v;
    for (const Composant* c : liste)
        if (bordMarque(t, image, *c, OR_FOCUS)) v << c;
    return v;
}

} // namespace

class TstMarques : public QObject {
    Q_OBJECT
private slots:
    void leConseilEtLeFocusSeVoientToutAuLongDUneDonne();
};

// One deal played from the keyboard with the advice asked by Ctrl+H, the light bulb and the
// menu, then shown by itself at every turn: each time, the pixels show what the model says.
// Screenshots of the bid bar, the discard and a turn are left in the build folder.
void TstMarques::leConseilEtLeFocusSeVoientToutAuLongDUneDonne() {
    TableQt t(ANGLAIS, {800, 600, 96}); // whole inside the offscreen screen
    auto& q = t.q();
    const Jeu& jeu = *t.jeu;
    t.vue->envoyer({Evt::MenuForce, 3}); // a hand that takes, so that SUD discards
    t.vue->table()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(t.vue->table()));
    auto ctrlH = [&] {
        QTest::keyClick(t.vue->table(), Qt::Key_H, Qt::ControlModifier);
        t.poser();
    };

    // The start button.
    QVERIFY(focusVus(t, {&q.PanelLancement}).isEmpty());
    t.touche(Qt::Key_Right);
    QVERIFY(q.PanelLancement.focusClavier);
    QCOMPARE(focusVus(t, {&q.PanelLancement}), QList<const Composant*>{&q.PanelLancement});
    t.touche(Qt::Key_Return);

    // The bid bar: each arrow moves the outline, one button at a time.
    for (int n = 0; n < 50 && !q.BarreEnchere.visible; ++n) t.unPas();
    QVERIFY(q.BarreEnchere.visible);
    const std::initializer_list<const Composant*> barre = {
        &q.evMaMain,    &q.ButtonPasse,     &q.ButtonPrise,
        &q.ButtonGarde, &q.ButtonGardeSans, &q.ButtonGardeContre};
    // The outline stays on show from the start button and lands on the bar.
    QCOMPARE(focusVus(t, barre).size(), 1);
    QSet<const Composant*> parcourus;
    for (int n = 0; n < 6; ++n) {
        t.touche(Qt::Key_Right);
        const QList<const Composant*> vus = focusVus(t, barre);
        QCOMPARE(vus.size(), 1);
        QVERIFY(vus.front()->focusClavier);
        parcourus.insert(vus.front());
    }
    QVERIFY(parcourus.size() >= 3);
    enregistrer(t, "marques-encheres.png");
    while (!q.evMaMain.focusClavier) t.touche(Qt::Key_Right);
    t.touche(Qt::Key_Return); // bids the advice: PRISE

    // The discard: the advice marks six cards at once, the arrows and Enter choose six.
    for (int n = 0; n < 50 && jeu.donne.phase != Phase::Ecart; ++n) t.unPas();
    QCOMPARE(jeu.donne.phase, Phase::Ecart);
    QVERIFY(cartesMarquees(t, VERT_CONSEIL).isEmpty());
    ctrlH();
    QList<int> conseil;
    for (int i = 1; i <= 24; ++i)
        if (jeu.conseil.ecart[i]) conseil << i;
    QCOMPARE(conseil.size(), 6);
    QCOMPARE(cartesMarquees(t, VERT_CONSEIL), conseil);
    enregistrer(t, "marques-ecart.png");
    for (int choisies = 0; choisies < 6; ++choisies) {
        // Right until the outline stands on a card that may go and is not chosen yet.
        for (int n = 0; n < 30; ++n) {
            t.touche(Qt::Key_Right);
            const QList<int> vus = cartesMarquees(t, OR_FOCUS);
            if (vus.size() != 1) continue;
            const int i = vus.front();
            const int source = jeu.ecart.sourceRangee[i];
            const bool libre = (source <= 18 ? jeu.ecart.selectionMain[source]
                                             : jeu.ecart.selectionChien[source - 18]) == 0;
            if (q.Carte3D[i].curseur == Curseur::Main && libre) break;
        }
        QCOMPARE(cartesMarquees(t, OR_FOCUS).size(), 1);
        t.touche(Qt::Key_Return);
        QCOMPARE(jeu.ecart.nbEcartees, choisies + 1);
    }
    while (!q.PanelConfirmeEcart.focusClavier) t.touche(Qt::Key_Right);
    QCOMPARE(focusVus(t, {&q.PanelConfirmeEcart}).size(), 1);
    t.touche(Qt::Key_Return);
    QVERIFY(jeu.donne.phase != Phase::Ecart);

    // The play: Ctrl+H, the light bulb and the menu each mark the advised card, and only it;
    // then the advice shows by itself at every turn.
    qt::BarreMenus& menus = *t.vue->table()->menus();
    int tours = 0, poignee = 0, resultat = 0;
    for (int pas = 0; pas < 4000 && !q.PanelResultat.visible; ++pas) {
        if (q.PanelPoignee.visible) {
            t.touche(Qt::Key_Right);
            QCOMPARE(focusVus(t, {&q.PanelPoigneeSimple, &q.PanelPoigneeDouble,
                                  &q.PanelPoigneeTriple, &q.PanelPoigneeAucune})
                         .size(),
                     1);
            while (!q.PanelPoigneeAucune.focusClavier) t.touche(Qt::Key_Right);
            t.touche(Qt::Key_Return);
            ++poignee;
            continue;
        }
        if (!t.tourDuJoueur()) {
            t.unPas();
            continue;
        }
        ++tours;
        if (tours == 1)
            ctrlH();
        else if (tours == 2)
            t.cliquer(q.SBConseilJeu);
        else if (tours == 3)
            menus.action(q.menuConseilJeu)->trigger();
        else if (tours == 4)
            menus.action(q.menuVoirConseilJeu)->trigger();
        t.poser();
        QVERIFY(jeu.conseil.actif);
        QCOMPARE(cartesMarquees(t, VERT_CONSEIL), QList<int>{jeu.conseil.carte});
        t.touche(Qt::Key_Right);
        if (tours == 5) enregistrer(t, "marques-carte.png");
        const QList<int> focus = cartesMarquees(t, OR_FOCUS);
        QCOMPARE(focus.size(), 1);
        QVERIFY(q.Carte3D[focus.front()].focusClavier);
        t.touche(Qt::Key_Return);
        QVERIFY(!jeu.donne.mains[SUD][focus.front()].enMain);
    }
    QCOMPARE(tours, 18);
    QVERIFY(q.PanelResultat.visible);

    // The result buttons.
    const std::initializer_list<const Composant*> boutons = {
        &q.PanelVoirMains, &q.PanelVoirPlis, &q.PanelScoreDetaille, &q.panelRejouerDonne,
        &q.PanelPanelNewPartie};
    for (int n = 0; n < 5; ++n) {
        t.touche(Qt::Key_Right);
        QCOMPARE(focusVus(t, boutons).size(), 1);
        ++resultat;
    }
    Q_UNUSED(poignee);
    QCOMPARE(resultat, 5);
}

QTEST_MAIN(TstMarques)
#include "tst_marques.moc"
