// SPDX-License-Identifier: GPL-3.0-or-later
// The page's own texts, by their numbers in the rules' string table
// (src/core/textids.h).
export const T = {
  title: 90, listing: 413, drawingarea: 414,
  firstkeypadname: 420,
  webtitle: 800, yes: 802, no: 803, cancel: 804, save: 805, load: 806, download: 807,
  upload: 808, name: 809, savedprograms: 810, noneyet: 811, replace: 812, teacher: 813,
  teachersettings: 814, choosedefaults: 815, removedefaults: 816, choosepicture: 817,
  removepicture: 818, close: 819, reloadtouse: 820, ended: 821, startagain: 822,
  nothingtoremove: 832,
};

const texts = new Map();

export const text = (n) => texts.get(n) ?? '';

export function loadtexts(source) {
  for (const line of source.split('\n')) {
    const entry = /^(\d+) "(.*)"\s*$/.exec(line);
    if (entry) texts.set(Number(entry[1]), entry[2]);
  }
}
