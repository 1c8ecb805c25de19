// SPDX-License-Identifier: GPL-3.0-or-later
// The page's own texts, by their numbers in the rules' string table
// (src/core/textids.h), and the language they and the rules speak.
import { jex } from './bridge.js';

export const T = {
  title: 90, cantopenfile: 154,
  firstkeypadname: 420,
  webtitle: 800, yes: 802, no: 803, cancel: 804, save: 805, load: 806, download: 807,
  upload: 808, name: 809, savedprograms: 810, noneyet: 811, replace: 812, teacher: 813,
  teachersettings: 814, choosedefaults: 815, removedefaults: 816, choosepicture: 817,
  removepicture: 818, close: 819, reloadtouse: 820, ended: 821, startagain: 822,
  nothingtoremove: 832, language: 944, browserslanguage: 945, screentoosmall: 980,
};

const texts = new Map();

export const text = (n) => texts.get(n) ?? '';

const FOLDER = '/languages'; // where the rules look for the table fetched

// The first wanted language the site has a table for (languages.js), found
// by the rules' own rule as the desktop follows its locale: "de-AT" is read
// from de_AT.txt or else de.txt, and English ends the search. The rules
// then speak it, and the page's texts come from them in it.
export async function chooselanguage() {
  const wanted = self.jexwantedlanguages();
  jex.FS.mkdir(FOLDER);
  search: for (const code of wanted) {
    const names = jex.ccall('jex_tablenames', 'string', ['string'], [code]).split('\n');
    for (const name of names.filter(Boolean)) {
      if (name === 'en') break search;
      if (!self.jexlanguages[name]) continue;
      try {
        const response = await fetch(`languages/${name}.txt`);
        if (!response.ok) continue;
        jex.FS.writeFile(`${FOLDER}/${name}.txt`, new Uint8Array(await response.arrayBuffer()));
        break search;
      } catch (error) {
        // not reached: the next one
      }
    }
  }
  const chosen = jex.ccall('jex_chooselanguage', 'string', ['string'], [wanted.join('\n')]);
  document.documentElement.lang = chosen ? chosen.replace('_', '-') : 'en';
  loadtexts(jex.UTF8ToString(jex._jex_stringtable()));
}

function loadtexts(source) {
  for (const line of source.split('\n')) {
    const entry = /^(\d+) "(.*)"\s*$/.exec(line);
    if (entry) texts.set(Number(entry[1]), entry[2]);
  }
}
