#include "fenetres/modele/revue.h"

namespace quarvel {

// filled by the review windows
void creerFenetresRevue(Jeu&) {}

} // namespace quarvel
