// Garbage in the browser's storage is ignored as the desktop ignores a damaged value: the page
// starts, and every setting it cannot read keeps its default.
import { clicRapide, ctl, expect, ouvrir, test } from './outils.mjs';

test('garbage in the storage is ignored and the defaults kept', async ({ page }) => {
    await ouvrir(page);
    await page.evaluate(() => {
        const p = 'Ostravin/QUARVEL 99.2/';
        const garbage = ['', 'b:', 'b:@@@@', 'x:AQAAAA==', 's', '{"niveau":1}', 'b:AQAAAAAA', '\u0000\uffff'];
        const noms = ['niveau', 'optionVitesseJeuDeLaCarte', 'optionCouleurFondEcran', 'graineAleatoire',
            'scoreTotal1', 'nomChallenge', 'statDonnes4', 'verif', 'optionBarreOutils'];
        noms.forEach((n, k) => localStorage.setItem(p + n, garbage[k % garbage.length]));
        localStorage.setItem('autre chose', 'b:AAAA');
    });
    await page.reload();
    await page.waitForFunction(() => window.quarvel && document.documentElement.classList.contains('pret'));
    await clicRapide(page, 'PanelStartEnglish');
    const coche = (nom) =>
        page.evaluate((n) => window.quarvel.vue.menus.elements.find((e) => e && e.n.nom === n).marque.textContent, nom);
    expect(await coche('menuPro')).not.toBe('');
    expect(await coche('menuNormal')).not.toBe('');
    await expect(ctl(page, 'PanelBarreOutils')).toBeVisible();
    await clicRapide(page, 'PanelLancement');
    await expect(ctl(page, 'PanelNumeroDonne')).toHaveText('Deal #1369948382');
});
