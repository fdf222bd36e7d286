#include "fenetres/qt/construction.h"

#include "fenetres/qt/graphique.h"

namespace quarvel::qt {

namespace {

VuePanneau::Style style(Allure a) {
    switch (a) {
    case Allure::Bulle:
        return VuePanneau::Style::Bulle;
    case Allure::Barre:
        return VuePanneau::Style::Barre;
    case Allure::Chiffre:
        return VuePanneau::Style::Chiffre;
    case Allure::Marqueur:
        return VuePanneau::Style::Marqueur;
    case Allure::Titre:
        return VuePanneau::Style::Titre;
    case Allure::Encadre:
        return VuePanneau::Style::Cadre;
    default:
        return VuePanneau::Style::Etiquette;
    }
}

// The style sheet's name for the buttons of this look.
const char* nomStyle(Allure a) {
    switch (a) {
    case Allure::Enchere:
        return "enchere";
    case Allure::Conseil:
        return "conseil";
    case Allure::Action:
        return "action";
    case Allure::Resultat:
        return "resultat";
    case Allure::Lancement:
        return "lancement";
    case Allure::Glyphe:
        return "glyphe";
    case Allure::Demarrer:
        return "demarrer";
    default:
        return "revue";
    }
}

Qt::Alignment alignement(Alignement a) {
    switch (a) {
    case Alignement::Gauche:
        return Qt::AlignLeft | Qt::AlignVCenter;
    case Alignement::Droite:
        return Qt::AlignRight | Qt::AlignVCenter;
    case Alignement::Centre:
        break;
    }
    return Qt::AlignCenter;
}

ControleVue* creer(const Controle& c, QWidget* parent, CacheCartes& cache) {
    const Apparence& a = c.apparence;
    const QString icone = QString::fromLatin1(a.icone);
    switch (c.genre) {
    case Genre::Panneau: {
        auto* p = new VuePanneau(parent, style(a.allure), alignement(a.alignement));
        p->setGras(a.gras);
        if (a.policeDefaut > 0) p->setPoliceDefaut(a.policeDefaut);
        if (a.couleurDefaut >= 0)
            p->setCouleurDefaut(couleurDescription(a.couleurDefaut, a.opacite));
        if (a.encre >= 0) p->setEncre(couleurDescription(a.encre));
        return p;
    }
    case Genre::Bouton: {
        auto* b = new VueBouton(parent, nomStyle(a.allure));
        if (!icone.isEmpty()) b->setIcone(&cache, icone, a.texteAussi);
        return b;
    }
    case Genre::BoutonRapide:
        return new VueOutil(parent, cache, icone);
    case Genre::Image: {
        auto* i = new VueImage(parent, cache, icone);
        if (a.pastille >= 0) i->setPastille(couleurDescription(a.pastille));
        return i;
    }
    case Genre::ImageCarte:
        return new VueCarte(parent, cache,
                            a.allure == Allure::Coin ? VueCarte::Mode::Coin
                                                     : VueCarte::Mode::Etiree);
    case Genre::Ellipse:
        return new VueTable(parent);
    case Genre::Rectangle:
    case Genre::Cadre:
        return new VueCadre(
            parent, c.genre == Genre::Rectangle ? VueCadre::Genre::Plein : VueCadre::Genre::Contour,
            couleurDescription(a.couleurDefaut));
    case Genre::Graphique:
        return new VueGraphique(parent);
    case Genre::Fenetre:
        break;
    }
    return nullptr;
}

ControleVue::Ancrage ancrage(Ancrage a) {
    switch (a) {
    case Ancrage::Bas:
        return ControleVue::Ancrage::Bas;
    case Ancrage::Remplit:
        return ControleVue::Ancrage::Remplit;
    case Ancrage::Aucun:
        break;
    }
    return ControleVue::Ancrage::Aucun;
}

} // namespace

QColor couleurDescription(int bgr, int opacite) {
    QColor c = couleurQt(bgr < 0 ? 0 : bgr);
    c.setAlpha(opacite);
    return c;
}

std::vector<ControleVue*> construire(Vue& vue, Liens& liens,
                                     const std::vector<Controle>& description, QWidget* fenetre,
                                     QWidget* surface) {
    std::vector<ControleVue*> v(description.size(), nullptr);
    std::vector<QWidget*> widgets(description.size(), nullptr);
    if (!description.empty()) widgets[0] = fenetre;
    for (std::size_t i = 1; i < description.size(); ++i) {
        const Controle& c = description[i];
        QWidget* parent = c.parent >= 0 ? widgets[c.parent] : fenetre;
        if (c.apparence.ancrage == Ancrage::Bas && surface) parent = surface;
        ControleVue* w = creer(c, parent, vue.cartes());
        if (!w) continue;
        w->ancrage = ancrage(c.apparence.ancrage);
        if (c.geste)
            liens.lier(*c.composant, w, *c.geste);
        else
            liens.lier(*c.composant, w);
        v[i] = w;
        widgets[i] = w->widget();
    }
    return v;
}

} // namespace quarvel::qt
