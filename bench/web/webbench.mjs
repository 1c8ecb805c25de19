// SPDX-License-Identifier: GPL-3.0-or-later
// Figures of the web edition in headless chromium (reported, never asserted):
// the site's size compressed, the time from the first paint to a usable
// keypad, and the steps a second of a full-speed run with the pen down.
// Usage: node bench/web/webbench.mjs [site folder]
import { Browser, serve } from '../../tests/web/browser.mjs';
import { readFileSync, readdirSync, statSync } from 'node:fs';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';

const site = process.argv[2] ?? new URL('../../build-web/site', import.meta.url).pathname;
const kib = (bytes) => `${(bytes / 1024).toFixed(1)} KiB`;

function size(files) {
  let raw = 0, packed = 0;
  for (const file of files) {
    const bytes = readFileSync(join(site, file));
    raw += bytes.length;
    packed += gzipSync(bytes, { level: 9 }).length;
  }
  return `${kib(packed)} compressed (${kib(raw)} as they stand)`;
}
const folder = (name) => readdirSync(join(site, name)).filter((f) => statSync(join(site, name, f)).isFile())
  .map((f) => `${name}/${f}`);
console.log(`code (wasm and scripts, page, style, worker, manifest): ${size(['jex.wasm', 'jex.js', ...readdirSync(site).filter((f) => f.endsWith('.js') && f !== 'jex.js' && f !== 'sw.js'), 'jex.css', 'index.html', 'sw.js', 'manifest.webmanifest'])}`);
console.log(`fonts: ${size(folder('fonts'))}; sounds: ${size(folder('sounds'))}; key faces and icon: ${size([...folder('keys'), 'jex.svg'])}`);

const server = await serve({ '/': site });
const control = (name) => `[data-control="${name}"]`;

// A page that has not been clicked may not sound: the start-up sound is then
// not heard and does not hold the keypad up. With sound allowed it does.
for (const sound of [false, true]) {
  const times = [];
  for (let i = 0; i < 5; ++i) {
    const b = await Browser.launch({ sound });
    await b.goto(server.url);
    await b.until('window.jexrecord && jexrecord.started');
    times.push(await b.evaluate(`(() => {
      const paint = performance.getEntriesByType('paint').find((p) => p.name === 'first-paint');
      return [paint.startTime, jexrecord.shownat, jexrecord.startedat]; })()`));
    await b.close();
  }
  const median = (values) => values.sort((a, b) => a - b)[2].toFixed(0);
  console.log(`start-up ${sound ? 'with the start-up sound heard' : 'before the page may sound'} (median of 5, ms):` +
    ` first paint ${median(times.map((t) => t[0]))}, keypad shown ${median(times.map((t) => t[1]))},` +
    ` keypad usable ${median(times.map((t) => t[2]))} from navigation;` +
    ` first paint to usable keypad ${median(times.map((t) => t[2] - t[0]))}`);
}

// Full speed, pen down, as the desktop's benchmark: repeat 9 [repeat 99
// [repeat 99 [forwards 20, backwards 20]]] with a target set, so that the
// run ends with "missed!" and no wait.
const outer = 9, middle = 99, inner = 99;
const steps = 2 + outer * (2 + middle * (2 + 3 * inner));
const b = await Browser.launch({ sound: false });
await b.goto(server.url);
await b.until('window.jexrecord && jexrecord.started');
await b.evaluate(`(() => { const s = document.querySelector('${control('funnies.Slider1')}');
  s.value = 50; s.dispatchEvent(new Event('input')); })()`);
for (const name of ['funnies.penon', 'funnies.target']) await b.clickon(control(name));
for (const key of ['repeat', 'nine', 'repeat', 'nine', 'nine', 'repeat', 'nine', 'nine', 'forwards',
  'two', 'zero', 'backwards', 'two', 'zero', 'endbutton', 'endbutton', 'endbutton'])
  await b.clickon(control(`buttons.${key}`));
await b.evaluate(`(() => { const w = document.querySelector('${control('graphics.warnings')}');
  new MutationObserver(() => { if (w.textContent === 'running') jexrecord.runstart = performance.now();
    if (w.textContent === 'missed!') jexrecord.runend = performance.now(); })
    .observe(w, { childList: true, characterData: true, subtree: true }); })()`);
for (let run = 0; run < 3; ++run) {
  await b.evaluate('jexrecord.runend = undefined');
  await b.clickon(control('buttons.go'));
  await b.until('jexrecord.runend !== undefined', 120000);
  const seconds = (await b.evaluate('jexrecord.runend - jexrecord.runstart')) / 1000;
  console.log(`full-speed run, pen down: ${steps} steps in ${seconds.toFixed(2)} s: ${Math.round(steps / seconds)} steps/s`);
}
await b.close();
await server.close();
