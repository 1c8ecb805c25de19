// SPDX-License-Identifier: GPL-3.0-or-later
// The page's own dialogs: the rules' questions, the save and load dialogs,
// and the teacher's settings.
import { jex } from './bridge.js';
import { element } from './panels.js';
import {
  DEFAULTS, DOWNLOADS, PICTURE, UPLOADS, basename, exists, forget, makefolders, savedprograms,
  store, withextension,
} from './storage.js';
import { T, text } from './texts.js';

// A dialog named by its title: while it is open the focus stays inside it
// (Tab goes round its controls) and Escape is `cancel`.
function opendialog(title, cancel) {
  const dialog = document.getElementById('dialog');
  const box = element('div', 'dialogbox');
  box.setAttribute('role', 'dialog');
  box.setAttribute('aria-modal', 'true');
  if (title) {
    const heading = element('h2', null, title);
    heading.id = 'dialogtitle';
    box.setAttribute('aria-labelledby', heading.id);
    box.append(heading);
  }
  box.addEventListener('keydown', (event) => {
    if (event.key === 'Escape') {
      event.preventDefault();
      cancel();
    } else if (event.key === 'Tab') {
      const reachable = [...box.querySelectorAll('button, input, select')]
        .filter((control) => !control.hidden && !control.disabled);
      const [first, last] = [reachable[0], reachable[reachable.length - 1]];
      if (event.shiftKey ? document.activeElement === first : document.activeElement === last) {
        event.preventDefault();
        (event.shiftKey ? last : first).focus();
      }
    }
  });
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
    const answer = (yes) => () => { closedialog(); resolve(yes); };
    const box = opendialog(title, answer(false));
    box.append(element('p', null, question));
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
    const finish = (path) => { closedialog(); resolve(path); };
    const box = opendialog(title, () => finish(null));
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
        // A file larger than any program is not read: the rules find no
        // file there and refuse it as they refuse one too large.
        if (file.size <= jex._jex_largestprogramfile())
          jex.FS.writeFile(path, new Uint8Array(await file.arrayBuffer()));
        finish(path);
        // The rules read the file before they next wait, within this turn:
        // then it goes.
        setTimeout(() => forget(path));
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

// The language the page speaks from its next start: the browser's, or one
// of those the site has, each by its own name.
function languagechoice(status) {
  const label = element('label', 'row', text(T.language));
  const choice = element('select', 'languagechoice');
  choice.dataset.action = 'language';
  choice.append(new Option(text(T.browserslanguage), ''));
  for (const [code, { name }] of Object.entries(self.jexlanguages)) {
    const option = new Option(name, code);
    option.lang = code;
    choice.append(option);
  }
  try {
    choice.value = localStorage.getItem(self.jexlanguagekey) ?? '';
  } catch (error) {
    choice.disabled = true;
  }
  choice.onchange = () => {
    if (choice.value) localStorage.setItem(self.jexlanguagekey, choice.value);
    else localStorage.removeItem(self.jexlanguagekey);
    status.textContent = text(T.reloadtouse);
  };
  label.append(choice);
  return label;
}

export function teachersettings() {
  const box = opendialog(text(T.teachersettings), closedialog);
  const status = element('p', 'status');
  const choose = (accept, path) => () => {
    const picker = element('input');
    picker.type = 'file';
    picker.accept = accept;
    picker.onchange = async () => {
      const file = picker.files[0];
      if (!file) return;
      // A defaults program larger than any program is not read, nor kept.
      if (path === DEFAULTS && file.size > jex._jex_largestprogramfile()) {
        status.textContent = text(T.cantopenfile);
        return;
      }
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
  box.append(languagechoice(status), status);
  const row = element('div', 'row');
  row.append(pagebutton(text(T.close), closedialog, 'close'));
  box.append(row);
}
