// SPDX-License-Identifier: GPL-3.0-or-later
// Figures of the web edition in headless chromium (reported, never asserted):
// the bytes a first visit transfers from a plain static server, the time to a
// usable keypad (on a quiet machine, and on a slow school network with a slow
// computer), and the steps a second of full-speed runs with the pen down.
// A measure that did not happen (nothing served, a page that never became
// usable, a run that made no steps) is named as FAILED and the run exits 1.
// Usage: node bench/web/webbench.mjs [site folder]
import { Browser, serve } from '../../tests/web/browser.mjs';

const failures = [];
// Runs one measure; one that throws, or whose figures are not there, fails.
async function measure(name, body) {
  try {
    await body();
  } catch (error) {
    failures.push(`${name}: ${error.message}`);
    console.log(`FAILED ${name}: ${error.message}`);
  }
}
function expect(condition, what) {
  if (!condition) throw new Error(what);
}

const site = process.argv[2] ?? new URL('../../build-web/site', import.meta.url).pathname;
const kb = (bytes) => `${(bytes / 1000).toFixed(1)} kB`;
const control = (name) => `[data-control="${name}"]`;
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

// Everything a first visit fetches, counted as the server sends it (no
// compression, as a plain static server): the page, the code, the fonts and
// key faces, and what the offline copy stores, until the page is idle.
await measure('first visit', async () => {
  const served = new Map();
  const server = await serve({ '/': site }, (path, bytes) => served.set(path, (served.get(path) ?? 0) + bytes));
  const b = await Browser.launch({ sound: false });
  try {
    await b.goto(server.url);
    await b.until('window.jexrecord && jexrecord.started');
    await b.evaluate('navigator.serviceWorker.ready.then(() => true)');
    // The worker's copy is made after it is ready; quiet for a second is done.
    for (let last = -1, now = 0; last !== now; last = now) {
      await new Promise((resolve) => setTimeout(resolve, 1000));
      now = [...served.values()].reduce((a, c) => a + c, 0);
    }
  } finally {
    await b.close();
    await server.close();
  }
  const group = (path) => (path.startsWith('/keys/') || path.endsWith('.svg') ? 'key faces and icon'
    : path.startsWith('/fonts/') ? 'fonts' : 'code and page');
  const totals = new Map();
  for (const [path, bytes] of served) totals.set(group(path), (totals.get(group(path)) ?? 0) + bytes);
  const all = [...served.values()].reduce((a, c) => a + c, 0);
  expect(served.has('/jex.js') && all > 0, `the page's code was not served (${served.size} files, ${all} bytes)`);
  console.log(`first visit: ${kb(all)} in ${served.size} files (` +
    [...totals].map(([name, bytes]) => `${name} ${kb(bytes)}`).join(', ') + ')');
});

const server = await serve({ '/': site });

// From navigation: the first paint, and the keypad usable (the start-up done:
// a click is handled at once). A page that has not been clicked may not
// sound, so the start-up sound does not hold the keypad up.
async function startup(throttled) {
  const b = await Browser.launch({ sound: false });
  try {
    return await startedpage(b, throttled);
  } finally {
    await b.close();
  }
}
async function startedpage(b, throttled) {
  if (throttled) {
    await b.page('Network.enable');
    await b.page('Network.emulateNetworkConditions', { offline: false, latency: 20,
      downloadThroughput: 10e6 / 8, uploadThroughput: 10e6 / 8 });
    await b.page('Emulation.setCPUThrottlingRate', { rate: 4 });
  }
  // The frame in which every key shows its face, as the page paints it.
  await b.page('Page.addScriptToEvaluateOnNewDocument', { source: `(function look() {
    const keys = document.querySelectorAll('.key');
    const shown = (key) => key.querySelector('svg') || (key.querySelector('img')?.complete && key.querySelector('img').naturalWidth);
    if (keys.length && [...keys].every(shown)) self.jexfacesat = performance.now();
    else requestAnimationFrame(look); })();` });
  await b.goto(server.url);
  await b.until('window.jexrecord && jexrecord.started && self.jexfacesat', 60000);
  const times = await b.evaluate(`(() => {
    const paint = performance.getEntriesByType('paint').find((p) => p.name === 'first-paint');
    return [paint ? paint.startTime : NaN, jexrecord.startedat, self.jexfacesat]; })()`);
  expect(times.every(Number.isFinite) && times[1] > times[0], `no first paint or no start: ${times}`);
  return times;
}
for (const throttled of [false, true]) await measure(`keypad usable${throttled ? ', throttled' : ''}`, async () => {
  const runs = [];
  for (let i = 0; i < 5; ++i) runs.push(await startup(throttled));
  const from = (i) => median(runs.map((t) => t[i])).toFixed(0);
  console.log(`keypad usable, median of 5, ${throttled ? '10 Mbit/s, CPU slowed 4x' : 'quiet machine'}:` +
    ` ${from(1)} ms from navigation, ${median(runs.map((t) => t[1] - t[0])).toFixed(0)} ms after the first paint` +
    ` (first paint ${from(0)} ms); every key's face shown ${from(2)} ms from navigation`);
});

