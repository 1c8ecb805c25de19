// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the site in the browser so that it works offline once it has been
// loaded. The network comes first, so a school's newer copy is always taken
// when it can be reached; the stored copy answers when it cannot.
'use strict';

const CACHE = 'jex-site';
const KEYS = ['101-seven', '102-eight', '103-nine', '104-note', '105-forwards', '106-flash',
  '107-four', '108-five', '109-six', '110-leftbutton', '111-pause', '112-rightbutton', '113-one',
  '114-two', '115-three', '116-repeat', '117-backwards', '118-endbutton', '119-zero', '120-test',
  '121-go', '122-cm', '123-ce', '124-rm', '125-green'];
// The languages the site ships (languages.js, made by the build).
importScripts('languages.js');
const TABLES = Object.keys(self.jexlanguages).filter((code) => code !== 'en')
  .map((code) => `languages/${code}.txt`);
const MODULES = ['startup', 'bridge', 'panels', 'keyboard', 'sounds', 'storage', 'dialogs',
  'printing', 'texts'];
const FILES = ['./', 'index.html', 'jex.css', ...MODULES.map((name) => `${name}.js`), 'languages.js',
  'beforestart.js', ...TABLES, 'jex.js', 'jex.wasm.gz', 'jex.svg',
  'manifest.webmanifest', 'fonts/DejaVuSans.woff2', 'fonts/DejaVuSans-Bold.woff2',
  ...KEYS.map((name) => `keys/${name}.svg`)];

self.addEventListener('install', (event) => {
  // The page has just fetched these: the browser's own cache gives them
  // again, so a first visit does not download the site twice.
  const requests = FILES.map((file) => new Request(file, { cache: 'force-cache' }));
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(requests)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => event.waitUntil(self.clients.claim()));

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== location.origin) return;
  event.respondWith((async () => {
    const cache = await caches.open(CACHE);
    try {
      const response = await fetch(request);
      if (response.ok) cache.put(request, response.clone());
      return response;
    } catch (error) {
      const stored = await cache.match(request, { ignoreSearch: true });
      if (stored) return stored;
      throw error;
    }
  })());
});
