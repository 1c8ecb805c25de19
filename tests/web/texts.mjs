// SPDX-License-Identifier: GPL-3.0-or-later
// Every text the page shows comes from the string table by number: each
// number the page's script names has a text. (Each number textids.h names is
// the rule tests'.)
// Usage: node texts.mjs <source folder>
import { readFileSync } from 'node:fs';
import { join } from 'node:path';

const source = process.argv[2];
const table = new Map();
for (const line of readFileSync(join(source, 'resources/strings.txt'), 'utf8').split('\n')) {
  const entry = /^(\d+) "(.*)"\s*$/.exec(line);
  if (entry) table.set(Number(entry[1]), entry[2]);
}

let failures = 0;
const page = ['texts.js']
  .map((file) => readFileSync(join(source, 'web/site', file), 'utf8')).join('\n');
const block = /const T = \{([^}]*)\}/.exec(page);
const named = block ? [...block[1].matchAll(/(\w+): (\d+)/g)] : [];
if (named.length === 0) {
  console.log('FAILED: no text numbers found in the page\'s texts.js');
  failures += 1;
}
for (const [, name, number] of named) {
  if (!table.get(Number(number))) {
    console.log(`FAILED: the page names ${name} ${number}, which has no text`);
    failures += 1;
  }
}
console.log(`${named.length} page texts: ${failures ? `${failures} failure(s)` : 'all in the table'}`);
process.exit(failures ? 1 : 0);
