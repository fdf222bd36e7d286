// The menu bar, built from the game's menu tree: submenus open on a click (then follow the
// pointer along the bar), items show their check mark, radio mark, shortcut and state, and a
// click on an item sends its command.
import { avecAcces } from './texte.js';

export class Menus {
    constructor(arbre, vue) {
        this.vue = vue;
        this.elements = []; // by index of the flat list the changes refer to
        this.raccourcis = new Map(); // "Ctrl+Z" -> the item
        this.ouvert = null;
        this.barre = document.createElement('nav');
        this.barre.id = 'menus';
        this.barre.setAttribute('role', 'menubar');
        for (const n of arbre) this.barre.append(this.creer(n, true));
        document.addEventListener('pointerdown', (e) => {
            if (this.ouvert && !this.barre.contains(e.target)) this.fermer();
        });
    }

    creer(n, enHaut) {
        if (n.separateur) {
            const s = document.createElement('div');
            s.className = 'separateur';
            return s;
        }
        const item = document.createElement('div');
        item.className = enHaut ? 'menu-haut' : 'menu-item';
        item.setAttribute('role', 'menuitem');
        item.tabIndex = -1;
        const marque = document.createElement('span');
        marque.className = 'marque';
        const libelle = document.createElement('span');
        libelle.className = 'libelle';
        const touche = document.createElement('span');
        touche.className = 'raccourci';
        if (!enHaut) item.append(marque);
        item.append(libelle);
        if (!enHaut) item.append(touche);
        const entree = { n, item, libelle, touche, marque, etat: null };
        this.elements[n.k] = entree;
        if (n.enfants) {
            item.classList.add('sous-menu');
            const liste = document.createElement('div');
            liste.className = 'liste';
            liste.setAttribute('role', 'menu');
            for (const e of n.enfants) liste.append(this.creer(e, false));
            item.append(liste);
            item.addEventListener('click', (e) => {
                if (liste.contains(e.target)) return; // an item of its list takes that click
                e.stopPropagation();
                if (enHaut) this.basculer(item);
                else item.classList.toggle('ouvert');
            });
            item.addEventListener('pointerenter', () => {
                if (enHaut && this.ouvert && this.ouvert !== item) this.ouvrir(item);
            });
        } else {
            item.addEventListener('click', (e) => {
                e.stopPropagation();
                if (!entree.etat || !entree.etat.enabled) return;
                this.fermer();
                this.vue.geste(n.geste);
            });
            if (n.raccourci) this.raccourcis.set(n.raccourci, entree);
        }
        return item;
    }

    basculer(item) {
        if (this.ouvert === item) this.fermer();
        else this.ouvrir(item);
    }

    ouvrir(item) {
        if (this.ouvert) this.ouvert.classList.remove('ouvert');
        this.ouvert = item;
        item.classList.add('ouvert');
    }

    fermer() {
        if (this.ouvert) this.ouvert.classList.remove('ouvert');
        this.ouvert = null;
    }

    // [index, caption, enabled, visible, checked, shortcut, hint]
    maj([k, caption, enabled, visible, checked, raccourci, hint]) {
        const e = this.elements[k];
        if (!e) return;
        e.etat = { caption, enabled, visible, checked, raccourci };
        e.cle = avecAcces(e.libelle, caption);
        e.touche.textContent = raccourci;
        e.item.style.display = visible ? '' : 'none';
        e.item.classList.toggle('inactif', !enabled);
        e.item.setAttribute('aria-disabled', String(!enabled));
        if (e.n.cochable) {
            e.marque.textContent = checked ? (e.n.groupe > 0 ? '\u25cf' : '\u2713') : '';
            e.item.setAttribute('aria-checked', String(checked));
        }
        if (hint) e.item.title = hint;
    }

    // The command of a key as the menus write shortcuts, if an enabled item has it.
    commande(touche) {
        const e = this.raccourcis.get(touche);
        return e && e.etat && e.etat.enabled ? e.n.geste : null;
    }
}
