// SPDX-License-Identifier: GPL-3.0-or-later
// The twelve sounds, played through the browser's audio.
import { record } from './bridge.js';

const NAMES = ['yea', 'nay', ...Array.from({ length: 10 }, (_, n) => `note${n}`)];
let audio = null;
const sounds = new Map();
let soundsloaded = Promise.resolve();

// The sounds are needed only when the first one plays.
export function loadsounds() {
  audio = new (window.AudioContext || window.webkitAudioContext)();
  soundsloaded = Promise.all(NAMES.map(async (name) => {
    try {
      const response = await fetch(`sounds/${name}.wav`);
      sounds.set(name, await audio.decodeAudioData(await response.arrayBuffer()));
    } catch (error) {
      // Not heard, as a sound that cannot be played on the desktop.
    }
  }));
  // The browser lets a page sound only after the pupil has used it.
  for (const kind of ['pointerdown', 'keydown'])
    document.addEventListener(kind, () => audio?.state === 'suspended' && audio.resume(), true);
}

export async function playsound(name) {
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
}
