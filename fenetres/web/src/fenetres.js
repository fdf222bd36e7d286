// A window of the game in the page, built from its description: entry 0 says what kind of window
// (the start-up screen, the table, a dialog, a review window with its close box), its colour and
// whether it holds the others; the other entries are its controls, each under its parent.
import { Controle } from './controles.js';
import { css, plusClair, plusSombre, rgb } from './couleurs.js';

export const HAUTEUR_TITRE = 26;

export class Fenetre {
    constructor(numero, description, vue) {
        this.numero = numero;
        this.vue = vue;
        const d = description[0];
        this.desc = d;
        this.etat = null;
        this.element = document.createElement('div');
        this.element.className = `fenetre allure-${d.allure}`;
        this.element.dataset.fenetre = d.nom;
        this.element.style.display = 'none';
        this.element.setAttribute('role', d.allure === 'Principale' ? 'main' : 'dialog');
        if (d.allure === 'Revue' || d.allure === 'Dialogue') {
            const barre = document.createElement('div');
            barre.className = 'barre-titre';
            this.titre = document.createElement('span');
            barre.append(this.titre);
            if (d.allure === 'Revue' && d.geste) {
                const fermer = document.createElement('button');
                fermer.type = 'button';
                fermer.className = 'fermer';
                fermer.textContent = '\u00d7';
                fermer.addEventListener('click', () => vue.geste(d.geste));
                barre.append(fermer);
                this.boutonFermer = fermer;
            }
            this.element.append(barre);
        }
        this.client = document.createElement('div');
        this.client.className = 'client';
        this.element.append(this.client);
        if (d.allure === 'Principale') {
            // A click on the background goes on with the deal.
            this.client.addEventListener('click', () => vue.geste([vue.gestes.ClicFond, 0]));
        }
        this.fondFenetre = null;
        this.controles = [null];
        for (let i = 1; i < description.length; ++i) {
            const c = description[i];
            const parent = c.parent > 0 ? this.controles[c.parent] : null;
            const ctl = new Controle(c, parent, this);
            (parent ? parent.enfants : this.client).append(ctl.element);
            this.controles.push(ctl);
        }
    }

    get gestes() {
        return this.vue.gestes;
    }

    geste(g) {
        this.vue.geste(g);
    }

    get mouvements() {
        return this.vue.mouvements;
    }

    set focusDemande(c) {
        this.vue.focusDemande = c;
    }

    visible() {
        return !!(this.etat && this.etat.visible);
    }

    // Entry 0: shown or hidden, its title, colour and size.
    maj(e) {
        const avant = this.etat;
        this.etat = e;
        const d = this.desc;
        this.element.style.display = e.visible ? '' : 'none';
        if (this.titre && (!avant || avant.caption !== e.caption)) this.titre.textContent = e.caption;
        this.client.style.width = `${e.width}px`;
        this.client.style.height = `${e.height}px`;
        const couleur = e.couleur >= 0 ? rgb(e.couleur) : d.couleur >= 0 ? rgb(d.couleur) : null;
        this.fondFenetre = couleur;
        if (couleur) {
            this.client.style.setProperty('--fond', css(couleur));
            this.client.style.setProperty('--haut', css(plusClair(couleur, 112)));
            this.client.style.setProperty('--bas', css(plusSombre(couleur, 112)));
        }
        this.vue.placer(this);
        if (e.visible && (!avant || !avant.visible)) this.vue.fenetreOuverte(this);
    }

    // The frames of the hands window follow their card: into a hand panel or the dog's.
    replacer(i, parent) {
        const c = this.controles[i];
        if (c && parent && c.element.parentElement !== parent.enfants) parent.enfants.append(c.element);
    }
}
