// SPDX-License-Identifier: GPL-3.0-or-later
// The keypad from the computer's keyboard: holding a key shows the keypad
// key pressed, letting it go presses it, as a click does. Keys typed into a
// name box stay there.
import { EVENT, KEYNAMES, post } from './bridge.js';

// The rules' keyboard table (src/entry/keyboardtable.h): each keyboard key as
// the browser names it, with its keypad key's number, and each keypad key's
// tool tip in the program's language.
let keyboard = { keys: [], tooltips: [] };

export function loadkeyboard(json) {
  keyboard = JSON.parse(json);
}

// A keypad key's tool tip: its name and its keyboard keys.
export const keytooltip = (index) => keyboard.tooltips[index] ?? '';

const keyview = (name) => document.querySelector(`[data-control="buttons.${name}"]`);

// The keypad key the event stands for, if any.
function keypadkey(event) {
  if (event.target instanceof HTMLInputElement && event.target.type === 'text') return null;
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

export function listenkeys() {
  document.addEventListener('keydown', (event) => {
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
