// The help pages of the game, over the page: the chosen language's page in a frame, closed by its
// button, Escape or Ctrl+W.
export class Aide {
    constructor() {
        this.element = document.createElement('div');
        this.element.id = 'aide';
        this.element.style.display = 'none';
        const barre = document.createElement('div');
        barre.className = 'barre-titre';
        this.titre = document.createElement('span');
        const fermer = document.createElement('button');
        fermer.type = 'button';
        fermer.className = 'fermer';
        fermer.textContent = '\u00d7';
        fermer.addEventListener('click', () => this.fermer());
        barre.append(this.titre, fermer);
        this.cadre = document.createElement('iframe');
        this.cadre.title = 'Aide';
        this.cadre.addEventListener('load', () => {
            const doc = this.cadre.contentDocument;
            if (!doc) return;
            this.titre.textContent = doc.title;
            doc.addEventListener('keydown', (e) => this.touche(e));
        });
        this.element.append(barre, this.cadre);
        document.body.append(this.element);
    }

    ouverte() {
        return this.element.style.display !== 'none';
    }

    ouvrir(page) {
        if (this.cadre.getAttribute('src') !== page) this.cadre.src = page;
        this.element.style.display = '';
        this.cadre.focus();
    }

    fermer() {
        this.element.style.display = 'none';
    }

    // Escape and Close (Ctrl+W) close it.
    touche(e) {
        if (e.key === 'Escape' || ((e.ctrlKey || e.metaKey) && e.key.toLowerCase() === 'w')) {
            e.preventDefault();
            this.fermer();
            return true;
        }
        return false;
    }
}
