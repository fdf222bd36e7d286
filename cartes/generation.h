#pragma once
// Producing a deal: shuffle, deal, checks and hand-strength forcing.
namespace quarvel {

struct Jeu;

// Advances premierParlant (unless replaying), draws candidates until one is accepted, sorts the
// hands and the dog and takes the copies as dealt.
void produireDonne(Jeu& jeu, bool rejouer);

} // namespace quarvel
