#pragma once
// What every window shares: its controls bound to the components they show, and the copy of the
// window's own component (title, colour, size, shown or hidden).
#include "fenetres/modele/composant.h"
#include "fenetres/modele/gestes.h"
#include "fenetres/qt/controles.h"
#include "fenetres/qt/vue.h"

#include <vector>

class QWidget;

namespace quarvel::qt {

class Liens {
public:
    explicit Liens(Vue& vue) : vue_(vue) {}

    template <class W> W* lier(const Composant& c, W* w) {
        liens_.push_back({&c, w});
        vue_.indexer(c, w);
        return w;
    }
    template <class W> W* lier(const Composant& c, W* w, Evenement e) {
        lier(c, w);
        Vue* v = &vue_;
        w->surClic = [v, e] { v->envoyer(e); };
        return w;
    }
    void synchroniser() {
        for (const Lien& l : liens_) l.controle->suivre(*l.composant);
    }
    void replacer() {
        for (const Lien& l : liens_)
            if (l.controle->ancrage != ControleVue::Ancrage::Aucun) l.controle->replacer();
    }

private:
    struct Lien {
        const Composant* composant;
        ControleVue* controle;
    };
    Vue& vue_;
    std::vector<Lien> liens_;
};

// The window itself. `fond` is the widget painted in the window's colour.
// The corner that centres a window of this size (frame included) in `zone`.
QPoint coinCentre(const QRect& zone, const QSize& taille);

class SuiviFenetre {
public:
    enum class Mode { Normale, Maximisee };
    // A window in Normale mode opens centred on `centre` when it is on show (the table), on the
    // screen otherwise, whatever the model's corner, which counts in the game area only.
    void suivre(QWidget* fenetre, QWidget* fond, const Composant& c, Mode mode = Mode::Normale,
                const QWidget* centre = nullptr);

private:
    Composant vu_;
    bool premier_ = true;
};

} // namespace quarvel::qt
