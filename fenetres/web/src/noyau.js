// The game itself, compiled to WebAssembly from the same C++ as the desktop program, and its small
// C interface: a gesture or an answer in, what changed out, as JSON.
import creerQuarvel from './quarvel.mjs';

export async function chargerNoyau() {
    const m = await creerQuarvel();
    const lire = (pointeur) => JSON.parse(m.UTF8ToString(pointeur));
    // The time of each call for whoever measures it: whole (the game, what changed, the JSON
    // read back) and the game's own share.
    const durees = [];
    const dureesJeu = [];
    const mesurer = (f) => {
        const debut = performance.now();
        const r = f();
        durees.push(performance.now() - debut);
        dureesJeu.push(m._qv_duree_jeu());
        if (durees.length > 10000) {
            durees.shift();
            dureesJeu.shift();
        }
        return r;
    };
    return {
        durees,
        dureesJeu,
        memoire() {
            return m.HEAP8.buffer.byteLength;
        },
        demarrer() {
            m._qv_demarrer();
        },
        description() {
            return lire(m._qv_description());
        },
        etat() {
            return lire(m._qv_etat());
        },
        geste(type, index) {
            return mesurer(() => lire(m._qv_geste(type, index, performance.now())));
        },
        repondre({ oui = false, annulee = false, texte = '', couleur = 0 }) {
            return mesurer(() =>
                JSON.parse(
                    m.ccall(
                        'qv_repondre',
                        'string',
                        ['number', 'number', 'string', 'number'],
                        [oui ? 1 : 0, annulee ? 1 : 0, texte, couleur]
                    )
                )
            );
        },
    };
}
