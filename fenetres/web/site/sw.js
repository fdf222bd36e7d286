// The service worker: the whole site kept on the first visit, then served from there, so that
// the game starts and plays with no network. A new version of the site replaces the old copy.
const VERSION = '@VERSION@';
const FICHIERS = '@FICHIERS@';
const CACHE = `quarvel-${VERSION}`;

self.addEventListener('install', (e) => {
    e.waitUntil(
        caches
            .open(CACHE)
            .then((c) => c.addAll(FICHIERS))
            .then(() => self.skipWaiting())
    );
});

self.addEventListener('activate', (e) => {
    e.waitUntil(
        caches
            .keys()
            .then((noms) => Promise.all(noms.filter((n) => n !== CACHE).map((n) => caches.delete(n))))
            .then(() => self.clients.claim())
    );
});

// The site's own files from the copy, anything else left to the browser.
self.addEventListener('fetch', (e) => {
    const url = new URL(e.request.url);
    if (e.request.method !== 'GET' || url.origin !== self.location.origin) return;
    e.respondWith(
        caches.open(CACHE).then((c) =>
            c.match(e.request, { ignoreSearch: true }).then((r) => r || fetch(e.request))
        )
    );
});
