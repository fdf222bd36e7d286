// Whole deals as a player plays them: one with the mouse in French, one with the keyboard only in
// English; the review windows open, show the deal and close, and printing prints the content.
import { ctl, estVisible, expect, jouerDonne, menu, ouvrir, test } from './outils.mjs';

test.describe('a whole deal', () => {
    test('with the mouse, in French, at 1024×768', async ({ page }) => {
        await page.setViewportSize({ width: 1024, height: 768 });
        await ouvrir(page);
        await ctl(page, 'PanelStartFrench').click();
        await expect(ctl(page, 'PanelLancement')).toHaveText('Cliquez ici pour commencer à jouer\u00a0!');
        await menu(page, 'Vitesses', 'Jeu de la carte', 'Instantané');
        await jouerDonne(page, { souris: true });
        await expect(ctl(page, 'PanelTexteResultat')).toContainText('Résultat du Preneur');

        // The hands window: the four hands and the dog, each hand named.
        await ctl(page, 'PanelVoirMains').click();
        const mains = page.locator('[data-fenetre="frmMains"]');
        await expect(mains).toBeVisible();
        await expect(mains.locator('.barre-titre')).toHaveText(/Les 4 mains et le chien/);
        await expect(mains.locator('[data-nom="NomMain1"]')).toContainText('SUD');
        const faces = await mains.locator('[data-nom^="ImageMain"] img[src]').count();
        expect(faces).toBe(72);

        // Printing: the browser's dialog, with the content alone under the title line.
        await page.evaluate(() => {
            window.print = () => {
                const feuille = document.getElementById('impression');
                window.imprime = {
                    fichier: document.title,
                    ligne: feuille.querySelector('.titre-impression').textContent,
                    cartes: feuille.querySelectorAll('[data-nom^="ImageMain"]').length,
                    boutons: [...feuille.querySelectorAll('button')].filter(
                        (b) => getComputedStyle(b).visibility !== 'hidden'
                    ).length,
                };
            };
        });
        await page.emulateMedia({ media: 'print' });
        await ctl(page, 'buttonImprimerMains').click();
        await page.emulateMedia({ media: 'screen' });
        const imprime = await page.evaluate(() => window.imprime);
        expect(imprime.ligne).toMatch(/^Les 4 mains et le chien\.\.\. \u2014 Donne n° \d+/);
        expect(imprime.fichier).toMatch(/^quarvel-donne-\d+-mains$/);
        expect(imprime.cartes).toBe(72);
        expect(imprime.boutons).toBe(0);
        await expect(mains).toBeVisible();
        await mains.locator('[data-nom="PanelMainsOK"]').click();
        await expect(mains).toBeHidden();

        // The eighteen tricks, then the score sheet, closed by their close box.
        await ctl(page, 'PanelVoirPlis').click();
        const plis = page.locator('[data-fenetre="frmTousPlis"]');
        await expect(plis).toBeVisible();
        expect(await plis.locator('[data-nom^="ImagePli"] img[src]').count()).toBe(72);
        await plis.locator('.fermer').click();
        await expect(plis).toBeHidden();
        await ctl(page, 'PanelScoreDetaille').click();
        const feuille = page.locator('[data-fenetre="frmScoreDetaille"]');
        await expect(feuille).toBeVisible();
        await expect(feuille.locator('[data-nom="panelScoreFinalPreneur"]')).not.toHaveText('');
        await page.keyboard.press('Escape');
        await expect(feuille).toBeHidden();
        await ctl(page, 'PanelPanelNewPartie').click();
        await expect(ctl(page, 'PanelResultat')).toBeHidden();
    });

    test('with the keyboard only, in English, at 800×600', async ({ page }) => {
        await page.setViewportSize({ width: 800, height: 600 });
        await ouvrir(page);
        const cle = (t) => page.keyboard.press(t);
        // The start-up screen's buttons are reached with Tab.
        await cle('Tab');
        await cle('Tab');
        await cle('Enter');
        await expect(ctl(page, 'PanelLancement')).toHaveText('Click here to start playing!');
        const focus = () =>
            page.evaluate(() => {
                const e = document.querySelector('.fenetre.table .focus-clavier');
                return e ? e.dataset.nom : null;
            });
        // Right until the gold outline stands on what `voulu` accepts.
        const jusqua = async (voulu) => {
            for (let n = 0; n < 40; ++n) {
                const f = await focus();
                if (f && voulu(f)) return f;
                await cle('ArrowRight');
            }
            throw new Error('the focus never reached its target');
        };
        // The arrows reach a card when it is the player's turn: one press tells.
        const aCarte = async () => {
            await cle('ArrowRight');
            const f = await focus();
            return !!f && f.startsWith('Carte3D');
        };
        await jusqua((f) => f === 'PanelLancement');
        await cle('Enter');
        let cartes = 0;
        for (let pas = 0; pas < 2000 && !(await estVisible(page, 'PanelResultat')); ++pas) {
            if (await estVisible(page, 'BarreEnchere')) {
                await jusqua((f) => f === 'ButtonPasse');
                await cle('Enter');
            } else if (await estVisible(page, 'PanelPoignee')) {
                await jusqua((f) => f === 'PanelPoigneeAucune');
                await cle('Enter');
            } else if ((await ctl(page, 'info').textContent()) === 'Play!' && (await aCarte())) {
                const f = await jusqua((n) => n.startsWith('Carte3D'));
                await cle('Enter');
                await expect(ctl(page, f)).toBeHidden();
                ++cartes;
            } else {
                // The space bar goes on after a trick or the dog; on the player's turn it would
                // play the outlined card, and the count below would miss it.
                if ((await ctl(page, 'info').textContent()) !== 'Play!') await cle(' ');
                await page.waitForTimeout(20);
            }
        }
        // Every card left the hand by a key (the space bar too plays the outlined card).
        expect(cartes).toBeGreaterThan(12);
        expect(await page.locator('.fenetre.table [data-nom^="Carte3D"]:visible').count()).toBe(0);
        await expect(ctl(page, 'PanelTexteResultat')).toContainText('Result for the Taker');
        await jusqua((f) => f === 'PanelVoirMains');
        await cle('Enter');
        await expect(page.locator('[data-fenetre="frmMains"]')).toBeVisible();
        await cle('Escape');
        await expect(page.locator('[data-fenetre="frmMains"]')).toBeHidden();
    });
});

test.describe('on a phone held sideways', () => {
    test.use({ viewport: { width: 844, height: 390 }, hasTouch: true, isMobile: true });

    test('a whole deal by touch, the menus too', async ({ page }) => {
        await ouvrir(page);
        await ctl(page, 'PanelStartEnglish').tap();
        // No pointer hovers on a touch screen: each level opens when touched.
        await page.locator('.menu-haut > .libelle', { hasText: /^Speeds$/ }).tap();
        await page.locator('.menu-haut.ouvert .menu-item > .libelle', { hasText: /^Card throw$/ }).tap();
        await page.locator('.menu-item.ouvert .menu-item > .libelle', { hasText: /^Very quick$/ }).tap();
        await expect(page.locator('.menu-haut.ouvert')).toHaveCount(0);
        await jouerDonne(page, { toucher: true });
        await expect(ctl(page, 'PanelTexteResultat')).toContainText('Result for the Taker');
        await ctl(page, 'PanelVoirPlis').tap();
        const plis = page.locator('[data-fenetre="frmTousPlis"]');
        await expect(plis).toBeVisible();
        await plis.locator('.fermer').tap();
        await expect(plis).toBeHidden();
    });
});
