// A challenge series in the browser: six deals, the total, the name typed into the game's own
// prompt, the high-score table, still there after a reload.
import { clicRapide, ctl, expect, jouerDonne, menu, ouvrir, test } from './outils.mjs';

// A stored whole number as the settings keep it: four bytes, little-endian, in base64.
const entierStocke = (n) => {
    const o = new Uint8Array(new Int32Array([n]).buffer);
    return `b:${Buffer.from(o).toString('base64')}`;
};

test('a six-deal series enters the high-score table under the name typed', async ({ page }) => {
    test.setTimeout(300_000);
    // A player whose Medium table holds poor series only: any total enters it.
    await ouvrir(page);
    await page.evaluate((v) => {
        for (let j = 1; j <= 4; ++j) localStorage.setItem(`Ostravin/QUARVEL 99.2/highScoreChallenge1${j}`, v);
    }, entierStocke(-9999));
    await page.reload();
    await page.waitForFunction(() => window.quarvel && document.documentElement.classList.contains('pret'));

    await clicRapide(page, 'PanelStartFrench');
    await menu(page, 'Vitesses', 'Jeu de la carte', 'Instantané');
    await menu(page, 'Niveau', 'Amateur');
    await menu(page, 'Options', "Nombre de donnes d'un challenge", '6 donnes');
    await menu(page, 'Quarvel', 'Nouveau challenge');
    for (let donne = 1; donne <= 6; ++donne) {
        await expect(ctl(page, 'PanelChallenge')).toContainText(`Donne ${donne} / 6`);
        await jouerDonne(page);
        if (donne < 6) await clicRapide(page, 'PanelPanelNewPartie');
    }
    // The summary, then the prompt for the name.
    const boite = page.locator('.dialogue');
    await expect(boite.locator('.message')).toContainText('Challenge terminé\u00a0:');
    await boite.locator('button').click();
    await expect(boite.locator('.message')).toContainText('Votre nom (20 caractères au plus)');
    await boite.locator('input').fill('Mélusine');
    await boite.locator('input').press('Enter');
    const scores = page.locator('[data-fenetre="frmMeilleursScores"]');
    await expect(scores).toBeVisible();
    await expect(scores).toContainText('Mélusine');
    await expect(ctl(page, 'PanelChallenge')).toContainText('Challenge terminé');

    await page.reload();
    await page.waitForFunction(() => window.quarvel && document.documentElement.classList.contains('pret'));
    await clicRapide(page, 'PanelStartFrench');
    await menu(page, 'Quarvel', 'Meilleurs scores…');
    await expect(page.locator('[data-fenetre="frmMeilleursScores"]')).toContainText('Mélusine');
});
