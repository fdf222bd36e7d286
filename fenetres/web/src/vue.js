// The page's view of one game: it builds the windows and the menus from their description, hands
// every gesture to the game, then brings the page in line with what changed. It decides nothing.
import { Dialogues } from './dialogues.js';
import { Fenetre, HAUTEUR_TITRE } from './fenetres.js';
import { Graphiques } from './graphiques.js';
import { imprimer } from './impression.js';
import { Menus } from './menus.js';
import { Minuteries } from './minuteries.js';
import { Mouvements } from './mouvements.js';

const HAUTEUR_MENUS = 24;
// The windows as the game numbers them.
const TABLE = 1;
const MAINS = 4;
const STATISTIQUES = 8;
// What each printed window is, in the game's order of printable windows.
const IMPRIMEES = [6, MAINS, 5, 7, STATISTIQUES];
const TICKS = ['TickEnchere', 'TickEntreCarte', 'TickTransition', 'TickTousPlis'];

export class Vue {
    constructor(noyau, ecran, aide) {
        this.noyau = noyau;
        this.ecran = ecran; // the game's whole screen, scaled to the browser's window
        this.aide = aide;
        this.occupe = false; // a box is open: the game waits for the player
        this.echelle = 1;
        this.dialogues = new Dialogues(ecran);
        this.graphiques = new Graphiques();
        this.langue = 0;
        this.construire(noyau.description());
    }

    construire(description) {
        this.ecran.textContent = '';
        this.gestes = description.gestes;
        this.menus = new Menus(description.menus, this);
        this.ecran.append(this.menus.barre);
        this.voile = document.createElement('div');
        this.voile.className = 'voile';
        this.fenetres = description.fenetres.map((d, k) => new Fenetre(k, d, this));
        for (const f of this.fenetres) {
            if (f.numero === TABLE) f.element.classList.add('table');
            this.ecran.append(f.element);
        }
        this.ecran.append(this.voile);
        const table = this.fenetres[TABLE];
        this.mouvements = new Mouvements(table.client, table);
        this.minuteries = new Minuteries(
            description.minuteries,
            (g) => this.geste(g, true)
        );
    }

    // A gesture of the player, or a timer's tick: to the game, then the page follows.
    geste(g, tick = false) {
        if (this.occupe || !g) return;
        if (!tick) this.mouvements.terminer();
        this.appliquer(this.noyau.geste(g[0], g[1]));
    }

    // A new run of the program on the page: the start-up screen again, as on a new launch.
    relancer() {
        this.minuteries.arreterTout();
        this.mouvements.terminer();
        this.graphiques.effacer();
        this.noyau.demarrer();
        this.construire(this.noyau.description());
        this.appliquer(this.noyau.etat());
    }

    appliquer(etat) {
        if (etat.langue !== undefined) {
            this.langue = etat.langue;
            document.documentElement.lang = etat.langue === 2 ? 'en' : 'fr';
        }
        this.focusDemande = null;
        for (const c of etat.controles || []) {
            const [w, i, visible, enabled, caption, hint, couleur, taillePolice, left, top, width,
                height, curseur, checked, carte, focus, focusClavier, conseille] = c;
            const e = { visible, enabled, caption, hint, couleur, taillePolice, left, top, width,
                height, curseur, checked, carte, focus, focusClavier, conseille };
            const f = this.fenetres[w];
            if (i === 0) f.maj(e);
            else f.controles[i].maj(e);
        }
        for (const m of etat.menus || []) this.menus.maj(m);
        this.menus.barre.style.display = this.fenetres[TABLE].visible() ? '' : 'none';
        if (etat.cadres) {
            const mains = this.fenetres[MAINS];
            const cadres = mains.controles.filter((c) => c && c.desc.nom.startsWith('Cadre'));
            const panneaux = ['PanelMainSud', 'PanelMainEst', 'PanelMainNord', 'PanelMainOuest'];
            etat.cadres.forEach((p, k) => {
                const nom = p >= 1 && p <= 4 ? panneaux[p - 1] : 'PanelChienAvantEcart';
                const parent = mains.controles.find((c) => c && c.desc.nom === nom);
                if (cadres[k]) mains.replacer(mains.controles.indexOf(cadres[k]), parent);
            });
        }
        if (etat.minuteries) this.minuteries.maj(etat.minuteries);
        if (etat.mouvements) this.mouvements.jouer(etat.mouvements);
        if (etat.graphiques) this.donneesGraphiques = etat.graphiques;
        this.modalite();
        for (const f of this.fenetres) for (const c of f.controles) if (c) c.ajuster();
        this.dessinerGraphiques();
        if (this.focusDemande && this.focusDemande.element.tagName === 'BUTTON') {
            const b = this.focusDemande.element;
            if (b.closest('.fenetre:not(.table)')) b.focus({ preventScroll: true });
        }
        this.annoncer(etat.annonces || [], etat.question);
    }

