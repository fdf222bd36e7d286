// Figures of the web page, measured in headless Chromium (Debian's) on this machine:
//   node outils/web/mesurer.mjs [build-web/site] [runs]
// - navigation to the start-up screen painted, cold (a fresh profile) and from the service worker;
// - the game's time per event (gesture or tick, JSON in and out) over a whole deal played by a
//   player who always passes, as the desktop program's QUARVEL_SCENARIO plays it;
// - the page's memory after that deal; the site's size, raw and gzipped file by file.
import { spawn } from 'node:child_process';
import fs from 'node:fs';
import { createRequire } from 'node:module';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import zlib from 'node:zlib';

const ici = path.dirname(fileURLToPath(import.meta.url));
const web = path.join(ici, '../../fenetres/web');
const { chromium } = createRequire(path.join(web, 'package.json'))('playwright-core');

const site = path.resolve(process.argv[2] || path.join(ici, '../../build-web/site'));
const tours = Number(process.argv[3] || 7);
const port = 8790;
const adresse = `http://127.0.0.1:${port}/`;

const mediane = (v) => [...v].sort((a, b) => a - b)[Math.floor(v.length / 2)];
const centile = (v, p) => [...v].sort((a, b) => a - b)[Math.min(v.length - 1, Math.floor((v.length * p) / 100))];
const ms = (x) => `${x.toFixed(1)} ms`;

function tailleSite() {
    let brut = 0;
    let gz = 0;
    const parcourir = (d) => {
        for (const e of fs.readdirSync(d, { withFileTypes: true })) {
            const f = path.join(d, e.name);
            if (e.isDirectory()) parcourir(f);
            else {
                const octets = fs.readFileSync(f);
                brut += octets.length;
                gz += zlib.gzipSync(octets, { level: 9 }).length;
            }
        }
    };
    parcourir(site);
    return { brut, gz };
}

// From the start of the navigation to the frame after the start-up screen was drawn.
async function jusquAuDemarrage(page) {
    await page.goto(adresse);
    return page.evaluate(async () => {
        while (!document.documentElement.classList.contains('pret'))
            await new Promise((r) => setTimeout(r, 1));
        await new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r)));
        return performance.now();
    });
}

// The desktop scenario's deal: English, instant speed, a click to go on after each trick; the
// player passes, declines the handful and plays his first playable card.
async function jouerDonne(page) {
    return page.evaluate(async () => {
        const { vue, noyau } = window.quarvel;
        const attendre = (t) => new Promise((r) => setTimeout(r, t));
        const visible = (nom) => {
            const e = document.querySelector(`[data-nom="${nom}"]`);
            return !!e && e.offsetParent !== null && getComputedStyle(e).visibility !== 'hidden';
        };
        const cliquer = (nom) => document.querySelector(`[data-nom="${nom}"]`).click();
        const commande = (nom) => vue.geste(vue.menus.elements.find((e) => e && e.n.nom === nom).n.geste);
        cliquer('PanelStartEnglish');
        await attendre(150);
        cliquer('PanelLancement');
        await attendre(400);
        // The first deal's number (all four may pass: then it is dealt again under another).
        const numero = document.querySelector('[data-nom="PanelNumeroDonne"]').textContent;
        commande('menuInstantane');
        commande('menuClickObligatoire');
        noyau.durees.length = 0;
        noyau.dureesJeu.length = 0;
        for (let k = 0; k < 4000 && !visible('PanelResultat'); ++k) {
            await attendre(5);
            if (visible('PanelPoignee')) cliquer('PanelPoigneeAucune');
            else if (visible('BarreEnchere')) cliquer('ButtonPasse');
            else {
                const carte = [...document.querySelectorAll('.fenetre.table [data-nom^="Carte3D"].offerte')].find(
                    (e) => e.offsetParent !== null && e.style.display !== 'none'
                );
                cliquer(carte ? carte.dataset.nom : 'info');
            }
        }
        return { fini: visible('PanelResultat'), numero, durees: [...noyau.durees], dureesJeu: [...noyau.dureesJeu] };
    });
}

function memoireRendu() {
    // Every renderer of the browser this script started: the page and its service worker.
    let kio = 0;
    let n = 0;
    const racine = process.pid;
    for (const pid of fs.readdirSync('/proc').filter((d) => /^\d+$/.test(d))) {
        try {
            const ligne = fs.readFileSync(`/proc/${pid}/cmdline`, 'utf8');
            const statut = fs.readFileSync(`/proc/${pid}/status`, 'utf8');
            const parent = Number(/PPid:\s+(\d+)/.exec(statut)[1]);
            if (!ligne.includes('--type=renderer')) continue;
            if (!ancetre(parent, racine)) continue;
            // Proportional: the pages shared with other processes counted in part only.
            kio += Number(/Pss:\s+(\d+)/.exec(fs.readFileSync(`/proc/${pid}/smaps_rollup`, 'utf8'))[1]);
            ++n;
        } catch {
            /* gone */
        }
    }
    return { octets: kio * 1024, n };
}

