// A static server for the tests, on 127.0.0.1 only: the site's files with their types.
// usage: node serveur.mjs <site folder> <port> [isole]
// With "isole", the pages are cross-origin isolated: the browser's clock then reads to the
// microsecond, for whoever measures.
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';

const [dossier, port, isole] = process.argv.slice(2);
const racine = path.resolve(dossier);
const TYPES = {
    '.html': 'text/html; charset=utf-8',
    '.js': 'text/javascript; charset=utf-8',
    '.mjs': 'text/javascript; charset=utf-8',
    '.css': 'text/css; charset=utf-8',
    '.wasm': 'application/wasm',
    '.svg': 'image/svg+xml',
    '.png': 'image/png',
    '.webmanifest': 'application/manifest+json',
    '.txt': 'text/plain; charset=utf-8',
};

http.createServer((req, res) => {
    let chemin = decodeURIComponent(new URL(req.url, 'http://127.0.0.1').pathname);
    if (chemin.endsWith('/')) chemin += 'index.html';
    const fichier = path.join(racine, path.normalize(chemin));
    if (!fichier.startsWith(racine + path.sep)) {
        res.writeHead(403).end();
        return;
    }
    fs.readFile(fichier, (err, data) => {
        if (err) {
            res.writeHead(404).end();
            return;
        }
        res.writeHead(200, {
            'Content-Type': TYPES[path.extname(fichier)] || 'application/octet-stream',
            'Cache-Control': 'no-cache',
            ...(isole === 'isole'
                ? { 'Cross-Origin-Opener-Policy': 'same-origin', 'Cross-Origin-Embedder-Policy': 'require-corp' }
                : {}),
        });
        res.end(data);
    });
}).listen(Number(port), '127.0.0.1');
