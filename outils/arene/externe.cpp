#include "outils/arene/externe.h"

#include "encheres/ecart.h"
#include "encheres/poignee.h"
#include "partie/partie.h"

#include <nlohmann/json.hpp>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quarvel::arene {

using json = nlohmann::json;

namespace {

constexpr std::size_t LIGNE_MAX = 1 << 20; // a reply of a megabyte or more is refused

const char* const NOMS_CONTRATS[] = {"PASSE", "PRISE", "GARDE", "GARDE SANS", "GARDE CONTRE"};

json nomsMain(const MainJoueur& m, bool seulementEnMain) {
    json v = json::array();
    for (int i : SLOTS)
        if (!seulementEnMain || m[i].enMain) v.push_back(nomBitmapC(m[i]));
    return v;
}

// The card a name stands for; couleur AUCUNE when it names none.
Carte carteNommee(const std::string& nom) {
    for (const Carte& c : jeuComplet())
        if (nom == nomBitmapC(c)) return c;
    return Carte{};
}

bool memeCarte(const Carte& a, const Carte& b) {
    return a.couleur == b.couleur && a.valeur == b.valeur;
}

// What the program wrote, fit for one line of a report: printable, and short.
std::string apercu(const std::string& texte) {
    std::string r;
    for (unsigned char c : texte) {
        if (r.size() >= 160) {
            r += "...";
            break;
        }
        if (c < 0x20 || c == 0x7F) {
            char t[8];
            std::snprintf(t, sizeof t, "\\x%02X", c);
            r += t;
        } else {
            r += static_cast<char>(c);
        }
    }
    return r;
}

} // namespace

ProgrammeExterne::ProgrammeExterne(const std::string& commande, int delaiSecondes)
    : delaiMs_(delaiSecondes * 1000) {
    // A program that is gone makes writes fail, never kills the arena.
    std::signal(SIGPIPE, SIG_IGN);
    int versLui[2], deLui[2];
    if (pipe(versLui) != 0) throw ArretExterne("cannot start the external program: no pipe");
    if (pipe(deLui) != 0) {
        close(versLui[0]);
        close(versLui[1]);
        throw ArretExterne("cannot start the external program: no pipe");
    }
    pid_ = fork();
    if (pid_ < 0) throw ArretExterne("cannot start the external program: fork failed");
    if (pid_ == 0) {
        // A group of its own, so that whatever the shell starts goes with it at the end.
        setpgid(0, 0);
        dup2(versLui[0], STDIN_FILENO);
        dup2(deLui[1], STDOUT_FILENO);
        close(versLui[0]);
        close(versLui[1]);
        close(deLui[0]);
        close(deLui[1]);
        execl("/bin/sh", "sh", "-c", commande.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    setpgid(pid_, pid_);
    close(versLui[0]);
    close(deLui[1]);
    entree_ = versLui[1];
    sortie_ = deLui[0];
    fcntl(entree_, F_SETFD, FD_CLOEXEC);
    fcntl(sortie_, F_SETFD, FD_CLOEXEC);
}

ProgrammeExterne::~ProgrammeExterne() {
    if (entree_ >= 0) close(entree_); // end of input: a well-behaved program leaves
    if (sortie_ >= 0) close(sortie_);
    if (pid_ > 0) {
        bool fini = false;
        for (int k = 0; k < 50 && !fini; ++k) {
            fini = waitpid(pid_, nullptr, WNOHANG) == pid_;
            if (!fini) usleep(20000);
        }
        // Silent or gone, its children too: none may outlive the run.
        kill(-pid_, SIGKILL);
        if (!fini) waitpid(pid_, nullptr, 0);
    }
}

void ProgrammeExterne::envoyer(const std::string& ligne) {
    std::string t = ligne + "\n";
    std::size_t fait = 0;
    while (fait < t.size()) {
        const ssize_t n = write(entree_, t.data() + fait, t.size() - fait);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) throw ArretExterne("the external program has exited");
        fait += static_cast<std::size_t>(n);
    }
}

std::string ProgrammeExterne::recevoir(bool& tropLongue, const std::string& contexte) {
    tropLongue = false;
    const auto limite = std::chrono::steady_clock::now() + std::chrono::milliseconds(delaiMs_);
    bool jeter = false; // past a megabyte: the rest of the line is dropped unread
    char bloc[65536];
    for (;;) {
        const std::size_t fin = tampon_.find('\n');
        if (fin != std::string::npos) {
            std::string ligne = tampon_.substr(0, fin);
            tampon_.erase(0, fin + 1);
            if (jeter || ligne.size() >= LIGNE_MAX) {
                tropLongue = true;
                return {};
            }
            return ligne;
        }
        if (tampon_.size() >= LIGNE_MAX) {
            jeter = true;
            tampon_.clear();
        }
        const auto reste = std::chrono::duration_cast<std::chrono::milliseconds>(
            limite - std::chrono::steady_clock::now());
        pollfd p{sortie_, POLLIN, 0};
        const int pret = reste.count() > 0 ? poll(&p, 1, static_cast<int>(reste.count())) : 0;
        if (pret < 0 && errno == EINTR) continue;
        if (pret == 0)
            throw ArretExterne("the external program stayed silent for " +
                               std::to_string(delaiMs_ / 1000) + " s (" + contexte + ")");
        const ssize_t n = read(sortie_, bloc, sizeof bloc);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) throw ArretExterne("the external program has exited (" + contexte + ")");
        tampon_.append(bloc, static_cast<std::size_t>(n));
    }
}

