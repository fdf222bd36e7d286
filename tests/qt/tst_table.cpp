// The main window driven by real clicks and keys: cards, the space bar, the function keys, menus.
#include "fenetres/modele/controles.h"
#include "fenetres/modele/menus.h"
#include "fenetres/qt/menus_qt.h"
#include "table_qt.h"

#include <QAction>
#include <QActionGroup>
#include <QMenuBar>
#include <QPushButton>

using namespace quarvel;
using qt::BarreMenus;
using qt::TableQt;

namespace {

// Every control of the main window shows what its component says: shown or hidden, place, text.
QString ecarts(TableQt& t) {
    QStringList e;
    for (const quarvel::Controle& c : controles(t.q())) {
        if (c.genre == Genre::Fenetre) continue;
        ControleVue* v = t.vue->controle(*c.composant);
        if (!v) {
            e << QString::fromStdString(c.nom) + ": no widget";
            continue;
        }
        QWidget* w = v->widget();
        const Composant& m = *c.composant;
        QString nom = QString::fromStdString(c.nom);
        if (w->isHidden() == m.visible) e << nom + ": visibility";
        if (w->testAttribute(Qt::WA_Disabled) == m.enabled) e << nom + ": enabled";
        if (v->ancrage == ControleVue::Ancrage::Aucun &&
            w->geometry() != QRect(m.geo.left, m.geo.top, m.geo.width, m.geo.height))
            e << nom + ": geometry";
        if (auto* p = dynamic_cast<VuePanneau*>(w);
            p && p->texte() != QString::fromStdString(m.caption))
            e << nom + ": text";
        if (auto* b = dynamic_cast<VueBouton*>(w);
            b && b->text() != QString::fromStdString(m.caption))
            e << nom + ": caption";
        if (auto* k = dynamic_cast<VueCarte*>(w);
            k && k->nom() != QLatin1String(nomBitmapC(m.carte)))
            e << nom + ": card";
    }
    return e.join(QStringLiteral(", "));
}

} // namespace

class TstTable : public QObject {
    Q_OBJECT
private slots:
    void laLangueMontreLaTable();
    void lesWidgetsSuiventLeModeleToutAuLongDUneDonne();
    void unClicSurUneCarteLaJoueSeulementSiElleEstJouable();
    void laBarreDEspaceContinue();
    void laToucheF2Distribue();
    void chaqueCommandeDeMenuChangeSonOptionEtSaCoche();
    void unNiveauRefuseGardeSaCoche();
    void uneDonneEntiereAuClavier();
    void uneCarteJoueeGlisseJusquASaPlace();
    void leTropheeDeLaBarreLanceUnChallenge();
};

void TstTable::laLangueMontreLaTable() {
    TableQt t(LANGUE_AUCUNE);
    QVERIFY(t.vue->fenetre(0)->isVisible());
    QVERIFY(!t.vue->table()->isVisible());
    auto* anglais = qobject_cast<QPushButton*>(t.widget(t.jeu->fen.frmSplash.PanelStartEnglish));
    QVERIFY(anglais && anglais->isVisible());
    QCOMPARE(anglais->text(), QStringLiteral("English version"));
    t.cliquer(t.jeu->fen.frmSplash.PanelStartEnglish);
    QVERIFY(!t.vue->fenetre(0)->isVisible());
    QVERIFY(t.vue->table()->isVisible());
    QCOMPARE(t.vue->table()->windowTitle(), QStringLiteral("QUARVEL 99.2"));
    auto* lancement = qobject_cast<QPushButton*>(t.widget(t.q().PanelLancement));
    QVERIFY(lancement->isVisible());
    QCOMPARE(lancement->text(), QStringLiteral("Click here to start playing!"));
    QCOMPARE(t.vue->table()->menus()->action(t.q().menuLevel)->text(), QStringLiteral("&Level"));
    QCOMPARE(ecarts(t), QString());
}

