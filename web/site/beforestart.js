// SPDX-License-Identifier: GPL-3.0-or-later
// What the page knows before the rules are loaded: the languages wanted, in
// order, and what it says when it is opened as a file (file://), where the
// browser runs neither the rules nor the page's modules. It starts fetching
// and compiling the rules' code at once, while the modules load.
'use strict';

// The rules' code, kept gzip-compressed on the server (a plain static server
// sends files as they are: compressed, the code is nearly a third of its
// size) and unpacked as it arrives. A server that says it is sending gzip has
// the browser unpack it already; a browser that cannot unpack takes the plain
// copy beside it.
self.jexcode = location.protocol === 'file:' ? null : (async () => {
  const unpack = 'DecompressionStream' in self;
  const response = await fetch(unpack ? 'jex.wasm.gz' : 'jex.wasm');
  if (!response.ok) throw new Error(`${response.url}: ${response.status}`);
  const packed = unpack && !/gzip/.test(response.headers.get('Content-Encoding') ?? '');
  const code = new Response(packed ? response.body.pipeThrough(new DecompressionStream('gzip')) : response.body,
    { headers: { 'Content-Type': 'application/wasm' } });
  return WebAssembly.compileStreaming ? WebAssembly.compileStreaming(code)
    : WebAssembly.compile(await code.arrayBuffer());
})();

// The teacher's choice of language is kept in the browser under this name.
self.jexlanguagekey = 'jex-language';

// A link's language (index.html?lang=de) first, then the teacher's choice,
// then the browser's languages, most wanted first.
self.jexwantedlanguages = () => {
  let chosen = null;
  try {
    chosen = localStorage.getItem(self.jexlanguagekey);
  } catch (error) {
    // storage refused: the browser's languages alone
  }
  return [new URLSearchParams(location.search).get('lang'), chosen, ...navigator.languages]
    .filter(Boolean);
};

// The folder the rules keep the pupils' programs in, in the browser's storage
// (IndexedDB): opened at once, while the page loads, as emscripten's IDBFS
// opens it (named after the folder, with IDBFS's version and store), so that
// IDBFS finds it already open (storage.js).
self.jexhome = '/home/web_user/dorvane';
self.jexstorageformat = { version: 21, store: 'FILE_DATA' };
self.jexstorage = location.protocol === 'file:' ? null : new Promise((resolve) => {
  try {
    const { version, store } = self.jexstorageformat;
    const request = indexedDB.open(self.jexhome, version);
    request.onupgradeneeded = () => {
      const files = request.result.objectStoreNames.contains(store) ? request.transaction.objectStore(store)
        : request.result.createObjectStore(store);
      if (!files.indexNames.contains('timestamp')) files.createIndex('timestamp', 'timestamp', { unique: false });
    };
    request.onsuccess = () => resolve(request.result);
    request.onerror = (event) => {
      event.preventDefault();
      resolve(null);
    };
  } catch (error) {
    resolve(null); // no storage: IDBFS says so itself
  }
});

(() => {
  if (location.protocol !== 'file:') return;
  // No table can be read from a file: the message comes with the site in
  // each language, and the first wanted language it has speaks.
  const shipped = self.jexlanguages;
  const code = self.jexwantedlanguages().map((wanted) => wanted.split(/[-_]/)[0].toLowerCase())
    .find((language) => shipped[language]) ?? 'en';
  document.documentElement.lang = code;
  document.title = shipped[code].title;
  const message = document.createElement('div');
  message.className = 'notserved';
  for (const paragraph of shipped[code].notserved) {
    const text = document.createElement('p');
    text.textContent = paragraph;
    message.append(text);
  }
  document.getElementById('windows').append(message);
})();