bool SiegesProgramme::externe(Siege s) const {
    for (Siege x : sieges_)
        if (x == s) return true;
    return false;
}

void SiegesProgramme::faute(Siege s, const char* question, const std::string& reponse,
                            const char* raison) {
    ++fautes_;
    std::fprintf(stderr,
                 "quarvel-arene: external fault: deal %llu, seat %d, question %s, reply '%s': "
                 "%s; the first legal choice is played\n",
                 donne_, entier(s), question, apercu(reponse).c_str(), raison);
}

std::string SiegesProgramme::demander(const std::string& question, Siege s, const char* type) {
    p_.envoyer(question);
    bool tropLongue = false;
    std::string r = p_.recevoir(tropLongue, "deal " + std::to_string(donne_) + ", seat " +
                                                std::to_string(entier(s)) + ", question " + type);
    signale_ = tropLongue;
    if (tropLongue) faute(s, type, "", "a reply of 1 MB or more");
    return r;
}

void SiegesProgramme::donne(const Partie& jeu) {
    const Donne& d = jeu.donne;
    for (Siege s : sieges_)
        p_.envoyer(json{{"type", "donne"},
                        {"donne", donne_},
                        {"siege", entier(s)},
                        {"main", nomsMain(d.mains[s], false)},
                        {"premierParlant", entier(d.premierParlant)}}
                       .dump());
}

Contrat SiegesProgramme::enchere(const Partie& jeu, Siege s) {
    const Donne& d = jeu.donne;
    json deja = json::array();
    Contrat meilleure = PASSE;
    for (Siege x = d.premierParlant; x != s; x = siegeSuivant(x)) {
        const Contrat e = d.encheresAnnoncees[x];
        deja.push_back(
            {entier(x), NOMS_CONTRATS[entier(e) >= 0 && entier(e) <= 4 ? entier(e) : 0]});
        if (e > meilleure && e <= GARDE_CONTRE) meilleure = e;
    }
    const std::string r = demander(
        json{{"type", "enchere"}, {"siege", entier(s)}, {"encheres", deja}}.dump(), s, "enchere");
    const json v = json::parse(r, nullptr, false);
    if (v.is_object() && v.contains("enchere") && v["enchere"].is_string()) {
        const std::string e = v["enchere"].get<std::string>();
        for (int k = 0; k <= 4; ++k)
            if (e == NOMS_CONTRATS[k]) {
                if (k == 0 || k > entier(meilleure)) return static_cast<Contrat>(k);
                faute(s, "enchere", r, "not above the best bid so far");
                return PASSE;
            }
    }
    if (!signale_) faute(s, "enchere", r, "not a bid");
    return PASSE;
}

