# SPDX-License-Identifier: GPL-3.0-or-later
# What a distribution and a software centre ask of the package, checked by
# package.sh on the package it built and unpacked. It uses package.sh's
# $work, $root, $package, $dbgsym, $program, $version, $source_dir, $desktop
# and $mimetype.

# Lintian, as an archive runs it, on both packages: no error and no warning.
lintian --fail-on error,warning "$package" "$dbgsym" >"$work/lintian.log" 2>&1
lintian_status=$?
objections=$(grep -E '^[EW]: ' "$work/lintian.log")
e2e_check "lintian finds no error and no warning (status $lintian_status)${objections:+:
$objections}" test "$lintian_status" -eq 0 -a -z "$objections"

# The software centres' metadata, validated with the desktop entry it names,
# and saying what a centre shows.
metainfo=$(find "$root/usr/share/metainfo" -name '*.metainfo.xml' 2>/dev/null)
appstreamcli validate-tree --no-net --pedantic "$root" >"$work/appstream.log" 2>&1
appstream_status=$?
e2e_check "appstreamcli validates ${metainfo#"$root"/} with its desktop entry: \
$(tr '\n' ' ' <"$work/appstream.log")" test "$appstream_status" -eq 0 -a -n "$metainfo"
field() { xmllint --xpath "string($1)" "$metainfo" 2>/dev/null; }
e2e_check "the metadata launches ${desktop##*/}, opens $mimetype, is listed under Education \
and is rated for children" test \
    "$(field '/component/launchable[@type="desktop-id"]')" = "${desktop##*/}" -a \
    "$(field '/component/provides/mediatype')" = "$mimetype" -a \
    "$(field 'count(/component/categories/category[.="Education"])')" = 1 -a \
    "$(field 'count(/component/content_rating[@type="oars-1.1"])')" = 1
e2e_check "the metadata's newest release is $version" \
    test "$(field '/component/releases/release[1]/@version')" = "$version"

# The manual page renders without a warning, with the sections a reader
# looks for.
manual=$root/usr/share/man/man1/jex.1.gz
LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$manual" >"$work/manual.txt" 2>"$work/manual.log"
zcat "$manual" 2>>"$work/manual.log" | groff -man -ww -z -Tutf8 2>>"$work/manual.log"
section_titles=(NAME SYNOPSIS DESCRIPTION OPTIONS KEYS FILES "EXIT STATUS")
missing_titles=()
for title in "${section_titles[@]}"; do
    grep -qx "$title" "$work/manual.txt" || missing_titles+=("$title")
done
e2e_check "man -l and groff render ${manual#"$root"/} without a warning$(sed 's/^/: /' "$work/manual.log")" \
    test ! -s "$work/manual.log" -a -s "$work/manual.txt"
e2e_check "the manual page has the sections ${section_titles[*]} (missing: ${missing_titles[*]:-none})" \
    test ${#missing_titles[@]} -eq 0

# Every option and every key `jex --help` lists is in the manual page.
manual_section() { awk -v title="$1" '/^[A-Z]/ { inside = ($0 == title) } inside' "$work/manual.txt"; }
help=$(LC_ALL=C LANG=C "$program" --help 2>&1)
mapfile -t options < <(grep -oE '^ +-[-[:alnum:]]+' <<<"$help" | tr -d ' ')
mapfile -t keys < <(sed -n '/^[^ ].*:$/,$ { s/^  [^:]*: //p }' <<<"$help" | sed 's/ or /\n/g')
unexplained=()
for option in "${options[@]}"; do
    manual_section OPTIONS | grep -qwF -- "$option" || unexplained+=("$option")
done
for key in "${keys[@]}"; do
    manual_section KEYS | grep -qwF -- "$key" || unexplained+=("$key")
done
e2e_check "the manual page explains all ${#options[@]} options and ${#keys[@]} keys of jex --help \
(missing: ${unexplained[*]:-none})" test ${#options[@]} -gt 0 -a ${#keys[@]} -gt 0 -a ${#unexplained[@]} -eq 0

# The copyright file is machine-readable and names the licence of every file
# the package is made from.
copyright=$root/usr/share/doc/jex/copyright
mapfile -t licences < <(grep -rhoE 'SPDX-License-Identifier: [^ >*]+' \
    "$source_dir"/{app,src,resources,tools,packaging} | cut -d' ' -f2 | sort -u)
unnamed=()
for licence in "${licences[@]}"; do
    grep -qx "License: $licence" "$copyright" 2>/dev/null || unnamed+=("$licence")
done
e2e_check "usr/share/doc/jex/copyright is machine-readable and names the licences ${licences[*]} \
(missing: ${unnamed[*]:-none})" test ${#licences[@]} -gt 0 -a ${#unnamed[@]} -eq 0 -a \
    "$(head -1 "$copyright" 2>/dev/null)" = \
    "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/"

# The changelog's newest entry is this version.
newest=$(zcat "$root/usr/share/doc/jex/changelog.gz" 2>/dev/null | head -1)
e2e_check "usr/share/doc/jex/changelog.gz begins with version $version (\"$newest\")" \
    test "${newest%%;*}" = "jex ($version) unstable"

# The program is stripped; its debug symbols are in the other package, under
# the program's build id.
build_id=$(readelf -n "$program" | awk '/Build ID:/ { print $3 }')
dpkg-deb -x "$dbgsym" "$work/dbgsym" 2>/dev/null
symbols=$work/dbgsym/usr/lib/debug/.build-id/${build_id:0:2}/${build_id:2}.debug
# grep reads the whole listing: one that stops early would fail the pipe.
has_debug_info() { objdump -h "$1" 2>/dev/null | grep -w .debug_info >/dev/null; }
e2e_check "usr/bin/jex is stripped" eval '[ -n "$build_id" ] && ! has_debug_info "$program"'
e2e_check "${dbgsym##*/} holds its debug symbols (build id ${build_id:-none})" has_debug_info "$symbols"
