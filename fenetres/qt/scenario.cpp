#include "fenetres/qt/scenario.h"

#include "fenetres/modele/jeu.h"
#include "fenetres/qt/aide.h"
#include "fenetres/qt/controles.h"
#include "fenetres/qt/frm_quarvel.h"
#include "fenetres/qt/frm_splash.h"
#include "fenetres/qt/mouvements.h"
#include "fenetres/qt/vue.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <vector>

namespace quarvel::qt {

namespace {

// Calls `suite` once `w` has been painted (and the paint flushed to the screen).
class GuetPeinture : public QObject {
public:
    GuetPeinture(QWidget* w, std::function<void()> suite) : w_(w), suite_(std::move(suite)) {
        w->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (o == w_ && e->type() == QEvent::Paint && suite_) {
            auto suite = std::move(suite_);
            suite_ = nullptr;
            w_->removeEventFilter(this);
            QTimer::singleShot(0, w_, [suite, self = this] {
                suite();
                self->deleteLater();
            });
        }
        return false;
    }

private:
    QWidget* w_;
    std::function<void()> suite_;
};

class Scenario : public QObject {
public:
    Scenario(Vue& vue, QString prefixe, QElapsedTimer depuis, bool mesurer)
        : QObject(&vue), vue_(vue), prefixe_(std::move(prefixe)), depuis_(depuis),
          mesurer_(mesurer) {}

    void demarrer() {
        new GuetPeinture(vue_.splash(), [this] {
            noter("splash peint");
            capturer(vue_.splash(), "splash");
            verifierCentree(vue_.splash(), "start-up screen centred");
            const quarvel::TfrmSplash& s = jeu().fen.frmSplash;
            verifier("start-up screen with both buttons",
                     visible(s.PanelStartFrench, "Version française") &&
                         visible(s.PanelStartEnglish, "English version"));
            QTimer::singleShot(150, this, [this] { choisirLangue(); });
        });
    }

private:
    Jeu& jeu() { return vue_.jeu(); }

    // Resident memory now and at its peak, in kB, from the kernel's view of this process.
    static QString memoire() {
        QFile f(QStringLiteral("/proc/self/status"));
        QString rss, pic;
        if (f.open(QIODevice::ReadOnly))
            for (const QByteArray& l : f.readAll().split('\n')) {
                if (l.startsWith("VmRSS:")) rss = QString::fromLatin1(l.mid(6)).simplified();
                if (l.startsWith("VmHWM:")) pic = QString::fromLatin1(l.mid(6)).simplified();
            }
        return QStringLiteral("rss %1, pic %2").arg(rss, pic);
    }

    void noter(const char* etape) {
        std::fprintf(
            stderr, "quarvel-mesure: %-28s %8.1f ms depuis le lancement (epoch %lld ms), %s\n",
            etape, depuis_.nsecsElapsed() / 1e6,
            static_cast<long long>(QDateTime::currentMSecsSinceEpoch()), qPrintable(memoire()));
    }

    void capturer(QWidget* w, const char* nom) {
        QString fichier = QStringLiteral("%1-%2.png").arg(prefixe_, QString::fromLatin1(nom));
        bool ok = w->grab().save(fichier);
        std::fprintf(stderr, "quarvel-scenario: %s %s\n", qPrintable(fichier), ok ? "ok" : "ECHEC");
    }

    // Shown on screen, with this caption when one is given.
    bool visible(const Composant& c, const char* texte) {
        ControleVue* v = vue_.controle(c);
        if (!v || !v->widget()->isVisible()) return false;
        if (!texte) return true;
        auto* b = dynamic_cast<QAbstractButton*>(v->widget());
        return b && b->text() == QString::fromUtf8(texte);
    }

    // Centred on the screen to the pixel (the table fills it), frame included.
    void verifierCentree(QWidget* w, const char* etape) {
        QScreen* ecran = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
        if (!ecran) return verifier(etape, false);
        const QRect zone = ecran->availableGeometry(), f = w->frameGeometry();
        const int dx = (f.left() - zone.left()) - (zone.right() - f.right());
        const int dy = (f.top() - zone.top()) - (zone.bottom() - f.bottom());
        if (std::abs(dx) > 1 || std::abs(dy) > 1)
            std::fprintf(stderr, "quarvel-scenario: %s: off by %d, %d on a %dx%d screen\n", etape,
                         dx / 2, dy / 2, zone.width(), zone.height());
        verifier(etape, std::abs(dx) <= 1 && std::abs(dy) <= 1);
    }

