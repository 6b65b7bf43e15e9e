// Keeps the page's own files, so that it opens again without a network.
// Network first, so a new build is picked up at once when online; the copy
// kept is only what answers offline. Nothing but the page's folder is asked.
const cacheName = 'hueset-page';
const files = ['./', 'index.html', 'style.css', 'app.js', 'options-form.js', 'figure.js',
  'worker.js', 'core.js', 'hueset.mjs', 'hueset.wasm',
  'hueset-threads.mjs', 'hueset-threads.wasm', 'hueset-threads.worker.js'];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(cacheName).then((cache) => cache.addAll(files)).then(() => self.skipWaiting()));
});
self.addEventListener('activate', (event) => event.waitUntil(self.clients.claim()));

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith((async () => {
    const cache = await caches.open(cacheName);
    try {
      const response = await fetch(request);
      if (response.ok) await cache.put(request, response.clone());
      return response;
    } catch (error) {
      const kept = await cache.match(request, { ignoreSearch: true });
      if (kept) return kept;
      throw error;
    }
  })());
});
