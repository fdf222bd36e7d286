#include "cartes/donne.h"

namespace quarvel {

const char* nomPhase(Phase p) {
    switch (p) {
    case Phase::AttentePremiereDonne:
        return "AttentePremiereDonne";
    case Phase::Encheres:
        return "Encheres";
    case Phase::EnchereSud:
        return "EnchereSud";
    case Phase::EncheresCloses:
        return "EncheresCloses";
    case Phase::ChienMontre:
        return "ChienMontre";
    case Phase::Ecart:
        return "Ecart";
    case Phase::AttenteJeu:
        return "AttenteJeu";
    case Phase::JeuEnCours:
        return "JeuEnCours";
    case Phase::TourSud:
        return "TourSud";
    case Phase::OffrePoignee:
        return "OffrePoignee";
    case Phase::ChoixPoignee:
        return "ChoixPoignee";
    case Phase::PliARamasser:
        return "PliARamasser";
    case Phase::DernierPli:
        return "DernierPli";
    case Phase::DonneFinie:
        return "DonneFinie";
    case Phase::DonneBloquee:
        return "DonneBloquee";
    }
    return "?";
}

} // namespace quarvel