void TstTable::lesWidgetsSuiventLeModeleToutAuLongDUneDonne() {
    TableQt t(FRANCAIS);
    t.cliquer(t.q().PanelLancement);
    QCOMPARE(ecarts(t), QString());
    // A whole deal, the user passing, checking every control after every gesture.
    int gestes = 0;
    while (!t.q().PanelResultat.visible && gestes < 3000) {
        ++gestes;
        t.unPas();
        QString e = ecarts(t);
        if (!e.isEmpty())
            QFAIL(qPrintable(QStringLiteral("after gesture %1: %2").arg(gestes).arg(e)));
    }
    QVERIFY(t.q().PanelResultat.visible);
    auto* voir = qobject_cast<QPushButton*>(t.widget(t.q().PanelVoirMains));
    QVERIFY(voir->isVisible());
    QCOMPARE(voir->text(), QStringLiteral("VOIR LES MAINS"));
}

void TstTable::unClicSurUneCarteLaJoueSeulementSiElleEstJouable() {
    TableQt t;
    t.cliquer(t.q().PanelLancement);
    bool refusVu = false, jeuVu = false;
    for (int tour = 0; tour < 18 && !(refusVu && jeuVu); ++tour) {
        QVERIFY(t.jusquAuTourDuJoueur());
        const Donne& d = t.jeu->donne;
        int jouable = 0, interdite = 0;
        for (int i = 1; i <= 18; ++i) {
            if (!d.mains[SUD][i].enMain) continue;
            if (d.cartesJouables[SUD][i] == 1 && !jouable) jouable = i;
            if (d.cartesJouables[SUD][i] != 1 && !interdite) interdite = i;
        }
        QVERIFY(jouable);
        if (interdite) {
            const Carte c = d.mains[SUD][interdite];
            QCOMPARE(t.widget(t.q().Carte3D[interdite])->cursor().shape(), Qt::ForbiddenCursor);
            t.cliquer(t.q().Carte3D[interdite]);
            QVERIFY(t.jeu->donne.mains[SUD][interdite].enMain);
            QVERIFY(t.widget(t.q().Carte3D[interdite])->isVisible());
            QVERIFY(sudALaMain(t.jeu->donne.phase));
            QVERIFY(!(t.jeu->donne.pli.cartes[SUD] == c));
            refusVu = true;
        }
        const Carte c = d.mains[SUD][jouable];
        QCOMPARE(t.widget(t.q().Carte3D[jouable])->cursor().shape(), Qt::PointingHandCursor);
        t.cliquer(t.q().Carte3D[jouable]);
        QVERIFY(!t.jeu->donne.mains[SUD][jouable].enMain);
        QVERIFY(!t.widget(t.q().Carte3D[jouable])->isVisible());
        auto* surTable = static_cast<VueCarte*>(t.widget(t.q().CarteTable[SUD]));
        QVERIFY(surTable->isVisible());
        QCOMPARE(surTable->nom(), QString::fromStdString(nomBitmap(c)));
        jeuVu = true;
    }
    QVERIFY(jeuVu);
    QVERIFY2(refusVu, "no turn of the deal had a card the user could not play");
}

void TstTable::laBarreDEspaceContinue() {
    TableQt t;
    t.cliquer(t.q().PanelLancement);
    // Until a complete trick waits on the table.
    for (int n = 0; n < 3000 && t.jeu->donne.phase != Phase::PliARamasser; ++n) t.unPas();
    QVERIFY(t.jeu->donne.phase == Phase::PliARamasser);
    for (Siege s : SIEGES) QVERIFY(t.widget(t.q().CarteTable[s])->isVisible());
    t.touche(Qt::Key_Space);
    QVERIFY(t.jeu->donne.phase != Phase::PliARamasser);
    for (Siege s : SIEGES) QVERIFY(!t.widget(t.q().CarteTable[s])->isVisible());
}

