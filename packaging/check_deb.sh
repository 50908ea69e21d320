#!/usr/bin/env bash
# Builds the Debian package of a build tree, unpacks it into a scratch root
# and checks that the files land where a desktop expects them.
set -euo pipefail
build=$1
app_id=$2

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

(cd "$build" && cpack -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1) || { cat "$scratch/cpack.log"; exit 1; }
deb=$(find "$scratch/out" -maxdepth 1 -name '*.deb' | head -n 1)
[ -n "$deb" ] || { echo "cpack made no .deb"; cat "$scratch/cpack.log"; exit 1; }

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
