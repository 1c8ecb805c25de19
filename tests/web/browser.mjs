// SPDX-License-Identifier: GPL-3.0-or-later
// Debian's chromium, headless, driven through its DevTools protocol over a
// pipe (no npm package needed), and a small static server for the site.
import { spawn } from 'node:child_process';
import { createServer } from 'node:http';
import { mkdtempSync, readFileSync, rmSync, statSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { extname, join, normalize } from 'node:path';

const TYPES = {
  '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm',
  '.svg': 'image/svg+xml', '.wav': 'audio/wav', '.ttf': 'font/ttf', '.woff2': 'font/woff2', '.jex': 'application/x-jex',
  '.webmanifest': 'application/manifest+json', '.png': 'image/png', '.gz': 'application/gzip',
};

// Serves each folder under its prefix, e.g. {'/': site, '/challenges/': folder},
// as a plain static server does (no compression); `served(path, bytes)` is
// told of each file sent.
export function serve(folders, served = () => {}) {
  const server = createServer((request, response) => {
    const path = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
    const prefix = Object.keys(folders).sort((a, b) => b.length - a.length)
      .find((p) => path.startsWith(p));
    const file = normalize(join(folders[prefix], path.slice(prefix.length) || 'index.html'));
    try {
      if (!file.startsWith(folders[prefix]) || !statSync(file).isFile()) throw new Error();
      const bytes = readFileSync(file);
      response.writeHead(200, { 'Content-Type': TYPES[extname(file)] ?? 'application/octet-stream',
        'Last-Modified': statSync(file).mtime.toUTCString() });
      response.end(bytes);
      served(path, bytes.length);
    } catch (error) {
      response.writeHead(404);
      response.end();
    }
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve({
    url: `http://127.0.0.1:${server.address().port}/`,
    close: () => new Promise((done) => server.close(done)),
  })));
}

// The keys the tests press that are no letter or digit: [code, key code].
const KEYCODES = {
  Enter: ['Enter', 13], Escape: ['Escape', 27], Tab: ['Tab', 9], Delete: ['Delete', 46],
  Shift: ['ShiftLeft', 16], F6: ['F6', 117], ArrowUp: ['ArrowUp', 38], ArrowDown: ['ArrowDown', 40],
};

export const CHROMIUM = process.env.JEX_CHROMIUM ?? '/usr/bin/chromium';

export class Browser {
  static async launch({ width = 1024, height = 768, sound = true } = {}) {
    const profile = mkdtempSync(join(tmpdir(), 'jex-chromium-'));
    const args = ['--headless=new', '--remote-debugging-pipe', '--no-sandbox', '--no-first-run',
      '--no-default-browser-check', '--disable-gpu', '--disable-extensions',
      '--disable-background-networking', '--disable-sync', '--mute-audio',
      `--user-data-dir=${profile}`, `--window-size=${width},${height}`];
    if (sound) args.push('--autoplay-policy=no-user-gesture-required');
    const child = spawn(CHROMIUM, [...args, 'about:blank'],
      { stdio: ['ignore', 'ignore', 'pipe', 'pipe', 'pipe'], detached: true });
    child.stderr.on('data', () => {});
    const browser = new Browser(child, profile);
    const { targetInfos } = await browser.send('Target.getTargets');
    const page = targetInfos.find((t) => t.type === 'page');
    const { sessionId } = await browser.send('Target.attachToTarget',
      { targetId: page.targetId, flatten: true });
    browser.session = sessionId;
    await browser.send('Page.enable', {}, sessionId);
    await browser.send('Runtime.enable', {}, sessionId);
    await browser.resize(width, height);
    return browser;
  }

  constructor(child, profile) {
    this.child = child;
    this.profile = profile;
    this.next = 1;
    this.waiting = new Map();
    this.listeners = [];
    this.errors = [];
    let pending = '';
    child.stdio[4].on('data', (chunk) => {
      pending += chunk.toString();
      let end;
      while ((end = pending.indexOf('\0')) >= 0) {
        const message = JSON.parse(pending.slice(0, end));
        pending = pending.slice(end + 1);
        this.receive(message);
      }
    });
  }

  receive(message) {
    if (message.id && this.waiting.has(message.id)) {
      const { resolve, reject } = this.waiting.get(message.id);
      this.waiting.delete(message.id);
      if (message.error) reject(new Error(`${message.error.message} ${message.error.data ?? ''}`));
      else resolve(message.result);
      return;
    }
    if (message.method === 'Runtime.exceptionThrown')
      this.errors.push(message.params.exceptionDetails.exception?.description ?? 'exception');
    for (const listener of this.listeners) listener(message);
  }

  send(method, params = {}, sessionId = undefined) {
    const id = this.next++;
    const message = { id, method, params };
    if (sessionId) message.sessionId = sessionId;
    this.child.stdio[3].write(`${JSON.stringify(message)}\0`);
    return new Promise((resolve, reject) => this.waiting.set(id, { resolve, reject }));
  }

  page(method, params = {}) {
    return this.send(method, params, this.session);
  }

  on(listener) {
    this.listeners.push(listener);
  }

  async goto(url) {
    const loaded = new Promise((resolve) => this.on((m) => m.method === 'Page.loadEventFired' && resolve()));
    await this.page('Page.navigate', { url });
    await loaded;
  }

  // The value of an expression in the page; promises are awaited.
  async evaluate(expression) {
    const { result, exceptionDetails } = await this.page('Runtime.evaluate',
      { expression, awaitPromise: true, returnByValue: true });
    if (exceptionDetails)
      throw new Error(`${expression}: ${exceptionDetails.exception?.description ?? exceptionDetails.text}`);
    return result.value;
  }

  // Waits until the expression is true in the page, or fails after `limit`
  // milliseconds; the limit only guards against a broken page.
  async until(expression, limit = 20000) {
    const start = Date.now();
    for (;;) {
      if (await this.evaluate(`Boolean(${expression})`)) return;
      if (Date.now() - start > limit) throw new Error(`never true: ${expression}`);
      await new Promise((resolve) => setTimeout(resolve, 20));
    }
  }

  async click(x, y) {
    for (const type of ['mousePressed', 'mouseReleased'])
      await this.page('Input.dispatchMouseEvent', { type, x, y, button: 'left', clickCount: 1 });
  }

  // Clicks the middle of the element the selector finds.
  async clickon(selector) {
    const box = await this.evaluate(`(() => { const r = document.querySelector(${JSON.stringify(selector)}).getBoundingClientRect();
      return [r.left + r.width / 2, r.top + r.height / 2]; })()`);
    await this.click(box[0], box[1]);
  }

  // Presses and lets go of each key, named as the DOM names it ('Enter',
  // 'ArrowUp', 'r', '9'), with the modifiers (8 is Shift) held.
  async keys(names, modifiers = 0) {
    for (const key of names) {
      const [code, keyCode] = KEYCODES[key] ?? (/^\d$/.test(key) ? [`Digit${key}`, 48 + Number(key)]
        : [`Key${key.toUpperCase()}`, key.toUpperCase().charCodeAt(0)]);
      // Enter types a character, as a real keyboard's does: it presses buttons.
      const text = key === 'Enter' ? '\r' : undefined;
      for (const type of ['keyDown', 'keyUp'])
        await this.page('Input.dispatchKeyEvent', { type, key, code, windowsVirtualKeyCode: keyCode, modifiers,
          text: type === 'keyDown' ? text : undefined });
    }
  }

  async key(name, modifiers = 0) {
    await this.keys([name], modifiers);
  }

  // The files chosen in the file input the expression finds.
  async setfiles(expression, files) {
    const { result } = await this.page('Runtime.evaluate', { expression });
    await this.page('DOM.setFileInputFiles', { files, objectId: result.objectId });
  }

  async resize(width, height) {
    await this.page('Emulation.setDeviceMetricsOverride', { width, height, deviceScaleFactor: 1, mobile: false });
  }

  async type(textvalue) {
    await this.page('Input.insertText', { text: textvalue });
  }

  async close() {
    try {
      await Promise.race([this.send('Browser.close'), new Promise((r) => setTimeout(r, 2000))]);
    } catch (error) {
      // already gone
    }
    // Chromium's helper processes share its process group and may still be
    // writing to the profile: they go with it.
    const gone = new Promise((resolve) => this.child.once('exit', resolve));
    try {
      process.kill(-this.child.pid, 'SIGKILL');
    } catch (error) {
      this.child.kill('SIGKILL');
    }
    await gone;
    for (let attempt = 0; attempt < 20; ++attempt) {
      try {
        rmSync(this.profile, { recursive: true, force: true });
        return;
      } catch (error) {
        await new Promise((resolve) => setTimeout(resolve, 100));
      }
    }
  }
}
