// Cards that glide, with the Web Animations of the browser: from where they were to where they
// land, as long as the game says, easing out. The control they land on shows once they are
// there; any gesture but a timer's puts them there at once.
export class Mouvements {
    constructor(scene, fenetre) {
        this.scene = scene; // the table's client area
        this.fenetre = fenetre;
        this.vols = [];
    }

    // The control a card is on its way to stays hidden meanwhile.
    tient(controle) {
        return this.vols.some((v) => v.cible === controle);
    }

    jouer({ duree, cartes }) {
        this.terminer();
        if (duree <= 0) return;
        for (const [carte, depart, arrivee, genre, index] of cartes) {
            const cible = genre ? this.fenetre.controles.find((c) => c && c.desc.nom === `${genre}${index}`) : null;
            const img = document.createElement('img');
            img.className = 'fantome';
            img.alt = '';
            img.src = `cartes/${carte}.svg`;
            const rect = ([l, t, w, h]) => ({ left: `${l}px`, top: `${t}px`, width: `${w}px`, height: `${h}px` });
            Object.assign(img.style, rect(depart));
            this.scene.append(img);
            const animation = img.animate([rect(depart), rect(arrivee)], {
                duration: duree,
                easing: 'cubic-bezier(0.215, 0.61, 0.355, 1)',
                fill: 'forwards',
            });
            const vol = { img, animation, cible };
            if (cible) cible.element.style.visibility = 'hidden';
            animation.onfinish = () => this.finir(vol);
            this.vols.push(vol);
        }
    }

    finir(vol) {
        const k = this.vols.indexOf(vol);
        if (k < 0) return;
        this.vols.splice(k, 1);
        vol.animation.onfinish = null;
        vol.animation.cancel();
        vol.img.remove();
        if (vol.cible && !this.tient(vol.cible)) vol.cible.element.style.visibility = '';
    }

    terminer() {
        while (this.vols.length) this.finir(this.vols[this.vols.length - 1]);
    }

    enCours() {
        return this.vols.length > 0;
    }
}
