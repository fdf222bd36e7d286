// No control's text overflows its box, from a phone held sideways to a large screen: at the start,
// during a deal, at its end, in the review windows, the statistics and the high scores; and the
// title bar and close box of a window are never under something else.
import { clicRapide, expect, jouerDonne, ouvrir, test } from './outils.mjs';

// Every caption on show that its box does not hold whole.
function coupes(page) {
    return page.evaluate(() => {
        const v = [];
        for (const e of document.querySelectorAll('.ctl > .texte, button.ctl, .menu-haut, .dialogue .message')) {
            if (e.offsetParent === null || !e.textContent.trim()) continue;
            if (e.scrollWidth > e.clientWidth + 1 || e.scrollHeight > e.clientHeight + 1)
                v.push(`"${e.textContent.trim()}" in ${e.clientWidth}x${e.clientHeight}`);
        }
        return v;
    });
}

// The title bars and close boxes of the windows on show that something else covers.
function titresCouverts(page) {
    return page.evaluate(() => {
        const v = [];
        for (const e of document.querySelectorAll('.fenetre .barre-titre > span, .fenetre .barre-titre > .fermer')) {
            if (e.offsetParent === null) continue;
            const r = e.getBoundingClientRect();
            const dessus = document.elementFromPoint(r.left + r.width / 2, r.top + r.height / 2);
            if (!dessus || !e.contains(dessus)) v.push(`"${e.textContent.trim()}" under ${dessus && dessus.className}`);
        }
        return v;
    });
}

for (const [largeur, hauteur] of [[844, 390], [800, 600], [1024, 768], [1920, 1080]]) {
    for (const langue of ['French', 'English']) {
        test(`captions whole at ${largeur}×${hauteur} in ${langue}`, async ({ page }) => {
            await page.setViewportSize({ width: largeur, height: hauteur });
            await ouvrir(page);
            const vus = [...(await coupes(page))];
            await clicRapide(page, langue === 'French' ? 'PanelStartFrench' : 'PanelStartEnglish');
            vus.push(...(await coupes(page)));
            await jouerDonne(page);
            vus.push(...(await coupes(page)));
            for (const [bouton, ok] of [['PanelVoirMains', 'PanelMainsOK'], ['PanelVoirPlis', 'PanelPlisOk'],
                ['PanelScoreDetaille', 'panelFeuilleScore']]) {
                await clicRapide(page, bouton);
                vus.push(...(await coupes(page)));
                await clicRapide(page, ok);
            }
            for (const [commande, ok] of [['menuStatistiques', 'PanelOk'], ['menuMeilleursScores', 'PanelOk']]) {
                await page.evaluate((c) => {
                    const m = window.quarvel.vue.menus.elements.find((e) => e && e.n.nom === c);
                    m.item.click();
                }, commande);
                vus.push(...(await coupes(page)), ...(await titresCouverts(page)));
                await page.keyboard.press('Escape');
            }
            expect([...new Set(vus)]).toEqual([]);
        });
    }
}
