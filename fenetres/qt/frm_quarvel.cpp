#include "fenetres/qt/frm_quarvel.h"

#include "fenetres/modele/dessin.h"
#include "fenetres/modele/jeu.h"
#include "fenetres/qt/menus_qt.h"
#include "fenetres/qt/mouvements.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

namespace quarvel::qt {

void Fond::mousePressEvent(QMouseEvent* e) {
    presse_ = e->button() == Qt::LeftButton;
    e->accept();
}

void Fond::mouseReleaseEvent(QMouseEvent* e) {
    e->accept();
    if (presse_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) &&
        surClic)
        surClic();
    presse_ = false;
}

void Fond::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    if (surTaille) surTaille();
}

TfrmQuarvel::TfrmQuarvel(Vue& vue, const quarvel::TfrmQuarvel& m)
    : vue_(vue), m_(m), liens_(vue), fond_(new Fond(this)), scene_(new QWidget(fond_)) {
    setObjectName(QStringLiteral("frmQuarvel"));
    setCentralWidget(fond_);
    fond_->setObjectName(QStringLiteral("fond"));
    fond_->setFocusPolicy(Qt::StrongFocus);
    // Smaller, a caption of the table would no longer be whole.
    fond_->setMinimumSize(LARGEUR_CLIENT_MIN, HAUTEUR_CLIENT_MIN);
    fond_->surClic = [&vue] { vue.envoyer({Evt::ClicFond}); };
    fond_->surTaille = [this] {
        placerScene();
        liens_.replacer();
        // Once the resizing settles, the table is laid out for the new size.
        if (!tailleEnAttente_) {
            tailleEnAttente_ = true;
            QTimer::singleShot(0, this, [this] {
                tailleEnAttente_ = false;
                if (isVisible()) vue_.suivreTaille(fond_->size());
            });
        }
    };
    scene_->setObjectName(QStringLiteral("scene"));
    CacheCartes& cache = vue.cartes();
    using P = VuePanneau::Style;
    auto* f = scene_;

    // Stacking follows creation: the table under everything, the bars and buttons on top.
    liens_.lier(m.TableRonde, new VueTable(f), {Evt::ClicTable});
    for (Siege s : SIEGES)
        liens_.lier(m.CadrePreneur[s],
                    new VueCadre(f, VueCadre::Genre::Plein, QColor(0x9c, 0xd7, 0xf3)));
    // A card lying on the table is no control of its own: a click on it is a click on the window.
    for (Siege s : SIEGES) liens_.lier(m.CarteTable[s], new VueCarte(f, cache), {Evt::ClicFond});
    liens_.lier(m.CadreGagnant,
                new VueCadre(f, VueCadre::Genre::Contour, QColor(0xf2, 0xc2, 0x3a)));
    for (Siege s : SIEGES) liens_.lier(m.NomSiege[s], new VuePanneau(f, P::Bulle));
    for (int k = 1; k <= 6; ++k)
        liens_.lier(m.CarteChien[k], new VueCarte(f, cache), {Evt::ClicCarteChien, k});
    for (int i = 1; i <= 24; ++i)
        liens_.lier(m.Carte3D[i], new VueCarte(f, cache), {Evt::ClicCarte3D, i});
    for (Siege s : SIEGES) {
        auto* b =
            liens_.lier(m.PanelDec[s], new VuePanneau(f, P::Bulle), {Evt::ClicPanelDec, entier(s)});
        b->setPoliceDefaut(12);
    }
    for (Siege s : SIEGES) {
        auto* b = liens_.lier(m.panelScoreTotal[s], new VuePanneau(f, P::Bulle),
                              {Evt::ClicScoreTotal, entier(s)});
        b->setPoliceDefaut(16);
    }

    liens_.lier(m.PanelPreneur, new VuePanneau(f, P::Chiffre));
    liens_.lier(m.PanelEnchere, new VuePanneau(f, P::Chiffre));
    liens_.lier(m.PanelNumeroDonne, new VuePanneau(f, P::Chiffre));
    // The series in progress, on a plate like the deductions above it.
    liens_.lier(m.PanelChallenge, new VuePanneau(f, P::Barre))->setPoliceDefaut(9);

    auto* scores = liens_.lier(m.PanneauScores, new VuePanneau(f, P::Barre));
    for (const Composant* c :
         {&m.nPointsAttaque, &m.nBoutsPreneur, &m.nContrat, &m.nBoutsDefense, &m.nPointsDefense})
        liens_.lier(*c, new VuePanneau(scores, P::Chiffre));
    for (const Composant& c : m.LibellesChiffres) {
        auto* libelle =
            liens_.lier(c, new VuePanneau(scores, P::Etiquette, Qt::AlignRight | Qt::AlignVCenter));
        libelle->setGras(false);
    }

    auto* ded = liens_.lier(m.PanelDeductions, new VuePanneau(f, P::Barre));
    liens_.lier(m.PanelInfoDeductions, new VuePanneau(ded, P::Titre));
    liens_.lier(m.PanelAtoutMax, new VuePanneau(ded, P::Chiffre));
    for (const Composant* c : {&m.Panel21, &m.PanelPetit, &m.PanelExcuse})
        liens_.lier(*c, new VuePanneau(ded, P::Marqueur));
    liens_.lier(m.PanelAtExt, new VuePanneau(ded, P::Chiffre));
    static const char* const symboles[] = {"pique", "coeur", "trefle", "carreau"};
    for (int c = 1; c <= 4; ++c) {
        auto* symbole = liens_.lier(m.ImagesCouleurs[c],
                                    new VueImage(ded, cache, QString::fromLatin1(symboles[c - 1])));
        symbole->setPastille(QColor(0xfb, 0xf8, 0xef));
        for (int h = 1; h <= 4; ++h)
            liens_.lier(m.MarqueursHonneurs[c][h], new VuePanneau(ded, P::Marqueur));
        liens_.lier(m.ComptesCouleurs[c], new VuePanneau(ded, P::Chiffre));
    }

    auto* outils = liens_.lier(m.PanelBarreOutils, new VuePanneau(f, P::Barre));
    liens_.lier(m.SBNewGame, new VueOutil(outils, cache, QStringLiteral("nouvelle")),
                {Evt::SBNewGame});
    liens_.lier(m.SBGameAgain, new VueOutil(outils, cache, QStringLiteral("rejouer")),
                {Evt::SBGameAgain});
    liens_.lier(m.SBChallenge, new VueOutil(outils, cache, QStringLiteral("challenge")),
                {Evt::SBNouveauChallenge});
    liens_.lier(m.SBReprendre, new VueOutil(outils, cache, QStringLiteral("reprendre")),
                {Evt::SBReprendre});
    liens_.lier(m.SBConseilJeu, new VueOutil(outils, cache, QStringLiteral("conseil")),
                {Evt::SBConseilJeu});
    liens_.lier(m.SBVoirDeductions, new VueOutil(outils, cache, QStringLiteral("deductions")),
                {Evt::SBVoirDeductions});
    liens_.lier(m.SBVoirScoresGlobaux, new VueOutil(outils, cache, QStringLiteral("scores")),
                {Evt::SBVoirScoresGlobaux});
    liens_.lier(m.SBAide, new VueOutil(outils, cache, QStringLiteral("aide")), {Evt::SBAide});

    auto* barre = liens_.lier(m.BarreEnchere, new VuePanneau(f, P::Barre));
    const Composant* boutons[] = {&m.ButtonPasse, &m.ButtonPrise, &m.ButtonGarde,
                                  &m.ButtonGardeSans, &m.ButtonGardeContre};
    for (int code = 0; code <= 4; ++code)
        liens_.lier(*boutons[code], new VueBouton(barre, "enchere"), {Evt::ClicEnchere, code});
    liens_.lier(m.evMaMain, new VueBouton(barre, "conseil"), {Evt::ClicConseil});

    liens_.lier(m.PanelConfirmeEcart, new VueBouton(f, "action"), {Evt::ClicConfirmeEcart});

    auto* poignee = liens_.lier(m.PanelPoignee, new VuePanneau(f, P::Cadre));
    liens_.lier(m.PanelPoigneeSimple, new VueBouton(poignee, "action"), {Evt::ClicPoignee, 1});
    liens_.lier(m.PanelPoigneeDouble, new VueBouton(poignee, "action"), {Evt::ClicPoignee, 2});
    liens_.lier(m.PanelPoigneeTriple, new VueBouton(poignee, "action"), {Evt::ClicPoignee, 3});
    liens_.lier(m.PanelPoigneeAucune, new VueBouton(poignee, "action"), {Evt::ClicPoignee, 0});

    auto* resultat = liens_.lier(m.PanelResultat, new VuePanneau(f, P::Barre));
    auto* texte = liens_.lier(m.PanelTexteResultat, new VuePanneau(resultat, P::Etiquette));
    texte->setPoliceDefaut(14);
    liens_.lier(m.PanelVoirMains, new VueBouton(resultat, "resultat"), {Evt::ClicVoirMains});
    liens_.lier(m.PanelVoirPlis, new VueBouton(resultat, "resultat"), {Evt::ClicVoirPlis});
    liens_.lier(m.PanelScoreDetaille, new VueBouton(resultat, "resultat"),
                {Evt::ClicScoreDetaille});
    liens_.lier(m.panelRejouerDonne, new VueBouton(resultat, "resultat"), {Evt::ClicRejouerDonne});
    liens_.lier(m.PanelPanelNewPartie, new VueBouton(resultat, "resultat"),
                {Evt::ClicNouvelleDonne});

    liens_.lier(m.PanelLancement, new VueBouton(f, "lancement"), {Evt::ClicLancement});

    auto* info = liens_.lier(m.panelBarreInfo, new VuePanneau(fond_, P::Barre));
    info->setCouleurDefaut(QColor(0, 0, 0, 110));
    info->ancrage = ControleVue::Ancrage::Bas;
    auto* ligne = liens_.lier(m.info, new VuePanneau(info, P::Etiquette));
    ligne->ancrage = ControleVue::Ancrage::Remplit;
    ligne->setPoliceDefaut(11);

    menus_ = new BarreMenus(this, vue);
    setMenuBar(menus_->barre());
    mouvements_ = new Mouvements(vue, scene_, m);
    qApp->installEventFilter(this);
}