void TstTable::laToucheF2Distribue() {
    TableQt t;
    t.vue->table()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(t.vue->table()));
    QVERIFY(t.widget(t.q().PanelLancement)->isVisible());
    t.touche(Qt::Key_F2);
    QVERIFY(!t.widget(t.q().PanelLancement)->isVisible());
    for (int i = 1; i <= 18; ++i) {
        auto* carte = static_cast<VueCarte*>(t.widget(t.q().Carte3D[i]));
        QVERIFY(carte->isVisible());
        QCOMPARE(carte->nom(), QString::fromLatin1(nomBitmapC(t.jeu->donne.mains[SUD][i])));
    }
    QVERIFY(t.vue->table()->menus()->action(t.q().menuGameAgain)->isEnabled());
}

void TstTable::chaqueCommandeDeMenuChangeSonOptionEtSaCoche() {
    TableQt t;
    BarreMenus& menus = *t.vue->table()->menus();
    const Reglages& r = t.jeu->reglages;
    struct Radio {
        ElementMenu* element;
        const int* option;
        int valeur;
    };
    quarvel::TfrmQuarvel& q = t.q();
    const Radio radios[] = {
        {&q.menuDebutant, &r.niveau, 1},
        {&q.menuPro, &r.niveau, 4},
        {&q.menuAmateur, &r.niveau, 2},
        {&q.menuBon, &r.niveau, 3},
        {&q.menuEscargot, &r.optionVitesseJeuDeLaCarte, 1},
        {&q.menuInstantane, &r.optionVitesseJeuDeLaCarte, 5},
        {&q.menuNormal, &r.optionVitesseJeuDeLaCarte, 3},
        {&q.menuCinqSecondes, &r.optionAttenteEntreChaquePli, 3},
        {&q.menuClickObligatoire, &r.optionAttenteEntreChaquePli, 0},
        {&q.menuForceGardeContre, &r.optionForceMain, 6},
        {&q.menuForceDefense, &r.optionForceMain, 1},
        {&q.menuForceNormale, &r.optionForceMain, 2},
        {&q.menuChallenge18, &r.optionNbDonnesChallenge, 18},
        {&q.menuChallenge6, &r.optionNbDonnesChallenge, 6},
    };
    for (const Radio& x : radios) {
        QAction* a = menus.action(*x.element);
        QVERIFY(a && a->isCheckable() && a->actionGroup());
        a->trigger();
        QCOMPARE(*x.option, x.valeur);
        QVERIFY(x.element->checked);
        QVERIFY(a->isChecked());
        for (QAction* autre : a->actionGroup()->actions())
            if (autre != a) QVERIFY(!autre->isChecked());
    }
    struct Bascule {
        ElementMenu* element;
        const bool* option;
    };
    const Bascule bascules[] = {
        {&q.menuOptionNiveauAdaptatif, &r.optionNiveauAdaptatif},
        {&q.menuAtLeast, &r.optionAuMoinsUneMainDePrise},
        {&q.menuConseilEnch, &r.optionVisibiliteConseilEnchere},
        {&q.menuPointsPartieEnCours, &r.optionVisibilitePointsPartieEnCours},
        {&q.menuDeductions, &r.optionVisibiliteDeductions},
        {&q.menuBarreOutils, &r.optionBarreOutils},
        {&q.menuBarreInfo, &r.optionBarreInfo},
        {&q.menuProposerPoignee, &r.optionProposePoignee},
        {&q.menuConseilSimulation, &r.optionConseilSimulation},
    };
    for (const Bascule& x : bascules) {
        QAction* a = menus.action(*x.element);
        QVERIFY(a && a->isCheckable());
        for (int fois = 0; fois < 2; ++fois) {
            const bool avant = *x.option;
            a->trigger();
            QCOMPARE(*x.option, !avant);
            QCOMPARE(a->isChecked(), !avant);
            QCOMPARE(x.element->checked, !avant);
        }
    }
    // The panels follow their options.
    menus.action(q.menuDeductions)->trigger();
    QCOMPARE(t.widget(q.PanelDeductions)->isHidden(), !r.optionVisibiliteDeductions);
    QCOMPARE(static_cast<QAbstractButton*>(t.widget(q.SBVoirDeductions))->isChecked(),
             r.optionVisibiliteDeductions);
    menus.action(q.menuBarreOutils)->trigger();
    QCOMPARE(t.widget(q.PanelBarreOutils)->isHidden(), !r.optionBarreOutils);
    // The function keys reach the same commands.
    t.vue->table()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(t.vue->table()));
    const bool conseil = r.optionVisibiliteConseilEnchere;
    t.touche(Qt::Key_F6);
    QCOMPARE(r.optionVisibiliteConseilEnchere, !conseil);
    QCOMPARE(menus.action(q.menuConseilEnch)->isChecked(), !conseil);
    QCOMPARE(menus.action(q.menuConseilEnch)->shortcut(), QKeySequence(Qt::Key_F6));
}

