// What a player sets and plays is kept in the browser: options and statistics survive a reload;
// two new profiles deal the same first deal; a reload deals on, never the same deal again.
import { clicRapide, ctl, expect, jouerDonne, menu, numeroDonne, ouvrir, test } from './outils.mjs';

test('options, statistics and the deals survive a reload', async ({ page }) => {
    await ouvrir(page);
    await clicRapide(page, 'PanelStartFrench');
    await menu(page, 'Niveau', 'Bon');
    await menu(page, 'Vitesses', 'Jeu de la carte', 'Instantané');
    await clicRapide(page, 'PanelLancement');
    const premiere = await numeroDonne(page);
    await jouerDonne(page);
    // A second deal started, then the page reloaded in the middle of it.
    await clicRapide(page, 'PanelPanelNewPartie');
    const deuxieme = await numeroDonne(page);
    expect(deuxieme).not.toBe(premiere);

    await page.reload();
    await page.waitForFunction(() => window.quarvel && document.documentElement.classList.contains('pret'));
    await clicRapide(page, 'PanelStartFrench');
    const coche = (nom) =>
        page.evaluate((n) => window.quarvel.vue.menus.elements.find((e) => e && e.n.nom === n).marque.textContent, nom);
    expect(await coche('menuBon')).not.toBe('');
    expect(await coche('menuPro')).toBe('');
    expect(await coche('menuInstantane')).not.toBe('');
    await clicRapide(page, 'PanelLancement');
    const apres = await numeroDonne(page);
    expect([premiere, deuxieme]).not.toContain(apres);
    // The deal played counts at its level, "Bon".
    await menu(page, 'Quarvel', 'Statistiques…');
    await expect(ctl(page, 'cellule21')).toHaveText('Donnes jouées');
    await expect(ctl(page, 'cellule24')).toHaveText('1');
    await expect(ctl(page, 'cellule27')).toHaveText('1');
});

test('two new profiles deal the same first deal', async ({ browser }) => {
    const numeros = [];
    for (let k = 0; k < 2; ++k) {
        const contexte = await browser.newContext();
        const page = await contexte.newPage();
        await ouvrir(page);
        await clicRapide(page, 'PanelStartEnglish');
        await clicRapide(page, 'PanelLancement');
        numeros.push(await numeroDonne(page));
        await contexte.close();
    }
    expect(numeros[0]).toBe('1369948382');
    expect(numeros[1]).toBe(numeros[0]);
});
