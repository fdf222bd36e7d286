// The game as a web page drives it: gestures in, JSON out, questions answered between two runs
// of the gesture that asked them; and the settings kept as text.
#include "fenetres/modele/evenements.h"
#include "fenetres/modele/plateforme_scriptee.h"
#include "fenetres/web/session.h"
#include "reglages/magasin_memoire.h"
#include "reglages/magasin_texte.h"
#include "reglages/persistance.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <map>

using namespace quarvel;
using nlohmann::json;
using web::PlateformeWeb;
using web::Session;

namespace {

json lire(const std::string& s) {
    return json::parse(s);
}

const Partie& partie(Session& s) {
    return s.jeu();
}

// A browser's storage: text under names, garbage included.
class StockageTexte : public MagasinTexte {
public:
    std::map<std::string, std::string> valeurs;

protected:
    std::optional<std::string> lireTexte(const std::string& nom) override {
        auto it = valeurs.find(nom);
        if (it == valeurs.end()) return std::nullopt;
        return it->second;
    }
    bool ecrireTexte(const std::string& nom, const std::string& texte) override {
        valeurs[nom] = texte;
        return true;
    }
};

} // namespace

// The page learns every window once, then only what moves; a gesture that asks a question stops,
// leaves the game as it was, and is played again with the answer.
TEST(SessionWeb, UneQuestionArreteLeGesteQuiEstRejoueAvecLaReponse) {
    MagasinMemoire magasin;
    Session s(&magasin, "aide");
    const json d = lire(s.description());
    ASSERT_EQ(d["fenetres"].size(), 9u);
    EXPECT_EQ(d["fenetres"][1][0]["nom"], "frmQuarvel");
    EXPECT_EQ(d["fenetres"][1][1]["genre"], "Ellipse");
    EXPECT_FALSE(d["menus"].empty());
    const std::size_t controles = lire(s.etat())["controles"].size();
    EXPECT_GT(controles, 500u);                       // all of them, the first time
    EXPECT_TRUE(lire(s.etat())["controles"].empty()); // then what changed only

    json e = lire(s.geste({Evt::StartEnglish}, 0));
    EXPECT_EQ(e["langue"], ANGLAIS);
    // A series just over: its total is told, then the name is asked. The message shows once,
    // though the gesture that ended the series is played again with the name.
    Challenge& fini = s.jeu().challenge;
    fini.fini = true;
    fini.niveau = 2;
    fini.nbDonnes = 6;
    fini.total = 100000;
    e = lire(s.geste({Evt::ToucheGauche}, 2));
    ASSERT_EQ(e["annonces"].size(), 1u);
    EXPECT_EQ(e["annonces"][0]["genre"], "message");
    EXPECT_EQ(e["question"]["genre"], "texte");
    EXPECT_EQ(e["question"]["offert"], "Zelbin");
    e = lire(s.geste({Evt::ToucheDroite}, 3)); // the page waits for the answer first
    EXPECT_EQ(e["question"]["genre"], "texte");
    EXPECT_TRUE(e["annonces"].empty());
    PlateformeWeb::Reponse nom;
    nom.texte = "Zoé";
    e = lire(s.repondre(nom));
    EXPECT_TRUE(e["annonces"].empty());
    EXPECT_TRUE(e["question"].is_null());
    EXPECT_EQ(s.jeu().reglages.nomHighScoreChallenge[1][1], "Zoé");
    EXPECT_TRUE(s.jeu().fen.frmMeilleursScores.fenetre.visible);
    s.geste({Evt::MeilleursScoresOk}, 4);

    s.geste({Evt::MenuNouveauChallenge}, 10);
    ASSERT_TRUE(s.jeu().challenge.enCours);

    // Asked to abandon the series: the game waits as it was, gestures are ignored meanwhile.
    const Partie avant = partie(s);
    e = lire(s.geste({Evt::MenuNouveauChallenge}, 20));
    ASSERT_FALSE(e["question"].is_null());
    EXPECT_EQ(e["question"]["texte"], "Abandon the challenge in progress?");
    EXPECT_TRUE(partie(s) == avant);
    s.geste({Evt::MenuNewGame}, 30);
    EXPECT_TRUE(partie(s) == avant);
    EXPECT_TRUE(s.enAttente());
    PlateformeWeb::Reponse non;
    e = lire(s.repondre(non));
    EXPECT_TRUE(e["question"].is_null());
    Partie apres = avant;
    apres.maintenant = 20; // the gesture's time, the game unchanged
    EXPECT_TRUE(partie(s) == apres);
    // Yes: the very gesture goes through, as a desktop run answering Yes.
    Jeu bureau = s.jeu();
    PlateformeScriptee scriptee;
    bureau.plateforme = &scriptee;
    bureau.maintenant = 40;
    traiterEvenement(bureau, {Evt::MenuNouveauChallenge});
    s.geste({Evt::MenuNouveauChallenge}, 40);
    PlateformeWeb::Reponse oui;
    oui.oui = true;
    s.repondre(oui);
    EXPECT_FALSE(s.enAttente());
    EXPECT_TRUE(partie(s) == static_cast<const Partie&>(bureau));
}

