// Printing through the browser's print dialog, which offers printers and PDF files alike: the
// window's content alone (its buttons left out, cut to what is left), fitted to the page under
// the desktop program's title line, the window's title, the deal, then the date. The page's title
// meanwhile is the file name the desktop program offers, which the browser offers for a PDF.
const PAGE = { longueur: 1047, largeur: 718 }; // A4 less 10 mm margins, in CSS pixels
const LIGNE = 28;

// What shows of a window: its controls but the buttons, with a margin.
export function contenu(fenetre) {
    let g = Infinity;
    let h = Infinity;
    let d = -Infinity;
    let b = -Infinity;
    for (const c of fenetre.controles) {
        if (!c || c.parent || !c.etat || !c.etat.visible) continue;
        if (c.desc.genre === 'Bouton' || c.desc.genre === 'BoutonRapide') continue;
        const e = c.etat;
        g = Math.min(g, e.left);
        h = Math.min(h, e.top);
        d = Math.max(d, e.left + e.width);
        b = Math.max(b, e.top + e.height);
    }
    const l = fenetre.etat.width;
    const H = fenetre.etat.height;
    if (!Number.isFinite(g)) return { x: 0, y: 0, w: l, h: H };
    const marge = Math.max(4, Math.floor(l / 80));
    const x = Math.max(0, g - marge);
    const y = Math.max(0, h - marge);
    return { x, y, w: Math.min(l, d + marge) - x, h: Math.min(H, b + marge) - y };
}

export function imprimer(fenetre, titre, langue, fichier) {
    const zone = contenu(fenetre);
    const paysage = zone.w > zone.h;
    const pageL = paysage ? PAGE.longueur : PAGE.largeur;
    const pageH = (paysage ? PAGE.largeur : PAGE.longueur) - LIGNE;
    const s = Math.min(pageL / zone.w, pageH / zone.h);
    const date = new Date().toLocaleDateString(langue === 1 ? 'fr-FR' : 'en-GB', {
        weekday: 'long',
        year: 'numeric',
        month: 'long',
        day: 'numeric',
    });
    const feuille = document.getElementById('impression');
    feuille.textContent = '';
    const ligne = document.createElement('div');
    ligne.className = 'titre-impression';
    ligne.textContent = `${titre} \u2014 ${date}`;
    const cadre = document.createElement('div');
    cadre.className = 'cadre-impression';
    cadre.style.width = `${zone.w * s}px`;
    cadre.style.height = `${zone.h * s}px`;
    feuille.append(ligne, cadre);
    // The window's own client area lends itself to the page while it prints.
    const client = fenetre.client;
    const place = client.parentElement;
    const suivant = client.nextSibling;
    cadre.append(client);
    client.style.transform = `scale(${s}) translate(${-zone.x}px, ${-zone.y}px)`;
    const regles = document.styleSheets[0];
    const k = regles.insertRule(`@page { size: A4 ${paysage ? 'landscape' : 'portrait'}; margin: 10mm; }`, regles.cssRules.length);
    document.documentElement.classList.add('impression');
    const titrePage = document.title;
    if (fichier) document.title = fichier.replace(/\.pdf$/, '');
    try {
        window.print();
    } finally {
        document.title = titrePage;
        document.documentElement.classList.remove('impression');
        regles.deleteRule(k);
        client.style.transform = '';
        place.insertBefore(client, suivant);
        feuille.textContent = '';
    }
}