// Full speed, pen down, with a target set so that the run ends with "missed!"
// and no wait: short steps (forwards 20, backwards 20, as the desktop's
// benchmark) and long ones (250 units each, a line of 250 pixels).
async function pendown(label, keys, lines, steps) {
  const b = await Browser.launch({ sound: false });
  try {
    await pendownrun(b, label, keys, lines, steps);
  } finally {
    await b.close();
  }
}
async function pendownrun(b, label, keys, lines, steps) {
  await b.goto(server.url);
  await b.until('window.jexrecord && jexrecord.started');
  await b.evaluate(`(() => { const s = document.querySelector('${control('funnies.Slider1')}');
    s.value = 50; s.dispatchEvent(new Event('input')); })()`);
  for (const name of ['funnies.penon', 'funnies.target']) await b.clickon(control(name));
  for (const key of keys) await b.clickon(control(`buttons.${key}`));
  const listed = await b.evaluate(`document.querySelectorAll('${control('program.programtext')} .line').length`);
  expect(listed === lines, `the program was not keyed: ${listed} lines listed, not ${lines}`);
  await b.evaluate(`(() => { const w = document.querySelector('${control('graphics.warnings')}');
    new MutationObserver(() => { if (w.textContent === 'running') jexrecord.runstart = performance.now();
      if (w.textContent === 'missed!') jexrecord.runend = performance.now(); })
      .observe(w, { childList: true, characterData: true, subtree: true }); })()`);
  const seconds = [];
  for (let run = 0; run < 3; ++run) {
    await b.evaluate('jexrecord.runend = undefined');
    await b.clickon(control('buttons.go'));
    await b.until('jexrecord.runend !== undefined', 120000);
    seconds.push((await b.evaluate('jexrecord.runend - jexrecord.runstart')) / 1000);
    // Each run draws: the robot is back where it started, with lines drawn.
    expect(seconds.at(-1) > 0, `run ${run + 1} was never seen running`);
  }
  expect(await b.evaluate(`(() => { const c = document.querySelector('${control('graphics.Picture1')} canvas');
    const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
    for (let i = 0; i < d.length; i += 4) if (d[i] < 40 && d[i + 1] < 40 && d[i + 2] > 200) return true;
    return false; })()`), 'the runs drew nothing');
  console.log(`full speed, pen down, ${label}: ${steps} steps in ` +
    `${seconds.map((s) => s.toFixed(2)).join(', ')} s: ${Math.round(steps / median(seconds))} steps/s`);
}
// repeat 9 [repeat 99 [repeat 99 [forwards 20, backwards 20]]]
await measure('full speed, short steps', () => pendown('short steps (20 units)', ['repeat', 'nine', 'repeat', 'nine', 'nine', 'repeat', 'nine', 'nine',
  'forwards', 'two', 'zero', 'backwards', 'two', 'zero', 'endbutton', 'endbutton', 'endbutton'], 8,
2 + 9 * (2 + 99 * (2 + 3 * 99))));
// repeat 99 [repeat 50 [forwards 250, backwards 250]]
await measure('full speed, long moves', () => pendown('long moves (250 units)', ['repeat', 'nine', 'nine', 'repeat', 'five', 'zero',
  'forwards', 'two', 'five', 'zero', 'backwards', 'two', 'five', 'zero', 'endbutton', 'endbutton'], 6,
2 + 99 * (2 + 3 * 50)));
await server.close();
if (failures.length) {
  console.log(`${failures.length} measure(s) FAILED:\n  ${failures.join('\n  ')}`);
  process.exit(1);
}
