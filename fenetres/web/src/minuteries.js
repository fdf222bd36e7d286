// The game's timers, run by the page as the desktop runs them: each repeats at its interval while
// the game keeps it on, starts again when the game restarts it, and its tick is a gesture.
export class Minuteries {
    constructor(ticks, envoyer) {
        this.ticks = ticks; // the gesture of each timer
        this.envoyer = envoyer;
        this.vus = [];
        this.ids = [];
    }

    // [enabled, interval, restarts] of each timer.
    maj(liste) {
        liste.forEach(([enabled, interval, relances], k) => {
            const vu = this.vus[k];
            if (!enabled) this.arreter(k);
            else if (!this.ids[k] || !vu || vu[1] !== interval || vu[2] !== relances)
                this.lancer(k, interval);
            this.vus[k] = [enabled, interval, relances];
        });
    }

    lancer(k, interval) {
        this.arreter(k);
        this.ids[k] = setInterval(() => this.envoyer([this.ticks[k], 0]), Math.max(0, interval));
    }

    arreter(k) {
        if (this.ids[k]) clearInterval(this.ids[k]);
        this.ids[k] = 0;
    }

    arreterTout() {
        this.ids.forEach((_, k) => this.arreter(k));
        this.vus = [];
    }
}
