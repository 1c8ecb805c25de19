// SPDX-License-Identifier: GPL-3.0-or-later
// The keypad from the computer's keyboard: holding a key shows the keypad
// key pressed, letting it go presses it, as a click does. Keys typed into a
// name box stay there.
import { EVENT, KEYNAMES, post } from './bridge.js';

// The rules' keyboard table (src/entry/keyboardtable.h): each keyboard key as
// the browser names it, with its keypad key's number, each keypad key's tool
// tip, and the controls' names for a screen reader, in the program's language.
let keyboard = { keys: [], tooltips: [], names: [] };

export function loadkeyboard(json) {
  keyboard = JSON.parse(json);
}

// A keypad key's tool tip: its name and its keyboard keys.
export const keytooltip = (index) => keyboard.tooltips[index] ?? '';

// What a screen reader calls the controls whose caption does not say what
// they are, as [window.control, name].
export const controlnames = () => keyboard.names;

const keyview = (name) => document.querySelector(`[data-control="buttons.${name}"]`);

// The keys that read the listing while it has the keyboard, in the rules'
// order of the ways to read it: there they press no keypad key.
export const LISTINGKEYS = ['ArrowUp', 'ArrowDown', 'Home', 'End'];

// The keypad key the event stands for, if any.
function keypadkey(event) {
  if (event.target instanceof HTMLInputElement && event.target.type === 'text') return null;
  if (event.target instanceof Element && event.target.closest('.listing') && LISTINGKEYS.includes(event.key))
    return null;
  if (event.ctrlKey || event.altKey || event.metaKey || !keyview('go')) return null;
  if (!document.getElementById('dialog').hidden) return null;
  // Enter on a control reached outside the keypad presses that control, as
  // Space does; in the keypad it is GO.
  if (event.key === 'Enter' && event.target instanceof Element &&
      event.target.closest('button, select, input') && !event.target.closest('#buttons'))
    return null;
  const key = event.key.length === 1 ? event.key.toLowerCase() : event.key;
  const found = keyboard.keys.find(([name]) => name === key);
  return found ? KEYNAMES[found[1]] : null;
}

// F6 and Shift+F6 go round the panels in the order the windows are shown,
// the exit window last while it is open, as on the desktop. The keyboard
// lands on the panel itself (Tab goes on to its controls), in the listing's
// panel on the listing, to be read.
const PANELORDER = ['buttons', 'funnies', 'program', 'graphics', 'exitwindow'];

function nextpanel(step) {
  const shown = PANELORDER.map((id) => document.getElementById(id))
    .filter((panel) => panel && !panel.hidden);
  if (!shown.length) return;
  const here = shown.indexOf(document.activeElement?.closest('.panel'));
  const next = shown[here < 0 ? (step > 0 ? 0 : shown.length - 1) : (here + step + shown.length) % shown.length];
  (next.querySelector('.listing') ?? next).focus();
}

export function listenkeys() {
  document.addEventListener('keydown', (event) => {
    if (event.key === 'F6' && !event.ctrlKey && !event.altKey && !event.metaKey &&
        document.getElementById('dialog').hidden) {
      event.preventDefault();
      if (!event.repeat) nextpanel(event.shiftKey ? -1 : 1);
      return;
    }
    const name = keypadkey(event);
    if (!name) return;
    event.preventDefault();
    keyview(name).classList.add('pressed');
  });
  document.addEventListener('keyup', (event) => {
    const name = keypadkey(event);
    if (!name) return;
    event.preventDefault();
    keyview(name).classList.remove('pressed');
    post(EVENT.key, KEYNAMES.indexOf(name));
  });
}
