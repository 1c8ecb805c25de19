// SPDX-License-Identifier: GPL-3.0-or-later
// The web edition as a pupil meets it, in headless chromium.
// Usage: node webtests.mjs <case> <site folder> <desktopsave> <work folder> <jex> <sound folder>
// Exits 77 (skipped) only when chromium or the site is not there.
import { Browser, CHROMIUM, serve } from './browser.mjs';
import { execFileSync } from 'node:child_process';
import { existsSync, mkdirSync, readFileSync, readdirSync, rmSync, truncateSync, writeFileSync } from 'node:fs';
import { dirname, join, relative, resolve } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

const [testcase, site, desktopsave, work, desktop, desktopsounds] = process.argv.slice(2);
if (!existsSync(CHROMIUM) || !existsSync(join(site ?? '', 'jex.wasm'))) {
  console.log(`skipped: ${existsSync(CHROMIUM) ? 'no site in ' + site : 'no ' + CHROMIUM}`);
  process.exit(77);
}
rmSync(work, { recursive: true, force: true });
mkdirSync(work, { recursive: true });

// What the site's server serves: a case may add a folder of its own.
const folders = { '/': site };

let failures = 0;
function check(condition, what, detail = '') {
  if (condition) return;
  failures += 1;
  console.log(`FAILED: ${what}${detail ? `\n  ${detail}` : ''}`);
}
function same(actual, expected, what) {
  const a = JSON.stringify(actual);
  const e = JSON.stringify(expected);
  check(a === e, what, `got ${a}, expected ${e}`);
}

// The desktop's save of the keys pressed, as a teacher would give it.
const desktopsaved = (file, author, ...keys) =>
  execFileSync(desktopsave, [file, author, ...keys], { env: { ...process.env, HOME: work } });

// ---- The page -------------------------------------------------------------

const control = (name) => `[data-control="${name}"]`;
const key = (name) => control(`buttons.${name}`);

async function open(b, url) {
  await b.goto(url);
  await b.until('window.jexrecord && jexrecord.started');
}
async function opendialog(b, opener) {
  await b.clickon(opener);
  await b.until('!document.getElementById("dialog").hidden');
}
async function escape(b) {
  await b.key('Escape');
  await b.until('document.getElementById("dialog").hidden');
}
const listing = (b) => b.evaluate(`[...document.querySelectorAll('${control('program.programtext')} .line')].map((l) => l.textContent)`);
const warnings = (b) => b.evaluate(`document.querySelector('${control('graphics.warnings')}').textContent`);
async function press(b, ...names) {
  for (const name of names) await b.clickon(key(name));
}
// Waits until the listing has that many lines (a number, or a test such as '> 0').
const listed = (b, count) => b.until(`document.querySelectorAll('${control('program.programtext')} .line').length ${
  typeof count === 'number' ? `=== ${count}` : count}`);
// Waits until the message line shows the text.
const showing = (b, text, limit = 20000) => b.until(
  `document.querySelector('${control('graphics.warnings')}').textContent === ${JSON.stringify(text)}`, limit);
// A property of the control the selector finds.
const property = (b, selector, name = 'value') => b.evaluate(`document.querySelector(${JSON.stringify(selector)}).${name}`);
async function finish(b, expected) {
  await showing(b, expected, 30000);
  // The run's last sound ends the handling of the click.
  await b.until('jexrecord.sounds.length && !jexrecord.busy');
}
// Gives the control the selector finds a value, as typing or choosing does.
const setvalue = (b, selector, value, event = 'input') => b.evaluate(`(() => {
  const e = document.querySelector(${JSON.stringify(selector)});
  e.value = ${JSON.stringify(value)}; e.dispatchEvent(new Event('${event}')); })()`);
const setspeed = (b, value) => setvalue(b, control('funnies.Slider1'), value);
// The drawing's pixels that are the pen's blue, as [x, y] in CSS pixels.
const bluepixels = (b) => b.evaluate(`(() => {
  const c = document.querySelector('${control('graphics.Picture1')} canvas');
  const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
  const found = [];
  for (let i = 0; i < d.length; i += 4)
    if (d[i] < 40 && d[i + 1] < 40 && d[i + 2] > 200) found.push([(i / 4) % c.width, Math.floor(i / 4 / c.width)]);
  return found; })()`);
const rect = (b, selector) => b.evaluate(`(() => { const r = document.querySelector(${JSON.stringify(selector)}).getBoundingClientRect();
  return [Math.round(r.left), Math.round(r.top), Math.round(r.width), Math.round(r.height)]; })()`);

// What the page's regions of a role (status, log) hold, line by line, as
// Chromium's accessibility tree gives them to a screen reader.
async function regiontexts(b, role) {
  const { nodes } = await b.page('Accessibility.getFullAXTree');
  const byid = new Map(nodes.map((node) => [node.nodeId, node]));
  const words = (node) => (node.role?.value === 'StaticText' ? [node.name?.value ?? '']
    : (node.childIds ?? []).flatMap((id) => (byid.has(id) ? words(byid.get(id)) : [])));
  return nodes.filter((node) => node.role?.value === role && !node.ignored)
    .map((node) => (node.childIds ?? []).map((id) => words(byid.get(id)).join('')).filter(Boolean));
}

// ---- Accessibility -------------------------------------------------------

// axe-core, installed by the build from the project's package.json, run in
// the page: each violation as "rule: element".
const AXE = join(dirname(fileURLToPath(import.meta.url)), '../../node_modules/axe-core/axe.min.js');
async function axeviolations(b) {
  if (!(await b.evaluate('Boolean(window.axe)'))) await b.evaluate(readFileSync(AXE, 'utf8'));
  return b.evaluate('axe.run(document).then((r) => r.violations.flatMap((v) => v.nodes.map((n) => `${v.id}: ${n.target.join(" ")}`)))');
}

