#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the build tree, unpacks it into a scratch
# root as an installation would, and checks what a teacher relies on: the
# program runs, the desktop's menu entry is valid and names the program and
# its icon, .jex files get their own type, and the package depends on every
# library the program needs. Then what a distribution and a software centre
# ask: lintian finds nothing to object to, the metadata validates, the manual
# page renders and tells every option and key, the copyright names every
# licence, the changelog is the version's, and the program is stripped with
# its debug symbols in a package of their own.
# Usage: package.sh BUILD-FOLDER SOURCE-FOLDER WORK-FOLDER
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/servers.sh"

usage="usage: package.sh BUILD-FOLDER SOURCE-FOLDER WORK-FOLDER"
build=${1:?$usage} source_dir=${2:?$usage} e2e_work=${3:?$usage}
work=$e2e_work root=$e2e_work/root
e2e_require_tools cpack dpkg-deb dpkg-shlibdeps desktop-file-validate update-mime-database \
    xmllint objdump readelf lintian appstreamcli man groff || exit 1
rm -rf "$work"
mkdir -p "$work/mime/packages"

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
    e2e_die "cpack failed (see $work/cpack.log)"
# find_one VARIABLE PATTERN: the one package cpack made by that name.
find_one() {
    local -n one=$1
    local found
    mapfile -t found < <(find "$work" -maxdepth 1 -name "$2")
    [ ${#found[@]} -eq 1 ] || e2e_die "expected one $2, found ${#found[@]}"
    one=${found[0]}
}
find_one package 'jex_*.deb'
find_one dbgsym 'jex-dbgsym_*.ddeb'
dpkg-deb -x "$package" "$root" || e2e_die "dpkg-deb could not unpack $package"

# The program, and the version it reports is the package's.
program=$root/usr/bin/jex
version=$(dpkg-deb -f "$package" Version)
e2e_check "usr/bin/jex runs and reports version $version" \
    test "$("$program" --version 2>&1)" = "JEX simulator $version"

# The languages, found by the installed program beside its bin folder.
tables=$(find "$root/usr/share/jex/languages" -name '*.txt' -printf '%f ' 2>/dev/null)
e2e_check "usr/share/jex/languages holds the six languages: $tables" \
    test "$(wc -w <<<"$tables")" -ge 6
e2e_check "usr/bin/jex speaks German in a German locale" \
    grep -q '^Aufruf: jex' <<<"$(env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=de_DE.UTF-8 \
        HOME="$work" "$program" --help 2>&1)"

# The menu entry.
desktop=$root/usr/share/applications/jex.desktop
entry() { sed -n "s/^$1=//p" "$desktop" 2>/dev/null; }
report=$(desktop-file-validate "$desktop" 2>&1) || report=${report:-invalid}
e2e_check "usr/share/applications/jex.desktop is a valid desktop entry${report:+: $report}" \
    test -z "$report"
exec_line=$(entry Exec)
e2e_check "the entry's Exec \"$exec_line\" starts jex with the file opened (%f)" \
    test "${exec_line%% *}" = jex -a -n "$(grep -w %f <<<"$exec_line")"

# The icon the entry names, as the desktop finds it.
icon=$root/usr/share/icons/hicolor/scalable/apps/$(entry Icon).svg
icon_is_ours() { xmllint --noout "$icon" 2>/dev/null && cmp -s "$icon" "$source_dir/packaging/jex.svg"; }
e2e_check "${icon#"$root"/} is the project's icon, a well-formed SVG" icon_is_ours

# The type of program files, built into a database as the desktop does.
mimetype=$(entry MimeType)
mimetype=${mimetype%;}
cp "$root/usr/share/mime/packages/jex.xml" "$work/mime/packages/"
XDG_DATA_DIRS=$work update-mime-database "$work/mime" >"$work/mime.log" 2>&1
jex_type_known() {
    [ ! -s "$work/mime.log" ] && grep -qx "50:$mimetype:\*\.jex" "$work/mime/globs2" &&
        [ -f "$work/mime/$mimetype.xml" ]
}
e2e_check "files *.jex are of type \"$mimetype\", the type the entry opens$(sed "s/^/: /" "$work/mime.log")" \
    jex_type_known

# Every library the program is linked with comes from a package it depends on.
depends=$(dpkg-deb -f "$package" Depends)
mapfile -t depended < <(sed 's/([^)]*)//g; s/|/,/g' <<<"$depends" | tr ',' '\n' | tr -d ' ')
# The package that installed a library, whichever of its merged /usr names
# dpkg knows it by.
library_owner() {
    local path=$1 candidate
    for candidate in "$path" "$(readlink -f "$path")" "${path#/usr}" "/usr${path#/usr}"; do
        dpkg -S "$candidate" 2>/dev/null | head -1 | cut -d: -f1 && return
    done
}
mapfile -t needed < <(objdump -p "$program" | awk '$1 == "NEEDED" { print $2 }')
missing=()
for library in "${needed[@]}"; do
    path=$(ldconfig -p | awk -v lib="$library" '$1 == lib && /x86-64/ { print $NF; exit }')
    owner=$(library_owner "$path")
    if [ -z "$owner" ] || ! printf '%s\n' "${depended[@]}" | grep -qxF "$owner"; then
        missing+=("$library (${owner:-no package found})")
    fi
done
e2e_check "the package depends on the packages of all ${#needed[@]} linked libraries \
(missing: ${missing[*]:-none})" test ${#needed[@]} -gt 0 -a ${#missing[@]} -eq 0
e2e_check "the package depends on fonts-dejavu-core, the font it measures texts in" \
    grep -q fonts-dejavu-core <<<"$depends"

source "$(dirname "${BASH_SOURCE[0]}")/distribution.sh"

e2e_finish