    void verifier(const char* etape, bool ok) {
        std::fprintf(stderr, "quarvel-scenario: %s: %s\n", etape, ok ? "ok" : "ECHEC");
        if (!ok) QApplication::exit(2);
    }

    void cliquer(const Composant& c) {
        ControleVue* v = vue_.controle(c);
        if (auto* b = v ? dynamic_cast<QAbstractButton*>(v->widget()) : nullptr)
            b->click();
        else if (v && v->surClic)
            v->surClic();
    }

    // English, or French when QUARVEL_SCENARIO_LANGUE=fr.
    void choisirLangue() {
        QElapsedTimer t;
        t.start();
        new GuetPeinture(vue_.table()->fond(), [this, t] {
            std::fprintf(stderr, "quarvel-mesure: langue -> table peinte %8.1f ms\n",
                         t.nsecsElapsed() / 1e6);
            capturer(vue_.table(), "table");
            verifier("table shown", vue_.table()->isVisible() && !vue_.splash()->isVisible() &&
                                        visible(jeu().fen.frmQuarvel.PanelLancement, nullptr));
            ControleVue* lancement = vue_.controle(jeu().fen.frmQuarvel.PanelLancement);
            verifier("start button whole", lancement && lancement->texteTient());
            // The help pages, wherever the program was put.
            vue_.envoyer({Evt::MenuSommaire});
            const FenetreAide* aide = vue_.aide();
            const QString page = aide ? aide->pageOuverte() : QString();
            std::fprintf(stderr, "quarvel-scenario: help page %s\n", qPrintable(page));
            verifier("help pages found", !page.isEmpty());
            if (vue_.aide()) vue_.aide()->close();
            QTimer::singleShot(150, this, [this] { lancerDonne(); });
        });
        const bool francais = qgetenv("QUARVEL_SCENARIO_LANGUE") == "fr";
        cliquer(francais ? jeu().fen.frmSplash.PanelStartFrench
                         : jeu().fen.frmSplash.PanelStartEnglish);
    }

    void lancerDonne() {
        cliquer(jeu().fen.frmQuarvel.PanelLancement);
        std::fprintf(stderr, "quarvel-mesure: donne distribuee (evenement) %8.3f ms\n",
                     vue_.dureeDernierEvenement() / 1e3);
        QTimer::singleShot(400, this, [this] {
            capturer(vue_.table(), "donne");
            bool main = true;
            for (int i = 1; i <= 18; ++i)
                main = main && visible(jeu().fen.frmQuarvel.Carte3D[i], nullptr);
            verifier("first deal dealt",
                     main && !visible(jeu().fen.frmQuarvel.PanelLancement, nullptr));
            jouerDonne();
        });
    }