// The focus ring measured on the screen's pixels, as the desktop's is: walking
// in from outside the control, the first pixels that focus changed are the
// ring; a band of it at least 2 pixels thick must stand out at least 3:1
// from the unchanged pixel just outside it and from the one just inside it.
const luminance = (pixel) => {
  const [r, g, bl] = pixel.map((channel) => {
    const c = channel / 255;
    return c <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4;
  });
  return 0.2126 * r + 0.7152 * g + 0.0722 * bl;
};
const contrast = (a, z) => {
  const [la, lz] = [luminance(a), luminance(z)];
  return (Math.max(la, lz) + 0.05) / (Math.min(la, lz) + 0.05);
};
function thickestband(ring, neighbour) {
  let best = 0, run = 0;
  for (const pixel of ring) {
    run = contrast(pixel, neighbour) >= 3 ? run + 1 : 0;
    best = Math.max(best, run);
  }
  return best;
}
async function shot(b, [x, y, width, height]) {
  const { data } = await b.page('Page.captureScreenshot', { format: 'png', clip: { x, y, width, height, scale: 1 } });
  const pixels = await b.evaluate(`(async () => {
    const image = await createImageBitmap(await (await fetch('data:image/png;base64,${data}')).blob(),
      { colorSpaceConversion: 'none' });
    const c = new OffscreenCanvas(image.width, image.height).getContext('2d');
    c.drawImage(image, 0, 0);
    return Array.from(c.getImageData(0, 0, image.width, image.height).data); })()`);
  return (px, py) => pixels.slice(4 * (py * width + px), 4 * (py * width + px) + 3);
}
// Every shown control the selector finds, focused as from the keyboard: the
// faults of its ring, side by side.
async function ringfaults(b, selector) {
  const count = await b.evaluate(`(window.jexringed = [...document.querySelectorAll(${JSON.stringify(selector)})]
    .filter((e) => e.checkVisibility())).length`);
  check(count > 0, `controls to ring: ${selector}`);
  // A key pressed: the browser takes the focus that follows as the keyboard's.
  await b.key('Shift');
  const [screenwidth, screenheight] = await b.evaluate('[innerWidth, innerHeight]');
  const faults = [];
  for (let i = 0; i < count; ++i) {
    const [left, top, width, height] = (await b.evaluate(`(() => { document.activeElement?.blur();
      const r = jexringed[${i}].getBoundingClientRect(); return [r.left, r.top, r.width, r.height].map(Math.round); })()`));
    const area = [Math.max(left - 12, 0), Math.max(top - 12, 0)];
    area.push(Math.min(left + width + 12, screenwidth) - area[0], Math.min(top + height + 12, screenheight) - area[1]);
    const without = await shot(b, area);
    const name = await b.evaluate(`(() => { const e = jexringed[${i}]; e.focus();
      return e.dataset.control ?? e.dataset.action ?? e.id ?? e.className; })()`);
    const withring = await shot(b, area);
    const [mx, my] = [left + Math.floor(width / 2) - area[0], top + Math.floor(height / 2) - area[1]];
    for (const [side, from, step, length] of [
      ['left', [0, my], [1, 0], mx], ['right', [area[2] - 1, my], [-1, 0], area[2] - 1 - mx],
      ['top', [mx, 0], [0, 1], my], ['bottom', [mx, area[3] - 1], [0, -1], area[3] - 1 - my]]) {
      const at = (n) => [from[0] + step[0] * n, from[1] + step[1] * n];
      const changed = (n) => JSON.stringify(without(...at(n))) !== JSON.stringify(withring(...at(n)));
      let n = 0;
      while (n < length && !changed(n)) n += 1;
      if (n === length) { faults.push(`${name}: no ring on the ${side}`); continue; }
      const outside = n > 0 ? withring(...at(n - 1)) : null;
      const ring = [];
      while (n < length && changed(n)) ring.push(withring(...at(n++)));
      if (n === length) { faults.push(`${name}: the ring on the ${side} has no inside`); continue; }
      for (const [neighbour, where] of [[outside, 'outside'], [withring(...at(n)), 'inside']])
        if (neighbour && thickestband(ring, neighbour) < 2) faults.push(`${name}: ${side} ${where}`);
    }
  }
  return faults;
}

// ---- The cases ------------------------------------------------------------

