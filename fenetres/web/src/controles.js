// One control of a window, built from its entry in the window's description and brought in line
// with the state the game sends: shown or hidden, place, caption, hint, colour, font, cursor,
// card, pressed, the advice's band and the keyboard's outline. Nothing here names a control.
import { css, encreSur, plusClair, plusSombre, rgb } from './couleurs.js';
import { ajusterPolice } from './texte.js';

const CURSEURS = ['', 'pointer', 'not-allowed', 'wait'];

// The background each look paints when the game gives no colour (as the desktop's).
const FONDS = {
    Barre: { r: 0x10, g: 0x20, b: 0x18, a: 255 },
    Encadre: { r: 0xfb, g: 0xf8, b: 0xef, a: 255 },
    Bulle: { r: 0xf3, g: 0xd7, b: 0x9c, a: 255 },
};

function couleurDescription(d) {
    if (d.couleur < 0) return null;
    const c = rgb(d.couleur);
    c.a = d.opacite;
    return c;
}

export class Controle {
    constructor(desc, parent, vue) {
        this.desc = desc;
        this.parent = parent; // the control it lies in, null for the window's client area
        this.vue = vue;
        this.etat = null;
        this.element = this.creer();
        this.element.classList.add('ctl', `genre-${desc.genre}`, `allure-${desc.allure}`);
        this.element.dataset.nom = desc.nom;
        this.enfants = this.element; // where children go
        if (desc.geste) {
            this.element.addEventListener('click', (e) => {
                e.stopPropagation();
                if (this.etat && this.etat.visible && this.etat.enabled) vue.geste(desc.geste);
            });
        }
    }

    creer() {
        const d = this.desc;
        switch (d.genre) {
            case 'Bouton': {
                const b = document.createElement('button');
                b.type = 'button';
                b.tabIndex = -1; // the table's keys are the game's; review windows make it focusable
                if (d.icone) {
                    this.icone = document.createElement('img');
                    this.icone.className = 'icone';
                    this.icone.alt = '';
                    this.icone.src = `icones/${d.icone}.svg`;
                    b.append(this.icone);
                }
                this.texte = document.createElement('span');
                this.texte.className = 'texte';
                if (!d.icone || d.texteAussi) b.append(this.texte);
                return b;
            }
            case 'BoutonRapide': {
                const b = document.createElement('button');
                b.type = 'button';
                b.tabIndex = -1;
                const i = document.createElement('img');
                i.alt = '';
                i.src = `icones/${d.icone}.svg`;
                b.append(i);
                return b;
            }
            case 'Image': {
                const e = document.createElement('div');
                if (d.pastille >= 0) {
                    e.classList.add('pastille');
                    e.style.setProperty('--pastille', css(rgb(d.pastille)));
                    e.style.setProperty('--bord-pastille', css(plusSombre(rgb(d.pastille), 140)));
                }
                const i = document.createElement('img');
                i.alt = '';
                i.src = `icones/${d.icone}.svg`;
                e.append(i);
                return e;
            }
            case 'ImageCarte': {
                const e = document.createElement('div');
                this.image = document.createElement('img');
                this.image.alt = '';
                this.image.draggable = false;
                e.append(this.image);
                return e;
            }
            case 'Ellipse': {
                const e = document.createElement('div');
                this.tapis = document.createElement('div');
                this.tapis.className = 'tapis';
                e.append(this.tapis);
                return e;
            }
            case 'Graphique': {
                const e = document.createElement('div');
                this.toile = document.createElement('canvas');
                e.append(this.toile);
                return e;
            }
            case 'Panneau': {
                const e = document.createElement('div');
                this.texte = document.createElement('div');
                this.texte.className = `texte aligne-${d.alignement}`;
                if (!d.gras) this.texte.classList.add('maigre');
                e.append(this.texte);
                return e;
            }
            default:
                return document.createElement('div');
        }
    }

    // The colour this control paints behind its children's text.
    fondEffectif() {
        const d = this.desc;
        if (this.etat && this.etat.couleur >= 0) return rgb(this.etat.couleur);
        const defaut = couleurDescription(d);
        if (d.genre !== 'Panneau') return null;
        return defaut || FONDS[d.allure] || null;
    }

    fondSous() {
        for (let p = this.parent; p; p = p.parent) {
            const f = p.fondEffectif();
            if (f) return f;
        }
        return this.vue.fondFenetre;
    }

