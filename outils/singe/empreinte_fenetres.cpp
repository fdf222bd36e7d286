#include "outils/singe/empreinte_fenetres.h"

#include "fenetres/modele/challenge.h"
#include "fenetres/modele/controles.h"
#include "fenetres/modele/jeu.h"
#include "fenetres/modele/menus.h"
#include "fenetres/modele/revue.h"

#include <string>
#include <vector>

namespace quarvel {

namespace {

struct Hachage {
    std::uint64_t h = 14695981039346656037ull;

    void octets(const void* p, std::size_t n) {
        const auto* o = static_cast<const unsigned char*>(p);
        for (std::size_t i = 0; i < n; ++i) {
            h ^= o[i];
            h *= 1099511628211ull;
        }
    }
    // Whole words for numbers: a digest after every gesture must stay cheap.
    void operator()(std::int64_t x) {
        h ^= static_cast<std::uint64_t>(x);
        h *= 1099511628211ull;
    }
    void operator()(const std::string& s) {
        (*this)(static_cast<std::int64_t>(s.size()));
        octets(s.data(), s.size());
    }
    void operator()(const Rect& r) {
        (*this)(r.left);
        (*this)(r.top);
        (*this)(r.width);
        (*this)(r.height);
    }
    void operator()(const Carte& c) {
        (*this)(c.valeur);
        (*this)(entier(c.couleur));
        (*this)(c.enMain);
    }
    void operator()(const Composant& c) {
        (*this)(c.visible);
        (*this)(c.enabled);
        (*this)(c.caption);
        (*this)(c.hint);
        (*this)(c.couleur);
        (*this)(c.taillePolice);
        (*this)(c.geo);
        (*this)(static_cast<int>(c.curseur));
        (*this)(c.checked);
        (*this)(c.carte);
        (*this)(c.focus);
        (*this)(c.focusClavier);
        (*this)(c.conseille);
    }
    void operator()(const Mouvement& m) {
        (*this)(m.carte);
        (*this)(m.depart);
        (*this)(m.arrivee);
        (*this)(static_cast<int>(m.cible));
        (*this)(m.index);
    }
    void operator()(const std::vector<Mouvement>& v) {
        for (const Mouvement& m : v) (*this)(m);
    }
    void operator()(const std::vector<int>& v) {
        for (int x : v) (*this)(x);
    }
    void operator()(const ElementMenu& m) {
        (*this)(static_cast<const Composant&>(m));
        (*this)(m.raccourci);
        (*this)(m.groupe);
    }
    void operator()(const Minuterie& m) {
        (*this)(m.enabled);
        (*this)(m.interval);
        (*this)(static_cast<std::int64_t>(m.relances));
        (*this)(m.echeance);
    }
    template <class T, int N, int B> void operator()(const Tableau<T, N, B>& t) {
        for (const T& x : t) (*this)(x);
    }
    template <class... T> void tous(const T&... x) { ((*this)(x), ...); }
};

void menus(Hachage& h, const std::vector<NoeudMenu>& noeuds) {
    for (const NoeudMenu& n : noeuds) {
        if (n.element) h(*n.element);
        menus(h, n.enfants);
    }
}

// Every control of the window, as its description lists them.
template <class F> void fenetre(Hachage& h, const F& f) {
    for (const Controle& c : description(f)) h(*c.composant);
}

} // namespace

std::uint64_t empreinteFenetres(const Jeu& jeu) {
    Hachage h;
    const Fenetres& f = jeu.fen;
    fenetre(h, f.frmSplash);
    const TfrmQuarvel& q = f.frmQuarvel;
    fenetre(h, q);
    h.tous(q.mouvements, q.numeroMouvements, q.dureeMouvement);
    // The view runs its timers from the game's.
    h.tous(jeu.minuteries.TimerEnchere, jeu.minuteries.TimerEntreCarte,
           jeu.minuteries.TimerTransition);
    menus(h, arbreMenu(const_cast<TfrmQuarvel&>(q)));
    fenetre(h, f.frmPoignee);
    fenetre(h, f.frmPliPrecedent);
    fenetre(h, f.frmMains);
    h(f.frmMains.parentCadre);
    fenetre(h, f.frmScoreDetaille);
    const TfrmTousPlis& tp = f.frmTousPlis;
    fenetre(h, tp);
    h.tous(tp.timerTousPlis, tp.etapeTousPlis, tp.ordreTousPlis);
    fenetre(h, f.frmMeilleursScores);
    const TfrmStatistiques& st = f.frmStatistiques;
    fenetre(h, st);
    h.tous(st.courbe, st.reussites, st.contrats, st.axeDonnes, st.axePoints, st.axePourcents,
           st.numeroGraphiques);
    h(jeu.textes.langue);
    return h.h;
}

} // namespace quarvel
