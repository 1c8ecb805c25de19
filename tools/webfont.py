#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Build step of the web edition: cuts a font down to the letters the site can
# show, as WOFF2. Those are every character of the string tables (whatever
# language the page speaks) and every character a name box can hold, which is
# what a program file carries (Windows-1252), with the rest of Latin Extended-A
# and the Welsh letters beside them, so that a name typed before it is made
# safe shows in the same type.
# Usage: webfont.py FONT.ttf OUTPUT.woff2 TABLE.txt...
import re
import sys

from fontTools import subset


def tablecharacters(paths):
    found = set()
    entry = re.compile(r'^(\d+) "(.*)"\s*$')
    for path in paths:
        with open(path, encoding='utf-8') as table:
            for line in table:
                match = entry.match(line)
                if match:
                    found.update(match.group(2))
    return {ord(c) for c in found}


def namecharacters():
    found = set(range(0x20, 0x7F)) | set(range(0xA0, 0x100))
    for byte in range(0x80, 0xA0):
        try:
            found.add(ord(bytes([byte]).decode('cp1252')))
        except UnicodeDecodeError:
            pass  # the five bytes Windows-1252 leaves undefined
    found.update(range(0x100, 0x180))                  # Latin Extended-A: Polish, Welsh ŵ ŷ
    found.update({0x1E80, 0x1E81, 0x1E82, 0x1E83, 0x1E84, 0x1E85, 0x1EF2, 0x1EF3})  # Welsh ẁ ẃ ẅ ỳ
    found.update({0x00A0, 0x202F, 0x2026, 0xFFFD})  # French spaces, the ellipsis, a stand-in
    return found


def main(arguments):
    if len(arguments) < 3:
        print('usage: webfont.py FONT.ttf OUTPUT.woff2 TABLE.txt...', file=sys.stderr)
        return 2
    font, output, tables = arguments[0], arguments[1], arguments[2:]
    options = subset.Options()
    options.flavor = 'woff2'
    # Every feature and name as the full font has them: texts measure and
    # look the same as with the whole font.
    options.layout_features = ['*']
    options.name_IDs = ['*']
    options.name_languages = ['*']
    options.notdef_outline = True
    # Browsers draw web fonts without the font's own hinting instructions (or
    # with their own): they would be half the file for nothing.
    options.hinting = False
    loaded = subset.load_font(font, options)
    cutter = subset.Subsetter(options)
    cutter.populate(unicodes=sorted(tablecharacters(tables) | namecharacters()))
    cutter.subset(loaded)
    subset.save_font(loaded, output, options)
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
