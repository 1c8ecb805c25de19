// SPDX-License-Identifier: GPL-3.0-or-later
// The windows of the model drawn as panels of the page, placed in pixels by
// the rules' layout: their controls, the listing, and the drawing area with
// the pen's picture and the robot's lines over it.
import { EVENT, KEYNAMES, jex, post, record, setsaved } from './bridge.js';
import { LISTINGKEYS, controlnames, keytooltip } from './keyboard.js';
import { T, text } from './texts.js';

export const FONT = 'JexSans';
const NAMEBOXES = ['progname', 'myname', 'pf1', 'pf2'];
// What each control of the model is on the page, from the rules' table of
// controls: { window: { control: kind } }.
let KINDS = null;
export function loadcontrols(json) {
  KINDS = JSON.parse(json);
}
const WINDOWS = ['graphics', 'program', 'funnies', 'buttons', 'exitwindow'];

let model = null;
const views = {};
const lastcaption = {};
const lastsent = {};
let drawing = null; // the background picture with the pen's lines
const pen = document.createElement('canvas'); // the pen's lines alone, as the rules filled them
let sprite = null;  // the robot's lines over it
export let background = null;
export let builtin = null;
const measure = document.createElement('canvas').getContext('2d');

export function element(tag, classname, content) {
  const made = document.createElement(tag);
  if (classname) made.className = classname;
  if (content !== undefined) made.textContent = content;
  return made;
}

