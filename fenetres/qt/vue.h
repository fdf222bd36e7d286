#pragma once
// The desktop view of one game: owns the windows and the timers, forwards every gesture to the
// core, then brings every widget back in line with the window model. It decides nothing.
#include "fenetres/modele/gestes.h"
#include "fenetres/qt/cache_cartes.h"

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <functional>
#include <memory>
#include <vector>

class QTimer;
class QTranslator;
class QWidget;

namespace quarvel {

struct Jeu;
struct Composant;
struct Minuterie;
class ControleVue;

namespace qt {

class TfrmSplash;
class TfrmQuarvel;
class TfrmPoignee;
class TfrmPliPrecedent;
class TfrmMains;
class TfrmScoreDetaille;
class TfrmTousPlis;
class TfrmMeilleursScores;
class TfrmStatistiques;
class FenetreAide;

class Vue : public QObject {
public:
    // Only the start-up screen is made at once, so it shows quickly; the other windows follow
    // as soon as the event loop is idle, or at the first gesture.
    explicit Vue(Jeu& jeu);
    ~Vue() override;
    void creerFenetres();

    Jeu& jeu() { return jeu_; }
    CacheCartes& cartes() { return cartes_; }

    // Hands one gesture to the core, then re-syncs everything. A gesture that arrives while the
    // core is still busy with another (a message box is open) is dropped.
    void envoyer(Evenement e);
    void synchroniser();
    // The table window's client area changed: after its first size, the table is laid out
    // again for the new one, 4:3, as large as it holds.
    void suivreTaille(QSize client);

    // For the tests: no real timer runs and the model's time is left alone; `avancer` fires the
    // model timer due first through the view, as its real timer would. False when none runs.
    void setHorlogeVirtuelle(bool virtuelle);
    bool avancer();
    // The real timer that stands for a timer of the model.
    const QTimer* minuterie(const Minuterie& m) const;

    // The widget that shows a component of the model, for the tests and the scenario.
    ControleVue* controle(const Composant& c) const { return index_.value(&c, nullptr); }
    void indexer(const Composant& c, ControleVue* w) { index_.insert(&c, w); }
    const QHash<const Composant*, ControleVue*>& controles() const { return index_; }

    TfrmSplash* splash() const { return splash_; }
    TfrmQuarvel* table() const { return table_; }
    TfrmPoignee* poignee() const { return poignee_; }
    TfrmPliPrecedent* pliPrecedent() const { return pliPrecedent_; }
    TfrmMains* mains() const { return mains_; }
    TfrmScoreDetaille* scoreDetaille() const { return scoreDetaille_; }
    TfrmTousPlis* tousPlis() const { return tousPlis_; }
    TfrmMeilleursScores* meilleursScores() const { return meilleursScores_; }
    TfrmStatistiques* statistiques() const { return statistiques_; }
    // 0 splash .. 6 all tricks, 7 high scores, 8 statistics: for printing and the scenario.
    QWidget* fenetre(int n) const;
    void ouvrirAide(const QString& fichier);
    FenetreAide* aide() const { return aide_; }

    // Measures: time spent in the last gesture, core plus re-sync, in microseconds.
    qint64 dureeDernierEvenement() const { return dureeDernier_; }
    qint64 dureeDernierCoeur() const { return dureeCoeur_; } // the core's share of it
    // The same in processor time of this thread, which load from other programs leaves alone.
    qint64 cpuDernierEvenement() const { return cpuDernier_; }
    qint64 cpuDernierCoeur() const { return cpuCoeur_; }
    bool occupe() const { return occupe_; }
    // Called after each re-sync, and after each gesture with its duration in microseconds
    // (the scenario hook listens here).
    std::function<void()> apresSynchro;
    std::function<void(Evenement, qint64)> apresEvenement;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void creerEnDiffere();
    struct MinuterieQt {
        Minuterie* modele;
        Evt tick;
        QTimer* timer;
        unsigned relances;
    };
    void lierMinuterie(Minuterie& m, Evt tick);
    void synchroniserMinuteries();
    void suivreLangue();

    Jeu& jeu_;
    CacheCartes cartes_;
    QHash<const Composant*, ControleVue*> index_;
    std::vector<MinuterieQt> minuteries_;
    QElapsedTimer horloge_;
    bool occupe_ = false;
    bool virtuelle_ = false;
    qint64 dureeDernier_ = 0;
    qint64 dureeCoeur_ = 0;
    qint64 cpuDernier_ = 0;
    qint64 cpuCoeur_ = 0;

    TfrmSplash* splash_ = nullptr;
    TfrmQuarvel* table_ = nullptr;
    TfrmPoignee* poignee_ = nullptr;
    TfrmPliPrecedent* pliPrecedent_ = nullptr;
    TfrmMains* mains_ = nullptr;
    TfrmScoreDetaille* scoreDetaille_ = nullptr;
    TfrmTousPlis* tousPlis_ = nullptr;
    TfrmMeilleursScores* meilleursScores_ = nullptr;
    TfrmStatistiques* statistiques_ = nullptr;
    FenetreAide* aide_ = nullptr;
    // Qt's own texts (its dialogs' buttons and labels) in the game's language.
    std::unique_ptr<QTranslator> traductionQt_;
    QSize tailleClient_;
    int langueQt_ = 0;
};

} // namespace qt
} // namespace quarvel
