// SPDX-License-Identifier: GPL-3.0-or-later
// The twelve sounds, played through the browser's audio. They are made here
// by the rules' own sound definitions (jex.wasm), the very samples the
// desktop's build writes into its sound files: the site carries none.
import { jex, record } from './bridge.js';

let audio = null;
let sounds = null;
// What tests read: the sounds as made, by name.
record.soundbuffers = new Map();

export function loadsounds() {
  audio = new (window.AudioContext || window.webkitAudioContext)();
  // The browser lets a page sound only after the pupil has used it.
  for (const kind of ['pointerdown', 'keydown'])
    document.addEventListener(kind, () => audio?.state === 'suspended' && audio.resume(), true);
}

// Made the first time one may be heard: a page that may not sound yet (no
// click so far) spends nothing on them at start-up.
export function makesounds() {
  if (sounds || !jex || !audio) return;
  sounds = record.soundbuffers;
  for (let i = 0; i < jex._jex_soundcount(); ++i) {
    const length = jex._jex_soundlength(i);
    const first = jex._jex_soundsamples(i) >> 1;
    const samples = jex.HEAP16.subarray(first, first + length);
    const buffer = audio.createBuffer(1, length, jex._jex_soundrate(i));
    const channel = buffer.getChannelData(0);
    for (let s = 0; s < length; ++s) channel[s] = samples[s] / 32768;
    sounds.set(jex.UTF8ToString(jex._jex_soundname(i)).toLowerCase(), buffer);
  }
}

export async function playsound(name) {
  record.sounds.push({ name, tick: record.ticks });
  // A sound the browser cannot play yet (no click on the page so far)
  // is simply not heard, as without a sound server on the desktop.
  if (!audio || audio.state !== 'running') return;
  makesounds();
  const buffer = sounds.get(name);
  if (!buffer) return;
  const source = audio.createBufferSource();
  source.buffer = buffer;
  source.connect(audio.destination);
  await new Promise((resolve) => {
    source.onended = resolve;
    source.start();
  });
}
