#pragma once
namespace quarvel {

struct Jeu;

void finDeDonne(Jeu& jeu);

} // namespace quarvel
