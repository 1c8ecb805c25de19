// SPDX-License-Identifier: GPL-3.0-or-later
// The rules' files in the browser: the home folder kept in the browser's
// storage (IndexedDB), files handed to the browser for download, and the
// folders the page itself writes into.
import { jex } from './bridge.js';
import { element } from './panels.js';

export const HOME = self.jexhome;
const PROGRAMS = HOME + '/jex/programs';
export const DEFAULTS = PROGRAMS + '/defaults/defaults.jex';
export const PICTURE = HOME + '/jex/picture/picture.jpg';
export const DOWNLOADS = '/tmp/download';
export const UPLOADS = '/tmp/upload';

export const exists = (path) => { try { jex.FS.stat(path); return true; } catch (error) { return false; } };
export function makefolders(path) {
  let built = '';
  for (const part of path.split('/').filter(Boolean)) {
    built += `/${part}`;
    if (!exists(built)) jex.FS.mkdir(built);
  }
}
export const withextension = (name) => (/\.jex$/i.test(name) ? name : `${name}.jex`);
export const basename = (name) => name.replace(/^.*[\\/]/, '');

export function savedprograms(folder) {
  try {
    return jex.FS.readdir(folder)
      .filter((name) => /\.jex$/i.test(name) && !name.startsWith('.'))
      .filter((name) => jex.FS.isFile(jex.FS.stat(`${folder}/${name}`).mode))
      .sort((a, b) => a.localeCompare(b));
  } catch (error) {
    return [];
  }
}

// The home folder, as the browser kept it.
export async function mountstorage() {
  makefolders(HOME);
  jex.FS.mount(jex.IDBFS, {}, HOME);
  // Opened early by beforestart.js as IDBFS opens it; another emscripten's
  // IDBFS opens its own.
  const opened = await self.jexstorage;
  const { version, store } = self.jexstorageformat;
  if (opened && jex.IDBFS.DB_VERSION === version && jex.IDBFS.DB_STORE_NAME === store)
    jex.IDBFS.dbs[HOME] = opened;
  else opened?.close();
  await new Promise((resolve) => jex.FS.syncfs(true, () => resolve()));
}

export function store() {
  return new Promise((resolve) => jex.FS.syncfs(false, () => resolve()));
}

export function forget(path) {
  if (exists(path)) jex.FS.unlink(path);
}

// A browser short of disk may clear a site's storage unless the site has
// asked to keep it: asked once, when the first program is saved here.
let keepasked = false;
async function keepstorage() {
  if (keepasked || !navigator.storage?.persist) return;
  keepasked = true;
  if (!(await navigator.storage.persisted())) await navigator.storage.persist();
}

// A file the rules have just written: kept in the browser's storage, or,
// saved for download, handed to the browser as it stands.
export function filesaved(path) {
  if (path.startsWith(`${DOWNLOADS}/`) && exists(path)) {
    const bytes = jex.FS.readFile(path);
    const link = element('a');
    link.href = URL.createObjectURL(new Blob([bytes], { type: 'application/x-jex' }));
    link.download = basename(path);
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 60000);
    jex.FS.unlink(path);
  } else if (path.startsWith(`${HOME}/`)) {
    keepstorage();
  }
  store();
}