void SiegesProgramme::contrat(const Partie& jeu) {
    const Donne& d = jeu.donne;
    const bool montre = d.contrat == PRISE || d.contrat == GARDE;
    json chien = json::array();
    if (montre)
        for (int k = 1; k <= 6; ++k) chien.push_back(nomBitmapC(d.chien[k]));
    const json m{{"type", "contrat"},
                 {"preneur", entier(d.preneur)},
                 {"contrat", NOMS_CONTRATS[entier(d.contrat)]},
                 {"chien", chien}};
    p_.envoyer(m.dump());
}

void SiegesProgramme::ecart(const Partie& jeu, Siege s, Tableau<int, 24>& dansEcart) {
    const auto& rangee = jeu.ecart.rangeeEcart;
    json cartes = json::array();
    for (int p = 1; p <= 24; ++p) cartes.push_back(nomBitmapC(rangee[p]));
    const std::string r = demander(
        json{{"type", "ecart"}, {"siege", entier(s)}, {"main", cartes}}.dump(), s, "ecart");
    dansEcart.remplir(0);
    const json v = json::parse(r, nullptr, false);
    const char* raison = "not a discard";
    if (v.is_object() && v.contains("ecart") && v["ecart"].is_array()) {
        raison = nullptr;
        if (v["ecart"].size() != 6) raison = "not six cards";
        for (const json& n : v["ecart"]) {
            if (raison) break;
            int trouvee = 0;
            if (n.is_string()) {
                const Carte c = carteNommee(n.get<std::string>());
                for (int p = 1; p <= 24 && c.couleur != AUCUNE; ++p)
                    if (memeCarte(rangee[p], c)) trouvee = p;
            }
            if (trouvee == 0)
                raison = "a card that is not among the 24";
            else if (dansEcart[trouvee] == 1)
                raison = "a card given twice";
            else if (!ecartable(rangee[trouvee]))
                raison = "a trump or a Roi may not go to the discard";
            else
                dansEcart[trouvee] = 1;
        }
        if (!raison) return;
    }
    if (!signale_) faute(s, "ecart", r, raison);
    // The first six cards the discard may hold.
    dansEcart.remplir(0);
    int n = 0;
    for (int p = 1; p <= 24 && n < 6; ++p)
        if (ecartable(rangee[p])) dansEcart[p] = 1, ++n;
}

int SiegesProgramme::poignee(const Partie& jeu, Siege s, Tableau<int, 15>& slots) {
    const MainJoueur& m = jeu.donne.mains[s];
    int atouts = 0, excuse = 0;
    for (int i : SLOTS) {
        atouts += m[i].couleur == ATOUT && m[i].enMain;
        excuse += estExcuse(m[i]) && m[i].enMain;
    }
    json tailles = json::array();
    for (int k = 1; k <= 3; ++k)
        if (taillePoignee(k) <= atouts) tailles.push_back(taillePoignee(k));
    const std::string r = demander(
        json{{"type", "poignee"}, {"siege", entier(s)}, {"tailles", tailles}}.dump(), s, "poignee");
    const json v = json::parse(r, nullptr, false);
    const char* raison = "not a handful";
    if (v.is_object() && v.contains("poignee") && v["poignee"].is_array()) {
        const json& cartes = v["poignee"];
        if (cartes.empty()) return 0;
        int type = 0;
        for (int k = 1; k <= 3; ++k)
            if (cartes.size() == static_cast<std::size_t>(taillePoignee(k)) &&
                taillePoignee(k) <= atouts)
                type = k;
        raison = type == 0 ? "not a size this hand may show" : nullptr;
        bool avecExcuse = false;
        int k = 0;
        for (const json& n : cartes) {
            if (raison) break;
            int trouvee = 0;
            if (n.is_string()) {
                const Carte c = carteNommee(n.get<std::string>());
                for (int i : SLOTS)
                    if (c.couleur == ATOUT && m[i].enMain && memeCarte(m[i], c)) trouvee = i;
            }
            bool double_ = false;
            for (int j = 1; j <= k; ++j) double_ = double_ || slots[j] == trouvee;
            if (trouvee == 0)
                raison = "a card that is not one of the seat's trumps";
            else if (double_)
                raison = "a card given twice";
            else {
                slots[++k] = trouvee;
                avecExcuse = avecExcuse || estExcuse(m[trouvee]);
            }
        }
        if (!raison && avecExcuse && atouts - excuse >= taillePoignee(type))
            raison = "the Excuse may only complete a handful";
        if (!raison) return type;
    }
    if (!signale_) faute(s, "poignee", r, raison);
    slots.remplir(0);
    return 0;
}