    // Brings the element in line with `e`, the control's state as the game sends it.
    maj(e) {
        const avant = this.etat;
        this.etat = e;
        const s = this.element.style;
        const d = this.desc;
        if (d.ancrage === 'bas') {
            s.height = `${e.height}px`;
        } else if (d.ancrage !== 'remplit') {
            s.left = `${e.left}px`;
            s.top = `${e.top}px`;
            s.width = `${e.width}px`;
            s.height = `${e.height}px`;
        }
        s.display = e.visible ? '' : 'none';
        s.visibility = this.vue.mouvements && this.vue.mouvements.tient(this) ? 'hidden' : '';
        this.element.classList.toggle('inactif', !e.enabled);
        if (this.element.tagName === 'BUTTON') this.element.disabled = !e.enabled;
        if (!avant || e.hint !== avant.hint) {
            if (e.hint) this.element.title = e.hint;
            else this.element.removeAttribute('title');
        }
        s.cursor = CURSEURS[e.curseur] || '';
        this.element.classList.toggle('enfonce', e.checked);
        this.element.classList.toggle('focus-clavier', e.focusClavier);
        this.element.classList.toggle('conseille', e.conseille);
        if (d.genre === 'BoutonRapide') this.element.setAttribute('aria-label', e.caption);
        if (this.image) {
            const src = e.carte ? `cartes/${e.carte}.svg` : '';
            if (this.image.dataset.carte !== e.carte) {
                this.image.dataset.carte = e.carte;
                if (src) this.image.src = src;
                else this.image.removeAttribute('src');
            }
            this.element.classList.toggle('offerte', e.enabled && e.curseur === 1);
        }
        this.peindre();
        if (this.texte && (!avant || e.caption !== avant.caption)) {
            this.texte.textContent = e.caption;
            this.aAjuster = true;
        }
        if (!avant || e.taillePolice !== avant.taillePolice || e.width !== avant.width ||
            e.height !== avant.height)
            this.aAjuster = true;
        if (e.focus && e.visible && (!avant || !avant.focus || !avant.visible))
            this.vue.focusDemande = this;
    }

    // The colours the game gives, on the look of the control.
    peindre() {
        const d = this.desc;
        const e = this.etat;
        const s = this.element.style;
        const model = e.couleur >= 0 ? rgb(e.couleur) : null;
        switch (d.genre) {
            case 'Panneau': {
                const f = model || couleurDescription(d);
                if (d.allure === 'Bulle') {
                    const c = f || FONDS.Bulle;
                    s.setProperty('--haut', css(plusClair(c, 112)));
                    s.setProperty('--bas', css(plusSombre(c, 106)));
                    s.setProperty('--bord', css(plusSombre(c, 160)));
                } else if (f) {
                    s.setProperty('--fond', css(f));
                    s.setProperty('--bord', css(plusSombre(f, d.allure === 'Encadre' ? 135 : 150)));
                    this.element.classList.toggle('opaque', f.a >= 255);
                } else {
                    s.removeProperty('--fond');
                }
                const encre =
                    d.encre >= 0
                        ? rgb(d.encre)
                        : d.allure === 'Etiquette' || d.allure === 'Titre'
                        ? encreSur(model || couleurDescription(d) || this.fondSous())
                        : encreSur(this.fondEffectif() || { r: 0, g: 0, b: 0, a: 0 });
                s.setProperty('--encre', css(encre));
                break;
            }
            case 'Bouton': {
                if (model) {
                    s.setProperty('--fond', css(model));
                    s.setProperty('--encre', css(encreSur(model)));
                    this.element.classList.add('colore');
                } else {
                    this.element.classList.remove('colore');
                }
                break;
            }
            case 'Ellipse': {
                const c = model || { r: 0, g: 0x80, b: 0, a: 255 };
                s.setProperty('--centre', css(plusClair(c, 128)));
                s.setProperty('--tapis', css(c));
                s.setProperty('--bord-tapis', css(plusSombre(c, 135)));
                break;
            }
            case 'Rectangle': {
                const c = model || couleurDescription(d);
                s.setProperty('--haut', css(plusClair(c, 115)));
                s.setProperty('--bas', css(plusSombre(c, 110)));
                s.setProperty('--bord', css(plusSombre(c, 150)));
                break;
            }
            case 'Cadre':
                s.setProperty('--bord', css(model || couleurDescription(d)));
                break;
            default:
                break;
        }
    }

    // The caption whole in its box, once the box has its size.
    ajuster() {
        if (!this.texte || !this.aAjuster || !this.etat || !this.etat.visible) return;
        if (!this.element.isConnected || this.element.offsetParent === null) return;
        this.aAjuster = false;
        const d = this.desc;
        const points =
            this.etat.taillePolice > 0 ? this.etat.taillePolice : d.police > 0 ? d.police : 9;
        if (this.texte.textContent === '') {
            this.texte.style.fontSize = `${points}pt`;
            return;
        }
        ajusterPolice(this.element.tagName === 'BUTTON' ? this.element : this.texte, points);
    }
}
