// The site installs as an application, and after one visit it starts and plays a deal with the
// network cut.
import { chromium } from '@playwright/test';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { clicRapide, ctl, expect, jouerDonne, menu, ouvrir, test } from './outils.mjs';

// In a profile of its own: the browser does not offer to install from a private window.
test('installs as an application', async ({ baseURL, launchOptions }) => {
    const profil = fs.mkdtempSync(path.join(os.tmpdir(), 'quarvel-profil-'));
    const contexte = await chromium.launchPersistentContext(profil, { ...launchOptions, baseURL });
    try {
        const page = contexte.pages()[0] || (await contexte.newPage());
        await ouvrir(page);
        await page.evaluate(() => navigator.serviceWorker.ready);
        const cdp = await contexte.newCDPSession(page);
        const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
        expect(installabilityErrors).toEqual([]);
        const { errors } = await cdp.send('Page.getAppManifest');
        expect(errors).toEqual([]);
    } finally {
        await contexte.close();
        fs.rmSync(profil, { recursive: true, force: true });
    }
});

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
