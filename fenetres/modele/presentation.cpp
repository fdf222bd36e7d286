#include "fenetres/modele/presentation.h"

#include "encheres/ecart.h"
#include "encheres/poignee.h"
#include "fenetres/modele/aide_table.h"
#include "fenetres/modele/challenge.h"
#include "fenetres/modele/deductions.h"
#include "fenetres/modele/dessin.h"
#include "fenetres/modele/jeu.h"
#include "fenetres/modele/mesures.h"
#include "fenetres/modele/presentation_fin.h"
#include "fenetres/modele/presentation_poignee.h"
#include "partie/coeur.h"

#include <string>
#include <vector>

namespace quarvel {

namespace {

// The deductions panel shows SUD's knowledge once it is set up for the deal, that is once the
// dog and the discard are settled.
void montrerDeductions(Jeu& jeu) {
    switch (jeu.donne.phase) {
    case Phase::AttentePremiereDonne:
        return;
    case Phase::Encheres:
    case Phase::EnchereSud:
    case Phase::EncheresCloses:
    case Phase::ChienMontre:
    case Phase::Ecart:
        effacerDeductions(jeu);
        return;
    default:
        afficherDeductions(jeu);
    }
}

void ecrire(Composant& c, const std::string& texte) {
    if (c.caption != texte) c.caption = texte;
}

// The running figures of the deal, from its first gathered trick on; the half point dropped.
// The points to make show once the three bouts are accounted for.
void montrerChiffres(Jeu& jeu) {
    const Donne& d = jeu.donne;
    TfrmQuarvel& q = jeu.fen.frmQuarvel;
    if (d.phase == Phase::AttentePremiereDonne) return;
    const bool montres = d.numeroPli >= 2;
    auto chiffre = [&](int n) { return montres ? std::to_string(n) : std::string(); };
    ecrire(q.nPointsAttaque, chiffre(d.pointsPreneur / 2));
    ecrire(q.nPointsDefense, chiffre(d.pointsDefense / 2));
    ecrire(q.nBoutsPreneur, chiffre(d.boutsPreneur));
    ecrire(q.nBoutsDefense, chiffre(d.boutsDefense));
    ecrire(q.nContrat, d.boutsPreneur + d.boutsDefense == 3 ? chiffre(d.pointsContrat) : "");
}

bool enEncheres(Phase p) {
    return p == Phase::Encheres || p == Phase::EnchereSud || p == Phase::EncheresCloses;
}

// The round table and the taker's frame show from the play on, and during the discard unless
// the dog was taken up by a click on one of its cards.
bool tableMontree(const Jeu& jeu) {
    switch (jeu.donne.phase) {
    case Phase::Encheres:
    case Phase::EnchereSud:
    case Phase::EncheresCloses:
    case Phase::ChienMontre:
    case Phase::AttenteJeu:
        return false;
    case Phase::Ecart:
        return !jeu.ecart.chienLeveParClic;
    default:
        return true;
    }
}

// The bid bubbles, the table, the taker's frame and the cards of the trick.
void montrerTable(Jeu& jeu) {
    const Donne& d = jeu.donne;
    if (d.phase == Phase::AttentePremiereDonne) return;
    TfrmQuarvel& q = jeu.fen.frmQuarvel;

    // A bid shows from its seat's turn until the bidding is over; its caption is written as it
    // appears, in the language it was said in.
    const bool encheres = enEncheres(d.phase);
    for (Siege s : SIEGES) {
        const Contrat code = d.encheresAnnoncees[s];
        const bool dite = encheres && code != PAS_PARLE && s != jeu.encheres.siegeEnAttente &&
                          !(s == SUD && d.phase == Phase::EnchereSud);
        Composant& bulle = q.PanelDec[s];
        if (dite && !bulle.visible) bulle.caption = jeu.textes.nomsEncheres[code];
        // Scaled with the table like every font of its layout; PASSE smaller, still readable on
        // the smallest table.
        if (dite) bulle.taillePolice = (code == PASSE ? 12 : 14) * jeu.disposition.rapportM / 800;
        bulle.visible = dite;
    }

    const bool table = tableMontree(jeu);
    q.TableRonde.visible = table;
    for (Siege s : SIEGES) q.CadrePreneur[s].visible = table && s == d.preneur;
    // The names while the table cards are about, not over the dog nor the discard row.
    const bool noms = d.phase != Phase::AttentePremiereDonne && d.phase != Phase::ChienMontre &&
                      d.phase != Phase::Ecart;
    for (Siege s : SIEGES) {
        q.NomSiege[s].visible = noms;
        ecrire(q.NomSiege[s], jeu.textes.nomsJoueurs[s]);
    }
    // The winner of a complete trick, until it is gathered.
    Composant& gagnant = q.CadreGagnant;
    gagnant.visible = d.phase == Phase::PliARamasser || d.phase == Phase::DernierPli;
    if (gagnant.visible) {
        const Rect& carte = q.CarteTable[d.pli.entame].geo;
        gagnant.geo.left = carte.left - (gagnant.geo.width - carte.width) / 2;
        gagnant.geo.top = carte.top - (gagnant.geo.height - carte.height) / 2;
    }

    // The last trick stays on show beside the result, once gathered too.
    if (d.phase != Phase::DonneFinie)
        for (Siege s : SIEGES) {
            Carte c = d.pli.cartes[s];
            Composant& img = q.CarteTable[s];
            img.visible = c.couleur != AUCUNE;
            // The card as it left the hand.
            c.enMain = true;
            if (img.visible) img.carte = c;
        }
}

// The user's hand, or during his discard the row of 24 with the chosen cards raised; the dog on
// show. Their uneven heights were drawn with the deal.
void montrerCartes(Jeu& jeu) {
    const Donne& d = jeu.donne;
    if (d.phase == Phase::AttentePremiereDonne) return;
    TfrmQuarvel& q = jeu.fen.frmQuarvel;
    const int largeur = largeurCarte(jeu), hauteur = hauteurCarte(jeu);

    if (d.phase == Phase::Ecart) {
        const EtatEcart& e = jeu.ecart;
        for (int i = 1; i <= 24; ++i) {
            const int source = e.sourceRangee[i];
            const bool choisie =
                (source <= 18 ? e.selectionMain[source] : e.selectionChien[source - 18]) == 1;
            Composant& img = q.Carte3D[i];
            img.geo = Rect{margeMain(jeu) + (i - 1) * pasEcart(jeu),
                           hautMain(jeu) - e.hauteursRangee[i] - (choisie ? leveeCarte(jeu) : 0),
                           largeur, hauteur};
            img.carte = e.rangeeEcart[i];
            img.curseur = ecartable(e.rangeeEcart[i]) ? Curseur::Main : Curseur::Interdit;
            img.visible = true;
        }
        return;
    }

    // The handful dialog holds the trumps it shows.
    const int prises = d.phase == Phase::ChoixPoignee ? atoutsSud(jeu) : 0;
    for (int i = 1; i <= 18; ++i) {
        const Carte& c = d.mains[SUD][i];
        Composant& img = q.Carte3D[i];
        img.geo =
            Rect{margeMain(jeu) + (i - 1) * pasMain(jeu),
                 hautMain(jeu) + arrondir(d.hauteursMain[i] * jeu.echelleV), largeur, hauteur};
        img.curseur = d.cartesJouables[SUD][i] == 1 ? Curseur::Main : Curseur::Interdit;
        img.visible = c.enMain && i > prises;
        if (c.enMain) img.carte = c;
    }
    // The row's last six are the discard's alone.
    const bool avantEcart =
        enEncheres(d.phase) || d.phase == Phase::ChienMontre || d.phase == Phase::AttenteJeu;
    for (int i = 19; i <= 24; ++i) {
        q.Carte3D[i].visible = false;
        if (avantEcart) q.Carte3D[i].curseur = Curseur::Interdit;
    }

    if (d.phase == Phase::ChienMontre)
        for (int k = 1; k <= 6; ++k) {
            Composant& img = q.CarteChien[k];
            img.geo = Rect{gaucheChien(jeu) + (k - 1) * pasMain(jeu),
                           hautChien(jeu) + arrondir(jeu.ecart.hauteursChien[k] * jeu.echelleV),
                           largeur, hauteur};
            img.curseur = Curseur::Defaut;
            img.carte = d.chien[k];
        }
}

// The info line says what the table waits for. While the computer seats bid it keeps what it
// said last; during the play it keeps the user's turn until the trick is gathered.
void montrerInfo(Jeu& jeu) {
    const Donne& d = jeu.donne;
    const Textes& t = jeu.textes;
    std::string info;
    switch (d.phase) {
    case Phase::AttentePremiereDonne:
    case Phase::Encheres:
        return;
    case Phase::EnchereSud:
        info = jeu.encheres.enchereRefusee
                   ? texte(t, "Vous devez faire une meilleure enchère ou passer\u00a0!",
                           "Make a better bid or pass!")
                   : texte(t, "Cliquez sur l'enchère que vous désirez annoncer\u00a0!",
                           "Click the bid you want to make.");
        break;
    case Phase::EncheresCloses:
        if (jeu.encheres.meilleureEnchere == PASSE) { // all passed
            info = texte(t, "Tout le monde a passé\u00a0: cliquez pour une nouvelle donne.",
                         "Everybody passed: click for a new deal.");
            break;
        }
        [[fallthrough]];
    case Phase::AttenteJeu:
    case Phase::PliARamasser:
        info = texte(t, "Cliquez n'importe où pour continuer à jouer...",
                     "Click anywhere to go on playing...");
        break;
    case Phase::ChienMontre:
        info = texte(t, "Et voici le Chien\u00a0! À présent, cliquez pour continuer à jouer...",
                     "Here is the Dog! And now, please click anywhere to go on playing...");
        break;
    case Phase::Ecart:
        info = texte(t, "Cliquez sur 6 cartes pour constituer l'écart",
                     "Click on 6 cards to make the discard");
        break;
    case Phase::TourSud:
    case Phase::OffrePoignee:
    case Phase::ChoixPoignee:
        info = texte(t, "À vous de jouer\u00a0!", "Play!");
        break;
    case Phase::DernierPli: // the result panel says the rest
        break;
    case Phase::JeuEnCours:
    case Phase::DonneBloquee:
        if (d.pli.cartes[SUD].couleur != AUCUNE) info = texte(t, "À vous de jouer\u00a0!", "Play!");
        break;
    case Phase::DonneFinie:
        break;
    }
    ecrire(jeu.fen.frmQuarvel.info, info);
}

// What follows from the phase alone, once a first deal is dealt.
void montrerPhase(Jeu& jeu) {
    const Donne& d = jeu.donne;
    if (d.phase == Phase::AttentePremiereDonne) return;
    TfrmQuarvel& q = jeu.fen.frmQuarvel;
    q.PanelLancement.visible = false;
    q.menuGameAgain.enabled = true;
    q.SBGameAgain.enabled = true;
    q.SBGameAgain.checked = d.donneRejouee;
    q.BarreEnchere.visible = d.phase == Phase::EnchereSud;
    for (auto& c : q.CarteChien) c.visible = d.phase == Phase::ChienMontre;
    q.PanelConfirmeEcart.visible =
        d.phase == Phase::Ecart && estLegale(jeu, Action::ecart(SUD, selectionEcart(jeu)));
    q.PanelPoignee.visible = d.phase == Phase::OffrePoignee;
    // The offer shows the kinds the hand can make; the buttons keep it once hidden.
    if (d.phase == Phase::OffrePoignee) {
        const int n = atoutsSud(jeu);
        q.PanelPoigneeSimple.visible = q.PanelPoigneeAucune.visible = true;
        q.PanelPoigneeDouble.visible = n >= taillePoignee(2);
        q.PanelPoigneeTriple.visible = n >= taillePoignee(3);
    }
    // The bid bar offers Passe and what beats the best bid, with the advice for the hand.
    if (d.phase == Phase::EnchereSud) {
        const Contrat meilleure = jeu.encheres.meilleureEnchere;
        q.ButtonPasse.visible = true;
        Composant* boutons[] = {&q.ButtonPrise, &q.ButtonGarde, &q.ButtonGardeSans,
                                &q.ButtonGardeContre};
        for (Contrat code : {PRISE, GARDE, GARDE_SANS, GARDE_CONTRE})
            boutons[entier(code) - 1]->visible = code > meilleure;
        ecrire(q.evMaMain, jeu.textes.motConseil + texte(jeu.textes, "\u00a0: ", ": ") +
                               jeu.textes.nomsEncheres[d.encheresAnnoncees[SUD]]);
    }
    // The handful dialog holds the table until it closes.
    const bool choix = d.phase == Phase::ChoixPoignee;
    jeu.fen.frmPoignee.fenetre.visible = choix;
    q.fenetre.enabled = !choix;
    q.menuPreviousTrick.enabled = d.numeroPli >= 2;

    // The taker and his bid, from the dog on.
    const bool preneur = d.phase != Phase::Encheres && d.phase != Phase::EnchereSud &&
                         d.phase != Phase::EncheresCloses;
    q.PanelPreneur.visible = q.PanelEnchere.visible = preneur;
    q.PanelNumeroDonne.visible = d.phase != Phase::AttentePremiereDonne;
    ecrire(q.PanelNumeroDonne, libelleDonne(jeu));
    ecrire(q.PanelPreneur, preneur ? jeu.textes.nomsJoueurs[d.preneur] : std::string());
    ecrire(q.PanelEnchere, preneur ? jeu.textes.nomsEncheres[d.contrat] : std::string());
    for (auto& c : q.Carte3D) c.enabled = preneur;
    // The taker's colour marks his frame and his figures; before a taker is known, the figures
    // wear their own colours, not the last deal's taker's.
    for (Composant* c : {&q.nPointsAttaque, &q.nBoutsPreneur, &q.PanelPreneur, &q.PanelEnchere})
        c->couleur = -1;
    q.nContrat.couleur = COULEUR_POINTS_A_FAIRE;
    if (preneur) {
        Composant& cadre = q.CadrePreneur[d.preneur];
        const Rect& carte = q.CarteTable[d.preneur].geo;
        cadre.geo.left = carte.left - arrondir(5 * jeu.echelleH);
        cadre.geo.top = carte.top - arrondir(5 * jeu.echelleV);
        for (Composant* c :
             {&q.nPointsAttaque, &q.nBoutsPreneur, &q.nContrat, &q.PanelPreneur, &q.PanelEnchere})
            c->couleur = cadre.couleur;
    }
}

// The advice takes the keys as SUD's bid bar opens, if it is shown then, and gives them back
// with the bar.
void montrerFocusConseil(Jeu& jeu, bool barreOuverte) {
    Composant& conseil = jeu.fen.frmQuarvel.evMaMain;
    if (jeu.donne.phase != Phase::EnchereSud)
        conseil.focus = false;
    else if (barreOuverte)
        conseil.focus = conseil.visible;
}

// Where a seat's cards come from and go to: off its side of the table, SUD's from his hand.
Rect bordSiege(const Jeu& jeu, Siege s) {
    Rect r = jeu.fen.frmQuarvel.CarteTable[s].geo;
    switch (s) {
    case SUD:
        r.top = hautMain(jeu);
        break;
    case EST:
        r.left += 2 * r.width;
        break;
    case NORD:
        r.top -= r.height;
        break;
    default:
        r.left -= 2 * r.width;
        break;
    }
    return r;
}

bool memeCarte(const Carte& a, const Carte& b) {
    return a.couleur == b.couleur && a.valeur == b.valeur;
}

// The cards that moved in this event: put down on the table, a trick gathered toward its
// winner, the dog taken up by the taker. Nothing moves across a new deal.
void montrerMouvements(Jeu& jeu, Phase avant, bool nouvelleDonne) {
    TfrmQuarvel& q = jeu.fen.frmQuarvel;
    const Donne& d = jeu.donne;
    Tableau<Carte, 4>& vu = jeu.montre.pli;
    std::vector<Mouvement> m;
    using Cible = Mouvement::Cible;
    auto carte = [](Carte c) {
        c.enMain = true;
        return c;
    };
    if (q.dureeMouvement > 0 && !nouvelleDonne) {
        for (Siege s : SIEGES) {
            const Carte& c = d.pli.cartes[s];
            if (c.couleur == AUCUNE || memeCarte(c, vu[s])) continue;
            Rect depart = bordSiege(jeu, s);
            if (s == SUD)
                for (int i = 1; i <= 18; ++i)
                    if (memeCarte(d.mains[SUD][i], c)) depart = q.Carte3D[i].geo;
            m.push_back({carte(c), depart, q.CarteTable[s].geo, Cible::CarteTable, entier(s)});
        }
        if (avant == Phase::PliARamasser && d.phase != Phase::PliARamasser)
            for (Siege s : SIEGES)
                if (vu[s].couleur != AUCUNE && d.pli.cartes[s].couleur == AUCUNE)
                    m.push_back({carte(vu[s]), q.CarteTable[s].geo, bordSiege(jeu, d.pli.entame)});
        if (avant == Phase::ChienMontre && d.phase != Phase::ChienMontre &&
            d.preneur != Siege::Aucun)
            for (int k = 1; k <= 6; ++k) {
                Mouvement x{carte(d.chien[k]), q.CarteChien[k].geo, bordSiege(jeu, d.preneur)};
                for (int p = 1; p <= 24 && d.phase == Phase::Ecart; ++p)
                    if (jeu.ecart.sourceRangee[p] == 18 + k) {
                        x.carte = carte(jeu.ecart.rangeeEcart[p]);
                        x.arrivee = q.Carte3D[p].geo;
                        x.cible = Cible::Carte3D;
                        x.index = p;
                    }
                m.push_back(x);
            }
    }
    vu = d.pli.cartes;
    q.mouvements = std::move(m);
    if (!q.mouvements.empty()) ++q.numeroMouvements;
}

// A new deal: the windows that looked back at the deal dropped, and its result, close.
void fermerRevues(Jeu& jeu) {
    Fenetres& f = jeu.fen;
    f.frmPliPrecedent.fenetre.visible = false;
    f.frmMains.fenetre.visible = false;
    f.frmTousPlis.fenetre.visible = false;
    f.frmTousPlis.timerTousPlis.arreter();
    f.frmScoreDetaille.fenetre.visible = false;
    f.frmQuarvel.PanelResultat.visible = false;
}

} // namespace

void montrerMinuteries(Jeu& jeu) {
    TfrmQuarvel& q = jeu.fen.frmQuarvel;
    q.TimerEnchere = jeu.minuteries.TimerEnchere;
    q.TimerEntreCarte = jeu.minuteries.TimerEntreCarte;
    q.TimerTransition = jeu.minuteries.TimerTransition;
}

namespace {

void montrerJeu(Jeu& jeu, bool barreOuverte) {
    montrerDeductions(jeu);
    montrerChiffres(jeu);
    montrerPhase(jeu);
    montrerTable(jeu);
    montrerCartes(jeu);
    montrerInfo(jeu);
    montrerFocusConseil(jeu, barreOuverte);
    montrerMinuteries(jeu);
}

} // namespace

std::string libelleDonne(const Jeu& jeu) {
    return texte(jeu.textes, "Donne n° ", "Deal #") + std::to_string(jeu.donne.numero);
}

void presenter(Jeu& jeu, Phase avant) {
    DejaMontre& vu = jeu.montre;
    const bool nouvelleDonne = jeu.donnesDistribuees != vu.donnesDistribuees;
    vu.donnesDistribuees = jeu.donnesDistribuees;
    if (nouvelleDonne) fermerRevues(jeu);
    montrerPoignee(jeu, avant);
    montrerFinEtScores(jeu);
    // Within one deal SUD speaks once, so the bar opened during the event if the phase came to
    // it, or a new deal did.
    const bool barreOuverte =
        jeu.donne.phase == Phase::EnchereSud && (avant != Phase::EnchereSud || nouvelleDonne);
    montrerJeu(jeu, barreOuverte);
    montrerAideTable(jeu);
    montrerChallenge(jeu);
    montrerMouvements(jeu, avant, nouvelleDonne);
}

} // namespace quarvel