const cases = {
  // The four windows where the layout puts them for 1024 x 768, in pixels:
  // twips divided by 15.
  async layout(b, url) {
    await open(b, url);
    same(await rect(b, '#buttons'), [646, 487, 378, 254], 'keypad panel');
    same(await rect(b, '#funnies'), [932, 0, 92, 487], 'tools panel');
    same(await rect(b, '#program'), [646, 0, 286, 487], 'listing panel');
    same(await rect(b, '#graphics'), [0, 0, 646, 741], 'drawing panel');
    same((await rect(b, control('graphics.Picture1')))[2], 634, 'drawing area width');
    same(await rect(b, key('seven')), [652, 493, 56, 56], 'first key');
    same(await rect(b, key('rm')), [652 + 5 * 62, 493 + 3 * 62, 56, 56], 'last key');
    same(await property(b, key('go'), 'dataset.face'), 'keys/121-go.svg', 'the go key\'s face');
    same(await b.evaluate('document.title'), 'JEX', 'title from the string table');
    same(await property(b, key('forwards'), 'title'), 'forwards: Up or F', 'a key\'s tool tip names it and its keyboard key');
    // Nothing unsaved: exit ends the simulator at once.
    await b.clickon(control('program.exitbutton'));
    await b.until('document.querySelector(".endedmessage")');
    same(await property(b, '.endedmessage', 'firstChild.textContent'),
      'The simulator has ended. Reload the page to start again.', 'the page says it has ended');
  },

  // The same program keyed by clicks and by the keyboard lists the same.
  async keying(b, url) {
    await open(b, url);
    await press(b, 'forwards', 'one', 'zero', 'rightbutton', 'nine', 'zero');
    const clicked = await listing(b);
    same(clicked.length, 2, 'two steps listed', clicked);
    check(clicked[0].includes('forward') && clicked[0].includes('10'), 'first step', clicked[0]);
    check(clicked[1].includes('right') && clicked[1].includes('90'), 'second step', clicked[1]);
    await b.key('Delete');
    await listed(b, 0);
    // Letters as the teacher writes them on the board: R for right.
    await b.keys(['ArrowUp', '1', '0', 'r', '9', '0']);
    await listed(b, 2);
    same(await listing(b), clicked, 'keyboard keys list as the clicks did');
    // A refused key says why.
    await press(b, 'backwards', 'leftbutton');
    await showing(b, 'expecting a number!');
    same(await regiontexts(b, 'status'), [['expecting a number!']], 'the message line is a status region');
    // Enter on a focused key of the keypad is GO; on another button it
    // presses that button.
    await b.evaluate('document.querySelector(\'[data-action="teacher"]\').focus()');
    await b.key('Enter');
    await b.until('!document.getElementById("dialog").hidden');
    same(await warnings(b), 'expecting a number!', 'Enter on "teacher" opens its settings, and runs nothing');
    await b.clickon('[data-action="close"]');
    // The same refusal again within half a second of the last one's sound is
    // a burst, not sounded again: let that time pass.
    await b.until('!jexrecord.busy');
    await new Promise((resolve) => setTimeout(resolve, 600));
    const before = await listing(b);
    const heard = await b.evaluate('jexrecord.sounds.length');
    await b.evaluate(`document.querySelector('${key('five')}').focus()`);
    await b.key('Enter');
    await b.until(`jexrecord.sounds.length > ${heard} && !jexrecord.busy`);
    same([await listing(b), await warnings(b)], [before, 'expecting a number!'],
      'Enter in the keypad is GO (refused here), not the key it is on');
  },

  // Nothing axe-core finds, at the start and with each of the page's dialogs
  // open; a focus ring that stands out on every control; F6 and Shift+F6 go
  // round the panels as on the desktop.
  async access(b, url) {
    await open(b, url);
    await press(b, 'forwards', 'five');
    same(await axeviolations(b), [], 'axe at the start');
    same(await ringfaults(b, '#windows button, #windows input, .listing, #webbar button, .panel'), [], 'the rings of the windows\' controls');
    const f6 = async (shift) => {
      await b.key('F6', shift ? 8 : 0);
      return b.evaluate('document.activeElement.id || document.activeElement.dataset.control');
    };
    await b.evaluate('document.activeElement.blur()');
    const round = [];
    for (let i = 0; i < 5; ++i) round.push(await f6(false));
    round.push(await f6(true), await f6(true));
    same(round, ['buttons', 'funnies', 'program.programtext', 'graphics', 'buttons', 'graphics', 'program.programtext'],
      'F6 goes round the panels, Shift+F6 back, landing on the listing in its panel');
    // There the arrows read the listing, and key nothing.
    await b.key('ArrowDown');
    await b.until('!jexrecord.busy');
    same([(await regiontexts(b, 'log'))[0].at(-1), (await listing(b)).length], ['1 of 1, forward 5', 1], 'Down reads the listing\'s first step');
    for (const [what, opener] of [['the teacher\'s settings', '[data-action="teacher"]'], ['save', control('graphics.save')]]) {
      await opendialog(b, opener);
      same(await axeviolations(b), [], `axe with ${what} open`);
      same(await ringfaults(b, '.dialogbox button, .dialogbox input, .dialogbox select'), [], `the rings in ${what}`);
      same(await f6(false) === 'buttons', false, `F6 stays in ${what}`);
      await escape(b);
    }
    // An unsaved program: load asks first, exit opens the exit window.
    await press(b, 'forwards', 'five');
    await opendialog(b, control('graphics.load'));
    same(await axeviolations(b), [], 'axe with the question open');
    await b.clickon('[data-action="yes"]');
    await b.until('document.querySelector(\'.dialogbox input[type=file]\')');
    same(await axeviolations(b), [], 'axe with load open');
    await escape(b);
    await b.clickon(control('program.exitbutton'));
    await b.until('!document.getElementById("exitwindow").hidden');
    same(await axeviolations(b), [], 'axe with the exit window open');
    same(await ringfaults(b, '#exitwindow button'), [], 'the rings in the exit window');
    await b.evaluate('document.getElementById("graphics").focus()');
    same(await f6(false), 'exitwindow', 'F6 reaches the exit window after the drawing');
    await b.clickon(control('exitwindow.exitanyway'));
    await b.until('document.querySelector(".endedmessage")');
    same(await axeviolations(b), [], 'axe once the simulator has ended');
  },

  // GO with the pen down draws the pen's line up from the centre.
  async drawing(b, url) {
    await open(b, url);
    const pressed = () => b.evaluate(`['penon', 'penoff'].map((pen) =>
      document.querySelector(\`[data-control="funnies.\${pen}"]\`).getAttribute('aria-pressed'))`);
    same(await pressed(), ['false', 'true'], 'the pen is up at the start');
    await b.clickon(control('funnies.penon'));
    await b.until(`document.querySelector('${control('funnies.penon')}').getAttribute('aria-pressed') === 'true'`);
    same(await pressed(), ['true', 'false'], 'pen on holds');
    await setspeed(b, 50);
    await press(b, 'forwards', 'five', 'zero');
    same(await regiontexts(b, 'log'), [['forward', 'forward 5', 'forward 50']], 'the steps are said as they are keyed');
    await press(b, 'go');
    await finish(b, 'finished!');
    same(await regiontexts(b, 'log'), [['forward', 'forward 5', 'forward 50', 'X 0, Y 50, heading 0']],
      'where the robot ends is said after the run');
    // What is drawn is penpixels' (pixel for pixel as the desktop draws it).
    const readout = await b.evaluate(`document.querySelector('${control('funnies.JEXY')}').textContent`);
    check(Number(readout) > 0, 'the robot moved up', readout);
  },

  // A click during a run stops it and changes nothing else.
  async stop(b, url) {
    await open(b, url);
    await press(b, 'pause', 'nine', 'nine');
    const keyed = await listing(b);
    check(keyed.length === 1 && keyed[0].includes('99'), 'the pause is listed with its number', keyed);
    await press(b, 'go');
    await showing(b, 'running');
    await new Promise((resolve) => setTimeout(resolve, 300));
    await press(b, 'five');
    await finish(b, 'stopped!');
    same(await listing(b), keyed, 'the listing shows the program as it was keyed');
    same(await b.evaluate('jexrecord.sounds.at(-1).name'), 'nay', 'stopped with the failure sound');

    // At full speed the run never waits for a tick: the page still gets its
    // turn, and a click still stops it.
    await press(b, 'cm');
    await setspeed(b, 50);
    await press(b, 'repeat', 'nine', 'nine', 'nine', 'repeat', 'nine', 'nine', 'nine', 'forwards',
      'one', 'backwards', 'one', 'endbutton', 'endbutton');
    const fullspeed = await listing(b);
    check(fullspeed.length === 6, 'six steps listed', fullspeed);
    await press(b, 'go');
    await showing(b, 'running');
    await new Promise((resolve) => setTimeout(resolve, 300));
    await press(b, 'seven');
    await finish(b, 'stopped!');
    same(await listing(b), fullspeed, 'the listing shows the full-speed program as it was keyed');
  },

  // Sounds through the recording hook: which, and at which tick.
  async sounds(b, url) {
    await open(b, url);
    const start = await b.evaluate('jexrecord.sounds');
    same(start.map((s) => s.name), ['yea'], 'the start-up sound alone');
    check(start[0].tick <= 2, 'the start-up sound at once', JSON.stringify(start));
    await setspeed(b, 50);
    await press(b, 'note', 'three', 'note', 'nine', 'go');
    await finish(b, 'finished!');
    const played = await b.evaluate('jexrecord.sounds');
    same(played.map((s) => s.name).slice(1), ['note3', 'note9', 'yea'], 'notes, then success');
    const [, first, second, last] = played.map((s) => s.tick);
    check(first <= second && second <= last, 'in order of ticks', JSON.stringify(played));
    // "finished!" waits eight ticks before its sound.
    check(last - second >= 7, 'the success sound after the pause of eight ticks', JSON.stringify(played));
    // Made in the page, each is the desktop's sound file sample for sample.
    for (const file of readdirSync(desktopsounds).filter((f) => f.endsWith('.WAV'))) {
      const wave = readFileSync(join(desktopsounds, file));
      const rate = wave.readUInt32LE(24);
      const samples = Array.from({ length: (wave.length - 44) / 2 }, (_, i) => wave.readInt16LE(44 + 2 * i));
      const made = await b.evaluate(`(() => { const s = jexrecord.soundbuffers.get('${file.slice(0, -4).toLowerCase()}');
        return s && [s.sampleRate, Array.from(s.getChannelData(0), (v) => Math.round(v * 32768))]; })()`);
      same(made && made[0], rate, `${file}: the sample rate`);
      check(made && made[1].length === samples.length && made[1].every((v, i) => v === samples[i]),
        `${file}: the same samples`, made ? `${made[1].length} samples of ${samples.length}` : 'not made');
    }
  },

  // The desktop's export and the page draw every program pixel for pixel
  // alike, diagonals too: a pixel may differ only where the export shows the
  // robot (the page keeps it on a layer of its own).
  async penpixels(b, url) {
    const folder = join(work, 'programs');
    mkdirSync(folder);
    const steps = (rows) => rows.map(([command, number]) => `"${command}",${number}\r\n`).join('');
    const program = (name, rows) => `"JEX simulator file","me"\r\n"${name}",${rows.length}\r\n${steps(rows)}` +
      '"DONE",\r\n"function 1",0\r\n"DONE",\r\n"function 2",0\r\n"DONE",\r\n';
    const programs = {
      star: [['RP', 5], ['F', 150], ['R', 144], ['E', -2]],
      fan: [['RP', 12], ['F', 120], ['B', 120], ['R', 17], ['E', -2]],
      zigzag: [['L', 60], ['RP', 3], ['F', 30], ['R', 113], ['F', 30], ['L', 113], ['E', -2]],
    };
    folders['/programs/'] = folder;
    for (const [name, rows] of Object.entries(programs)) {
      writeFileSync(join(folder, `${name}.jex`), program(name, rows), 'latin1');
      execFileSync(desktop, ['--export', join(folder, `${name}.png`), join(folder, `${name}.jex`), '--screen', '1024x768'],
        { env: { ...process.env, HOME: work, QT_QPA_PLATFORM: 'offscreen' } });
      await open(b, `${url}index.html?program=programs/${name}.jex`);
      await b.clickon(control('funnies.penon'));
      await setspeed(b, 50);
      await press(b, 'go');
      await finish(b, 'finished!');
      const [drawn, exported] = await b.evaluate(`(async () => {
        const pixels = (source) => { const c = document.createElement('canvas');
          c.width = source.width; c.height = source.height; const x = c.getContext('2d');
          x.drawImage(source, 0, 0); return [c.width, c.height, Array.from(x.getImageData(0, 0, c.width, c.height).data)]; };
        const file = await (await fetch('programs/${name}.png')).blob();
        return [pixels(document.querySelector('${control('graphics.Picture1')} canvas')),
          pixels(await createImageBitmap(file, { colorSpaceConversion: 'none' }))]; })()`);
      // The drawings are placed by their centres: the page's area may be
      // a row or two lower than the desktop's.
      const pen = (r, g, bl) => r === 0 && g === 0 && bl === 255;
      const [dw, dh, dp] = drawn;
      const [ew, eh, ep] = exported;
      // The robot: around the export's black and white pixels.
      let [left, top, right, bottom] = [ew, eh, -1, -1];
      for (let y = 0; y < eh; ++y) {
        for (let x = 0; x < ew; ++x) {
          const e = 4 * (y * ew + x);
          if (ep[e] !== ep[e + 1] || ep[e + 1] !== ep[e + 2] || (ep[e] !== 0 && ep[e] !== 255)) continue;
          [left, top, right, bottom] = [Math.min(left, x), Math.min(top, y), Math.max(right, x), Math.max(bottom, y)];
        }
      }
      const robot = (x, y) => x >= left - 3 && x <= right + 3 && y >= top - 3 && y <= bottom + 3;
      const dx = Math.floor(dw / 2) - Math.floor(ew / 2), dy = Math.round(dh / 2) - Math.round(eh / 2);
      let differ = 0, penpixels = 0;
      for (let y = 0; y < eh; ++y) {
        for (let x = 0; x < ew; ++x) {
          const e = 4 * (y * ew + x), d = 4 * ((y + dy) * dw + x + dx);
          const onpage = y + dy >= 0 && y + dy < dh && x + dx >= 0 && x + dx < dw && pen(dp[d], dp[d + 1], dp[d + 2]);
          const exportedpen = pen(ep[e], ep[e + 1], ep[e + 2]);
          if (onpage) penpixels += 1;
          if (onpage !== exportedpen && !robot(x, y)) differ += 1;
        }
      }
      check(penpixels > 200, `${name}: drawn`, `${penpixels} pen pixels`);
      same(differ, 0, `${name}: pixels that differ from the export`);
    }
  },

  // Saved in the browser, downloaded byte for byte as the desktop saves the
  // same program; a desktop file opens; the saved program survives a reload.
  async files(b, url) {
    const keys = ['forwards', 'one', 'zero', 'rightbutton', 'nine', 'zero', 'repeat', 'four',
      'note', 'seven', 'endbutton'];
    const desktopfile = join(work, 'desktop', 'square.jex');
    mkdirSync(join(work, 'desktop'), { recursive: true });
    desktopsaved(desktopfile, 'ann', ...keys);
    const desktop = readFileSync(desktopfile);

    const downloads = join(work, 'downloads');
    mkdirSync(downloads);
    await b.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads, eventsEnabled: true });
    await open(b, url);
    await b.clickon(control('graphics.myname'));
    await b.evaluate(`document.querySelector('${control('graphics.myname')}').select()`);
    await b.type('ann');
    await b.clickon('#webbar');
    await press(b, ...keys);
    const keyed = await listing(b);
    // The browser is asked to keep its storage when the first program is
    // saved in it, and only then.
    await b.evaluate(`jexrecord.keepasked = 0; navigator.storage.persisted = async () => false;
      navigator.storage.persist = async () => { jexrecord.keepasked += 1; return true; }`);

    // An unsaved program: load asks first, and No leaves everything.
    await opendialog(b, control('graphics.load'));
    same(await b.evaluate('document.querySelector(".dialogbox p").textContent'),
      'You haven\'t saved your program. Do you want to continue?', 'the unsaved program guard asks');
    await b.clickon('[data-action="no"]');
    await b.until('document.getElementById("dialog").hidden');
    same(await listing(b), keyed, 'No keeps the program');

    // Each dialog keeps the focus while open, and Escape cancels it. (That
    // it is named by its title is axe's, in access.)
    for (const opener of [control('graphics.save'), '[data-action="teacher"]']) {
      await opendialog(b, opener);
      const inside = [];
      for (let tab = 0; tab < 12; ++tab) {
        await b.key('Tab');
        inside.push(await b.evaluate('document.querySelector(".dialogbox").contains(document.activeElement)'));
      }
      same(inside.filter((isin) => !isin).length, 0, `${opener}: Tab stays in the dialog`);
      await escape(b);
    }
    same(await listing(b), keyed, 'Escape cancels');

    await opendialog(b, control('graphics.save'));
    await b.evaluate('document.querySelector(".namefield").value = "square"');
    const completed = new Promise((resolve) => b.on((m) =>
      m.method === 'Browser.downloadProgress' && m.params.state === 'completed' && resolve()));
    await b.clickon('[data-action="download"]');
    await Promise.race([completed, new Promise((resolve) => setTimeout(resolve, 10000))]);
    const got = readdirSync(downloads);
    check(got.includes('square.jex'), 'downloaded as square.jex', got.join());
    if (got.includes('square.jex'))
      check(Buffer.compare(readFileSync(join(downloads, 'square.jex')), desktop) === 0,
        'the download is byte for byte the desktop\'s save',
        `${JSON.stringify(readFileSync(join(downloads, 'square.jex'), 'latin1'))}\n  desktop ${JSON.stringify(desktop.toString('latin1'))}`);
    same(await property(b, control('graphics.progname')), 'square', 'named after the file');
    same(await b.evaluate('jexrecord.keepasked'), 0, 'a download does not ask to keep the storage');

    // Saved in the browser under another name, then found after a reload.
    await opendialog(b, control('graphics.save'));
    await b.evaluate('document.querySelector(".namefield").value = "kept"');
    await b.clickon('[data-action="save"]');
    await b.until('document.getElementById("dialog").hidden');
    await b.until('jexrecord.keepasked === 1');
    await new Promise((resolve) => setTimeout(resolve, 300));
    await open(b, url);
    await setvalue(b, control('graphics.myname'), 'ann');
    await opendialog(b, control('graphics.load'));
    same(await b.evaluate('[...document.querySelectorAll(".savedprogram")].map((p) => p.textContent)'),
      ['kept'], 'the author\'s saved programs after a reload');
    await b.clickon('.savedprogram');
    await b.clickon('[data-action="load"]');
    await listed(b, '> 0');
    same(await listing(b), keyed, 'the saved program loads');

    // The desktop's file, opened from this computer.
    await press(b, 'cm');
    await listed(b, 0);
    await opendialog(b, control('graphics.load'));
    await b.setfiles('document.querySelector(".dialogbox input[type=file]")', [desktopfile]);
    await listed(b, '> 0');
    same(await listing(b), keyed, 'the desktop\'s file lists as keyed');
    same(await property(b, control('graphics.myname')), 'ann', 'with its author');
  },

  // The teacher's defaults program and background picture are kept in the
  // browser and used from the next start of the page.
  async teacher(b, url) {
    const defaults = join(work, 'defaults.jex');
    desktopsaved(defaults, 'defaults', 'backwards', 'seven', 'flash', 'two');
    // A 2 x 2 picture of plain red.
    const picture = join(work, 'red.png');
    writeFileSync(picture, Buffer.from('iVBORw0KGgoAAAANSUhEUgAAAAIAAAACCAIAAAD91JpzAAAAEElEQVR4nGP4z8AARAwQCgAf7gP9i18U1AAAAABJRU5ErkJggg==', 'base64'));
    const corner = () => b.evaluate(`Array.from(document.querySelector('${control('graphics.Picture1')} canvas')
      .getContext('2d').getImageData(3, 3, 1, 1).data).slice(0, 3)`);
    const choose = async (action, file) => {
      await opendialog(b, '[data-action="teacher"]');
      await b.evaluate(`window.jexpicker = null; HTMLInputElement.prototype.click = function () { window.jexpicker = this; }`);
      await b.clickon(`[data-action="${action}"]`);
      await b.setfiles('window.jexpicker', [file]);
      await b.until('document.querySelector(".dialogbox .status").textContent !== ""');
      await b.clickon('[data-action="close"]');
    };
    await open(b, url);
    same(await corner(), [0, 255, 0], 'the built-in green before any picture');
    await choose('choosepicture', picture);
    await open(b, url);
    same(await corner(), [255, 0, 0], 'the picture at the next start');
    await choose('choosedefaults', defaults);
    await open(b, url);
    const lines = await listing(b);
    check(lines.length === 2 && lines[0].includes('backward') && lines[1].includes('flash'),
      'the defaults program at start-up', lines);
    same(await property(b, control('graphics.progname')), 'my program', 'under the main program\'s usual name');
    same(await corner(), [255, 0, 0], 'the picture under a loaded defaults program');
  },

  // Once loaded, the site starts again with its server gone, and says how
  // it wants to be installed.
  async offline(b) {
    const server = await serve({ '/': site });
    let closed = false;
    try {
      await open(b, server.url);
      await b.evaluate('navigator.serviceWorker.ready');
      await b.until('navigator.serviceWorker.controller');
      // Every file of the site but the worker itself, the font's licence and
      // the plain code that only a browser unable to unpack fetches.
      const files = readdirSync(site, { recursive: true, withFileTypes: true }).filter((f) => f.isFile())
        .map((f) => relative(site, join(f.parentPath ?? f.path, f.name)))
        .filter((f) => !['sw.js', 'fonts/LICENSE', 'jex.wasm'].includes(f)).sort();
      await b.until(`caches.open("jex-site").then((c) => c.keys()).then((k) => k.length >= ${files.length + 1})`);
      const cached = await b.evaluate('caches.open("jex-site").then((c) => c.keys()).then((k) => k.map((r) => new URL(r.url).pathname.slice(1)))');
      same(files.filter((f) => !cached.includes(f)), [], 'every file of the site is kept for offline use');
      const manifest = await b.evaluate('fetch("manifest.webmanifest").then((r) => r.json())');
      same([manifest.name, manifest.icons[0].src], ['JEX simulator', 'jex.svg'], 'the manifest names the site and its icon');
      await server.close();
      closed = true;
      await open(b, server.url);
      await press(b, 'forwards', 'four');
      same((await listing(b)).length, 1, 'keyed offline');
    } finally {
      if (!closed) await server.close();
    }
  },

  // A link names a program on the same server.
  async link(b, url) {
    const folder = join(work, 'challenges');
    mkdirSync(folder);
    desktopsaved(join(folder, 'challenge.jex'), 'teacher', 'forwards', 'two', 'leftbutton', 'four', 'five');
    folders['/challenges/'] = folder;
    await open(b, `${url}index.html?program=challenges/challenge.jex`);
    await listed(b, 2);
    const lines = await listing(b);
    check(lines[0].includes('forward') && lines[1].includes('45'), 'the linked program is listed', lines);
    same(await property(b, control('graphics.progname')), 'challenge', 'named as saved');
    await open(b, `${url}index.html?program=challenges/missing.jex`);
    same(await warnings(b), 'can\'t open file!', 'a link to no program says so');
  },

  // Every file the reader refuses, opened from this computer and through a
  // link: "can't open file!" with the failure sound, the program kept.
  async refused(b, url) {
    const folder = join(dirname(fileURLToPath(import.meta.url)), '../files/fixtures/bad');
    const names = readdirSync(folder).filter((name) => name.endsWith('.jex')).sort();
    check(names.length >= 40, 'the refused fixtures are there', names.length);
    folders['/bad/'] = folder;
    const refusedwith = async (what, kept) => {
      await b.until('!jexrecord.busy && jexrecord.sounds.at(-1)?.name === "nay"');
      same([await warnings(b), await listing(b)], ['can\'t open file!', kept], what);
    };
    const ways = {
      async link(name) {
        await open(b, `${url}index.html?program=bad/${name}`);
        await refusedwith(`${name} through a link`, []);
      },
      async upload(name, file = join(folder, name)) {
        const kept = await listing(b);
        const heard = await b.evaluate('jexrecord.sounds.length');
        await opendialog(b, control('graphics.load'));
        // The program keyed is not saved: the guard asks first.
        if (await b.evaluate('Boolean(document.querySelector(\'[data-action="yes"]\'))')) {
          await b.clickon('[data-action="yes"]');
          await b.until('document.querySelector(\'.dialogbox input[type=file]\')');
        }
        await b.setfiles('document.querySelector(".dialogbox input[type=file]")', [file]);
        await b.until(`jexrecord.sounds.length > ${heard}`);
        await refusedwith(`${name} from this computer`, kept);
      },
    };
    for (const [way, opener] of Object.entries(ways)) {
      if (way === 'upload') {
        await open(b, url);
        await press(b, 'forwards', 'five');
      }
      for (const name of names) await opener(name);
    }
    // A file of 1 GiB (sparse on the disk) is refused without being read:
    // the page's heap stays as small as it was.
    const huge = join(work, 'huge.jex');
    writeFileSync(huge, '');
    truncateSync(huge, 2 ** 30);
    const heap = async () => (await b.page('Runtime.getHeapUsage')).usedSize;
    const before = await heap();
    await ways.upload('huge.jex', huge);
    const after = await heap();
    check(after - before < 2 ** 24, 'the heap after a file of 1 GiB', `${before} then ${after} bytes`);
  },

  // The page and the rules speak the language the browser asks for, a
  // link's or the teacher's choice first; opened as a file, the page says
  // in that language that it needs a web server.
  async languages(b, url) {
    const resources = join(dirname(fileURLToPath(import.meta.url)), '../../resources');
    const table = (code) => new Map([...readFileSync(code === 'en' ? join(resources, 'strings.txt')
      : join(resources, 'languages', `${code}.txt`), 'utf8').matchAll(/^(\d+) "(.*)"$/gm)]
      .map(([, number, words]) => [Number(number), words]));
    const said = (code, number) => table(code).get(number) ?? table('en').get(number);
    const speaks = async (what, code) => same([
      await b.evaluate('document.documentElement.lang'),
      await b.evaluate('document.querySelector(\'[data-action="teacher"]\').textContent'),
      await b.evaluate(`document.querySelector('${control('program.exitbutton')}').textContent`),
    ], [code, said(code, 813), said(code, 100)], `${what}: <html lang>, the page's texts, the rules' texts`);
    const agent = await b.evaluate('navigator.userAgent');
    const browserasks = (languages) => b.page('Emulation.setUserAgentOverride', { userAgent: agent, acceptLanguage: languages });

    for (const [what, languages, link, code] of [
      ['the browser\'s language', 'de-AT,de', '', 'de'],
      ['a region the site lacks', 'nl-BE', '', 'nl'],
      ['English first ends the search', 'en-GB,de', '', 'en'],
      ['a language the site lacks, then one it has', 'ja,pl', '', 'pl'],
      ['a link\'s language first', 'de', '?lang=fr', 'fr'],
      ['a link\'s language the site lacks', 'xx', '?lang=zz', 'en'],
    ]) {
      await browserasks(languages);
      await open(b, `${url}index.html${link}`);
      await speaks(what, code);
    }

    // The teacher's choice is kept in the browser; a link still comes first.
    await browserasks('de');
    await open(b, url);
    await opendialog(b, '[data-action="teacher"]');
    await setvalue(b, '[data-action="language"]', 'cy', 'change');
    await open(b, url);
    await speaks('the teacher\'s choice', 'cy');
    await open(b, `${url}index.html?lang=es`);
    await speaks('a link over the teacher\'s choice', 'es');

    await browserasks('es');
    for (const [link, code] of [['', 'es'], ['?lang=fr', 'fr']]) {
      await b.goto(`${pathToFileURL(join(resolve(site), 'index.html'))}${link}`);
      await b.until('document.querySelector(".notserved")');
      same([await b.evaluate('document.documentElement.lang'),
        await b.evaluate('[...document.querySelectorAll(".notserved p")].map((p) => p.textContent)')],
      [code, [said(code, 941), said(code, 942)]], `opened as a file${link}: it needs a web server`);
      same(await axeviolations(b), [], `axe on the page opened as a file${link}`);
    }
  },

  // Print lays the page out in the print view and opens the print dialog.
  async print(b, url) {
    await open(b, url);
    await b.evaluate(`window.print = () => {
      jexrecord.dialogs = (jexrecord.dialogs ?? 0) + 1;
      jexrecord.titleduringprint = document.title;
    }`);
    await press(b, 'forwards', 'three', 'leftbutton', 'two', 'zero');
    const keyed = await listing(b);
    await b.clickon(control('graphics.printbutton'));
    await finish(b, 'Print finished');
    same(await b.evaluate('jexrecord.dialogs'), 1, 'the print dialog opened once');
    same(await b.evaluate('jexrecord.titleduringprint'), 'my program written by me',
      'the printed document is titled after the program and its author');
    const printed = await b.evaluate('[...document.querySelectorAll("#printview text")].map((t) => t.textContent)');
    for (const expected of ['my program', ' written by ', 'me', 'function 1', 'function 2', ...keyed.map((l) => l.trim())])
      check(printed.some((t) => t.trim() === expected.trim()), `printed: ${JSON.stringify(expected)}`, JSON.stringify(printed));
    same(await b.evaluate('document.querySelectorAll("#printview svg.printpage").length'), 1, 'one page');
    // The title's three pieces follow each other as they were measured: the
    // spaces stay and the page's font measures as it prints.
    await b.page('Emulation.setEmulatedMedia', { media: 'print' });
    const title = await b.evaluate(`(() => { const texts = [...document.querySelectorAll('#printview text')];
      const biggest = Math.max(...texts.map((t) => Number(t.getAttribute('font-size'))));
      return texts.filter((t) => Number(t.getAttribute('font-size')) === biggest)
        .map((t) => [t.textContent, Number(t.getAttribute('x')), t.getComputedTextLength()]); })()`);
    same(title.map(([piece]) => piece), ['my program', ' written by ', 'me'], 'the title in three pieces');
    for (let i = 1; i < title.length; ++i)
      check(Math.abs(title[i - 1][1] + title[i - 1][2] - title[i][1]) < 1.5, `title piece ${i} follows the one before`,
        JSON.stringify(title));
    same(await b.evaluate('getComputedStyle(document.getElementById("windows")).display'), 'none',
      'only the print view is printed');
  },

  // A new window size lays the panels out again and keeps the drawing.
  async resize(b, url) {
    await open(b, url);
    await b.clickon(control('funnies.penon'));
    await setspeed(b, 50);
    await press(b, 'forwards', 'three', 'zero', 'go');
    await finish(b, 'finished!');
    const shown = await listing(b);
    check(shown.length === 1 && shown[0].includes('30'), 'the step is listed with its number', shown);
    const before = (await bluepixels(b)).length;
    await b.resize(1280, 900);
    await b.until('document.getElementById("buttons").getBoundingClientRect().left === 1280 - 378', 5000);
    same(await rect(b, '#buttons'), [902, 900 - 254 - 27, 378, 254], 'the keypad moves to the new corner');
    const after = (await bluepixels(b)).length;
    check(after > 0 && Math.abs(after - before) < before / 2, 'the pen line is drawn again', `${before} then ${after}`);
    same(await listing(b), shown, 'the listing shows the same program');
    // An upright tablet: the longest message fits the status line whole,
    // in smaller type than the line's own.
    await b.resize(768, 1024);
    await b.until('document.getElementById("buttons").getBoundingClientRect().left === 768 - 378', 5000);
    await press(b, 'backwards', 'leftbutton');
    await showing(b, 'expecting a number!');
    const line = await b.evaluate(`(() => { const w = document.querySelector('${control('graphics.warnings')}');
      return [w.scrollWidth, w.clientWidth, parseFloat(w.style.fontSize)]; })()`);
    check(line[0] <= line[1] && line[2] < 13.8, 'the message fits the line whole', JSON.stringify(line));
    // A phone is told that the screen is too small, and a larger screen
    // brings the windows back.
    await b.resize(412, 915);
    await b.until('document.getElementById("toosmall") && !document.getElementById("toosmall").hidden', 5000);
    same(await b.evaluate('[document.getElementById("toosmall").textContent, document.getElementById("windows").hidden]'),
      ['This screen is too small for the simulator. Please use a computer or a tablet.', true], 'a phone is told');
    await b.resize(1024, 768);
    await b.until('document.getElementById("toosmall").hidden && !document.getElementById("windows").hidden', 5000);
  },
};

const run = cases[testcase];
if (!run) {
  console.log(`no case ${testcase}; cases: ${Object.keys(cases).join(' ')}`);
  process.exit(2);
}
const server = await serve(folders);
// Forty start-ups need not sit out their sounds: a page that may not sound
// still records each one.
const browser = await Browser.launch({ sound: testcase !== 'refused' });
try {
  await run(browser, server.url);
} catch (error) {
  failures += 1;
  console.log(`FAILED: ${error.stack}`);
} finally {
  check(browser.errors.length === 0, 'no error in the page', browser.errors.join('\n'));
  await browser.close();
  await server.close();
}
console.log(failures ? `${testcase}: ${failures} failure(s)` : `${testcase}: passed`);
process.exit(failures ? 1 : 0);
