#include "fenetres/qt/mouvements.h"

#include "fenetres/modele/fenetres.h"
#include "fenetres/qt/cache_cartes.h"
#include "fenetres/qt/controles.h"
#include "fenetres/qt/vue.h"

#include <QPainter>
#include <QVariantAnimation>

namespace quarvel::qt {

// The picture of a card on its way, above everything on the table and deaf to the mouse.
class Fantome : public QWidget {
public:
    Fantome(QWidget* parent, CacheCartes& cache, QString nom, Mouvements& suivi)
        : QWidget(parent), cache_(cache), nom_(std::move(nom)), suivi_(suivi) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

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

void Mouvements::suivre() {
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

        auto* f = new Fantome(scene_, vue_.cartes(), QString::fromLatin1(nomBitmapC(mv.carte)),
                              *this);
        f->setGeometry(rectQt(mv.depart));
        f->show();
        f->raise();
        auto* a = new QVariantAnimation(this);
        a->setStartValue(rectQt(mv.depart));
        a->setEndValue(rectQt(mv.arrivee));
        a->setDuration(m_.dureeMouvement);
        a->setEasingCurve(QEasingCurve::OutCubic);
        connect(a, &QVariantAnimation::valueChanged, f, [this, f](const QVariant& v) {
            debutImage_ = horloge_.nsecsElapsed();
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
    v.fantome->deleteLater();
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
