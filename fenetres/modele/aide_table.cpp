#include "fenetres/modele/aide_table.h"

#include "encheres/ecart.h"
#include "fenetres/modele/controles.h"
#include "fenetres/modele/jeu.h"
#include "fenetres/modele/options.h"
#include "fenetres/modele/revue.h"
#include "partie/coeur.h"
#include "partie/conseil.h"
#include "partie/main_joueur.h"

#include <vector>

namespace quarvel {

namespace {

Moment momentDe(const Jeu& jeu) {
    const Donne& d = jeu.donne;
    return {jeu.donnesDistribuees, d.phase, d.numeroPli, d.pli.nbCartesJouees};
}

bool sudDoitJouer(const Jeu& jeu) {
    const Donne& d = jeu.donne;
    return (d.phase == Phase::TourSud || d.phase == Phase::OffrePoignee) && d.joueurCourant == SUD;
}

void calculerConseil(Jeu& jeu) {
    ConseilMontre& c = jeu.conseil;
    c.actif = true;
    c.moment = momentDe(jeu);
    c.carte = conseilCarte(jeu);
    c.ecart = conseilEcart(jeu);
}

struct Cible {
    const Composant* c;
    Evenement e;
};

// What the arrows reach, left to right, in the phase of the deal.
std::vector<Cible> cibles(const Jeu& jeu) {
    std::vector<Cible> v;
    const Donne& d = jeu.donne;
    const TfrmQuarvel& q = jeu.fen.frmQuarvel;
    if (!q.fenetre.visible) return v;
    auto bouton = [&](const Composant& c, Evenement e) {
        if (c.visible && c.enabled) v.push_back({&c, e});
    };
    switch (d.phase) {
    case Phase::AttentePremiereDonne:
        bouton(q.PanelLancement, {Evt::ClicLancement});
        break;
    case Phase::EnchereSud: {
        if (q.BarreEnchere.visible) {
            bouton(q.evMaMain, {Evt::ClicConseil});
            const Composant* boutons[] = {&q.ButtonPasse, &q.ButtonPrise, &q.ButtonGarde,
                                          &q.ButtonGardeSans, &q.ButtonGardeContre};
            for (int code = 0; code <= 4; ++code) bouton(*boutons[code], {Evt::ClicEnchere, code});
        }
        break;
    }
    case Phase::Ecart:
        for (int i = 1; i <= 24; ++i) v.push_back({&q.Carte3D[i], {Evt::ClicCarte3D, i}});
        bouton(q.PanelConfirmeEcart, {Evt::ClicConfirmeEcart});
        break;
    case Phase::TourSud:
        for (int i = 1; i <= 18; ++i)
            if (estLegale(jeu, Action::carte(SUD, i)))
                v.push_back({&q.Carte3D[i], {Evt::ClicCarte3D, i}});
        break;
    case Phase::OffrePoignee:
        bouton(q.PanelPoigneeSimple, {Evt::ClicPoignee, 1});
        bouton(q.PanelPoigneeDouble, {Evt::ClicPoignee, 2});
        bouton(q.PanelPoigneeTriple, {Evt::ClicPoignee, 3});
        bouton(q.PanelPoigneeAucune, {Evt::ClicPoignee, 0});
        break;
    case Phase::DernierPli:
    case Phase::DonneFinie:
        if (q.PanelResultat.visible) {
            bouton(q.PanelVoirMains, {Evt::ClicVoirMains});
            bouton(q.PanelVoirPlis, {Evt::ClicVoirPlis});
            bouton(q.PanelScoreDetaille, {Evt::ClicScoreDetaille});
            bouton(q.panelRejouerDonne, {Evt::ClicRejouerDonne});
            bouton(q.PanelPanelNewPartie, {Evt::ClicNouvelleDonne});
        }
        break;
    default:
        break;
    }
    return v;
}

// The target the focus stands on: the one it was on, else the nearest of the same kind (the
// next card of the hand), else none.
int position(const std::vector<Cible>& v, Evenement cible) {
    int proche = -1;
    for (int k = 0; k < static_cast<int>(v.size()); ++k) {
        if (v[k].e == cible) return k;
        if (proche < 0 && v[k].e.type == cible.type && v[k].e.index > cible.index) proche = k;
    }
    if (proche < 0)
        for (int k = static_cast<int>(v.size()) - 1; k >= 0; --k)
            if (v[k].e.type == cible.type) return k;
    return proche;
}

} // namespace

void jouerCarteMain(Jeu& jeu, int i) {
    if (jeu.donne.phase != Phase::TourSud) {
        cliquerCarteMain(jeu, i);
        return;
    }
    auto avant = std::make_shared<const Partie>(jeu);
    cliquerCarteMain(jeu, i);
    if (jeu.donne.phase != Phase::TourSud) jeu.reprise = std::move(avant);
}

bool conseilOffert(const Jeu& jeu) {
    return jeu.fen.frmQuarvel.fenetre.visible &&
           (sudDoitJouer(jeu) || jeu.donne.phase == Phase::Ecart);
}

void demanderConseil(Jeu& jeu) {
    if (conseilOffert(jeu)) calculerConseil(jeu);
}

bool repriseOfferte(const Jeu& jeu) {
    const Phase p = jeu.donne.phase;
    return jeu.reprise && jeu.reprise->donnesDistribuees == jeu.donnesDistribuees &&
           p != Phase::AttentePremiereDonne && p != Phase::ChoixPoignee && !donneTerminee(p) &&
           p != Phase::DonneBloquee;
}

void reprendreCarte(Jeu& jeu) {
    if (!repriseOfferte(jeu)) return;
    // The options set since the card stay as the player set them; the clock goes on.
    const Reglages reglages = jeu.reglages;
    const std::int64_t maintenant = jeu.maintenant;
    static_cast<Partie&>(jeu) = *jeu.reprise;
    jeu.reprise.reset();
    jeu.reglages = reglages;
    jeu.maintenant = maintenant;
    appliquerOptions(jeu);
    // The cards come back to where they were: nothing glides.
    jeu.montre.pli = jeu.donne.pli.cartes;
    // The previous trick on show may have been the one taken back.
    TfrmPliPrecedent& precedent = jeu.fen.frmPliPrecedent;
    if (precedent.fenetre.visible) {
        precedent.fenetre.visible = false;
        montrerPliPrecedent(jeu);
    }
}

void deplacerFocus(Jeu& jeu, int sens) {
    const std::vector<Cible> v = cibles(jeu);
    if (v.empty()) return;
    FocusClavier& f = jeu.clavier;
    const int n = static_cast<int>(v.size());
    const int k = f.montre ? position(v, f.cible) : -1;
    if (k < 0)
        f.cible = sens > 0 ? v.front().e : v.back().e;
    else if (f.montre)
        f.cible = v[((k + sens) % n + n) % n].e;
    f.montre = true;
}

bool gesteFocus(const Jeu& jeu, Evenement& geste) {
    if (!jeu.clavier.montre) return false;
    const std::vector<Cible> v = cibles(jeu);
    const int k = position(v, jeu.clavier.cible);
    if (k < 0) return false;
    geste = v[k].e;
    return true;
}

void montrerAideTable(Jeu& jeu) {
    TfrmQuarvel& q = jeu.fen.frmQuarvel;
    const Donne& d = jeu.donne;

    const bool offert = conseilOffert(jeu);
    q.menuConseilJeu.enabled = q.SBConseilJeu.enabled = offert;
    q.menuReprendre.enabled = q.SBReprendre.enabled = repriseOfferte(jeu);
    if (!repriseOfferte(jeu) && jeu.reprise &&
        jeu.reprise->donnesDistribuees != jeu.donnesDistribuees)
        jeu.reprise.reset();

    if (offert && jeu.reglages.optionVisibiliteConseilJeu &&
        !(jeu.conseil.actif && jeu.conseil.moment == momentDe(jeu)))
        calculerConseil(jeu);
    ConseilMontre& c = jeu.conseil;
    if (c.actif && !(c.moment == momentDe(jeu))) c.actif = false;
    for (int i = 1; i <= 24; ++i) {
        bool marque = false;
        if (c.actif && d.phase == Phase::Ecart)
            marque = c.ecart[i];
        else if (c.actif)
            marque = i == c.carte;
        q.Carte3D[i].conseille = marque;
    }

    // The focus: off everywhere, then on its target. Still shown from one turn to the next, it
    // lands on the nearest target of the new turn.
    for (const Controle& c : controles(q)) c.composant->focusClavier = false;
    if (!jeu.clavier.montre) return;
    const std::vector<Cible> v = cibles(jeu);
    if (v.empty()) return;
    int k = position(v, jeu.clavier.cible);
    if (k < 0) k = 0;
    jeu.clavier.cible = v[k].e;
    // The targets are controls of this very model.
    const_cast<Composant*>(v[k].c)->focusClavier = true;
}

} // namespace quarvel
