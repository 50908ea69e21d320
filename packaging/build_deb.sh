# Sourced by the package checks: builds the Debian package of a build tree
# as the README says, into a scratch folder that is removed on exit, and
# sets $scratch and $deb.

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

build_deb() {
    (cd "$1" && cpack -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1) || { cat "$scratch/cpack.log"; exit 1; }
    deb=$(find "$scratch/out" -maxdepth 1 -name '*.deb' | head -n 1)
    [ -n "$deb" ] || { echo "cpack made no .deb"; cat "$scratch/cpack.log"; exit 1; }
}