int SiegesProgramme::carte(const Partie& jeu, Siege s) {
    const Donne& d = jeu.donne;
    json pli = json::array();
    for (Siege x = d.pli.entame; x != s; x = siegeSuivant(x))
        pli.push_back({entier(x), nomBitmapC(d.pli.cartes[x])});
    json jouables = json::array();
    int premiere = 0;
    for (int i : SLOTS)
        if (d.cartesJouables[s][i] == 1 && d.mains[s][i].enMain) {
            jouables.push_back(nomBitmapC(d.mains[s][i]));
            if (premiere == 0) premiere = i;
        }
    const std::string r = demander(
        json{{"type", "carte"}, {"siege", entier(s)}, {"pli", pli}, {"jouables", jouables}}.dump(),
        s, "carte");
    const json v = json::parse(r, nullptr, false);
    const char* raison = "not a card";
    if (v.is_object() && v.contains("carte") && v["carte"].is_string()) {
        const Carte c = carteNommee(v["carte"].get<std::string>());
        raison = c.couleur == AUCUNE ? "an unknown card name" : "a card the seat does not hold";
        for (int i : SLOTS)
            if (d.mains[s][i].enMain && memeCarte(d.mains[s][i], c)) {
                if (d.cartesJouables[s][i] == 1) return i;
                raison = "a card the rules do not allow here";
            }
    }
    if (!signale_) faute(s, "carte", r, raison);
    return premiere;
}

void SiegesProgramme::poigneeMontree(const Partie& jeu, Siege s, const Tableau<int, 15>& slots,
                                     int taille) {
    json cartes = json::array();
    for (int k = 1; k <= taille; ++k) cartes.push_back(nomBitmapC(jeu.donne.mains[s][slots[k]]));
    p_.envoyer(json{{"type", "poigneeMontree"}, {"siege", entier(s)}, {"cartes", cartes}}.dump());
}

void SiegesProgramme::carteJouee(const Partie&, Siege s, const Carte& c) {
    p_.envoyer(json{{"type", "jouee"}, {"siege", entier(s)}, {"carte", nomBitmapC(c)}}.dump());
}

void SiegesProgramme::pliRamasse(const Partie&, Siege gagnant) {
    p_.envoyer(json{{"type", "pli"}, {"gagnant", entier(gagnant)}}.dump());
}

void SiegesProgramme::fin(const Partie&, const DonneAuto& r) {
    p_.envoyer(json{{"type", "fin"},
                    {"score", r.score},
                    {"preneur", entier(r.preneur)},
                    {"contrat", NOMS_CONTRATS[entier(r.contrat)]}}
                   .dump());
}

bool lireSieges(const char* texte, std::vector<Siege>& sieges) {
    sieges.clear();
    if (!texte || !*texte) return false;
    for (const char* c = texte; *c; ++c) {
        if (*c >= '1' && *c <= '4') {
            const Siege s = siegeNumero(*c - '0');
            for (Siege x : sieges)
                if (x == s) return false;
            sieges.push_back(s);
            if (c[1] != '\0' && c[1] != ',') return false;
        } else if (*c != ',' || c == texte || c[1] == '\0') {
            return false;
        }
    }
    return !sieges.empty();
}

} // namespace quarvel::arene
