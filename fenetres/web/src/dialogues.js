// The boxes the game opens: a message with OK, a Yes/No question, a line of text to type, a
// colour to choose; modal over the page, the answer Enter gives first, Escape the other.
const MOTS = {
    1: { ok: 'OK', oui: 'Oui', non: 'Non', annuler: 'Annuler' },
    2: { ok: 'OK', oui: 'Yes', non: 'No', annuler: 'Cancel' },
};

function bouton(texte, classe) {
    const b = document.createElement('button');
    b.type = 'button';
    b.className = `dialogue-bouton ${classe || ''}`;
    b.textContent = texte;
    return b;
}

function hexa(bgr) {
    const h = (n) => n.toString(16).padStart(2, '0');
    return `#${h(bgr & 0xff)}${h((bgr >> 8) & 0xff)}${h((bgr >> 16) & 0xff)}`;
}

function bgr(hex) {
    const n = parseInt(hex.slice(1), 16);
    return ((n & 0xff) << 16) | (n & 0xff00) | ((n >> 16) & 0xff);
}

export class Dialogues {
    constructor(hote) {
        this.hote = hote; // where the boxes show: the scaled screen of the game
        this.ouverte = null;
    }

    // Resolves with the answer once the player gave it.
    ouvrir({ titre, texte, icone, boutons, champ, couleur, langue }) {
        return new Promise((resolve) => {
            const mots = MOTS[langue] || MOTS[2];
            const voile = document.createElement('div');
            voile.className = 'voile-dialogue';
            const boite = document.createElement('div');
            boite.className = 'dialogue';
            boite.setAttribute('role', 'alertdialog');
            boite.setAttribute('aria-modal', 'true');
            const barre = document.createElement('div');
            barre.className = 'barre-titre';
            barre.textContent = titre || 'QUARVEL 99.2';
            const corps = document.createElement('div');
            corps.className = 'corps';
            if (icone) {
                const i = document.createElement('img');
                i.src = icone;
                i.alt = '';
                i.className = 'icone-dialogue';
                corps.append(i);
            }
            const message = document.createElement('div');
            message.className = 'message';
            message.textContent = texte || '';
            corps.append(message);
            let entree = null;
            if (champ !== undefined) {
                entree = document.createElement('input');
                entree.type = 'text';
                entree.maxLength = 64;
                entree.value = champ;
                entree.setAttribute('aria-label', texte || '');
                message.append(entree);
            }
            if (couleur !== undefined) {
                entree = document.createElement('input');
                entree.type = 'color';
                entree.value = hexa(couleur);
                message.append(entree);
            }
            const ligne = document.createElement('div');
            ligne.className = 'boutons';
            const fermer = (reponse) => {
                document.removeEventListener('keydown', clavier, true);
                voile.remove();
                this.ouverte = null;
                resolve(reponse);
            };
            const faits = boutons.map(({ mot, reponse, defaut, echap }) => {
                const b = bouton(mots[mot], defaut ? 'defaut' : '');
                b.addEventListener('click', () => {
                    if (reponse === 'valeur') fermer(entree.type === 'color' ? { couleur: bgr(entree.value) } : { texte: entree.value });
                    else fermer(reponse);
                });
                ligne.append(b);
                return { b, defaut, echap, reponse };
            });
            const parDefaut = faits.find((f) => f.defaut) || faits[0];
            const echap = faits.find((f) => f.echap) || parDefaut;
            const clavier = (e) => {
                if (e.key === 'Escape') {
                    e.preventDefault();
                    e.stopPropagation();
                    echap.b.click();
                } else if (e.key === 'Enter') {
                    // The button Tab stands on, else the one Enter gives.
                    e.preventDefault();
                    e.stopPropagation();
                    const f = faits.find((x) => x.b === document.activeElement);
                    (f || parDefaut).b.click();
                } else if (e.key === 'Tab') {
                    // Tab stays in the box.
                    const champs = [...boite.querySelectorAll('input, button')];
                    const k = champs.indexOf(document.activeElement);
                    e.preventDefault();
                    e.stopPropagation();
                    champs[(k + (e.shiftKey ? champs.length - 1 : 1)) % champs.length].focus();
                } else {
                    e.stopPropagation();
                }
            };
            document.addEventListener('keydown', clavier, true);
            boite.append(barre, corps, ligne);
            voile.append(boite);
            this.hote.append(voile);
            this.ouverte = boite;
            if (entree && entree.type === 'text') {
                entree.focus();
                entree.select();
            } else {
                parDefaut.b.focus();
            }
        });
    }

    message(texte, langue, titre, icone) {
        return this.ouvrir({ texte, titre, icone, langue, boutons: [{ mot: 'ok', reponse: true, defaut: true }] });
    }

    question(q, langue) {
        switch (q.genre) {
            case 'texte':
                return this.ouvrir({
                    titre: q.titre,
                    texte: q.texte,
                    langue,
                    champ: q.offert,
                    boutons: [
                        { mot: 'ok', reponse: 'valeur', defaut: true },
                        { mot: 'annuler', reponse: { annulee: true }, echap: true },
                    ],
                });
            case 'couleur':
                return this.ouvrir({
                    titre: q.titre,
                    texte: '',
                    langue,
                    couleur: q.couleur,
                    boutons: [
                        { mot: 'ok', reponse: 'valeur', defaut: true },
                        { mot: 'annuler', reponse: { annulee: true }, echap: true },
                    ],
                });
            default:
                return this.ouvrir({
                    titre: q.titre,
                    texte: q.texte,
                    langue,
                    boutons: [
                        { mot: 'oui', reponse: { oui: true }, defaut: q.ouiParDefaut },
                        { mot: 'non', reponse: { oui: false }, defaut: !q.ouiParDefaut, echap: true },
                    ],
                });
        }
    }
}
