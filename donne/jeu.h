#pragma once
// Everything one game holds: the deal, the knowledge of the computer players, the settings,
// the running scores, the random source and the windows. Routines take it by reference, so two
// games can live side by side.
#include "cartes/aleatoire.h"
#include "cartes/donne.h"
#include "donne/minuterie.h"
#include "encheres/etats.h"
#include "fenetres/modele/disposition.h"
#include "fenetres/modele/fenetres.h"
#include "fenetres/modele/textes.h"
#include "ia/connaissance.h"
#include "ia/moteur.h"
#include "reglages/reglages.h"

#include <cstdint>

namespace quarvel {

class MagasinReglages;
class Plateforme;

struct Jeu {
    Aleatoire alea;
    Donne donne;
    Tableau<int, 78> paquet; // order of the pack for the deal in progress; kept for a replay
    int candidats = 0;       // candidates drawn for the last deal

    EtatEncheres encheres;
    EtatEcart ecart;
    EtatPoignee poignee;
    Connaissance connaissance;
    MoteurRegles moteur;

    Reglages reglages;
    bool continuerAuto = true;
    bool scoresVisibles = false;
    // Left by the rules for the presentation, which draws them once the event is over.
    bool scoresAMontrer = false;        // the running-score panels and their check marks
    bool finDonneAMontrer = false;      // the deal's message, result panel and settings save
    bool nouvelleDonneAMontrer = false; // a deal dealt: the review windows and result go
    bool barreAMontrer = false;         // SUD's bid bar opened: the advice takes the keys

    Textes textes;
    Fenetres fen;
    double echelleH = 1.0;
    double echelleV = 1.0;
    Disposition disposition;

    Minuteries minuteries;
    std::int64_t maintenant = 0; // virtual time in ms, moved by whoever drives the timers

    MagasinReglages* magasin = nullptr;
    Plateforme* plateforme = nullptr;
};

} // namespace quarvel
