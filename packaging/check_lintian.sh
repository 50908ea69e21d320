#!/usr/bin/env bash
# Builds the Debian package of a build tree as the README says and runs
# lintian on it; any error (E:) or warning (W:) fails. The informational
# tags that remain are printed for the record.
set -euo pipefail
build=$1

# shellcheck source=build_deb.sh
source "$(dirname "${BASH_SOURCE[0]}")/build_deb.sh"
build_deb "$build"

status=0
lintian --fail-on error,warning --display-info "$deb" >"$scratch/lintian.log" 2>&1 || status=$?
cat "$scratch/lintian.log"
case $status in
    0) echo "$(basename "$deb"): no lintian error or warning" ;;
    2) echo "lintian reports errors or warnings on $(basename "$deb")" ;;
    *) echo "lintian failed to run (status $status)" ;;
esac
exit "$status"
