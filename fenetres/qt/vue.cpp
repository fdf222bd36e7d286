#include "fenetres/qt/vue.h"

#include "fenetres/modele/creation.h"
#include "fenetres/modele/evenements.h"
#include "fenetres/modele/jeu.h"
#include "fenetres/qt/aide.h"
#include "fenetres/qt/frm_challenge.h"
#include "fenetres/qt/frm_quarvel.h"
#include "fenetres/qt/frm_revue.h"
#include "fenetres/qt/frm_splash.h"
#include "fenetres/qt/mouvements.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QScreen>
#include <QTimer>
#include <QTranslator>
#include <ctime>
#include <iterator>

namespace quarvel::qt {

Vue::Vue(Jeu& jeu) : jeu_(jeu) {
    horloge_.start();
    splash_ = new TfrmSplash(*this, jeu.fen.frmSplash);
    splash_->installEventFilter(this);
    // Should the start-up screen never be painted, the rest comes anyway.
    QTimer::singleShot(500, this, [this] { creerEnDiffere(); });
}

bool Vue::eventFilter(QObject* o, QEvent* e) {
    if (o == splash_ && e->type() == QEvent::Paint) {
        splash_->removeEventFilter(this);
        QTimer::singleShot(0, this, [this] { creerEnDiffere(); });
    }
    return false;
}

void Vue::creerEnDiffere() {
    if (table_) return;
    creerFenetres();
    synchroniser();
}

void Vue::creerFenetres() {
    if (table_) return;
    Fenetres& f = jeu_.fen;
    // In the order the program has always created them.
    poignee_ = new TfrmPoignee(*this, f.frmPoignee);
    table_ = new TfrmQuarvel(*this, f.frmQuarvel);
    pliPrecedent_ = new TfrmPliPrecedent(*this, f.frmPliPrecedent);
    mains_ = new TfrmMains(*this, f.frmMains);
    scoreDetaille_ = new TfrmScoreDetaille(*this, f.frmScoreDetaille);
    tousPlis_ = new TfrmTousPlis(*this, f.frmTousPlis);
    meilleursScores_ = new TfrmMeilleursScores(*this, f.frmMeilleursScores);
    statistiques_ = new TfrmStatistiques(*this, f.frmStatistiques);
    lierMinuterie(jeu_.minuteries.TimerEnchere, Evt::TickEnchere);
    lierMinuterie(jeu_.minuteries.TimerEntreCarte, Evt::TickEntreCarte);
    lierMinuterie(jeu_.minuteries.TimerTransition, Evt::TickTransition);
    lierMinuterie(f.frmTousPlis.timerTousPlis, Evt::TickTousPlis);
}

Vue::~Vue() {
    delete aide_;
    delete statistiques_;
    delete meilleursScores_;
    delete tousPlis_;
    delete scoreDetaille_;
    delete mains_;
    delete pliPrecedent_;
    delete table_;
    delete poignee_;
    delete splash_;
}

QWidget* Vue::fenetre(int n) const {
    QWidget* t[] = {splash_,        table_,    poignee_,         pliPrecedent_, mains_,
                    scoreDetaille_, tousPlis_, meilleursScores_, statistiques_};
    return n >= 0 && n < int(std::size(t)) ? t[n] : nullptr;
}

void Vue::lierMinuterie(Minuterie& m, Evt tick) {
    auto* t = new QTimer(this);
    t->setTimerType(Qt::PreciseTimer);
    connect(t, &QTimer::timeout, this, [this, tick] {
        // A tick during a message box of another gesture is lost; the timer comes again.
        if (!occupe_) envoyer({tick});
    });
    minuteries_.push_back({&m, tick, t, m.relances});
}

namespace {

// Processor time of this thread, in microseconds: unlike the wall clock, it does not count the
// moments another process held the processor.
qint64 tempsProcesseur() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return qint64(t.tv_sec) * 1000000 + t.tv_nsec / 1000;
}

} // namespace