    // Plays a whole deal as a user who always passes, so the computer seats take and discard.
    void jouerDonne() {
        vue_.apresEvenement = [this](Evenement e, qint64 us) {
            durees_.push_back(us);
            coeurs_.push_back(vue_.dureeDernierCoeur());
            synchros_.push_back(us - vue_.dureeDernierCoeur());
            cpu_.push_back(vue_.cpuDernierEvenement());
            cpuSynchros_.push_back(vue_.cpuDernierEvenement() - vue_.cpuDernierCoeur());
            if (vue_.cpuDernierEvenement() > 2000)
                std::fprintf(
                    stderr,
                    "quarvel-mesure: evenement %d: %.3f ms de processeur dont coeur %.3f ms\n",
                    static_cast<int>(e.type), vue_.cpuDernierEvenement() / 1e3,
                    vue_.cpuDernierCoeur() / 1e3);
        };
        // With QUARVEL_SCENARIO_MOUVEMENTS, the cards glide at the normal speed and the player
        // waits for each glide to end, so that every frame of every motion is measured.
        vue_.envoyer({Evt::MenuVitesse, mouvements_ ? 3 : 5});
        vue_.envoyer({Evt::MenuAttente, 0});
        auto* pas = new QTimer(this);
        connect(pas, &QTimer::timeout, this, [this, pas] {
            const quarvel::TfrmQuarvel& q = jeu().fen.frmQuarvel;
            if (mouvements_ && vue_.table()->mouvements()->enCours()) return;
            if (q.PanelResultat.visible || ++etapes_ > 4000) {
                pas->stop();
                terminer();
                return;
            }
            // A picture of the dog on show and of the first complete trick.
            if (jeu().donne.phase == quarvel::Phase::ChienMontre && !vuChien_) {
                vuChien_ = true;
                capturer(vue_.table(), "chien");
            }
            if (jeu().donne.phase == quarvel::Phase::PliARamasser && !vuPli_) {
                vuPli_ = true;
                capturer(vue_.table(), "pli");
            }
            if (q.PanelPoignee.visible) return cliquer(q.PanelPoigneeAucune);
            if (q.BarreEnchere.visible) return cliquer(q.ButtonPasse);
            if (quarvel::sudALaMain(jeu().donne.phase)) {
                for (int i = 1; i <= 18; ++i)
                    if (q.Carte3D[i].visible && q.Carte3D[i].curseur == Curseur::Main)
                        return cliquer(q.Carte3D[i]);
            }
            QKeyEvent espace(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
            QApplication::sendEvent(vue_.table(), &espace);
        });
        pas->start(5);
    }

    static void resumer(const char* quoi, std::vector<qint64> d) {
        if (d.empty()) return;
        std::sort(d.begin(), d.end());
        std::fprintf(
            stderr, "quarvel-mesure: %zu %s: mediane %.3f ms, 99e centile %.3f ms, max %.3f ms\n",
            d.size(), quoi, d[d.size() / 2] / 1e3, d[d.size() * 99 / 100] / 1e3, d.back() / 1e3);
    }

    void terminer() {
        noter("donne jouee");
        capturer(vue_.table(), "fin");
        verifier("whole deal played", jeu().fen.frmQuarvel.PanelResultat.visible);
        if (!mesurer_) return revues();
        if (mouvements_)
            resumer("images des mouvements (du pas a l'image peinte)",
                    vue_.table()->mouvements()->coutsImages());
        resumer("evenements (coeur + synchro)", durees_);
        resumer("coeur seul (le modele)", coeurs_);
        resumer("synchronisations seules", synchros_);
        resumer("evenements, temps processeur", cpu_);
        resumer("synchronisations, temps processeur", cpuSynchros_);
        noter("donne terminee");
        revues();
    }

    // The review windows of the finished deal, one after the other, then the statistics (with
    // that deal in them) and the high scores from the menu.
    void revues() {
        const quarvel::TfrmQuarvel& q = jeu().fen.frmQuarvel;
        struct Revue {
            const Composant* bouton; // or else the menu command
            Evenement ouvrir;
            int fenetre;
            const char* nom;
            Evenement fermer;
            const char* centree;
        };
        static const Revue liste[] = {
            {&q.PanelVoirMains, {}, 4, "mains", {Evt::MainsOk}, "hands window centred"},
            {&q.PanelVoirPlis, {}, 6, "plis", {Evt::TousPlisOk}, "tricks window centred"},
            {&q.PanelScoreDetaille, {}, 5, "score", {Evt::ScoreOk}, "score sheet centred"},
            {nullptr,
             {Evt::MenuStatistiques},
             8,
             "statistiques",
             {Evt::StatistiquesOk},
             "statistics window centred"},
            {nullptr,
             {Evt::MenuMeilleursScores},
             7,
             "meilleurs-scores",
             {Evt::MeilleursScoresOk},
             "high-score window centred"}};
        if (revue_ >= int(std::size(liste))) return QApplication::quit();
        const Revue& r = liste[revue_++];
        if (r.bouton)
            cliquer(*r.bouton);
        else
            vue_.envoyer(r.ouvrir);
        QTimer::singleShot(300, this, [this, r] {
            capturer(vue_.fenetre(r.fenetre), r.nom);
            verifierCentree(vue_.fenetre(r.fenetre), r.centree);
            vue_.envoyer(r.fermer);
            revues();
        });
    }

    Vue& vue_;
    QString prefixe_;
    QElapsedTimer depuis_;
    bool mesurer_;
    bool mouvements_ = qEnvironmentVariableIsSet("QUARVEL_SCENARIO_MOUVEMENTS");
    std::vector<qint64> durees_, coeurs_, synchros_, cpu_, cpuSynchros_;
    int etapes_ = 0;
    int revue_ = 0;
    bool vuChien_ = false, vuPli_ = false;
};

} // namespace

void lancerScenario(Vue& vue, const QString& prefixe, const QElapsedTimer& depuisLancement,
                    bool mesurer) {
    (new Scenario(vue, prefixe, depuisLancement, mesurer))->demarrer();
}

} // namespace quarvel::qt
