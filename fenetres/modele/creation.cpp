#include "fenetres/modele/creation.h"

#include "fenetres/modele/presentation.h"

#include "fenetres/modele/dessin.h"
#include "fenetres/modele/jeu.h"
#include "fenetres/modele/menus.h"

#include <cmath>

#include <algorithm>

namespace quarvel {

namespace {

// Rounds a / b to the nearest integer, halves away from zero.
int mulDiv(int a, int m, int d) {
    long long p = static_cast<long long>(a) * m;
    long long q = (p >= 0 ? p + d / 2 : p - d / 2) / d;
    return static_cast<int>(q);
}

// Pixels of a length given as n x scale: to the nearest, a half to the even neighbour.
int px(double x) {
    return static_cast<int>(std::nearbyint(x));
}

} // namespace

Ecran ecranValide(Ecran e) {
    if (e.largeur <= 0 || e.hauteur <= 0) e.largeur = 800, e.hauteur = 600;
    if (e.ppp <= 0) e.ppp = 96;
    return e;
}

int rapportEchelle(Ecran e) {
    e = ecranValide(e);
    return static_cast<int>(static_cast<long long>(e.largeur) * 96 / e.ppp);
}

void calculerEchelles(Jeu& jeu, Ecran e) {
    e = ecranValide(e);
    jeu.echelleH = e.largeur / 800.0;
    jeu.echelleV = e.hauteur / 600.0;
    jeu.disposition.largeurEcran = e.largeur;
    jeu.disposition.hauteurEcran = e.hauteur;
    jeu.disposition.rapportM = rapportEchelle(e);
}

void reechelonner(std::vector<Controle>& liste, int m) {
    if (m == 800) return;
    for (auto& c : liste) {
        Rect& r = c.composant->geo;
        int gauche = mulDiv(r.left, m, 800), haut = mulDiv(r.top, m, 800);
        int droite = mulDiv(r.right(), m, 800), bas = mulDiv(r.bottom(), m, 800);
        r = {gauche, haut, droite - gauche, bas - haut};
        if (c.composant->taillePolice > 0)
            c.composant->taillePolice = mulDiv(c.composant->taillePolice, m, 800);
    }
}

void creerFenetreSplash(Jeu& jeu, Ecran e) {
    e = ecranValide(e);
    TfrmSplash& f = jeu.fen.frmSplash;
    f = TfrmSplash{};
    dessinSplash(f);
    auto liste = controles(f);
    reechelonner(liste, rapportEchelle(e));
    // Centred on the screen.
    f.fenetre.geo.left = (e.largeur - f.fenetre.geo.width) / 2;
    f.fenetre.geo.top = (e.hauteur - f.fenetre.geo.height) / 2;
}

void creerFenetrePoignee(Jeu& jeu, Ecran e) {
    e = ecranValide(e);
    TfrmPoignee& f = jeu.fen.frmPoignee;
    f = TfrmPoignee{};
    dessinPoignee(f);
    auto liste = controles(f);
    reechelonner(liste, rapportEchelle(e));
    f.fenetre.geo.left = (e.largeur - f.fenetre.geo.width) / 2;
    f.fenetre.geo.top = (e.hauteur - f.fenetre.geo.height) / 2;
}

void creerFenetreQuarvel(Jeu& jeu, Ecran e) {
    e = ecranValide(e);
    TfrmQuarvel& f = jeu.fen.frmQuarvel;
    f = TfrmQuarvel{};
    dessinQuarvel(f);
    auto liste = controles(f);
    reechelonner(liste, rapportEchelle(e));
    initialiserMenus(f);
    f.fenetre.caption = PRODUIT;
    disposerTable(jeu);
}

Ecran ecranPourClient(int largeur, int hauteur, int ppp) {
    Ecran e;
    e.largeur = std::min(largeur, hauteur * 800 / HAUTEUR_CLIENT_DESSIN);
    e.hauteur = e.largeur * 600 / 800;
    e.ppp = ppp;
    return ecranValide(e);
}

void redisposerTable(Jeu& jeu, Ecran e) {
    e = ecranValide(e);
    const Disposition& avant = jeu.disposition;
    if (e.largeur == avant.largeurEcran && e.hauteur == avant.hauteurEcran) return;
    TfrmQuarvel& f = jeu.fen.frmQuarvel;
    const TfrmQuarvel ancien = f;
    calculerEchelles(jeu, e);
    creerFenetreQuarvel(jeu, e);
    TfrmQuarvel dispose = f;
    f = ancien;
    auto vers = controles(f);
    const auto de = controles(dispose);
    // Places and fonts as a table created at this size has them; the presentation then sets its
    // own fonts for the new size.
    for (std::size_t i = 0; i < vers.size() && i < de.size(); ++i) {
        Composant& c = *vers[i].composant;
        c.geo = de[i].composant->geo;
        c.taillePolice = de[i].composant->taillePolice;
    }
    presenter(jeu, jeu.donne.phase);
}

void disposerTable(Jeu& jeu) {
    TfrmQuarvel& f = jeu.fen.frmQuarvel;
    const double eh = jeu.echelleH, ev = jeu.echelleV;
    static const char* const honneurs[] = {"R", "D", "C", "V"};

    // 1. Honour markers: a column under each suit image.
    for (int c = 1; c <= 4; ++c) {
        const Rect img = f.ImagesCouleurs[c].geo;
        for (int k = 1; k <= 4; ++k) {
            Composant& m = f.MarqueursHonneurs[c][k];
            m.taillePolice = 12;
            m.couleur = couleurRGB(0xC0C0C0);
            m.geo = {img.left, px(img.top + k * (3 * eh + img.height)), img.width, img.height};
            m.caption = honneurs[k - 1];
        }
    }
    // 2. Suit counts under each column.
    for (int c = 1; c <= 4; ++c) {
        Composant& n = f.ComptesCouleurs[c];
        const Rect m1 = f.MarqueursHonneurs[c][1].geo;
        n.taillePolice = 12;
        n.couleur = couleurRGB(0x85E49F);
        n.geo = {m1.left, f.MarqueursHonneurs[c][4].geo.bottom() + px(3 * eh), m1.width, m1.height};
        n.visible = true;
    }
    // 3. Card size everywhere; the taker frames are a little larger.
    Disposition& d = jeu.disposition;
    d.largeurCarte = px(90 * eh);
    d.hauteurCarte = px(150 * ev);
    auto tailleCarte = [&](Composant& c) {
        c.geo.width = d.largeurCarte;
        c.geo.height = d.hauteurCarte;
    };
    for (auto& c : jeu.fen.frmPoignee.CartePoignee) tailleCarte(c);
    for (auto& c : f.Carte3D) tailleCarte(c);
    for (auto& c : f.CarteTable) tailleCarte(c);
    for (auto& c : f.CarteChien) tailleCarte(c);
    for (auto& c : f.CadrePreneur) {
        c.geo.width = d.largeurCarte + px(10 * eh);
        c.geo.height = d.hauteurCarte + px(10 * ev);
    }
    // 4. Score panels and bid bubbles centred on their seat's table card.
    for (Siege s : SIEGES) {
        const Rect carte = f.CarteTable[s].geo;
        for (Composant* p : {&f.panelScoreTotal[s], &f.PanelDec[s]}) {
            p->geo.left = carte.left - px((p->geo.width - carte.width) / 2.0);
            p->geo.top = carte.top - px((p->geo.height - carte.height) / 2.0);
        }
    }
    // Each seat's name beside its table card, clear of the bid and score bubbles centred on the
    // card, of the taker's frame round it and of the bid bar: level with the top of the card on
    // its outer side for EST and OUEST, on its left for NORD (no room above it), and left of the
    // bubble just over the bar for SUD. They hide while the dog or the discard row is on show.
    for (Siege s : SIEGES) {
        const Rect carte = f.CarteTable[s].geo;
        Rect& n = f.NomSiege[s].geo;
        n.width = px(70 * eh);
        n.height = px(16 * ev);
        const int ecartH = px(7 * eh), ecartV = px(6 * ev);
        if (s == SUD) {
            n.left = f.PanelDec[s].geo.left - ecartH - n.width;
            n.top = f.BarreEnchere.geo.top - ecartV - n.height;
        } else {
            n.top = carte.top;
            n.left = s == EST ? carte.right() + ecartH : carte.left - ecartH - n.width;
        }
    }
    f.CadreGagnant.geo = {0, 0, d.largeurCarte + px(6 * eh), d.hauteurCarte + px(6 * ev)};
    // 5. The quantities the card layouts read.
    d.largeurClient = f.fenetre.geo.width;
    d.hauteurClient = f.fenetre.geo.height;
    d.margeMain = px(20 * eh);
    d.hautMain = f.BarreEnchere.geo.bottom() + px(10 * ev);
    d.pasMain = px(40 * eh);
    d.pasEcart = px(30 * eh);
    d.gaucheChien = f.fenetre.geo.width / 3;
    d.hautChien = f.TableRonde.geo.top + f.TableRonde.geo.height / 2;
    d.leveeCarte = px(20 * ev);
    d.unitePoignee = static_cast<int>(15 * eh);
    // 6. The suit images are drawn transparent by the view.
}

} // namespace quarvel