void TstTable::unNiveauRefuseGardeSaCoche() {
    TableQt t;
    BarreMenus& menus = *t.vue->table()->menus();
    menus.action(t.q().menuPro)->trigger();
    QCOMPARE(t.jeu->reglages.niveau, 4);
    t.cliquer(t.q().PanelLancement);
    QVERIFY(t.jusquAuTourDuJoueur()); // a deal is being played
    const auto avant = t.plateforme.messages.size();
    menus.action(t.q().menuBon)->trigger(); // Qt moves the radio mark at once...
    QCOMPARE(t.plateforme.messages.size(), avant + 1);
    QCOMPARE(t.jeu->reglages.niveau, 4);
    QVERIFY(menus.action(t.q().menuPro)->isChecked()); // ...the model puts it back
    QVERIFY(!menus.action(t.q().menuBon)->isChecked());
}

// Arrows, Enter, the space bar and Escape only, from the start button to the hands window: SUD
// bids the advice (a hand strong enough to take), discards, declines the handful and plays.
void TstTable::uneDonneEntiereAuClavier() {
    TableQt t;
    t.vue->envoyer({Evt::MenuForce, 3});
    auto& q = t.q();
    const Jeu& jeu = *t.jeu;
    // Right until the focus stands on what `voulu` accepts.
    auto jusqua = [&](auto voulu) {
        for (int n = 0; n < 60; ++n) {
            if (voulu()) return true;
            t.touche(Qt::Key_Right);
        }
        return false;
    };
    auto focusCarte = [&] {
        for (int i = 1; i <= 24; ++i)
            if (q.Carte3D[i].focusClavier) return i;
        return 0;
    };
    QVERIFY(jusqua([&] { return q.PanelLancement.focusClavier; }));
    t.touche(Qt::Key_Return);
    bool ecart = false;
    for (int pas = 0; pas < 4000 && !q.PanelResultat.visible; ++pas) {
        const Donne& d = jeu.donne;
        if (q.BarreEnchere.visible) {
            QVERIFY(jusqua([&] { return q.evMaMain.focusClavier; }));
            t.touche(Qt::Key_Return);
        } else if (d.phase == Phase::Ecart) {
            ecart = true;
            while (jeu.ecart.nbEcartees < 6) {
                QVERIFY(jusqua([&] {
                    const int i = focusCarte();
                    if (i == 0 || q.Carte3D[i].curseur != Curseur::Main) return false;
                    const int source = jeu.ecart.sourceRangee[i];
                    return (source <= 18 ? jeu.ecart.selectionMain[source]
                                         : jeu.ecart.selectionChien[source - 18]) == 0;
                }));
                t.touche(Qt::Key_Space);
            }
            QVERIFY(jusqua([&] { return q.PanelConfirmeEcart.focusClavier; }));
            t.touche(Qt::Key_Return);
        } else if (q.PanelPoignee.visible) {
            QVERIFY(jusqua([&] { return q.PanelPoigneeAucune.focusClavier; }));
            t.touche(Qt::Key_Return);
        } else if (t.tourDuJoueur()) {
            QVERIFY(jusqua([&] { return focusCarte() != 0; }));
            const int i = focusCarte();
            QVERIFY(d.cartesJouables[SUD][i] == 1);
            t.touche(Qt::Key_Return);
            QVERIFY(!d.mains[SUD][i].enMain);
        } else if (t.vue->avancer()) {
            t.poser();
        } else {
            t.touche(Qt::Key_Space);
        }
    }
    QVERIFY(q.PanelResultat.visible);
    QVERIFY2(ecart, "SUD did not take: the discard was not played from the keyboard");
    QVERIFY(jusqua([&] { return q.PanelVoirMains.focusClavier; }));
    t.touche(Qt::Key_Return);
    QVERIFY(jeu.fen.frmMains.fenetre.visible);
    t.touche(Qt::Key_Escape);
    QVERIFY(!jeu.fen.frmMains.fenetre.visible);
}

