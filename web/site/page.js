// SPDX-License-Identifier: GPL-3.0-or-later
// The page of the web edition: it draws the windows of the model as panels,
// queues the pupil's clicks and keys for the rules, and gives the rules what
// the browser has (sound, files, pictures, printing). The rules (jex.wasm)
// take the queued events one at a time, inside their own waits too.
'use strict';

(() => {
  // Numbers of the page's texts in the string table (src/core/textids.h).
  const T = {
    title: 90, keytooltip: 410, keyboardor: 411, listing: 413, drawingarea: 414,
    firstkeypadname: 420,
    webtitle: 800, yes: 802, no: 803, cancel: 804, save: 805, load: 806, download: 807,
    upload: 808, name: 809, savedprograms: 810, noneyet: 811, replace: 812, teacher: 813,
    teachersettings: 814, choosedefaults: 815, removedefaults: 816, choosepicture: 817,
    removepicture: 818, close: 819, reloadtouse: 820, ended: 821, startagain: 822,
    firstkeyname: 824, nothingtoremove: 832,
  };
  const EVENT = { key: 1, button: 2, namechange: 3, namelost: 4, slider: 5, tick: 6, resize: 7 };
  const TICK = 100; // milliseconds
  const FONT = 'JexSans';
  const HOME = '/home/web_user/dorvane';
  const PROGRAMS = HOME + '/jex/programs';
  const DEFAULTS = PROGRAMS + '/defaults/defaults.jex';
  const PICTURE = HOME + '/jex/picture/picture.jpg';
  const DOWNLOADS = '/tmp/download';
  const UPLOADS = '/tmp/upload';
  const NAMEBOXES = ['progname', 'myname', 'pf1', 'pf2'];
  const KEYNAMES = ['seven', 'eight', 'nine', 'note', 'forwards', 'flash', 'four', 'five', 'six',
    'leftbutton', 'pause', 'rightbutton', 'one', 'two', 'three', 'repeat', 'backwards',
    'endbutton', 'zero', 'test', 'go', 'cm', 'ce', 'rm'];
  // The desktop's keyboard keys for the keypad; named keys give their text's
  // place after T.firstkeyname.
  const KEYBOARD = [
    ['0', 'zero'], ['1', 'one'], ['2', 'two'], ['3', 'three'], ['4', 'four'], ['5', 'five'],
    ['6', 'six'], ['7', 'seven'], ['8', 'eight'], ['9', 'nine'],
    ['ArrowUp', 'forwards', 0], ['f', 'forwards'], ['ArrowDown', 'backwards', 1],
    ['b', 'backwards'], ['ArrowLeft', 'leftbutton', 2], ['l', 'leftbutton'],
    ['ArrowRight', 'rightbutton', 3], ['r', 'rightbutton'], ['x', 'repeat'], ['e', 'endbutton'],
    ['h', 'flash'], ['n', 'note'], ['p', 'pause'], ['t', 'test'], ['g', 'go'],
    ['Enter', 'go', 4], ['Delete', 'cm', 5], ['Backspace', 'ce', 6], ['Insert', 'rm', 7],
    ['m', 'rm'],
  ];
  // What each control of the model is on the page.
  const KINDS = {
    buttons: Object.fromEntries(KEYNAMES.map((k) => [k, 'key'])),
    funnies: {
      xheading: 'label', JEXX: 'label', yheading: 'label', JEXY: 'label', angleheading: 'label',
      JEXangle: 'label', speed: 'label', penlabel: 'label', Slider1: 'slider', penon: 'button',
      penoff: 'button', target: 'button', clear: 'button', centre: 'button',
    },
    program: { exitbutton: 'button', nameheader: 'label', programtext: 'listing' },
    graphics: {
      pname: 'label', mname: 'label', progname: 'textbox', myname: 'textbox', Picture1: 'canvas',
      warnings: 'label', load: 'button', printbutton: 'button', save: 'button', pf1: 'textbox',
      pf2: 'textbox', change1: 'button', change2: 'button', use1: 'button', use2: 'button',
      target: 'button',
    },
    exitwindow: { Label1: 'label', cancel: 'button', exitanyway: 'button' },
  };
  const WINDOWS = ['graphics', 'program', 'funnies', 'buttons', 'exitwindow'];

  const texts = new Map();
  const text = (n) => texts.get(n) ?? '';
  const queue = [];
  let current = null;
  let wakeup = null;
  let busy = false;
  let ended = false;
  let jex = null;
  let model = null;
  let saved = true;
  const views = {};
  const lastcaption = {};
  const lastsent = {};
  let drawing = null; // the pen's picture
  let sprite = null;  // the robot's lines over it
  let background = null;
  let builtin = null;
  let audio = null;
  const sounds = new Map();
  let soundsloaded = Promise.resolve();

  // What tests and benchmarks read: every sound played, with the tick it
  // started at, and the number of ticks so far.
  const record = { sounds: [], ticks: 0, printed: 0, started: false, busy: false };
  window.jexrecord = record;

  function post(kind, number = 0, textvalue = '', number2 = 0) {
    if (ended) return;
    queue.push({ kind, number, number2, text: textvalue });
    if (wakeup) {
      const wake = wakeup;
      wakeup = null;
      wake();
    }
    pump();
  }

  // Hands the queued events to the rules when they are not already busy
  // with one; a busy run takes them inside its next wait.
  async function pump() {
    if (busy || !jex || ended) return;
    record.busy = busy = true;
    try {
      while (queue.length && !ended) await jex.ccall('jex_dispatch', null, [], [], { async: true });
    } finally {
      record.busy = busy = false;
    }
  }

  const channel = new MessageChannel();
  const turns = [];
  channel.port1.onmessage = () => turns.shift()?.();

  const page = {
    nextevent() {
      current = queue.shift() ?? null;
      return current ? current.kind : 0;
    },
    eventnumber: (which) => (which === 0 ? current.number : current.number2),
    eventtext: () => current.text,
    newstring(value) {
      const size = jex.lengthBytesUTF8(value) + 1;
      const pointer = jex._malloc(size);
      jex.stringToUTF8(value, pointer, size);
      return pointer;
    },
    waitforevent() {
      if (queue.length) return Promise.resolve();
      return new Promise((resolve) => { wakeup = resolve; });
    },
    // A message, not a timer: timers nested this deep wait at least 4 ms.
    yieldtopage: () => new Promise((resolve) => {
      turns.push(resolve);
      channel.port2.postMessage(0);
    }),
    showmodel(json) {
      const state = JSON.parse(json);
      saved = state.saved;
      model = state.windows;
      render(model);
      record.shownat ??= performance.now();
    },
    drawpenlines(coordinates, wipe) {
      if (!drawing) return;
      const context = drawing.getContext('2d');
      if (wipe) paintbackground(context);
      if (!coordinates.length) return;
      context.strokeStyle = model ? model.graphics.controls.Picture1[6] : '#0000ff';
      context.lineWidth = 2;
      context.lineCap = 'square';
      context.beginPath();
      for (let i = 0; i < coordinates.length; i += 4) {
        context.moveTo(coordinates[i], coordinates[i + 1]);
        context.lineTo(coordinates[i + 2], coordinates[i + 3]);
      }
      context.stroke();
    },
    async playsound(name) {
      record.sounds.push({ name, tick: record.ticks });
      await soundsloaded;
      const buffer = sounds.get(name);
      // A sound the browser cannot play yet (no click on the page so far)
      // is simply not heard, as without a sound server on the desktop.
      if (!buffer || !audio || audio.state !== 'running') return;
      const source = audio.createBufferSource();
      source.buffer = buffer;
      source.connect(audio.destination);
      await new Promise((resolve) => {
        source.onended = resolve;
        source.start();
      });
    },
    async loadpicture(path) {
      try {
        const bytes = jex.FS.readFile(path);
        background = await createImageBitmap(new Blob([bytes]));
        return true;
      } catch (error) {
        return false;
      }
    },
    usebuiltinpicture() { background = builtin; },
    textwidth(points, bold, value) {
      measure.font = `${bold ? 'bold ' : ''}${points}pt ${FONT}`;
      return measure.measureText(value).width;
    },
    lineheight(points) {
      measure.font = `${points}pt ${FONT}`;
      const metrics = measure.measureText('Mg');
      return metrics.fontBoundingBoxAscent + metrics.fontBoundingBoxDescent;
    },
    askfile,
    askyesno,
    printpages,
    filesaved,
    endprogram() {
      ended = true;
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
  const measure = document.createElement('canvas').getContext('2d');

  function element(tag, classname, content) {
    const made = document.createElement(tag);
    if (classname) made.className = classname;
    if (content !== undefined) made.textContent = content;
    return made;
  }

  // ---- Panels -------------------------------------------------------------

  function build(windows) {
    const root = document.getElementById('windows');
    for (const win of WINDOWS) {
      const panel = element('div', 'panel');
      panel.id = win;
      panel.setAttribute('role', 'region');
      views[win] = { panel, controls: {} };
      for (const name of Object.keys(windows[win].controls)) {
        const view = makecontrol(win, name, KINDS[win][name]);
        view.dataset.control = `${win}.${name}`;
        views[win].controls[name] = view;
        if (!(win === 'graphics' && name === 'target')) panel.append(view);
      }
      root.append(panel);
    }
    views.graphics.controls.Picture1.append(views.graphics.controls.target);
  }

  function makecontrol(win, name, kind) {
    switch (kind) {
      case 'key': {
        const key = element('button', 'key');
        const index = KEYNAMES.indexOf(name);
        key.append(element('img'));
        key.title = keytooltip(index);
        key.setAttribute('aria-label', text(T.firstkeypadname + index));
        key.onclick = () => post(EVENT.key, index);
        return key;
      }
      case 'button': {
        const button = element('button', 'control');
        button.onclick = () => post(EVENT.button, 0, `${win}.${name}`);
        return button;
      }
      case 'textbox': {
        const box = element('input', 'control');
        box.type = 'text';
        box.spellcheck = false;
        const which = NAMEBOXES.indexOf(name);
        box.oninput = () => {
          lastsent[name] = box.value;
          post(EVENT.namechange, which, box.value);
        };
        box.onblur = () => post(EVENT.namelost);
        return box;
      }
      case 'slider': {
        const slider = element('input', 'control');
        slider.type = 'range';
        slider.oninput = () => post(EVENT.slider, Number(slider.value));
        return slider;
      }
      case 'listing': {
        const list = element('div', 'control listing');
        list.setAttribute('aria-label', text(T.listing));
        list.setAttribute('aria-live', 'polite');
        return list;
      }
      case 'canvas': {
        const area = element('div', 'control drawingarea');
        area.setAttribute('role', 'img');
        area.setAttribute('aria-label', text(T.drawingarea));
        drawing = element('canvas');
        sprite = element('canvas', 'sprite');
        area.append(drawing, sprite);
        return area;
      }
      default:
        return element('div', 'control label');
    }
  }

  function keytooltip(index) {
    const names = KEYBOARD.filter(([, keypad]) => keypad === KEYNAMES[index]).map(
      ([key, , named]) => (named === undefined ? key.toUpperCase() : text(T.firstkeyname + named)));
    return text(T.keytooltip).replace('%1', text(T.firstkeypadname + index))
      .replace('%2', names.join(text(T.keyboardor)));
  }

  function place(view, [left, top, width, height]) {
    view.style.left = `${left}px`;
    view.style.top = `${top}px`;
    view.style.width = `${width}px`;
    view.style.height = `${height}px`;
  }

  function render(windows) {
    if (!views.buttons) build(windows);
    for (const win of WINDOWS) {
      const model = windows[win];
      const view = views[win];
      place(view.panel, model.box);
      const title = text(model.title);
      if (view.panel.getAttribute('aria-label') !== title) view.panel.setAttribute('aria-label', title);
      view.panel.hidden = !model.shown;
      view.panel.style.background = model.background;
      for (const [name, control] of Object.entries(model.controls))
        rendercontrol(win, name, control, view.controls[name], model);
    }
    rendersprite(windows.graphics.sprite);
  }

  function rendercontrol(win, name, control, view, windowmodel) {
    const [left, top, width, height, caption, back, fore, points, bold, visible, bitmap] = control;
    place(view, [left, top, width, height]);
    view.hidden = !visible;
    view.style.background = back;
    view.style.color = fore;
    view.style.fontSize = `${points}pt`;
    view.style.fontWeight = bold ? 'bold' : 'normal';
    const kind = KINDS[win][name];
    const shown = caption.replace(/\r\n?/g, '\n');
    if (kind === 'key') {
      const face = bitmap ? `keys/${bitmap}-${name}.svg` : '';
      const image = view.firstChild;
      if (image.getAttribute('src') !== face) image.setAttribute('src', face);
    } else if (kind === 'textbox') {
      const key = `${win}.${name}`;
      const changed = lastcaption[key] !== caption;
      lastcaption[key] = caption;
      const typing = document.activeElement === view && caption === lastsent[name];
      if (view.value !== caption && (changed || document.activeElement !== view) && !typing)
        view.value = caption;
    } else if (kind === 'slider') {
      const [value, minimum, maximum, step] = windowmodel.slider;
      view.min = minimum;
      view.max = maximum;
      view.step = 1;
      view.dataset.largechange = step;
      if (Number(view.value) !== value) view.value = value;
    } else if (kind === 'listing') {
      renderlisting(view, windowmodel.lines, points);
    } else if (kind === 'canvas') {
      sizecanvas(width, height);
    } else if (view.textContent !== shown) {
      view.textContent = shown;
    }
  }

  function renderlisting(view, lines, points) {
    const key = JSON.stringify(lines);
    if (view.dataset.lines === key) return;
    view.dataset.lines = key;
    // Each line takes 1.2 times the font size, at 20 twips to the point.
    const spacing = (1.2 * points * 20) / 15;
    view.replaceChildren(...lines.map(([plain, emphasised], row) => {
      const line = element('div', 'line', plain);
      line.style.top = `${row * spacing}px`;
      if (emphasised) line.append(element('span', 'emphasised', emphasised));
      return line;
    }));
  }

  function sizecanvas(width, height) {
    const ratio = window.devicePixelRatio || 1;
    for (const canvas of [drawing, sprite]) {
      if (canvas.width === Math.round(width * ratio) && canvas.height === Math.round(height * ratio))
        continue;
      const before = canvas === drawing && canvas.width ? canvas : null;
      const copy = before ? document.createElement('canvas') : null;
      if (copy) {
        copy.width = before.width;
        copy.height = before.height;
        copy.getContext('2d').drawImage(before, 0, 0);
      }
      canvas.width = Math.round(width * ratio);
      canvas.height = Math.round(height * ratio);
      canvas.style.width = `${width}px`;
      canvas.style.height = `${height}px`;
      canvas.getContext('2d').setTransform(ratio, 0, 0, ratio, 0, 0);
      if (copy) canvas.getContext('2d').drawImage(copy, 0, 0, copy.width / ratio, copy.height / ratio);
    }
  }

  function paintbackground(context) {
    const area = model.graphics.controls.Picture1;
    const [width, height] = [area[2], area[3]];
    sizecanvas(width, height);
    context.fillStyle = area[5];
    context.fillRect(0, 0, width, height);
    if (background) context.drawImage(background, 0, 0, width, height);
  }

  function rendersprite(lines) {
    if (!sprite) return;
    const context = sprite.getContext('2d');
    context.clearRect(0, 0, sprite.width, sprite.height);
    // Round caps close the body's corners and give the robot a rounded shell.
    context.lineCap = 'round';
    context.lineJoin = 'round';
    for (const [x1, y1, x2, y2, thickness, colour, visible] of lines) {
      if (!visible || thickness <= 0) continue;
      context.strokeStyle = colour;
      context.lineWidth = thickness;
      context.beginPath();
      context.moveTo(x1, y1);
      context.lineTo(x2, y2);
      context.stroke();
    }
  }

  // ---- Keyboard -------------------------------------------------------------

  // Holding a key shows the keypad key pressed; letting it go presses it, as
  // a click does. Keys typed into a name box stay there.
  function keypadkey(event) {
    if (event.target instanceof HTMLInputElement && event.target.type === 'text') return null;
    if (event.ctrlKey || event.altKey || event.metaKey || !views.buttons) return null;
    if (!document.getElementById('dialog').hidden) return null;
    const key = event.key.length === 1 ? event.key.toLowerCase() : event.key;
    const found = KEYBOARD.find(([keyboard]) => keyboard === key);
    return found ? found[1] : null;
  }
  document.addEventListener('keydown', (event) => {
    const name = keypadkey(event);
    if (!name) return;
    event.preventDefault();
    views.buttons.controls[name].classList.add('pressed');
  });
  document.addEventListener('keyup', (event) => {
    const name = keypadkey(event);
    if (!name) return;
    event.preventDefault();
    views.buttons.controls[name].classList.remove('pressed');
    post(EVENT.key, KEYNAMES.indexOf(name));
  });
  // The browser lets a page sound only after the pupil has used it.
  for (const kind of ['pointerdown', 'keydown'])
    document.addEventListener(kind, () => audio?.state === 'suspended' && audio.resume(), true);

  // ---- Dialogs ----------------------------------------------------------------

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

  function pagebutton(caption, action, name) {
    const button = element('button', 'pagebutton', caption);
    if (name) button.dataset.action = name;
    button.onclick = action;
    return button;
  }

  function askyesno(title, question) {
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

  function savedprograms(folder) {
    try {
      return jex.FS.readdir(folder)
        .filter((name) => /\.jex$/i.test(name) && !name.startsWith('.'))
        .filter((name) => jex.FS.isFile(jex.FS.stat(`${folder}/${name}`).mode))
        .sort((a, b) => a.localeCompare(b));
    } catch (error) {
      return [];
    }
  }

  const exists = (path) => { try { jex.FS.stat(path); return true; } catch (error) { return false; } };
  function makefolders(path) {
    let built = '';
    for (const part of path.split('/').filter(Boolean)) {
      built += `/${part}`;
      if (!exists(built)) jex.FS.mkdir(built);
    }
  }
  const withextension = (name) => (/\.jex$/i.test(name) ? name : `${name}.jex`);
  const basename = (name) => name.replace(/^.*[\\/]/, '');

  // The save and load dialogs: the author's saved programs, a name, and the
  // computer's own files through the browser.
  function askfile(saving, title, folder, filename) {
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

  // A file the rules have just written: kept in the browser's storage, or,
  // saved for download, handed to the browser as it stands.
  function filesaved(path) {
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
    }
    store();
  }

  function store() {
    return new Promise((resolve) => jex.FS.syncfs(false, () => resolve()));
  }

  // ---- Printing -----------------------------------------------------------

  // The browser names the printed document (and a PDF file) after the page's
  // title, so the job's title stands there while the dialog is open.
  async function printpages(pages, title) {
    const view = document.getElementById('printview');
    view.innerHTML = pages;
    const picture = background && background !== builtin ? await pictureurl() : null;
    for (const image of view.querySelectorAll('image.background')) {
      if (picture) image.setAttribute('href', picture);
      else image.remove();
    }
    record.printed += 1;
    record.printtitle = title;
    const pagetitle = document.title;
    if (title) document.title = title;
    window.print();
    document.title = pagetitle;
    return true;
  }

  async function pictureurl() {
    const canvas = document.createElement('canvas');
    canvas.width = background.width;
    canvas.height = background.height;
    canvas.getContext('2d').drawImage(background, 0, 0);
    return canvas.toDataURL('image/png');
  }

  // ---- The teacher's settings ---------------------------------------------

  function teachersettings() {
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

  // ---- Start-up -------------------------------------------------------------

  function loadtexts(source) {
    for (const line of source.split('\n')) {
      const entry = /^(\d+) "(.*)"\s*$/.exec(line);
      if (entry) texts.set(Number(entry[1]), entry[2]);
    }
  }

  async function loadsounds() {
    const names = ['yea', 'nay', ...Array.from({ length: 10 }, (_, n) => `note${n}`)];
    await Promise.all(names.map(async (name) => {
      try {
        const response = await fetch(`sounds/${name}.wav`);
        sounds.set(name, await audio.decodeAudioData(await response.arrayBuffer()));
      } catch (error) {
        // Not heard, as a sound that cannot be played on the desktop.
      }
    }));
  }

  async function loadbuiltin() {
    const image = new Image();
    image.src = 'keys/125-green.svg';
    try {
      await image.decode();
      builtin = image;
    } catch (error) {
      builtin = null;
    }
  }

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

  let ticker = null;

  async function start() {
    audio = new (window.AudioContext || window.webkitAudioContext)();
    const fonts = Promise.all([document.fonts.load(`10pt ${FONT}`),
      document.fonts.load(`bold 10pt ${FONT}`)]);
    const module = createJex({ page });
    // The sounds are needed only when the first one plays.
    soundsloaded = loadsounds();
    const [made] = await Promise.all([module, fonts, loadbuiltin()]);
    made.page = page;
    jex = made;
    loadtexts(jex.UTF8ToString(jex._jex_stringtable()));
    document.title = text(T.title);
    document.documentElement.lang = 'en';

    makefolders(HOME);
    jex.FS.mount(jex.IDBFS, {}, HOME);
    await new Promise((resolve) => jex.FS.syncfs(true, () => resolve()));
    const link = await linkedprogram();

    const teacher = pagebutton(text(T.teacher), teachersettings, 'teacher');
    document.getElementById('webbar').append(teacher);
    ticker = setInterval(() => {
      record.ticks += 1;
      // Ticks do not pile up behind a long wait: one pending is enough.
      if (!queue.some((event) => event.kind === EVENT.tick)) post(EVENT.tick);
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

    record.busy = busy = true;
    try {
      await jex.ccall('jex_start', null, ['number', 'number', 'string'],
        [innerWidth, innerHeight, link], { async: true });
    } finally {
      record.busy = busy = false;
    }
    store();
    record.started = true;
    record.startedat = performance.now();
    pump();
  }

  if ('serviceWorker' in navigator && location.protocol !== 'file:')
    navigator.serviceWorker.register('sw.js').catch(() => {});
  start();
})();
