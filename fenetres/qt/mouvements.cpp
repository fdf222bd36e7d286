#include "fenetres/qt/mouvements.h"

#include "fenetres/modele/fenetres.h"
#include "fenetres/modele/jeu.h"
#include "fenetres/qt/cache_cartes.h"
#include "fenetres/qt/controles.h"
#include "fenetres/qt/vue.h"

#include <QPainter>
#include <QTimer>
#include <QVariantAnimation>
#include <functional>
#include <memory>

namespace quarvel::qt {

// The picture of a card on its way, above everything on the table and deaf to the mouse.
class Fantome : public QWidget {
public:
    Fantome(QWidget* parent, CacheCartes& cache, Mouvements& suivi)
        : QWidget(parent), cache_(cache), suivi_(suivi) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }
    void setNom(const QString& nom) { nom_ = nom; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawPixmap(0, 0, cache_.face(nom_, size(), devicePixelRatioF()));
        p.end();
        suivi_.imagePeinte();
    }

private:
    CacheCartes& cache_;
    QString nom_;
    Mouvements& suivi_;
};

namespace {

QRect rectQt(const Rect& r) {
    return QRect(r.left, r.top, r.width, r.height);
}

} // namespace

Mouvements::Mouvements(Vue& vue, QWidget* scene, const quarvel::TfrmQuarvel& modele)
    : QObject(scene), vue_(vue), scene_(scene), m_(modele) {
    horloge_.start();
}

Mouvements::~Mouvements() = default;

void Mouvements::preparerFaces() {
    const Jeu& jeu = vue_.jeu();
    if (jeu.donnesDistribuees == donneVue_) return;
    donneVue_ = jeu.donnesDistribuees;
    const bool enAttente = !aPreparer_.isEmpty();
    aPreparer_.clear();
    for (Siege s : SIEGES)
        for (const Carte& c : jeu.donne.mains[s]) aPreparer_ << QString::fromLatin1(nomBitmapC(c));
    for (const Carte& c : jeu.donne.chien) aPreparer_ << QString::fromLatin1(nomBitmapC(c));
    const Rect& g = m_.CarteTable[SUD].geo;
    taillePreparee_ = QSize(g.width, g.height);
    if (enAttente) return; // the running chain takes the new list
    auto suivante = std::make_shared<std::function<void()>>();
    *suivante = [this, suivante] {
        if (aPreparer_.isEmpty()) return;
        vue_.cartes().face(aPreparer_.takeLast(), taillePreparee_, scene_->devicePixelRatioF());
        QTimer::singleShot(0, this, *suivante);
    };
    QTimer::singleShot(0, this, *suivante);
}

void Mouvements::suivre() {
    if (m_.dureeMouvement > 0) preparerFaces();
    if (m_.numeroMouvements == numeroVu_) return;
    numeroVu_ = m_.numeroMouvements;
    terminer();
    if (m_.dureeMouvement <= 0) return;
    for (const Mouvement& mv : m_.mouvements) {
        const Composant* arrivee = nullptr;
        if (mv.cible == Mouvement::Cible::CarteTable && mv.index >= 1 && mv.index <= 4)
            arrivee = &m_.CarteTable[mv.index];
        else if (mv.cible == Mouvement::Cible::Carte3D && mv.index >= 1 && mv.index <= 24)
            arrivee = &m_.Carte3D[mv.index];
        ControleVue* cible = arrivee ? vue_.controle(*arrivee) : nullptr;

        // Widgets are kept from one glide to the next: a new one would be styled again.
        Fantome* f = nullptr;
        for (Fantome* libre : fantomes_)
            if (libre->isHidden()) f = libre;
        if (!f) {
            f = new Fantome(scene_, vue_.cartes(), *this);
            fantomes_.push_back(f);
        }
        f->setNom(QString::fromLatin1(nomBitmapC(mv.carte)));
        f->setGeometry(rectQt(mv.depart));
        f->show();
        f->raise();
        auto* a = new QVariantAnimation(this);
        a->setStartValue(rectQt(mv.depart));
        a->setEndValue(rectQt(mv.arrivee));
        a->setDuration(m_.dureeMouvement);
        a->setEasingCurve(QEasingCurve::OutCubic);
        connect(a, &QVariantAnimation::valueChanged, f, [this, f, a](const QVariant& v) {
            // The first picture shows with the event's own; the glide's cost is in the others.
            if (a->currentTime() > 0) debutImage_ = horloge_.nsecsElapsed();
            f->setGeometry(v.toRect());
        });
        connect(a, &QVariantAnimation::finished, this, [this, a] {
            for (std::size_t k = 0; k < vols_.size(); ++k)
                if (vols_[k].animation == a) return finir(k);
        });
        QWidget* w = cible ? cible->widget() : nullptr;
        if (w) w->hide();
        vols_.push_back({f, a, w, arrivee ? &arrivee->visible : nullptr});
        a->start();
    }
}

void Mouvements::finir(std::size_t k) {
    Vol v = vols_[k];
    vols_.erase(vols_.begin() + static_cast<std::ptrdiff_t>(k));
    v.animation->disconnect(this);
    v.animation->stop();
    v.animation->deleteLater();
    // Where the card landed, its control takes over, if the model still shows it.
    if (v.cible) v.cible->setVisible(*v.cibleVisible);
    v.fantome->hide();
    debutImage_ = -1; // its last step is never painted
}

void Mouvements::terminer() {
    while (!vols_.empty()) finir(vols_.size() - 1);
}

void Mouvements::imagePeinte() {
    if (debutImage_ < 0) return;
    couts_.push_back((horloge_.nsecsElapsed() - debutImage_) / 1000);
    debutImage_ = -1;
}

} // namespace quarvel::qt
