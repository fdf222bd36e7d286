// The keys: the menus' shortcuts everywhere; on the table, the arrows move the game's focus, Enter
// and the space bar press it or go on, Escape closes the review windows; in a review window, Tab
// goes from button to button and Escape closes it.
const TABLE = {
    ArrowLeft: 'ToucheGauche',
    ArrowRight: 'ToucheDroite',
    Enter: 'ToucheEntree',
    ' ': 'ToucheEspace',
    Escape: 'ToucheEchap',
};

// A key as the menus write their shortcuts: "F2", "Ctrl+Z".
function nomTouche(e) {
    let k = e.key;
    if (k.length === 1) k = k.toUpperCase();
    const mods = `${e.ctrlKey || e.metaKey ? 'Ctrl+' : ''}${e.altKey ? 'Alt+' : ''}${e.shiftKey && k.length > 1 ? 'Shift+' : ''}`;
    return mods + k;
}

export function installerClavier(vue) {
    document.addEventListener('keydown', (e) => {
        if (vue.aide.ouverte()) {
            vue.aide.touche(e);
            return;
        }
        if (vue.occupe) return; // a box of the game's has the keys
        if (e.key === 'Escape' && vue.menus.ouvert) {
            vue.menus.fermer();
            return;
        }
        const commande = vue.menus.commande(nomTouche(e));
        if (commande) {
            e.preventDefault();
            if (!e.repeat) vue.geste(commande);
            return;
        }
        if (e.ctrlKey || e.metaKey || e.altKey) return;
        const f = vue.fenetreClavier;
        if (f) {
            if (e.key === 'Escape' && f.desc.geste) {
                e.preventDefault();
                vue.geste(f.desc.geste);
            }
            return; // the window's own buttons take Tab, Enter and the space bar
        }
        if (!vue.fenetres[1].visible()) return;
        const g = TABLE[e.key];
        if (!g) return;
        e.preventDefault();
        // A key held down moves the focus on, but plays or presses once.
        if (e.repeat && g !== 'ToucheGauche' && g !== 'ToucheDroite') return;
        vue.geste([vue.gestes[g], 0]);
    });
}
