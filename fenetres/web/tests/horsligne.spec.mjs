// After one visit, the site starts and plays a deal with the network cut.
import { clicRapide, ctl, expect, jouerDonne, menu, ouvrir, test } from './outils.mjs';

test('plays offline once visited', async ({ page, context }) => {
    await ouvrir(page);
    await page.evaluate(async () => {
        await navigator.serviceWorker.ready;
    });
    await page.waitForFunction(() => !!navigator.serviceWorker.controller);
    await context.setOffline(true);
    await page.reload();
    await page.waitForFunction(() => window.quarvel && document.documentElement.classList.contains('pret'));
    await clicRapide(page, 'PanelStartEnglish');
    await menu(page, 'Speeds', 'Card throw', 'Very quick');
    await jouerDonne(page);
    await expect(ctl(page, 'PanelTexteResultat')).toContainText('Result for the Taker');
    // The help pages too.
    await menu(page, 'Help', 'Contents');
    const aide = page.frameLocator('#aide iframe');
    await expect(aide.locator('h1')).toContainText('Quarvel');
    await context.setOffline(false);
});