function build(windows) {
  const root = document.getElementById('windows');
  for (const win of WINDOWS) {
    const panel = element('div', 'panel');
    panel.id = win;
    panel.setAttribute('role', 'region');
    // F6 brings the keyboard to the panel itself; Tab goes on to its controls.
    panel.tabIndex = -1;
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
  for (const [name, said] of controlnames()) {
    const [win, control] = name.split('.');
    views[win]?.controls[control]?.setAttribute('aria-label', said);
  }
}

function makecontrol(win, name, kind) {
  switch (kind) {
    case 'key': {
      const key = element('button', 'key');
      const index = KEYNAMES.indexOf(name);
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
      // Reached with Tab or F6, it is read a step at a time with Up, Down,
      // Home and End, in the rules' words (ListingMove's order).
      const list = element('div', 'control listing');
      list.setAttribute('role', 'list');
      list.tabIndex = 0;
      list.onfocus = () => post(EVENT.listing, -1);
      list.onkeydown = (event) => {
        const move = LISTINGKEYS.indexOf(event.key);
        if (move < 0 || event.ctrlKey || event.altKey || event.metaKey) return;
        event.preventDefault();
        post(EVENT.listing, move);
      };
      list.setAttribute('aria-live', 'polite');
      return list;
    }
    case 'canvas': {
      const area = element('div', 'control drawingarea');
      area.setAttribute('role', 'img');
      drawing = element('canvas');
      sprite = element('canvas', 'sprite');
      area.append(drawing, sprite);
      return area;
    }
    default: {
      const label = element('div', 'control label');
      // The message line is told to a screen reader as it changes.
      if (win === 'graphics' && name === 'warnings') label.setAttribute('role', 'status');
      return label;
    }
  }
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

// How far the focus ring reaches out from a control's edge, in pixels.
const RINGREACH = 4;

function rendercontrol(win, name, control, view, windowmodel) {
  const [left, top, width, height, caption, back, fore, points, bold, visible, bitmap] = control;
  place(view, [left, top, width, height]);
  // A control the panel's edge would cut the ring of has it inside.
  const holder = view.parentElement;
  const [across, down] = [parseFloat(holder.style.width), parseFloat(holder.style.height)];
  view.classList.toggle('ringinside', left < RINGREACH || top < RINGREACH ||
    left + width > across - RINGREACH || top + height > down - RINGREACH);
  view.hidden = !visible;
  view.style.background = back;
  view.style.color = fore;
  view.style.fontSize = `${points}pt`;
  view.style.fontWeight = bold ? 'bold' : 'normal';
  const kind = KINDS[win][name];
  const shown = caption.replace(/\r\n?/g, '\n');
  if (kind === 'key') {
    const face = bitmap ? `keys/${bitmap}-${name}.svg` : '';
    if (view.dataset.face !== face) {
      view.dataset.face = face;
      showface(view, face);
    }
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
    renderlisting(view, windowmodel.lines, windowmodel.linespacing);
  } else if (kind === 'canvas') {
    sizecanvas(width, height);
  } else if (view.textContent !== shown) {
    view.textContent = shown;
  }
}

// The key faces drawn in the page itself: an SVG picture in an <img> is a
// document of its own, which the browser builds and paints apart for each of
// the 24 keys, the keypad showing blank meanwhile. Each face is fetched once.
const faces = new Map();
// Once every face asked for so far is in the page.
export const facesshown = () => Promise.all([...faces.values()]);
async function showface(key, face) {
  if (!faces.has(face)) faces.set(face, face ? fetch(face).then((r) => (r.ok ? r.text() : '')).catch(() => '') : '');
  const markup = await faces.get(face);
  if (key.dataset.face !== face) return; // another face was asked for meanwhile
  const holder = document.createElement('template');
  holder.innerHTML = markup;
  const picture = holder.content.querySelector('svg');
  // The key is named; its face says nothing more.
  picture?.setAttribute('aria-hidden', 'true');
  key.replaceChildren(...(picture ? [picture] : []));
}

function renderlisting(view, lines, spacing) {
  const key = JSON.stringify([lines, spacing]);
  if (view.dataset.lines === key) return;
  view.dataset.lines = key;
  view.replaceChildren(...lines.map(([plain, emphasised], row) => {
    const line = element('div', 'line', plain);
    line.setAttribute('role', 'listitem');
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

export async function loadbuiltin() {
  const image = new Image();
  image.src = 'keys/125-green.svg';
  try {
    await image.decode();
    builtin = image;
  } catch (error) {
    builtin = null;
  }
}

// A screen the layout cannot serve (a phone) is told so, in the chosen
// language, instead of being shown windows no one could use.
function toosmall(shown) {
  let message = document.getElementById('toosmall');
  if (!shown && !message) return;
  if (!message) {
    message = element('div', 'endedmessage', text(T.screentoosmall));
    message.id = 'toosmall';
    message.setAttribute('role', 'alert');
    document.body.append(message);
  }
  message.hidden = !shown;
  document.getElementById('windows').hidden = shown;
}

// The phrases the rules have a screen reader say beside the message line's
// messages (the program as it is keyed, a run's end, where the robot is):
// each a new line of a log (a polite live region) that shows nothing, so
// that the same phrase twice is said twice. The last few stay.
const SPOKENKEPT = 5;
let spoken = null;
function speak(phrase) {
  if (!spoken) {
    spoken = element('div', 'spoken');
    spoken.id = 'spoken';
    spoken.setAttribute('role', 'log');
    document.body.append(spoken);
  }
  spoken.append(element('p', null, phrase));
  while (spoken.childElementCount > SPOKENKEPT) spoken.firstElementChild.remove();
}

// What the rules ask of the panels.
export const panelcalls = {
  speak,
  showmodel(json) {
    const state = JSON.parse(json);
    setsaved(state.saved);
    model = state.windows;
    render(model);
    toosmall(state.toosmall);
    // The pen buttons are a pair: the one that holds is pressed, as the
    // colours show it.
    views.funnies.controls.penon.setAttribute('aria-pressed', String(state.pendown));
    views.funnies.controls.penoff.setAttribute('aria-pressed', String(!state.pendown));
    record.shownat ??= performance.now();
  },
  // The pen's picture as the rules filled it (RGBA, the drawing's size in
  // the screen's pixels), of which the rectangle `changed` is new: copied
  // pixel for pixel over the background, so that every line shows exactly
  // the pixels the desktop fills.
  drawpen(pixels, width, height, [left, top, across, down], wipe) {
    if (!drawing) return;
    const context = drawing.getContext('2d');
    if (wipe) paintbackground(context);
    if (!across || !down || drawing.width !== width || drawing.height !== height) return;
    if (pen.width !== width || pen.height !== height) {
      pen.width = width;
      pen.height = height;
    }
    const image = new ImageData(new Uint8ClampedArray(pixels.buffer, pixels.byteOffset, pixels.length), width, height);
    pen.getContext('2d').putImageData(image, 0, 0, left, top, across, down);
    context.save();
    context.setTransform(1, 0, 0, 1, 0, 0);
    context.drawImage(pen, left, top, across, down, left, top, across, down);
    context.restore();
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
};
