#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the build tree, unpacks it into a scratch
# root as an installation would, and checks what a teacher relies on: the
# program runs, the desktop's menu entry is valid and names the program and
# its icon, .jex files get their own type, and the package depends on every
# library the program needs.
# Usage: package.sh BUILD-FOLDER SOURCE-FOLDER WORK-FOLDER
set -uo pipefail

build=${1:?usage: package.sh BUILD-FOLDER SOURCE-FOLDER WORK-FOLDER}
source_dir=${2:?usage: package.sh BUILD-FOLDER SOURCE-FOLDER WORK-FOLDER}
work=${3:?usage: package.sh BUILD-FOLDER SOURCE-FOLDER WORK-FOLDER}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../e2e/servers.sh"

e2e_require_tools cpack dpkg-deb dpkg-shlibdeps desktop-file-validate update-mime-database \
    xmllint objdump || exit 1
rm -rf "$work"
mkdir -p "$work"
root=$work/root

if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1; then
    e2e_fail "cpack failed (see $work/cpack.log)"
    exit 1
fi
mapfile -t packages < <(find "$work" -maxdepth 1 -name 'jex_*.deb')
if [ ${#packages[@]} -ne 1 ]; then
    e2e_fail "expected one jex_*.deb, found ${#packages[@]}"
    exit 1
fi
package=${packages[0]}
e2e_pass "built $(basename "$package")"
dpkg-deb -x "$package" "$root" || { e2e_fail "dpkg-deb could not unpack the package"; exit 1; }

# The program, and the version it reports is the package's.
program=$root/usr/bin/jex
version=$(dpkg-deb -f "$package" Version)
if [ -x "$program" ] && [ "$("$program" --version)" = "JEX simulator $version" ]; then
    e2e_pass "usr/bin/jex runs and reports version $version"
else
    e2e_fail "usr/bin/jex is missing or does not report version $version"
fi

# The menu entry.
desktop=$root/usr/share/applications/jex.desktop
entry() { sed -n "s/^$1=//p" "$desktop"; }
if [ ! -f "$desktop" ]; then
    e2e_fail "no usr/share/applications/jex.desktop"
elif report=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$report" ]; then
    e2e_pass "desktop entry is valid"
else
    e2e_fail "desktop entry: ${report:-invalid}"
fi
exec_line=$(entry Exec)
if [ "${exec_line%% *}" = jex ] && [[ " $exec_line " == *" %f "* ]]; then
    e2e_pass "the entry starts jex with the file opened"
else
    e2e_fail "the entry's Exec is \"$exec_line\", expected jex with %f"
fi

# The icon the entry names, as the desktop finds it.
icon=$root/usr/share/icons/hicolor/scalable/apps/$(entry Icon).svg
if [ -f "$icon" ] && xmllint --noout "$icon" 2>/dev/null &&
    cmp -s "$icon" "$source_dir/packaging/jex.svg"; then
    e2e_pass "icon $(entry Icon) is a well-formed SVG in hicolor/scalable"
else
    e2e_fail "no well-formed icon at ${icon#"$root"/}"
fi

# The type of program files, built into a database as the desktop does.
mimetype=$(entry MimeType)
mimetype=${mimetype%;}
mimesource=$root/usr/share/mime/packages/jex.xml
mkdir -p "$work/mime/packages"
if [ ! -f "$mimesource" ]; then
    e2e_fail "no usr/share/mime/packages/jex.xml"
elif cp "$mimesource" "$work/mime/packages/" && XDG_DATA_DIRS=$work update-mime-database "$work/mime" 2>"$work/mime.log" &&
    [ ! -s "$work/mime.log" ] && grep -qx "50:$mimetype:\*\.jex" "$work/mime/globs2" &&
    [ -f "$work/mime/${mimetype}.xml" ]; then
    e2e_pass "files *.jex are of type $mimetype, the type the entry opens"
else
    e2e_fail "the MIME database does not give *.jex the type \"$mimetype\" ($(cat "$work/mime.log"))"
fi

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
if [ ${#needed[@]} -eq 0 ]; then
    e2e_fail "objdump found no libraries in the program"
elif [ ${#missing[@]} -eq 0 ]; then
    e2e_pass "the package depends on the packages of all ${#needed[@]} linked libraries"
else
    e2e_fail "not in Depends: ${missing[*]}"
fi
if grep -q "fonts-dejavu-core" <<<"$depends"; then
    e2e_pass "the package depends on the font it measures texts in"
else
    e2e_fail "fonts-dejavu-core is not in Depends: $depends"
fi

echo "Package and its unpacked files: $work"
if ((e2e_failures > 0)); then
    echo "FAILED: $e2e_failures check(s)"
    exit 1
fi
echo "All checks passed"
