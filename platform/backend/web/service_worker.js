// Keeps every file of the page, so that after the first visit dab starts with no network. The build writes
// the list of files and a version made from their contents: a new build is a new worker, which fetches the
// new files whole before it takes over from the old one and drops the old files.
const version = '@DAB_WEB_VERSION@';
const files = [@DAB_WEB_FILES@];
const cacheName = 'dab-' + version;

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(cacheName)
                      .then((cache) => cache.addAll(files.map((name) => new Request(name, { cache: 'reload' }))))
                      .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
                      .then((names) => Promise.all(names.filter((name) => name.startsWith('dab-') && name !== cacheName)
                                                       .map((name) => caches.delete(name))))
                      .then(() => self.clients.claim()));
});

// The page's own files from the cache; the folder's address is its index.html.
self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  const url = new URL(event.request.url);
  if (url.origin !== self.location.origin) return;
  const scope = new URL(self.registration.scope);
  const asked = url.pathname === scope.pathname ? new URL('index.html', scope).href : url.href.split('#')[0];
  event.respondWith(caches.open(cacheName)
                        .then((cache) => cache.match(asked, { ignoreSearch: true }))
                        .then((kept) => kept || fetch(event.request)));
});
