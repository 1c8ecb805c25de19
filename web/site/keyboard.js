// SPDX-License-Identifier: GPL-3.0-or-later
// The keypad from the computer's keyboard: holding a key shows the keypad
// key pressed, letting it go presses it, as a click does. Keys typed into a
// name box stay there.
import { EVENT, KEYNAMES, post } from './bridge.js';
import { T, text } from './texts.js';

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

// A keypad key's tool tip: its name and its keyboard keys.
export function keytooltip(index) {
  const names = KEYBOARD.filter(([, keypad]) => keypad === KEYNAMES[index]).map(
    ([key, , named]) => (named === undefined ? key.toUpperCase() : text(T.firstkeyname + named)));
  return text(T.keytooltip).replace('%1', text(T.firstkeypadname + index))
    .replace('%2', names.join(text(T.keyboardor)));
}

const keyview = (name) => document.querySelector(`[data-control="buttons.${name}"]`);

// The keypad key the event stands for, if any.
function keypadkey(event) {
  if (event.target instanceof HTMLInputElement && event.target.type === 'text') return null;
  if (event.ctrlKey || event.altKey || event.metaKey || !keyview('go')) return null;
  if (!document.getElementById('dialog').hidden) return null;
  const key = event.key.length === 1 ? event.key.toLowerCase() : event.key;
  const found = KEYBOARD.find(([keyboard]) => keyboard === key);
  return found ? found[1] : null;
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
