// SPDX-License-Identifier: GPL-3.0-or-later
// The page's own dialogs: the rules' questions, the save and load dialogs,
// and the teacher's settings.
import { jex } from './bridge.js';
import { element } from './panels.js';
import {
  DEFAULTS, DOWNLOADS, PICTURE, UPLOADS, basename, exists, makefolders, savedprograms, store,
  withextension,
} from './storage.js';
import { T, text } from './texts.js';

function opendialog(title) {
  const dialog = document.getElementById('dialog');
  const box = element('div', 'dialogbox');
  box.setAttribute('role', 'dialog');
  box.setAttribute('aria-modal', 'true');
  if (title) box.append(element('h2', null, title));
  dialog.replaceChildren(box);
  dialog.hidden = false;
  return box;
}

function closedialog() {
  const dialog = document.getElementById('dialog');
  dialog.hidden = true;
  dialog.replaceChildren();
}

export function pagebutton(caption, action, name) {
  const button = element('button', 'pagebutton', caption);
  if (name) button.dataset.action = name;
  button.onclick = action;
  return button;
}

export function askyesno(title, question) {
  return new Promise((resolve) => {
    const box = opendialog(title);
    box.append(element('p', null, question));
    const answer = (yes) => () => { closedialog(); resolve(yes); };
    const yes = pagebutton(text(T.yes), answer(true), 'yes');
    box.append(element('div', 'row'));
    box.lastChild.append(yes, pagebutton(text(T.no), answer(false), 'no'));
    yes.focus();
  });
}

// The save and load dialogs: the author's saved programs, a name, and the
// computer's own files through the browser.
export function askfile(saving, title, folder, filename) {
  return new Promise((resolve) => {
    const box = opendialog(title);
    const finish = (path) => { closedialog(); resolve(path); };
    const field = element('input', 'namefield');
    field.type = 'text';
    field.value = filename;
    field.setAttribute('aria-label', text(T.name));
    const label = element('label', null, text(T.name));
    label.append(field);
    box.append(element('p', null, text(T.savedprograms)));
    const list = element('ul', 'savedlist');
    const names = savedprograms(folder);
    if (!names.length) list.append(element('li', 'none', text(T.noneyet)));
    for (const name of names) {
      const item = element('li');
      const choose = element('button', 'savedprogram', name.replace(/\.jex$/i, ''));
      choose.onclick = () => { field.value = choose.textContent; field.focus(); };
      choose.ondblclick = () => ok();
      item.append(choose);
      list.append(item);
    }
    box.append(list, label);
    const ok = () => {
      const name = basename(field.value.trim());
      if (!name) return;
      const path = `${folder}/${withextension(name)}`;
      if (saving && exists(path) && !box.querySelector('.replace')) {
        const question = element('p', 'replace', text(T.replace));
        const row = element('div', 'row');
        row.append(pagebutton(text(T.yes), () => finish(path), 'replace-yes'),
          pagebutton(text(T.no), () => { question.remove(); row.remove(); }, 'replace-no'));
        box.append(question, row);
        return;
      }
      finish(path);
    };
    field.onkeydown = (event) => { if (event.key === 'Enter') ok(); };
    const row = element('div', 'row');
    if (saving) {
      row.append(pagebutton(text(T.save), ok, 'save'), pagebutton(text(T.download), () => {
        const name = basename(field.value.trim());
        if (!name) return;
        makefolders(DOWNLOADS);
        finish(`${DOWNLOADS}/${withextension(name)}`);
      }, 'download'));
    } else {
      const picker = element('input');
      picker.type = 'file';
      picker.accept = '.jex';
      picker.hidden = true;
      picker.onchange = async () => {
        const file = picker.files[0];
        if (!file) return;
        makefolders(UPLOADS);
        const path = `${UPLOADS}/${withextension(basename(file.name))}`;
        jex.FS.writeFile(path, new Uint8Array(await file.arrayBuffer()));
        finish(path);
      };
      row.append(pagebutton(text(T.load), ok, 'load'),
        pagebutton(text(T.upload), () => picker.click(), 'upload'), picker);
    }
    row.append(pagebutton(text(T.cancel), () => finish(null), 'cancel'));
    box.append(row);
    field.focus();
    field.select();
  });
}

export function teachersettings() {
  const box = opendialog(text(T.teachersettings));
  const status = element('p', 'status');
  const choose = (accept, path) => () => {
    const picker = element('input');
    picker.type = 'file';
    picker.accept = accept;
    picker.onchange = async () => {
      const file = picker.files[0];
      if (!file) return;
      makefolders(path.replace(/\/[^/]*$/, ''));
      jex.FS.writeFile(path, new Uint8Array(await file.arrayBuffer()));
      await store();
      status.textContent = text(T.reloadtouse);
    };
    picker.click();
  };
  const remove = (path) => async () => {
    if (!exists(path)) {
      status.textContent = text(T.nothingtoremove);
      return;
    }
    jex.FS.unlink(path);
    await store();
    status.textContent = text(T.reloadtouse);
  };
  for (const [caption, action, name] of [
    [T.choosedefaults, choose('.jex', DEFAULTS), 'choosedefaults'],
    [T.removedefaults, remove(DEFAULTS), 'removedefaults'],
    [T.choosepicture, choose('image/*', PICTURE), 'choosepicture'],
    [T.removepicture, remove(PICTURE), 'removepicture'],
  ]) {
    const row = element('div', 'row');
    row.append(pagebutton(text(caption), action, name));
    box.append(row);
  }
  box.append(status);
  const row = element('div', 'row');
  row.append(pagebutton(text(T.close), closedialog, 'close'));
  box.append(row);
}
