// Zandiro offline: this worker keeps the site's own files in Cache Storage,
// in a cache named after the build, and answers the page from there, so the
// game plays without a network after one visit. The build writes the cache's
// name and the site's files into it (web/service-worker.cmake); a new build
// is a new worker, which the browser installs when it finds it changed.
const cacheName = 'zandiro-@BUILD@';
const siteFiles = '@FILES@'.split(' ');
// The page names the catalogue of its language; the others stay on the server.
const catalogue = new URL(location).searchParams.get('catalogue');
// The index is kept at the site's own address, as the page was asked for.
const kept = siteFiles.filter((file) => !file.endsWith('.mo') || file === catalogue)
  .map((file) => (file === 'index.html' ? './' : file));

// On a first visit the page has just loaded the build's files, and the
// browser's HTTP cache gives them again without asking the server twice. A new
// build's worker fetches past that cache, which may hold the last build's.
self.addEventListener('install', (event) => {
  event.waitUntil(caches.keys().then((names) => {
    const cache = names.some((name) => name.startsWith('zandiro-')) ? 'reload' : 'force-cache';
    const requests = kept.map((file) => new Request(file, { cache }));
    return caches.open(cacheName).then((opened) => opened.addAll(requests));
  }).then(() => self.skipWaiting()));
});

// The new build takes over the open pages at once and drops the caches of
// the builds before it.
self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name.startsWith('zandiro-') && name !== cacheName)
      .map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

// The site has one page: every visit to it gets the kept index.
self.addEventListener('fetch', (event) => {
  const asked = event.request.mode === 'navigate' ? './' : event.request;
  event.respondWith(caches.match(asked, { cacheName }).then((response) => response ?? fetch(event.request)));
});