void Vue::envoyer(Evenement e) {
    if (occupe_) return;
    creerFenetres();
    // A gesture during a motion: the cards are at their places at once.
    if (e.type != Evt::TickEnchere && e.type != Evt::TickEntreCarte &&
        e.type != Evt::TickTransition && e.type != Evt::TickTousPlis)
        table_->mouvements()->terminer();
    occupe_ = true;
    QElapsedTimer duree;
    duree.start();
    const qint64 cpu = tempsProcesseur();
    if (!virtuelle_) jeu_.maintenant = horloge_.elapsed();
    traiterEvenement(jeu_, e);
    occupe_ = false;
    dureeCoeur_ = duree.nsecsElapsed() / 1000;
    cpuCoeur_ = tempsProcesseur() - cpu;
    synchroniser();
    dureeDernier_ = duree.nsecsElapsed() / 1000;
    cpuDernier_ = tempsProcesseur() - cpu;
    if (apresEvenement) apresEvenement(e, dureeDernier_);
}

void Vue::setHorlogeVirtuelle(bool virtuelle) {
    virtuelle_ = virtuelle;
    synchroniserMinuteries();
}

bool Vue::avancer() {
    creerFenetres();
    MinuterieQt* choisie = nullptr;
    for (MinuterieQt& m : minuteries_)
        if (m.modele->enabled && (!choisie || m.modele->echeance < choisie->modele->echeance))
            choisie = &m;
    if (!choisie) return false;
    Minuterie& m = *choisie->modele;
    if (m.echeance > jeu_.maintenant) jeu_.maintenant = m.echeance;
    const unsigned relances = m.relances;
    envoyer({choisie->tick});
    // Left running without a restart, a timer fires again one interval later.
    if (m.enabled && m.relances == relances) m.echeance = jeu_.maintenant + qMax(1, m.interval);
    return true;
}

const QTimer* Vue::minuterie(const Minuterie& m) const {
    for (const MinuterieQt& x : minuteries_)
        if (x.modele == &m) return x.timer;
    return nullptr;
}

void Vue::synchroniserMinuteries() {
    for (MinuterieQt& m : minuteries_) {
        const Minuterie& mm = *m.modele;
        if (!mm.enabled || virtuelle_) {
            if (m.timer->isActive()) m.timer->stop();
        } else if (!m.timer->isActive() || m.relances != mm.relances ||
                   m.timer->interval() != qMax(0, mm.interval)) {
            m.timer->start(qMax(0, mm.interval));
        }
        m.relances = mm.relances;
    }
}

void Vue::synchroniser() {
    // The table before the dialogs, so a dialog opens over an up-to-date table.
    if (table_) {
        table_->synchroniser();
        pliPrecedent_->synchroniser();
        mains_->synchroniser();
        scoreDetaille_->synchroniser();
        tousPlis_->synchroniser();
        meilleursScores_->synchroniser();
        statistiques_->synchroniser();
        poignee_->synchroniser();
    }
    splash_->synchroniser();
    synchroniserMinuteries();
    suivreLangue();
    if (apresSynchro) apresSynchro();
}

void Vue::suivreTaille(QSize client) {
    if (client.isEmpty() || client == tailleClient_) return;
    const bool premiere = !tailleClient_.isValid();
    tailleClient_ = client;
    if (premiere || occupe_) return;
    QScreen* s = table_ ? table_->screen() : nullptr;
    const int ppp = s ? qRound(s->logicalDotsPerInch()) : 96;
    redisposerTable(jeu_, ecranPourClient(client.width(), client.height(), ppp));
    synchroniser();
}

void Vue::suivreLangue() {
    const int langue = jeu_.textes.langue;
    if (langue == langueQt_) return;
    langueQt_ = langue;
    if (traductionQt_) {
        QCoreApplication::removeTranslator(traductionQt_.get());
        traductionQt_.reset();
    }
    if (langue != FRANCAIS) return;
    // Qt's catalogues as the system installs them; without them Qt's dialogs stay in English.
    auto t = std::make_unique<QTranslator>();
    if (t->load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(t.get());
        traductionQt_ = std::move(t);
    }
}

void Vue::ouvrirAide(const QString& fichier) {
    if (!aide_) aide_ = new FenetreAide();
    const char* absent = texte(
        jeu_.textes, "La page d'aide est introuvable\u00a0:", "The help page cannot be found:");
    aide_->ouvrir(fichier, QString::fromUtf8(absent));
}

} // namespace quarvel::qt
