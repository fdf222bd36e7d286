#pragma once
// A platform whose answers the test sets and whose calls it records.
#include "fenetres/modele/plateforme.h"

#include <string>
#include <vector>

namespace quarvel::test {

struct FaussePlateforme : Plateforme {
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    bool reponseQuestion = true;
    bool imprimante = true;
    std::vector<Rect> pages;
    std::vector<FenetreImprimee> imprimees;
    bool confirmeCouleur = true;
    int couleurChoisie = 0x123456;
    int couleurProposee = -2;

    void message(const std::string& t) override { messages.push_back(t); }
    bool question(const std::string& titre, const std::string& t) override {
        questions.push_back(titre + "|" + t);
        return reponseQuestion;
    }
    bool choisirCouleur(int& c) override {
        couleurProposee = c;
        if (confirmeCouleur) c = couleurChoisie;
        return confirmeCouleur;
    }
    bool imprimer(FenetreImprimee f, Rect page) override {
        imprimees.push_back(f);
        pages.push_back(page);
        return imprimante;
    }
    void ouvrirAide(const std::string&) override {}
    void quitter() override {}
};

} // namespace quarvel::test
