#include "fenetres/qt/frm_revue.h"

#include "fenetres/modele/jeu.h"

namespace quarvel::qt {

namespace {

using P = VuePanneau::Style;

constexpr Qt::WindowFlags DIALOGUE = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
constexpr Qt::WindowFlags REVUE =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

VueBouton* boutonIcone(QWidget* parent, CacheCartes& cache, const char* icone, bool texte = false) {
    auto* b = new VueBouton(parent, texte ? "revue" : "glyphe");
    b->setIcone(&cache, QString::fromLatin1(icone), texte);
    return b;
}

} // namespace

TfrmPoignee::TfrmPoignee(Vue& vue, const quarvel::TfrmPoignee& m)
    : FenetreVue(vue, m.fenetre, Evenement{Evt::ClicAnnulerPoignee}, DIALOGUE,
                 QColor(0x1d, 0x5e, 0x3a)) {
    setObjectName(QStringLiteral("frmPoignee"));
    setWindowModality(Qt::ApplicationModal);
    for (int i = 1; i <= 18; ++i)
        liens_.lier(m.CartePoignee[i], new VueCarte(this, vue.cartes()),
                    {Evt::ClicCartePoignee, i});
    liens_.lier(m.PanelBoutonParesseux, new VueBouton(this, "action"), {Evt::ClicParesseux});
    liens_.lier(m.PanelOkPoignee, new VueBouton(this, "action"), {Evt::ClicOkPoignee});
    liens_.lier(m.PanelAnnulerPoignee, new VueBouton(this, "action"), {Evt::ClicAnnulerPoignee});
}

TfrmPliPrecedent::TfrmPliPrecedent(Vue& vue, const quarvel::TfrmPliPrecedent& m)
    : FenetreVue(vue, m.fenetre, Evenement{Evt::OkPliPrecedent}, REVUE, QColor(0x1d, 0x5e, 0x3a)) {
    setObjectName(QStringLiteral("frmPliPrecedent"));
    for (Siege s : SIEGES) liens_.lier(m.cardPreviousTrick[s], new VueCarte(this, vue.cartes()));
    liens_.lier(m.ButtonOkPreviousTrick, new VueBouton(this, "revue"), {Evt::OkPliPrecedent});
}

TfrmMains::TfrmMains(Vue& vue, const quarvel::TfrmMains& m)
    : FenetreVue(vue, m.fenetre, Evenement{Evt::MainsOk}, REVUE, QColor(0x80, 0x80, 0x80)), m_(m) {
    setObjectName(QStringLiteral("frmMains"));
    setWindowModality(Qt::ApplicationModal);
    CacheCartes& cache = vue.cartes();
    for (Siege s : SIEGES) {
        auto* panneau = liens_.lier(m.PanelsMains[s], new VuePanneau(this, P::Cadre));
        mains_[entier(s)] = panneau;
        for (int i = 1; i <= 18; ++i)
            liens_.lier(m.ImagesMains[s][i], new VueCarte(panneau, cache, VueCarte::Mode::Coin));
        liens_.lier(m.NomsMains[s], new VuePanneau(panneau, P::Etiquette))->setPoliceDefaut(9);
    }
    auto* chien = liens_.lier(m.PanelChienAvantEcart, new VuePanneau(this, P::Cadre));
    chien_ = chien;
    for (int k = 1; k <= 6; ++k)
        liens_.lier(m.ImagesChien[k], new VueCarte(chien, cache, VueCarte::Mode::Coin));
    liens_.lier(m.PanelChien, new VuePanneau(chien, P::Etiquette))->setPoliceDefaut(9);
    auto* ecart = liens_.lier(m.PanelChienApresEcart, new VuePanneau(this, P::Cadre));
    for (int k = 1; k <= 6; ++k)
        liens_.lier(m.ImagesEcart[k], new VueCarte(ecart, cache, VueCarte::Mode::Coin));
    liens_.lier(m.PanelEcart, new VuePanneau(ecart, P::Etiquette))->setPoliceDefaut(9);
    // The frames follow their card: their parent is a hand panel or the dog panel.
    for (int k = 1; k <= 6; ++k)
        liens_.lier(m.Cadres[k], new VueCadre(this, VueCadre::Genre::Contour, QColor(255, 255, 0)));
    liens_.lier(m.buttonImprimerMains, boutonIcone(this, cache, "imprimer", true),
                {Evt::MainsImprimer});
    liens_.lier(m.SBColor, new VueOutil(this, cache, QStringLiteral("couleur")),
                {Evt::MainsCouleur});
    liens_.lier(m.PanelMainsOK, new VueBouton(this, "revue"), {Evt::MainsOk});
}

void TfrmMains::synchroniser() {
    for (int k = 1; k <= 6; ++k) {
        int p = m_.parentCadre[k];
        if (p == parents_[k]) continue;
        parents_[k] = p;
        QWidget* parent = p >= 1 && p <= 4 ? mains_[p] : p == 5 ? chien_ : this;
        if (ControleVue* c = vue_.controle(m_.Cadres[k])) {
            QWidget* w = c->widget();
            bool visible = w->isVisibleTo(w->parentWidget());
            w->setParent(parent);
            w->setVisible(visible);
            w->raise();
        }
    }
    FenetreVue::synchroniser();
}

TfrmScoreDetaille::TfrmScoreDetaille(Vue& vue, const quarvel::TfrmScoreDetaille& m)
    : FenetreVue(vue, m.fenetre, Evenement{Evt::ScoreOk}, REVUE, QColor(0x80, 0x80, 0x80)) {
    setObjectName(QStringLiteral("frmScoreDetaille"));
    setWindowModality(Qt::ApplicationModal);
    // Figures in framed cells, operators and headings as plain text.
    for (const Composant* c :
         {&m.cardinalPreneur, &m.panelNbBouts, &m.panelPointsRealises, &m.panelContrat,
          &m.panelAuDessusContrat, &m.panelPrimePetit, &m.panelScoreApresPetit,
          &m.panelConstContrat, &m.panelScoreTmp, &m.panelCoefficientEnchere,
          &m.panelScoreApresEnchere, &m.panelValeurPoignee, &m.panelScoreApresPoignee,
          &m.panelScoreFinalPreneur})
        liens_.lier(*c, new VuePanneau(this, P::Cadre));
    for (const Composant* c :
         {&m.panelMoins, &m.panelEgal1, &m.panelSensPrimePetit, &m.panelEgal2, &m.panelSigneGain,
          &m.panelEgal3, &m.panelX, &m.panelEgal4, &m.panelSensPoignee, &m.panelEgal5, &m.panelX3})
        liens_.lier(*c, new VuePanneau(this, P::Etiquette))->setPoliceDefaut(16);
    for (const Composant* c : {&m.panelPreneur, &m.panelDefNbBouts, &m.panelPoints,
                               &m.panelDefContrat, &m.panelDefPrimePetit, &m.panelDefPrimePoignee})
        liens_.lier(*c, new VuePanneau(this, P::Etiquette, Qt::AlignLeft | Qt::AlignVCenter));
    CacheCartes& cache = vue.cartes();
    liens_.lier(m.SBColor, new VueOutil(this, cache, QStringLiteral("couleur")),
                {Evt::ScoreCouleur});
    liens_.lier(m.buttonImprimer, boutonIcone(this, cache, "imprimer", true), {Evt::ScoreImprimer});
    liens_.lier(m.panelFeuilleScore, new VueBouton(this, "revue"), {Evt::ScoreOk});
}

TfrmTousPlis::TfrmTousPlis(Vue& vue, const quarvel::TfrmTousPlis& m)
    : FenetreVue(vue, m.fenetre, Evenement{Evt::TousPlisOk}, REVUE, QColor(0x80, 0x80, 0x80)) {
    setObjectName(QStringLiteral("frmTousPlis"));
    setWindowModality(Qt::ApplicationModal);
    CacheCartes& cache = vue.cartes();
    for (int i = 1; i <= 72; ++i)
        liens_.lier(m.Images[i], new VueCarte(this, cache, VueCarte::Mode::Coin));
    for (int t : PLIS)
        liens_.lier(m.Cadres[t], new VueCadre(this, VueCadre::Genre::Contour, QColor(0, 0, 255)));
    liens_.lier(m.PanelEffacer, boutonIcone(this, cache, "effacer"), {Evt::TousPlisEffacer});
    liens_.lier(m.panelEnArriere, boutonIcone(this, cache, "arriere"), {Evt::TousPlisArriere});
    auto* pas = liens_.lier(m.PanelPasApas, boutonIcone(this, cache, "pas"), {Evt::TousPlisPas});
    liens_.lier(m.panelLecture, boutonIcone(pas, cache, "lecture"), {Evt::TousPlisLecture});
    liens_.lier(m.PanelVoirTout, boutonIcone(this, cache, "tout"), {Evt::TousPlisVoirTout});
    liens_.lier(m.buttonImprimerPlis, boutonIcone(this, cache, "imprimer", true),
                {Evt::TousPlisImprimer});
    liens_.lier(m.SBColor, new VueOutil(this, cache, QStringLiteral("couleur")),
                {Evt::TousPlisCouleur});
    liens_.lier(m.PanelPlisOk, new VueBouton(this, "revue"), {Evt::TousPlisOk});
}

} // namespace quarvel::qt
