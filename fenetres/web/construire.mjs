// Builds the site: static files any web server can serve, which work offline once visited.
// usage: node construire.mjs <folder of the wasm build> <site folder>
// The script is bundled with esbuild; the game's WebAssembly module, the card faces, the icons
// and the help pages are copied; the help pages get the site's security policy and lose their
// inline style to a file; the service worker learns the list of files and a version.
import { build } from 'esbuild';
import { execFileSync } from 'node:child_process';
import { createHash } from 'node:crypto';
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const ici = path.dirname(fileURLToPath(import.meta.url));
const racine = path.resolve(ici, '../..');
const [wasm, site] = process.argv.slice(2).map((p) => path.resolve(p));
if (!wasm || !site) {
    console.error('usage: node construire.mjs <wasm build folder> <site folder>');
    process.exit(2);
}
const POLITIQUE =
    "default-src 'self'; script-src 'self' 'wasm-unsafe-eval'; base-uri 'none'; form-action 'none'; object-src 'none'";

fs.rmSync(site, { recursive: true, force: true });
fs.mkdirSync(site, { recursive: true });

function copier(de, vers) {
    fs.mkdirSync(path.dirname(vers), { recursive: true });
    fs.copyFileSync(de, vers);
}

function copierDossier(de, vers, extension) {
    for (const f of fs.readdirSync(de).filter((n) => n.endsWith(extension)).sort())
        copier(path.join(de, f), path.join(vers, f));
}

// The page's script, one file; the game's module stays apart, as emscripten made it.
await build({
    entryPoints: [path.join(ici, 'src/main.js')],
    bundle: true,
    format: 'esm',
    minify: true,
    target: ['es2020'],
    external: ['./quarvel.mjs'],
    outfile: path.join(site, 'quarvel.js'),
    legalComments: 'linked',
    logLevel: 'warning',
});
copier(path.join(wasm, 'quarvel.mjs'), path.join(site, 'quarvel.mjs'));
copier(path.join(wasm, 'quarvel.wasm'), path.join(site, 'quarvel.wasm'));
for (const f of ['index.html', 'quarvel.css']) copier(path.join(ici, 'site', f), path.join(site, f));
copierDossier(path.join(racine, 'ressources/cartes'), path.join(site, 'cartes'), '.svg');
copierDossier(path.join(racine, 'ressources/icones'), path.join(site, 'icones'), '.svg');

// The icons an installed app shows, drawn from the program's own.
for (const taille of [192, 512]) {
    execFileSync('rsvg-convert', [
        '-w', String(taille), '-h', String(taille),
        '-o', path.join(site, `icones/quarvel-${taille}.png`),
        path.join(racine, 'ressources/icones/quarvel.svg'),
    ]);
}

// The help pages under the site's policy: their style in a file, as no inline style may run.
fs.mkdirSync(path.join(site, 'aide'), { recursive: true });
for (const page of ['quarvelfr.html', 'quarvelus.html']) {
    let html = fs.readFileSync(path.join(racine, 'ressources/aide', page), 'utf8');
    const style = /<style[^>]*>([\s\S]*?)<\/style>/i.exec(html);
    const css = page.replace('.html', '.css');
    if (style) {
        fs.writeFileSync(path.join(site, 'aide', css), style[1].trim() + '\n');
        html = html.replace(style[0], `<link rel="stylesheet" href="${css}">`);
    }
    html = html.replace(
        /<head>/i,
        `<head>\n<meta http-equiv="Content-Security-Policy" content="${POLITIQUE}">`
    );
    fs.writeFileSync(path.join(site, 'aide', page), html);
}

fs.writeFileSync(
    path.join(site, 'manifest.webmanifest'),
    JSON.stringify(
        {
            name: 'Quarvel',
            short_name: 'Quarvel',
            description: 'Le tarot à quatre : vous, au SUD, contre trois joueurs. French tarot for four.',
            lang: 'fr',
            start_url: './',
            scope: './',
            display: 'standalone',
            orientation: 'landscape',
            background_color: '#08140e',
            theme_color: '#145232',
            icons: [
                { src: 'icones/quarvel-192.png', sizes: '192x192', type: 'image/png' },
                { src: 'icones/quarvel-512.png', sizes: '512x512', type: 'image/png' },
                { src: 'icones/quarvel.svg', sizes: 'any', type: 'image/svg+xml' },
            ],
        },
        null,
        2
    ) + '\n'
);

// Every file the service worker keeps, and a version that changes with any of them.
function fichiers(dossier, base = '') {
    return fs
        .readdirSync(dossier, { withFileTypes: true })
        .flatMap((e) =>
            e.isDirectory()
                ? fichiers(path.join(dossier, e.name), `${base}${e.name}/`)
                : [`${base}${e.name}`]
        )
        .sort();
}
const liste = fichiers(site).filter((f) => !f.endsWith('.LEGAL.txt'));
const empreinte = createHash('sha256');
for (const f of liste) empreinte.update(f).update(fs.readFileSync(path.join(site, f)));
const version = empreinte.digest('hex').slice(0, 16);
const sw = fs
    .readFileSync(path.join(ici, 'site/sw.js'), 'utf8')
    .replace("'@VERSION@'", JSON.stringify(version))
    .replace("'@FICHIERS@'", JSON.stringify(['./', ...liste]));
fs.writeFileSync(path.join(site, 'sw.js'), sw);
console.log(`site: ${liste.length + 1} files, version ${version}, in ${site}`);
