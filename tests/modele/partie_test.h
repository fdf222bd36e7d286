#pragma once
// A game started on an in-memory store and a scripted platform.
#include "donne/jeu.h"
#include "fenetres/modele/demarrage.h"
#include "fenetres/modele/plateforme_scriptee.h"
#include "reglages/magasin_memoire.h"

#include <memory>

namespace quarvel {

struct PartieTest {
    MagasinMemoire magasin;
    PlateformeScriptee plateforme;
    std::unique_ptr<Jeu> jeu = std::make_unique<Jeu>();

    // A new run of the program on the same store.
    Jeu& demarrer(Ecran e = {}, int langue = LANGUE_AUCUNE) {
        jeu = std::make_unique<Jeu>();
        demarrerJeu(*jeu, e, &magasin, &plateforme, "/opt/quarvel");
        if (langue != LANGUE_AUCUNE) choisirLangue(*jeu, langue);
        return *jeu;
    }
};

} // namespace quarvel