    // Charts are drawn when their data change, or the first time their window shows.
    dessinerGraphiques() {
        const f = this.fenetres[STATISTIQUES];
        if (!this.donneesGraphiques || !f.visible()) return;
        const courbe = f.controles.find((c) => c && c.desc.nom === 'Courbe');
        const barres = f.controles.find((c) => c && c.desc.nom === 'Barres');
        this.graphiques.dessiner(this.donneesGraphiques, courbe, barres, this.echelle);
        this.donneesGraphiques = null;
    }

    // What the game says or asks, one box at a time, in its order; the game waits meanwhile.
    async annoncer(annonces, question) {
        if (!annonces.length && !question) return;
        this.occupe = true;
        try {
            for (const a of annonces) {
                switch (a.genre) {
                    case 'message':
                        await this.dialogues.message(a.texte, this.langue);
                        break;
                    case 'apropos':
                        await this.dialogues.message(a.texte, this.langue, a.titre, 'icones/quarvel.svg');
                        break;
                    case 'imprimer':
                        imprimer(this.fenetres[IMPRIMEES[a.fenetre]], a.titre, this.langue, a.fichier);
                        break;
                    case 'aide':
                        this.aide.ouvrir(a.texte);
                        break;
                    case 'quitter':
                        this.occupe = false;
                        this.relancer();
                        return;
                    default:
                        break;
                }
            }
            if (question) {
                const reponse = await this.dialogues.question(question, this.langue);
                this.occupe = false;
                this.appliquer(this.noyau.repondre(reponse));
                return;
            }
        } finally {
            if (!question) this.occupe = false;
        }
    }

    // The table under its menus; the other windows centred on it, those that hold the table
    // over a veil.
    placer(f) {
        const table = this.fenetres[TABLE].etat;
        const largeur = table ? table.width : 1024;
        const hauteur = (table ? table.height : 683) + HAUTEUR_MENUS;
        if (this.largeur !== largeur || this.hauteur !== hauteur) {
            this.largeur = largeur;
            this.hauteur = hauteur;
            this.ecran.style.width = `${largeur}px`;
            this.ecran.style.height = `${hauteur}px`;
            this.mettreALEchelle();
        }
        if (!f.etat) return;
        const s = f.element.style;
        if (f.numero === TABLE) {
            s.left = '0px';
            s.top = `${HAUTEUR_MENUS}px`;
            return;
        }
        const titre = f.titre ? HAUTEUR_TITRE : 0;
        s.left = `${Math.round((largeur - f.etat.width) / 2)}px`;
        s.top = `${Math.max(0, Math.round((hauteur - f.etat.height - titre) / 2))}px`;
    }

    fenetreOuverte(f) {
        // A review window takes the keys: Tab goes from button to button.
        for (const c of f.controles)
            if (c && (c.desc.genre === 'Bouton' || c.desc.genre === 'BoutonRapide') && f.numero !== TABLE)
                c.element.tabIndex = 0;
    }

    modalite() {
        const modales = this.fenetres.filter((f) => f.visible() && f.desc.modale);
        this.voile.style.display = modales.length ? '' : 'none';
        for (const f of this.fenetres) f.element.classList.toggle('modale', f.visible() && f.desc.modale);
        this.fenetreClavier = modales[modales.length - 1] ||
            this.fenetres.find((f) => f.visible() && f.numero !== TABLE && f.desc.allure !== 'Demarrage') ||
            null;
    }

    // The game's screen as large as the browser's window holds it, proportions kept, centred.
    mettreALEchelle() {
        if (!this.largeur) return;
        const l = window.innerWidth;
        const h = window.innerHeight;
        this.echelle = Math.min(l / this.largeur, h / this.hauteur);
        const x = Math.max(0, (l - this.largeur * this.echelle) / 2);
        const y = Math.max(0, (h - this.hauteur * this.echelle) / 2);
        this.ecran.style.transform = `translate(${x}px, ${y}px) scale(${this.echelle})`;
    }
}
