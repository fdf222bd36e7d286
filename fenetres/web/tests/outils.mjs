// What the browser tests share: a page that fails its test on any console or page error, and the
// gestures of a player, with the mouse, the keyboard or (to go fast) clicks on the page's own
// elements.
import { expect, test as base } from '@playwright/test';

export { expect };

export const test = base.extend({
    page: async ({ page }, use) => {
        const erreurs = [];
        page.on('console', (m) => {
            if (m.type() === 'error') erreurs.push(`console: ${m.text()}`);
        });
        page.on('pageerror', (e) => erreurs.push(`page: ${e.message}`));
        await use(page);
        expect(erreurs, 'console and page errors').toEqual([]);
    },
});

export async function ouvrir(page) {
    await page.goto('/');
    await page.waitForFunction(() => window.quarvel && document.documentElement.classList.contains('pret'));
}

export const ctl = (page, nom) => page.locator(`[data-nom="${nom}"]`).first();

// A menu command by its captions, as a player finds it: the bar, the submenus, the item.
export async function menu(page, ...chemin) {
    const exact = (t) => new RegExp(`^${t.replace(/[.*+?^${}()|[\]\\]/g, '\\$&')}$`);
    await page.locator('.menu-haut > .libelle', { hasText: exact(chemin[0]) }).click();
    for (let k = 1; k < chemin.length; ++k) {
        const item = page.locator('.menu-haut.ouvert .menu-item > .libelle', { hasText: exact(chemin[k]) }).first();
        if (k < chemin.length - 1) await item.hover();
        else await item.click();
    }
}

// The first card of the hand the player may play (or choose for the discard), or null.
export async function carteOfferte(page) {
    return page.evaluate(() => {
        const c = [...document.querySelectorAll('.fenetre.table [data-nom^="Carte3D"].offerte')].find(
            (e) => e.offsetParent !== null && e.style.display !== 'none'
        );
        return c ? c.dataset.nom : null;
    });
}

// Clicks on the page's own elements, as fast as the game answers: for the tests whose point is
// not the mouse itself.
export async function clicRapide(page, nom) {
    await page.evaluate((n) => document.querySelector(`[data-nom="${n}"]`).click(), nom);
}

export async function estVisible(page, nom) {
    return page.evaluate((n) => {
        const e = document.querySelector(`[data-nom="${n}"]`);
        return !!e && e.offsetParent !== null && getComputedStyle(e).visibility !== 'hidden';
    }, nom);
}

// A whole deal: the player passes, declines the handful, plays his first playable card and goes
// on; `souris`: with real mouse clicks, `toucher`: with taps, else with the page's own clicks.
export async function jouerDonne(page, { souris = false, toucher = false } = {}) {
    const clic = async (nom, position) => {
        if (souris) await ctl(page, nom).click(position ? { position } : undefined);
        else if (toucher) await ctl(page, nom).tap(position ? { position } : undefined);
        else await clicRapide(page, nom);
    };
    for (let k = 0; k < 3000; ++k) {
        if (await estVisible(page, 'PanelResultat')) return;
        if (await estVisible(page, 'PanelLancement')) {
            await clic('PanelLancement');
            continue;
        }
        if (await estVisible(page, 'PanelPoignee')) {
            await clic('PanelPoigneeAucune');
            continue;
        }
        if (await estVisible(page, 'BarreEnchere')) {
            await clic('ButtonPasse');
            continue;
        }
        const carte = await carteOfferte(page);
        if (carte) {
            // The hand's cards overlap: its left edge is what shows of each.
            await clic(carte, { x: 8, y: 60 });
            continue;
        }
        // Nothing asked of the player: a click on the information bar goes on.
        if (souris || toucher) await clic('info');
        else await clicRapide(page, 'info');
        await page.waitForTimeout(5);
    }
    throw new Error('the deal did not end');
}

// The deal's number as the table shows it.
export async function numeroDonne(page) {
    const t = await ctl(page, 'PanelNumeroDonne').textContent();
    return t.replace(/\D/g, '');
}