// A colour chosen in the page's own dialog reaches the option and the stored setting.
TEST(SessionWeb, LaCouleurChoisieDansLaPageEstGardee) {
    MagasinMemoire magasin;
    Session s(&magasin, "aide");
    s.geste({Evt::StartFrench}, 0);
    json e = lire(s.geste({Evt::MenuCouleurTableRonde}, 10));
    ASSERT_EQ(e["question"]["genre"], "couleur");
    EXPECT_EQ(e["question"]["couleur"], s.jeu().reglages.optionCouleurTableRonde);
    PlateformeWeb::Reponse r;
    r.couleur = 0x123456;
    s.repondre(r);
    EXPECT_EQ(s.jeu().reglages.optionCouleurTableRonde, 0x123456);
    EXPECT_EQ(magasin.valeur("optionCouleurTableRonde")->octets, octetsEntier(0x123456));
}

// Values kept as text come back byte for byte; anything else written there reads as missing, and
// the loader keeps its defaults for it.
TEST(SessionWeb, LesReglagesEnTexteRevienentTelsQuelsEtLeResteEstIgnore) {
    StockageTexte m;
    Octets tous;
    for (int i = 0; i < 256; ++i) tous.push_back(static_cast<std::uint8_t>(i));
    for (std::size_t n : {0u, 1u, 2u, 3u, 256u}) {
        const Octets o(tous.begin(), tous.begin() + static_cast<long>(n));
        ASSERT_TRUE(m.ecrireBinaire("v", o));
        EXPECT_EQ(m.lire("v")->octets, o) << n;
    }
    ASSERT_TRUE(m.ecrireChaine("nom", "Élodie \"l'as\"\n東京"));
    EXPECT_EQ(m.lire("nom")->texte, "Élodie \"l'as\"\n東京");

    Reglages r;
    valeursParDefaut(r);
    r.niveau = 2;
    r.scoresGlobaux[1] = 345;
    sauverReglages(r, &m);
    for (const char* garbage :
         {"", "b", "b:", "b:QUJ", "b:Q=JD", "x:QUJD", "{}", "b:QUJD====", "<script>", "s"}) {
        m.valeurs["niveau"] = garbage;
        m.valeurs["scoreTotal1"] = std::string("b:") + garbage;
        Reglages lu;
        valeursParDefaut(lu);
        chargerReglages(lu, &m);
        EXPECT_EQ(lu.niveau, 4) << garbage;
        EXPECT_EQ(lu.scoresGlobaux[1], 0) << garbage;
        EXPECT_EQ(lu.optionVitesseJeuDeLaCarte, r.optionVitesseJeuDeLaCarte);
    }
}
