// Quarvel in a browser: the game compiled to WebAssembly, shown by the page.
import { Aide } from './aide.js';
import { installerClavier } from './clavier.js';
import { chargerNoyau } from './noyau.js';
import { Vue } from './vue.js';

async function lancer() {
    const ecran = document.getElementById('ecran');
    try {
        const noyau = await chargerNoyau();
        noyau.demarrer();
        const vue = new Vue(noyau, ecran, new Aide());
        vue.appliquer(noyau.etat());
        installerClavier(vue);
        window.addEventListener('resize', () => vue.mettreALEchelle());
        // For the tests and whoever measures: the view and the game's time per gesture.
        window.quarvel = { vue, noyau };
        document.documentElement.classList.add('pret');
    } catch (e) {
        ecran.textContent = `QUARVEL 99.2 \u2014 ${e && e.message ? e.message : e}`;
        throw e;
    }
}

lancer();
// Once visited, the site starts and plays with no network.
if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js').catch(() => {});