TfrmQuarvel::~TfrmQuarvel() = default;

void TfrmQuarvel::placerScene() {
    int largeur = m_.fenetre.geo.width > 0 ? m_.fenetre.geo.width : fond_->width();
    int gauche = qMax(0, (fond_->width() - largeur) / 2);
    scene_->setGeometry(gauche, 0, gauche > 0 ? largeur : qMax(largeur, fond_->width()),
                        fond_->height());
}

void TfrmQuarvel::synchroniser() {
    placerScene();
    liens_.synchroniser();
    mouvements_->suivre();
    if (menus_) menus_->synchroniser();
    suivi_.suivre(this, fond_, m_.fenetre, SuiviFenetre::Mode::Maximisee);
}

bool TfrmQuarvel::eventFilter(QObject* o, QEvent* e) {
    if (e->type() != QEvent::KeyPress) return false;
    auto* w = qobject_cast<QWidget*>(o);
    if (!w || w->window() != this || qobject_cast<QMenuBar*>(w) || qobject_cast<QMenu*>(w))
        return false;
    auto* k = static_cast<QKeyEvent*>(e);
    // With a modifier, a key is a shortcut of the menus.
    if (k->modifiers() & ~Qt::KeypadModifier) return false;
    Evt t;
    switch (k->key()) {
    case Qt::Key_Left:
        t = Evt::ToucheGauche;
        break;
    case Qt::Key_Right:
        t = Evt::ToucheDroite;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        t = Evt::ToucheEntree;
        break;
    case Qt::Key_Space:
        t = Evt::ToucheEspace;
        break;
    case Qt::Key_Escape:
        t = Evt::ToucheEchap;
        break;
    default:
        return false;
    }
    // A key held down moves the focus on, but plays or presses once.
    if (!k->isAutoRepeat() || t == Evt::ToucheGauche || t == Evt::ToucheDroite) vue_.envoyer({t});
    return true;
}

void TfrmQuarvel::closeEvent(QCloseEvent* e) {
    // The close box is Quit: the game saves and ends the run through the platform, or keeps
    // the window when the player chooses to go on with his series.
    e->ignore();
    vue_.envoyer({Evt::FermerTable});
}

} // namespace quarvel::qt
