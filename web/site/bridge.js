// SPDX-License-Identifier: GPL-3.0-or-later
// Between the page and the rules (jex.wasm): the queue of the pupil's clicks
// and keys, handed to the rules one at a time, inside their own waits too.
export const EVENT = { key: 1, button: 2, namechange: 3, namelost: 4, slider: 5, tick: 6, resize: 7, listing: 8 };
// The keypad's keys in the rules' order: a key event carries the place.
export const KEYNAMES = ['seven', 'eight', 'nine', 'note', 'forwards', 'flash', 'four', 'five', 'six',
  'leftbutton', 'pause', 'rightbutton', 'one', 'two', 'three', 'repeat', 'backwards',
  'endbutton', 'zero', 'test', 'go', 'cm', 'ce', 'rm'];

// What tests and benchmarks read: every sound played, with the tick it
// started at, and the number of ticks so far.
export const record = { sounds: [], ticks: 0, printed: 0, started: false, busy: false };
window.jexrecord = record;

export let jex = null;      // the rules' module, once it is loaded
export let ended = false;   // the simulator has ended: nothing more goes to the rules
export let saved = true;    // the program in memory is saved

const queue = [];
let current = null;
let wakeup = null;
let busy = false;

export function attach(module) {
  jex = module;
}

export function end() {
  ended = true;
}

export function setsaved(value) {
  saved = value;
}

export function post(kind, number = 0, textvalue = '', number2 = 0) {
  if (ended) return;
  queue.push({ kind, number, number2, text: textvalue });
  if (wakeup) {
    const wake = wakeup;
    wakeup = null;
    wake();
  }
  pump();
}

export const pending = (kind) => queue.some((event) => event.kind === kind);

// Hands the queued events to the rules when they are not already busy
// with one; a busy run takes them inside its next wait.
export async function pump() {
  if (busy || !jex || ended) return;
  record.busy = busy = true;
  try {
    while (queue.length && !ended) await jex.ccall('jex_dispatch', null, [], [], { async: true });
  } finally {
    record.busy = busy = false;
  }
}

// Calls into the rules that wait (the start-up), with the queue held meanwhile.
export async function callrules(name, types, values) {
  record.busy = busy = true;
  try {
    await jex.ccall(name, null, types, values, { async: true });
  } finally {
    record.busy = busy = false;
  }
}

const channel = new MessageChannel();
const turns = [];
channel.port1.onmessage = () => turns.shift()?.();

// The rules' side of the queue.
export const queuecalls = {
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
};