function ancetre(pid, racine) {
    for (let k = 0; k < 8 && pid > 1; ++k) {
        if (pid === racine) return true;
        try {
            pid = Number(/PPid:\s+(\d+)/.exec(fs.readFileSync(`/proc/${pid}/status`, 'utf8'))[1]);
        } catch {
            return false;
        }
    }
    return false;
}

const serveur = spawn(process.execPath, [path.join(web, 'tests/serveur.mjs'), site, String(port), 'isole'], {
    stdio: 'ignore',
});
await new Promise((r) => setTimeout(r, 400));
const lancer = () =>
    chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--no-sandbox', '--disable-dev-shm-usage'] });
let navigateur = await lancer();
try {
    const { brut, gz } = tailleSite();
    console.log(`site: ${(brut / 1e6).toFixed(2)} MB, gzipped ${(gz / 1e6).toFixed(2)} MB (${site})`);

    const froid = [];
    for (let k = 0; k < tours; ++k) {
        const contexte = await navigateur.newContext();
        froid.push(await jusquAuDemarrage(await contexte.newPage()));
        await contexte.close();
    }
    const chaud = [];
    {
        const contexte = await navigateur.newContext();
        const page = await contexte.newPage();
        await jusquAuDemarrage(page);
        await page.evaluate(async () => {
            await navigator.serviceWorker.ready;
            while (!navigator.serviceWorker.controller) await new Promise((r) => setTimeout(r, 10));
        });
        await page.close();
        for (let k = 0; k < tours; ++k) {
            const p = await contexte.newPage();
            chaud.push(await jusquAuDemarrage(p));
            const parSw = await p.evaluate(() => !!navigator.serviceWorker.controller);
            if (!parSw) throw new Error('the page was not served by the service worker');
            await p.close();
        }
        await contexte.close();
    }
    const resume = (v) => `median ${ms(mediane(v))}, min ${ms(Math.min(...v))}, max ${ms(Math.max(...v))}`;
    console.log(`start-up screen painted, cold (${tours} fresh profiles): ${resume(froid)}`);
    console.log(`start-up screen painted, from the service worker (${tours} runs): ${resume(chaud)}`);

    // The deal in a browser of its own, so that its processes hold that page only.
    await navigateur.close();
    navigateur = await lancer();
    const contexte = await navigateur.newContext({ viewport: { width: 1920, height: 1080 } });
    const page = await contexte.newPage();
    await jusquAuDemarrage(page);
    const donne = await jouerDonne(page);
    if (!donne.fini) throw new Error('the deal did not end');
    const chiffres = (d) =>
        `median ${mediane(d).toFixed(3)} ms, 99th percentile ${centile(d, 99).toFixed(3)} ms, max ${Math.max(...d).toFixed(3)} ms`;
    console.log(`${donne.durees.length} events, from deal ${donne.numero.trim()}:`);
    console.log(`  whole call (game, what changed, JSON read back): ${chiffres(donne.durees)}`);
    console.log(`  the game alone: ${chiffres(donne.dureesJeu)}`);
    console.log(`  (clock resolution: ${(await page.evaluate(() => crossOriginIsolated)) ? 'isolated, 5 µs' : '100 µs'})`);
    const cdp = await contexte.newCDPSession(page);
    await cdp.send('HeapProfiler.collectGarbage');
    await cdp.send('Performance.enable');
    const { metrics } = await cdp.send('Performance.getMetrics');
    const m = Object.fromEntries(metrics.map((x) => [x.name, x.value]));
    const tas = await cdp.send('Runtime.getHeapUsage');
    const wasm = await page.evaluate(() => window.quarvel.noyau.memoire());
    const rendu = memoireRendu();
    console.log(
        `after the deal: JS heap ${(m.JSHeapUsedSize / 1e6).toFixed(1)} MB used of ${(m.JSHeapTotalSize / 1e6).toFixed(1)} MB, ` +
            `WebAssembly memory ${(wasm / 1e6).toFixed(1)} MB, array buffers ${((tas.backingStorageSize || 0) / 1e6).toFixed(1)} MB, ` +
            `${m.Nodes} DOM nodes; renderer processes ${rendu.n}, ${(rendu.octets / 1e6).toFixed(0)} MB proportional set`
    );
    await contexte.close();
} finally {
    await navigateur.close();
    serveur.kill();
}
