// SPDX-License-Identifier: GPL-3.0-or-later
// The page of the web edition: it draws the windows of the model as panels,
// queues the pupil's clicks and keys for the rules, and gives the rules what
// the browser has (sound, files, pictures, printing). The rules (jex.wasm)
// take the queued events one at a time, inside their own waits too. This
// module starts it all and hands the rules the page's calls.
import {
  EVENT, attach, callrules, end, ended, jex, pending, post, pump, queuecalls, record, saved,
} from './bridge.js';
import { askfile, askyesno, pagebutton, teachersettings } from './dialogs.js';
import { listenkeys, loadkeyboard } from './keyboard.js';
import { FONT, element, facesshown, loadbuiltin, loadcontrols, panelcalls } from './panels.js';
import { printpages } from './printing.js';
import { loadsounds, playsound } from './sounds.js';
import { basename, filesaved, makefolders, mountstorage, store, withextension } from './storage.js';
import { T, chooselanguage, text } from './texts.js';

const TICK = 100; // milliseconds
let ticker = null;

// Everything the rules call, as `Module.page` (web/pagebridge.cpp).
const page = {
  ...queuecalls,
  ...panelcalls,
  playsound,
  askfile,
  askyesno,
  printpages,
  filesaved,
  endprogram() {
    end();
    clearInterval(ticker);
    document.getElementById('windows').replaceChildren();
    document.getElementById('webbar').replaceChildren();
    const message = element('div', 'endedmessage', text(T.ended));
    const again = element('button', 'pagebutton', text(T.startagain));
    again.onclick = () => location.reload();
    message.append(document.createElement('br'), again);
    document.getElementById('windows').append(message);
  },
};

// The program a link names (index.html?program=challenge.jex), fetched
// from the same server into a file the rules can open. A file that cannot
// be fetched is still named, so that the rules report it.
async function linkedprogram() {
  const wanted = new URLSearchParams(location.search).get('program');
  if (!wanted) return '';
  const path = `/tmp/link/${withextension(basename(wanted)) || 'program.jex'}`;
  makefolders('/tmp/link');
  try {
    const url = new URL(wanted, location.href);
    if (url.origin !== location.origin) return path;
    const response = await fetch(url);
    if (response.ok) jex.FS.writeFile(path, new Uint8Array(await response.arrayBuffer()));
  } catch (error) {
    // reported by the rules as a file that cannot be opened
  }
  return path;
}

async function start() {
  const fonts = Promise.all([document.fonts.load(`10pt ${FONT}`),
    document.fonts.load(`bold 10pt ${FONT}`)]);
  // The code beforestart.js is compiling, made an instance of here.
  const module = createJex({
    page,
    instantiateWasm(imports, receive) {
      self.jexcode.then((code) => WebAssembly.instantiate(code, imports)).then((instance) => receive(instance));
      return {};
    },
  });
  const [made] = await Promise.all([module, fonts, loadbuiltin()]);
  made.page = page;
  attach(made);
  // The keyboard's tool tips are in the language chosen.
  await Promise.all([chooselanguage(), mountstorage()]);
  loadkeyboard(jex.UTF8ToString(jex._jex_keyboard()));
  loadcontrols(jex.UTF8ToString(jex._jex_controltable()));
  document.title = text(T.title);

  const link = await linkedprogram();

  const teacher = pagebutton(text(T.teacher), teachersettings, 'teacher');
  document.getElementById('webbar').append(teacher);
  ticker = setInterval(() => {
    record.ticks += 1;
    // Ticks do not pile up behind a long wait: one pending is enough.
    if (!pending(EVENT.tick)) post(EVENT.tick);
  }, TICK);
  let resizing = null;
  window.addEventListener('resize', () => {
    clearTimeout(resizing);
    resizing = setTimeout(() => post(EVENT.resize, innerWidth, '', innerHeight), 100);
  });
  window.addEventListener('beforeunload', (event) => {
    if (saved || ended) return;
    event.preventDefault();
    event.returnValue = '';
  });

  await callrules('jex_start', ['number', 'number', 'string'], [innerWidth, innerHeight, link]);
  store();
  record.started = true;
  record.startedat = performance.now();
  pump();
  // The browser's audio takes a while to start: not before the keypad is
  // usable and shows its faces. No sound could be heard before the page is
  // first used anyway.
  facesshown().then(() => requestAnimationFrame(() => setTimeout(loadsounds)));
}

// Opened as a file, the page has said why it cannot start (beforestart.js).
// The offline copy is made once the keypad is usable, from the browser's own
// cache, when what the page fetched is safely in it: a first visit then
// downloads the site once, and the keypad does not wait for the copy.
if (location.protocol !== 'file:') {
  listenkeys();
  start().then(() => {
    if ('serviceWorker' in navigator)
      setTimeout(() => navigator.serviceWorker.register('sw.js').catch(() => {}), 1000);
  });
}
