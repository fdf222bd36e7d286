#pragma once
// A game on an in-memory store and a scripted platform, shown by the real Qt view; timers run on
// the virtual clock, gestures are real mouse clicks and key presses on the widgets.
#include "fenetres/modele/demarrage.h"
#include "fenetres/modele/jeu.h"
#include "fenetres/modele/plateforme_scriptee.h"
#include "fenetres/qt/controles.h"
#include "fenetres/qt/ecran.h"
#include "fenetres/qt/frm_quarvel.h"
#include "fenetres/qt/mouvements.h"
#include "fenetres/qt/vue.h"
#include "reglages/magasin_memoire.h"

#include <QTest>
#include <memory>

namespace quarvel::qt {

struct TableQt {
    MagasinMemoire magasin;
    PlateformeScriptee plateforme;
    std::unique_ptr<Jeu> jeu = std::make_unique<Jeu>();
    std::unique_ptr<Vue> vue;

    explicit TableQt(int langue = ANGLAIS, Ecran ecran = {1024, 768, 96}) {
        appliquerStyle(); // the program's own look, so that what fits here fits there
        vue = std::make_unique<Vue>(*jeu);
        vue->setHorlogeVirtuelle(true);
        demarrerJeu(*jeu, ecran, &magasin, &plateforme, "/opt/quarvel");
        vue->creerFenetres();
        vue->synchroniser();
        if (langue == ANGLAIS) cliquer(jeu->fen.frmSplash.PanelStartEnglish);
        if (langue == FRANCAIS) cliquer(jeu->fen.frmSplash.PanelStartFrench);
    }

    quarvel::TfrmQuarvel& q() { return jeu->fen.frmQuarvel; }
    QWidget* widget(const Composant& c) {
        ControleVue* v = vue->controle(c);
        return v ? v->widget() : nullptr;
    }
    // A real left click in the middle of the widget that shows `c`.
    void cliquer(const Composant& c) {
        QWidget* w = widget(c);
        QVERIFY2(w, "no widget for this component");
        QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
        poser();
    }
    void touche(Qt::Key k) {
        QTest::keyClick(vue->table(), k);
        poser();
    }
    // The cards that glide are put at their places: the checks look at where they end.
    void poser() { vue->table()->mouvements()->terminer(); }

    bool tourDuJoueur() {
        const Donne& d = jeu->donne;
        return sudALaMain(d.phase) && d.joueurCourant == SUD && !q().PanelPoignee.visible;
    }

    // One gesture of a user who passes, declines the handful and plays his first playable card;
    // when nothing is asked of him, the next timer fires, or else he presses the space bar.
    void unPas() {
        const Donne& d = jeu->donne;
        if (q().PanelPoignee.visible) return cliquer(q().PanelPoigneeAucune);
        if (q().BarreEnchere.visible) return cliquer(q().ButtonPasse);
        if (tourDuJoueur()) {
            for (int i = 1; i <= 18; ++i)
                if (d.cartesJouables[SUD][i] == 1 && d.mains[SUD][i].enMain)
                    return cliquer(q().Carte3D[i]);
        }
        if (vue->avancer())
            poser();
        else
            touche(Qt::Key_Space);
    }

    // Goes on until the user may play a card.
    bool jusquAuTourDuJoueur(int limite = 2000) {
        for (int n = 0; n < limite; ++n) {
            if (tourDuJoueur()) return true;
            if (q().PanelResultat.visible) return false;
            unPas();
        }
        return false;
    }
};

} // namespace quarvel::qt
