// Stand-ins for the settings routines until they are delivered.
#include "donne/jeu.h"

namespace quarvel {

int nbSauvegardesProvisoires = 0;

void sauverReglages(Jeu&) { ++nbSauvegardesProvisoires; }
void appliquerOptions(Jeu&) {}

} // namespace quarvel
