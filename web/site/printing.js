// SPDX-License-Identifier: GPL-3.0-or-later
// Printing: the pages the rules made, in a view only the printer sees, and
// the browser's print dialog.
import { record } from './bridge.js';
import { background, builtin } from './panels.js';

// The browser names the printed document (and a PDF file) after the page's
// title, so the job's title stands there while the dialog is open.
export async function printpages(pages, title) {
  const view = document.getElementById('printview');
  view.innerHTML = pages;
  const picture = background && background !== builtin ? await pictureurl() : null;
  for (const image of view.querySelectorAll('image.background')) {
    if (picture) image.setAttribute('href', picture);
    else image.remove();
  }
  record.printed += 1;
  record.printtitle = title;
  const pagetitle = document.title;
  if (title) document.title = title;
  window.print();
  document.title = pagetitle;
  return true;
}

async function pictureurl() {
  const canvas = document.createElement('canvas');
  canvas.width = background.width;
  canvas.height = background.height;
  canvas.getContext('2d').drawImage(background, 0, 0);
  return canvas.toDataURL('image/png');
}
