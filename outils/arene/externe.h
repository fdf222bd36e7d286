#pragma once
// Seats played by another program over a line protocol (docs/joueur-externe.md): the arena
// starts it once and asks it, one JSON object per line, what each of its seats does. A reply
// the rules do not allow is reported, counted and replaced by the first legal choice; a program
// that exits or stays silent ends the run.
#include "partie/donne_auto.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace quarvel::arene {

// The program is gone or silent: the run cannot go on. what() is the one line to print.
struct ArretExterne : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Exit status of a run the external program ended.
constexpr int SORTIE_EXTERNE = 3;

// The program, started through the shell with pipes on its standard input and output; its
// standard error is the arena's.
class ProgrammeExterne {
public:
    ProgrammeExterne(const std::string& commande, int delaiSecondes);
    ~ProgrammeExterne();
    ProgrammeExterne(const ProgrammeExterne&) = delete;
    ProgrammeExterne& operator=(const ProgrammeExterne&) = delete;

    void envoyer(const std::string& ligne); // the newline is added
    // The next line, without its newline. A line of a megabyte or more is dropped unread past
    // that size: `tropLongue` tells so and the result is empty.
    std::string recevoir(bool& tropLongue, const std::string& contexte);

private:
    int pid_ = -1;
    int entree_ = -1; // the program's standard input
    int sortie_ = -1; // its standard output
    int delaiMs_ = 10000;
    std::string tampon_;
};

class SiegesProgramme : public SiegesExternes {
public:
    SiegesProgramme(ProgrammeExterne& programme, std::vector<Siege> sieges)
        : p_(programme), sieges_(std::move(sieges)) {}
    void numeroDonne(unsigned long long n) { donne_ = n; }
    long fautes() const { return fautes_; }

    bool externe(Siege s) const override;
    void donne(const Partie& jeu) override;
    Contrat enchere(const Partie& jeu, Siege s) override;
    void contrat(const Partie& jeu) override;
    void ecart(const Partie& jeu, Siege s, Tableau<int, 24>& dansEcart) override;
    int poignee(const Partie& jeu, Siege s, Tableau<int, 15>& slots) override;
    int carte(const Partie& jeu, Siege s) override;
    void poigneeMontree(const Partie& jeu, Siege s, const Tableau<int, 15>& slots,
                        int taille) override;
    void carteJouee(const Partie& jeu, Siege s, const Carte& c) override;
    void pliRamasse(const Partie& jeu, Siege gagnant) override;
    void fin(const Partie& jeu, const DonneAuto& r) override;

private:
    // Sends the question and reads the reply line.
    std::string demander(const std::string& question, Siege s, const char* type);
    void faute(Siege s, const char* question, const std::string& reponse, const char* raison);

    ProgrammeExterne& p_;
    std::vector<Siege> sieges_;
    unsigned long long donne_ = 0;
    long fautes_ = 0;
    bool signale_ = false; // the last reply's fault is already reported
};

// "2,4" into seats; false for anything else than seat numbers 1..4, each once.
bool lireSieges(const char* texte, std::vector<Siege>& sieges);

} // namespace quarvel::arene
