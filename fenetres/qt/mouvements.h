#pragma once
// Cards that glide: the model says where each card of the last event came from and where it went,
// and how long the glide takes; the view plays it over the table, and the control it ends on
// shows once the card has arrived.
#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <QWidget>
#include <vector>

class QVariantAnimation;

namespace quarvel {
class CacheCartes;
struct TfrmQuarvel;
} // namespace quarvel

namespace quarvel::qt {

class Vue;

class Mouvements : public QObject {
public:
    Mouvements(Vue& vue, QWidget* scene, const quarvel::TfrmQuarvel& modele);
    ~Mouvements() override;
    // Plays the model's list of motions once, after the table's widgets were brought in line.
    void suivre();
    // Every card at its place at once: a gesture during a motion does not wait for it.
    void terminer();
    bool enCours() const { return !vols_.empty(); }

    // Measures: what each frame of a glide cost, from the step to its picture painted, in
    // microseconds.
    const std::vector<qint64>& coutsImages() const { return couts_; }

private:
    struct Vol {
        QWidget* fantome;
        QVariantAnimation* animation;
        QWidget* cible; // null when the card ends off the table
        const bool* cibleVisible;
    };
    void finir(std::size_t k);
    void imagePeinte();
    // The faces of a new deal drawn at table size while the program idles, one at a time, so
    // that no frame of a glide waits for a face to be drawn.
    void preparerFaces();

    QStringList aPreparer_;
    QSize taillePreparee_;
    int donneVue_ = -1;

    Vue& vue_;
    QWidget* scene_;
    const quarvel::TfrmQuarvel& m_;
    int numeroVu_ = 0;
    std::vector<Vol> vols_;
    std::vector<class Fantome*> fantomes_;
    QElapsedTimer horloge_;
    qint64 debutImage_ = -1;
    std::vector<qint64> couts_;
    friend class Fantome;
};

} // namespace quarvel::qt
