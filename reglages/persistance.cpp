#include "reglages/persistance.h"

namespace quarvel {

namespace {

// Calls v.entier / v.booleen / v.chaine for every stored value, in the order of writing.
template <class V> void parcourir(Reglages& r, V& v) {
    v.entier("version", r.version);
    v.booleen("verif", r.verif);
    v.entier("niveau", r.niveau);
    v.entier("optionCouleurFondEcran", r.optionCouleurFondEcran);
    v.entier("optionCouleurTableRonde", r.optionCouleurTableRonde);
    v.entier("optionCouleurFondEcranPlis", r.optionCouleurFondEcranPlis);
    v.entier("optionCouleurFondEcranMains", r.optionCouleurFondEcranMains);
    v.entier("optionCouleurFondEcranScores", r.optionCouleurFondEcranScores);
    v.entier("optionForceMain", r.optionForceMain);
    v.entier("optionVitesseJeuDeLaCarte", r.optionVitesseJeuDeLaCarte);
    v.entier("optionAttenteEntreChaquePli", r.optionAttenteEntreChaquePli);
    v.booleen("optionVisibiliteConseilEnchere", r.optionVisibiliteConseilEnchere);
    v.booleen("optionVisibilitePointsPartieEnCours", r.optionVisibilitePointsPartieEnCours);
    v.booleen("optionVisibiliteDeductions", r.optionVisibiliteDeductions);
    v.booleen("optionAuMoinsUneMainDePrise", r.optionAuMoinsUneMainDePrise);
    v.booleen("optionProposePoignee", r.optionProposePoignee);
    v.booleen("optionBarreOutils", r.optionBarreOutils);
    v.booleen("optionBarreInfo", r.optionBarreInfo);
    v.booleen("optionNiveauAdaptatif", r.optionNiveauAdaptatif);
    v.entier("optionNbDonnesChallenge", r.optionNbDonnesChallenge);
    v.entier("optionRepartitionDonne", r.optionRepartitionDonne);
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 4; ++j) {
            const std::string ij = std::to_string(i) + std::to_string(j);
            v.entier("highScoreChallenge" + ij, r.highScoreChallenge[i][j]);
            v.chaine("nomHighScoreChallenge" + ij, r.nomHighScoreChallenge[i][j]);
        }
    for (int k = 1; k <= NB_REGLES; ++k) v.entier("fr" + std::to_string(k), r.poidsRegles[k]);
    for (int k = 1; k <= 4; ++k) v.entier("scoreTotal" + std::to_string(k), r.scoresGlobaux[k]);
    v.entier("graineAleatoire", r.graineAleatoire);
    v.booleen("optionVisibiliteConseilJeu", r.optionVisibiliteConseilJeu);
    v.booleen("optionAnimationCartes", r.optionAnimationCartes);
    v.booleen("optionConseilSimulation", r.optionConseilSimulation);
    for (int n = 1; n <= 5; ++n) {
        StatistiquesNiveau& s = r.statistiques.niveaux[n];
        const std::string k = std::to_string(n);
        v.entier("statDonnes" + k, s.donnes);
        for (int c = 1; c <= 4; ++c) {
            v.entier("statPrises" + k + std::to_string(c), s.prises[c]);
            v.entier("statPrisesGagnees" + k + std::to_string(c), s.prisesGagnees[c]);
        }
        v.entier("statDefenses" + k, s.defenses);
        v.entier("statDefensesGagnees" + k, s.defensesGagnees);
        v.entier("statPoints" + k, s.points);
        v.entier("statMeilleure" + k, s.meilleure);
        v.entier("statPire" + k, s.pire);
        v.entier("statPoignees" + k, s.poignees);
        v.entier("statPetitGagne" + k, s.petitGagne);
        v.entier("statPetitPerdu" + k, s.petitPerdu);
    }
    v.entier("statNbDernieres", r.statistiques.nbDernieres);
    for (int k = 1; k <= NB_DERNIERES_DONNES; ++k)
        v.entier("statDerniere" + std::to_string(k), r.statistiques.dernieres[k]);
    v.chaine("nomChallenge", r.nomChallenge);
}

struct Ecrivain {
    MagasinReglages& m;
    bool ok = true;
    void entier(const std::string& nom, int& x) {
        ok = m.ecrireBinaire(nom, octetsEntier(x)) && ok;
    }
    void booleen(const std::string& nom, bool& b) {
        ok = m.ecrireBinaire(nom, octetsBooleen(b)) && ok;
    }
    void chaine(const std::string& nom, std::string& s) { ok = m.ecrireChaine(nom, s) && ok; }
};

struct Lecteur {
    MagasinReglages& m;
    bool verifIlisible = false; // stored, but not as a 1-byte boolean

