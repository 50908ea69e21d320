#!/usr/bin/env bash
# Builds the Debian package of a build tree, unpacks it into a scratch root
# and checks that the files land where a desktop and Debian expect them,
# with a manual page that reads cleanly and the project's licence.
set -euo pipefail
build=$1
app_id=$2
deb_version=$3
license=$4

# shellcheck source=build_deb.sh
source "$(dirname "${BASH_SOURCE[0]}")/build_deb.sh"
build_deb "$build"

dpkg-deb -x "$deb" "$scratch/root"

failures=0
expect() {
    if [ ! -s "$scratch/root/$1" ]; then
        echo "missing from the package: /$1"
        failures=$((failures + 1))
    fi
}
expect usr/bin/rowsweep
expect "usr/share/applications/$app_id.desktop"
expect "usr/share/metainfo/$app_id.metainfo.xml"
for size in 16 32 48 256; do
    expect "usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
done
expect "usr/share/icons/hicolor/scalable/apps/$app_id.svg"
expect usr/share/man/man1/rowsweep.1.gz
expect usr/share/doc/rowsweep/copyright
expect usr/share/doc/rowsweep/changelog.Debian.gz

version=$(dpkg-deb -f "$deb" Version)
[ "$version" = "$deb_version" ] || { echo "package version $version, expected $deb_version"; failures=$((failures + 1)); }

# The manual page renders without a groff warning (what lintian checks) and
# documents every option the program's own --help lists.
man_page=$scratch/root/usr/share/man/man1/rowsweep.1.gz
if [ -s "$man_page" ]; then
    man_warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$man_page" 2>&1 >"$scratch/man.txt" || true)
    [ -z "$man_warnings" ] || { echo "the manual page has warnings: $man_warnings"; failures=$((failures + 1)); }
    for section in NAME SYNOPSIS DESCRIPTION OPTIONS ENVIRONMENT; do
        grep -q "^$section" "$scratch/man.txt" || { echo "the manual page lacks $section"; failures=$((failures + 1)); }
    done
    help=$(env -u DISPLAY -u WAYLAND_DISPLAY "$scratch/root/usr/bin/rowsweep" --help)
    for option in $(grep -o -E -- '--[a-z][a-z-]*' <<<"$help" | sort -u); do
        grep -q -F -- "$option" "$scratch/man.txt" || { echo "the manual page does not document $option"; failures=$((failures + 1)); }
    done
fi

# The copyright file is machine-readable and carries LICENSE's terms word
# for word.
copyright=$scratch/root/usr/share/doc/rowsweep/copyright
if [ -s "$copyright" ]; then
    head -n 1 "$copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/$' \
        || { echo "copyright is not in the machine-readable format"; failures=$((failures + 1)); }
    terms() { tr -s ' \n.' ' ' | sed -e 's/^ //' -e 's/ $//'; }
    wanted=$(sed -n '/^Permission is hereby granted/,$p' "$license" | terms)
    present=$(sed -n '/^License:/,$p' "$copyright" | tail -n +2 | terms)
    [ "$wanted" = "$present" ] || { echo "copyright does not carry the terms of LICENSE"; failures=$((failures + 1)); }
fi

[ -x "$scratch/root/usr/bin/rowsweep" ] || { echo "usr/bin/rowsweep is not executable"; failures=$((failures + 1)); }

depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc++6; do
    if ! grep -q "\b$library\b" <<<"$depends"; then
        echo "Depends lacks $library: $depends"
        failures=$((failures + 1))
    fi
done

# On a CI machine, where we are root and the machine is thrown away, the
# package is also installed and removed for real.
if [ "$failures" -eq 0 ] && [ "${CI:-}" = true ] && [ "$(id -u)" -eq 0 ]; then
    if dpkg -i "$deb" >"$scratch/dpkg.log" 2>&1 && [ -x /usr/bin/rowsweep ] \
        && [ -s "/usr/share/applications/$app_id.desktop" ]; then
        echo "installed with dpkg -i"
    else
        echo "dpkg -i did not install the program"
        cat "$scratch/dpkg.log"
        failures=$((failures + 1))
    fi
    dpkg -r rowsweep >/dev/null 2>&1 || true
fi

if [ "$failures" -ne 0 ]; then
    exit 1
fi
echo "$(basename "$deb"): every file in place; Depends: $depends"
