#include "fenetres/modele/demarrage.h"
#include "fenetres/modele/evenements.h"
#include "fenetres/modele/horloge.h"
#include "fenetres/modele/jeu.h"
#include "fenetres/modele/plateforme_scriptee.h"
#include "reglages/persistance.h"
#include "reglages/qt/magasin_qsettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

using namespace quarvel;

namespace {

QString dossierTest() {
    return QString::fromLocal8Bit(std::getenv("XDG_CONFIG_HOME"));
}

// A file this process has never opened: QSettings reads it from disk, as a new run would.
QString copieNeuve(const QString& source) {
    static int n = 0;
    const QString cible = dossierTest() + QStringLiteral("/copie%1.conf").arg(++n);
    QFile::remove(cible);
    EXPECT_TRUE(QFile::copy(source, cible));
    return cible;
}

void ecrireFichier(const QString& chemin, const QByteArray& contenu) {
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(contenu);
}

std::unique_ptr<Jeu> demarrer(MagasinReglages& m, PlateformeScriptee& p) {
    auto jeu = std::make_unique<Jeu>();
    demarrerJeu(*jeu, {}, &m, &p, ".");
    return jeu;
}

} // namespace

TEST(MagasinQSettings, RangeSousOstravin) {
    MagasinQSettings m;
    EXPECT_EQ(m.fichier(), dossierTest() + "/Ostravin/QUARVEL 99.2.conf");
    EXPECT_TRUE(m.ecrireBinaire("verif", {1}));
    EXPECT_TRUE(m.terminer());
    EXPECT_TRUE(QFile::exists(m.fichier()));
    // The About box tells the player where that file is.
    PlateformeScriptee p;
    auto jeu = demarrer(m, p);
    choisirLangue(*jeu, FRANCAIS);
    traiterEvenement(*jeu, {Evt::MenuApropos});
    EXPECT_NE(p.dernierMessage().find("gardés dans\u00a0:\n" + m.fichier().toStdString()),
              std::string::npos);
}

TEST(MagasinQSettings, LesOctetsReviennentTelsQuels) {
    Octets tous;
    for (int i = 0; i < 256; ++i) tous.push_back(static_cast<std::uint8_t>(i));
    const QString chemin = dossierTest() + "/octets.conf";
    {
        MagasinQSettings m(chemin);
        EXPECT_TRUE(m.ecrireBinaire("tous", tous));
        EXPECT_TRUE(m.ecrireBinaire("scoreTotal1", octetsEntier(-250)));
        EXPECT_TRUE(m.ecrireBinaire("vide", {}));
        EXPECT_TRUE(m.ecrireChaine("nomHighScoreChallenge11", "Zelbin à l'été, 2"));
        EXPECT_TRUE(m.terminer());
    }
    MagasinQSettings relu(copieNeuve(chemin));
    auto t = relu.lire("tous");
    ASSERT_TRUE(t);
    EXPECT_EQ(t->type, TypeValeur::Binaire);
    EXPECT_EQ(t->octets, tous);
    EXPECT_EQ(relu.lire("scoreTotal1")->octets, octetsEntier(-250));
    EXPECT_EQ(relu.lire("vide")->type, TypeValeur::Binaire);
    EXPECT_TRUE(relu.lire("vide")->octets.empty());
    auto nom = relu.lire("nomHighScoreChallenge11");
    EXPECT_EQ(nom->type, TypeValeur::Chaine);
    EXPECT_EQ(nom->texte, "Zelbin à l'été, 2");
    EXPECT_FALSE(relu.lire("absent"));
}

TEST(MagasinQSettings, UnePartieSurUnVraiFichier) {
    PlateformeScriptee p;
    const QString chemin = dossierTest() + "/partie.conf";
    {
        MagasinQSettings m(chemin);
        auto jeu = demarrer(m, p);
        jeu->reglages.scoresGlobaux[2] = 75;
        jeu->reglages.optionBarreOutils = false;
        EXPECT_TRUE(sauverReglages(jeu->reglages, jeu->magasin));
    }
    // Hand-edited values: plain text where bytes belong, a boolean too long.
    const QString copie = copieNeuve(chemin);
    QSettings edition(copie, QSettings::IniFormat);
    edition.setValue("niveau", QStringLiteral("2"));
    edition.setValue("optionBarreInfo", QByteArray("\x00\x00", 2));
    edition.sync();

    MagasinQSettings relu(copieNeuve(copie));
    auto jeu = demarrer(relu, p);
    EXPECT_EQ(jeu->reglages.scoresGlobaux[2], 75);
    EXPECT_FALSE(jeu->fen.frmQuarvel.PanelBarreOutils.visible);
    EXPECT_EQ(jeu->reglages.niveau, 4);         // "2" as text is not a stored level
    EXPECT_TRUE(jeu->reglages.optionBarreInfo); // two bytes are not a boolean
    EXPECT_TRUE(jeu->fen.frmQuarvel.menuPro.checked);
}