    // A binary value of exactly `taille` bytes, or nothing.
    const Octets* binaire(const std::string& nom, std::size_t taille, ValeurStockee& tampon) {
        auto v = m.lire(nom);
        if (!v) return nullptr;
        if (v->type != TypeValeur::Binaire || v->octets.size() != taille) return nullptr;
        tampon = std::move(*v);
        return &tampon.octets;
    }
    void entier(const std::string& nom, int& x) {
        if (nom == "version") return; // written for whoever reads the store by hand, never read
        ValeurStockee t;
        if (const Octets* o = binaire(nom, 4, t)) {
            std::uint32_t u = (*o)[0] | ((*o)[1] << 8) | ((*o)[2] << 16) |
                              (static_cast<std::uint32_t>((*o)[3]) << 24);
            x = static_cast<std::int32_t>(u);
        }
    }
    void booleen(const std::string& nom, bool& b) {
        ValeurStockee t;
        const Octets* o = binaire(nom, 1, t);
        if (o && (*o)[0] <= 1)
            b = (*o)[0] == 1;
        else if (nom == "verif" && m.lire(nom))
            verifIlisible = true;
    }
    void chaine(const std::string& nom, std::string& s) {
        auto v = m.lire(nom);
        if (!v)
            s.clear(); // a missing holder name reads as empty
        else if (v->type == TypeValeur::Chaine)
            s = v->texte;
    }
};

struct Nommeur {
    std::vector<std::string> noms;
    void entier(const std::string& nom, int&) { noms.push_back(nom); }
    void booleen(const std::string& nom, bool&) { noms.push_back(nom); }
    void chaine(const std::string& nom, std::string&) { noms.push_back(nom); }
};

} // namespace

Octets octetsEntier(int valeur) {
    auto u = static_cast<std::uint32_t>(valeur);
    return {static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8),
            static_cast<std::uint8_t>(u >> 16), static_cast<std::uint8_t>(u >> 24)};
}

Octets octetsBooleen(bool valeur) {
    return {static_cast<std::uint8_t>(valeur ? 1 : 0)};
}

std::vector<std::string> nomsReglages() {
    Reglages r;
    Nommeur n;
    parcourir(r, n);
    return n.noms;
}

bool sauverReglages(Reglages& r, MagasinReglages* magasin) {
    if (!magasin) return false;
    r.version = VERSION_REGLAGES;
    Ecrivain e{*magasin};
    parcourir(r, e);
    const bool fini = magasin->terminer();
    return e.ok && fini;
}

bool sauverGraineAleatoire(const Reglages& r, MagasinReglages* magasin) {
    if (!magasin) return false;
    const bool ecrite = magasin->ecrireBinaire("graineAleatoire", octetsEntier(r.graineAleatoire));
    return magasin->terminer() && ecrite;
}

void valeursParDefaut(Reglages& r) {
    r.niveau = 4;
    r.optionCouleurFondEcran = 0x404000;
    r.optionCouleurTableRonde = 0x008000;
    r.optionCouleurFondEcranPlis = 0x808080;
    r.optionCouleurFondEcranMains = 0x808080;
    r.optionCouleurFondEcranScores = 0x808080;
    r.optionForceMain = 2;
    r.optionVitesseJeuDeLaCarte = 3;
    r.optionAttenteEntreChaquePli = 2;
    r.optionVisibiliteConseilEnchere = true;
    r.optionVisibilitePointsPartieEnCours = true;
    r.optionVisibiliteDeductions = true;
    r.optionAuMoinsUneMainDePrise = false;
    r.optionProposePoignee = true;
    r.optionBarreOutils = true;
    r.optionBarreInfo = true;
    r.optionNiveauAdaptatif = true;
    r.optionVisibiliteConseilJeu = false;
    r.optionAnimationCartes = true;
    r.optionConseilSimulation = false;
    r.optionNbDonnesChallenge = 12;
    r.optionRepartitionDonne = 3;
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 4; ++j) {
            r.highScoreChallenge[i][j] = 300;
            r.nomHighScoreChallenge[i][j] = "Zelbin";
        }
    r.poidsRegles.remplir(100);
    r.scoresGlobaux.remplir(0);
    r.statistiques = Statistiques{};
    r.nomChallenge.clear();
}

void reglagesParDefaut(Reglages& r, MagasinReglages* magasin) {
    valeursParDefaut(r);
    sauverReglages(r, magasin);
}

void chargerReglages(Reglages& r, MagasinReglages* magasin) {
    if (magasin) {
        Lecteur l{*magasin};
        parcourir(r, l);
        // A damaged count must not reach past the scores it counts.
        int& n = r.statistiques.nbDernieres;
        if (n < 0 || n > NB_DERNIERES_DONNES) n = 0;
        // A level this program does not know plays as the default one.
        if (r.niveau < 1 || r.niveau > 5) r.niveau = 4;
        // Every run starts with normal deals, whatever was stored.
        r.optionForceMain = 2;
        r.optionAuMoinsUneMainDePrise = false;
        // First run: nothing stored yet. A marker that is there but unreadable means the
        // values were written before: they are not overwritten by the defaults.
        if (!r.verif) {
            r.verif = true;
            if (!l.verifIlisible) reglagesParDefaut(r, magasin);
        }
    } else {
        r.optionForceMain = 2;
        r.optionAuMoinsUneMainDePrise = false;
    }
}

} // namespace quarvel