// The played card glides to its place, which shows it once there; a key puts it there at once,
// and at the fastest speed nothing glides.
void TstTable::uneCarteJoueeGlisseJusquASaPlace() {
    TableQt t;
    t.cliquer(t.q().PanelLancement);
    qt::Mouvements* mouvements = t.vue->table()->mouvements();
    QWidget* surTable = t.widget(t.q().CarteTable[SUD]);
    auto jouer = [&] {
        QVERIFY(t.jusquAuTourDuJoueur());
        for (int i = 1; i <= 18; ++i)
            if (t.jeu->donne.mains[SUD][i].enMain && t.jeu->donne.cartesJouables[SUD][i] == 1) {
                QWidget* w = t.widget(t.q().Carte3D[i]);
                QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
                return;
            }
    };
    jouer();
    QVERIFY(t.q().CarteTable[SUD].visible);
    QVERIFY(mouvements->enCours());
    QVERIFY(!surTable->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(surTable->isVisible(), 3000);
    QVERIFY(!mouvements->enCours());

    jouer();
    QVERIFY(mouvements->enCours());
    t.touche(Qt::Key_Left);
    QVERIFY(!mouvements->enCours());
    QVERIFY(surTable->isVisible());

    t.vue->envoyer({Evt::MenuVitesse, 5});
    jouer();
    QVERIFY(!mouvements->enCours());
    QVERIFY(surTable->isVisible());
}

// The trophy of the tool bar starts a series at once: its panel shows on the table, whole, and the
// series' first deal is dealt. Closing the window then asks first.
void TstTable::leTropheeDeLaBarreLanceUnChallenge() {
    TableQt t;
    QCOMPARE(t.vue->table()->menus()->action(t.q().menuChallenge)->shortcut(),
             QKeySequence(QStringLiteral("Ctrl+N")));
    t.cliquer(t.q().SBChallenge);
    QVERIFY(t.jeu->challenge.enCours);
    ControleVue* panneau = t.vue->controle(t.q().PanelChallenge);
    QVERIFY(panneau && panneau->widget()->isVisible());
    QVERIFY(panneau->texteTient());
    QVERIFY(t.widget(t.q().Carte3D[1])->isVisible());
    QCOMPARE(ecarts(t), QString());
    // The close box asks before it drops the series: No keeps the window, Yes leaves.
    t.plateforme.reponses = {false, true};
    QVERIFY(!t.vue->table()->close());
    QVERIFY(t.vue->table()->isVisible());
    QCOMPARE(t.plateforme.nbQuitter, 0);
    QVERIFY(t.jeu->challenge.enCours);
    t.vue->table()->close();
    QCOMPARE(t.plateforme.nbQuitter, 1);
}

QTEST_MAIN(TstTable)
#include "tst_table.moc"
