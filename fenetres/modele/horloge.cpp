#include "fenetres/modele/horloge.h"

#include "fenetres/modele/evenements.h"
#include "fenetres/modele/jeu.h"
#include "fenetres/modele/presentation.h"

namespace quarvel {

bool avancerHorloge(Jeu& jeu) {
    struct Candidat {
        Minuterie* minuterie;
        Evt evt;
    };
    Minuteries& q = jeu.minuteries;
    const Candidat candidats[] = {{&q.TimerEnchere, Evt::TickEnchere},
                                  {&q.TimerEntreCarte, Evt::TickEntreCarte},
                                  {&q.TimerTransition, Evt::TickTransition},
                                  {&jeu.fen.frmTousPlis.timerTousPlis, Evt::TickTousPlis}};
    const Candidat* choisi = nullptr;
    for (const Candidat& c : candidats)
        if (c.minuterie->enabled &&
            (!choisi || c.minuterie->echeance < choisi->minuterie->echeance))
            choisi = &c;
    if (!choisi) return false;

    Minuterie& m = *choisi->minuterie;
    if (m.echeance > jeu.maintenant) jeu.maintenant = m.echeance;
    const unsigned relances = m.relances;
    traiterEvenement(jeu, Evenement{choisi->evt, 0});
    // A timer left running without a restart fires again one interval later, as a real one does.
    if (m.enabled && m.relances == relances)
        m.echeance = jeu.maintenant + (m.interval > 0 ? m.interval : 1);
    montrerMinuteries(jeu);
    return true;
}

} // namespace quarvel