TEST(MagasinQSettings, UnFichierEcritALaMainSeLitSansAccident) {
    const QString chemin = dossierTest() + "/main.conf";
    ecrireFichier(chemin, "[General]\nverif=@ByteArray(\\x1)\nniveau=7\nfr3=1, 2\n"
                          "optionCouleurFondEcran=@ByteArray(abc\nscoreTotal1=\n");
    MagasinQSettings m(chemin);
    EXPECT_EQ(m.lire("verif")->octets, Octets{1});
    EXPECT_EQ(m.lire("niveau")->type, TypeValeur::Chaine);
    EXPECT_EQ(m.lire("fr3")->type, TypeValeur::Chaine);
    EXPECT_EQ(m.lire("scoreTotal1")->type, TypeValeur::Chaine);
    PlateformeScriptee p;
    auto jeu = demarrer(m, p);
    EXPECT_EQ(jeu->reglages.niveau, 4);
    EXPECT_EQ(jeu->reglages.poidsRegles[3], 100);
    EXPECT_EQ(jeu->reglages.optionCouleurFondEcran, 0x404000);
}

TEST(MagasinQSettings, UnFichierImpossibleAEcrireEstSignale) {
    // A plain file where the folder should be: nothing can be created under it.
    const QString bouchon = dossierTest() + "/bouchon";
    ecrireFichier(bouchon, "x");
    MagasinQSettings m(bouchon + "/Ostravin/QUARVEL 99.2.conf");
    EXPECT_TRUE(m.ecrireBinaire("niveau", octetsEntier(3)));
    EXPECT_FALSE(m.terminer());
    PlateformeScriptee p;
    auto jeu = demarrer(m, p);
    EXPECT_FALSE(sauverReglages(jeu->reglages, jeu->magasin));
    EXPECT_TRUE(jeu->fen.frmQuarvel.menuPro.checked);
}

int main(int argc, char** argv) {
    // Each test process gets its own configuration folder, so that nothing of the user's is
    // touched and parallel runs do not meet.
    QTemporaryDir dossier;
    if (!dossier.isValid()) return 2;
    const QByteArray config = QDir(dossier.path()).filePath("config").toLocal8Bit();
    const QByteArray runtime = QDir(dossier.path()).filePath("runtime").toLocal8Bit();
    QDir().mkpath(QString::fromLocal8Bit(config));
    QDir().mkpath(QString::fromLocal8Bit(runtime));
    QFile::setPermissions(QString::fromLocal8Bit(runtime),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_CONFIG_HOME", config);
    qputenv("XDG_RUNTIME_DIR", runtime);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// Deals played to their end on a real file: SUD's record is there for the next run, and it
// adds up to what the running score says.
TEST(MagasinQSettings, LesStatistiquesSurviventAuRedemarrage) {
    PlateformeScriptee p;
    const QString chemin = dossierTest() + "/statistiques.conf";
    QFile::remove(chemin);
    Statistiques attendues;
    {
        MagasinQSettings m(chemin);
        auto jeu = demarrer(m, p);
        traiterEvenement(*jeu, {Evt::StartFrench});
        traiterEvenement(*jeu, {Evt::ClicLancement});
        const int scoreAvant = jeu->reglages.scoresGlobaux[SUD];
        // SUD passes and defends, playing his last playable card; every deal goes to its end.
        for (int pas = 0; pas < 20000 && jeu->donnesFinies < 3; ++pas) {
            const Donne& d = jeu->donne;
            const TfrmQuarvel& f = jeu->fen.frmQuarvel;
            Evenement e{Evt::ClicFond};
            if (f.PanelPoignee.visible)
                e = {Evt::ClicPoignee, 0};
            else if (f.BarreEnchere.visible)
                e = {Evt::ClicEnchere, entier(PASSE)};
            else if (sudALaMain(d.phase) && d.joueurCourant == SUD &&
                     !jeu->minuteries.TimerEntreCarte.enabled) {
                for (int i = 18; i >= 1; --i)
                    if (d.cartesJouables[SUD][i] == 1 && d.mains[SUD][i].enMain)
                        e = {Evt::ClicCarte3D, i};
            } else if (donneTerminee(d.phase))
                e = {Evt::ClicNouvelleDonne};
            else if (!clicPourContinuer(d.phase) && d.phase != Phase::ChienMontre &&
                     avancerHorloge(*jeu))
                continue;
            traiterEvenement(*jeu, e);
        }
        ASSERT_EQ(jeu->donnesFinies, 3);
        attendues = jeu->reglages.statistiques;
        const StatistiquesNiveau& n = attendues.niveaux[jeu->reglages.niveau];
        EXPECT_EQ(n.donnes, 3);
        EXPECT_EQ(n.defenses, 3);
        EXPECT_EQ(n.points, jeu->reglages.scoresGlobaux[SUD] - scoreAvant);
        EXPECT_EQ(attendues.dernieres[1] + attendues.dernieres[2] + attendues.dernieres[3],
                  n.points);
    } // closed by its close box: only what the deals saved remains

    MagasinQSettings relu(copieNeuve(chemin));
    auto jeu = demarrer(relu, p);
    EXPECT_EQ(jeu->reglages.statistiques, attendues);
}
