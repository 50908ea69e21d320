#!/usr/bin/env bash
# Checks that the program is built as Debian hardens its binaries:
# position-independent, full RELRO, and with the stack protector.
set -euo pipefail
binary=$1
failures=0
fail() { echo "$binary: $1"; failures=$((failures + 1)); }

# Read each table whole: grep -q would stop reading early and fail the pipe.
header=$(readelf -h "$binary")
segments=$(readelf -l "$binary")
dynamic=$(readelf -d "$binary")
symbols=$(readelf --dyn-syms -W "$binary")

grep -q 'Type:[[:space:]]*DYN' <<<"$header" || fail "not position-independent (PIE)"
grep -q 'GNU_RELRO' <<<"$segments" || fail "no RELRO segment"
grep -E -q '\(BIND_NOW\)|\(FLAGS\).*BIND_NOW|\(FLAGS_1\).*NOW' <<<"$dynamic" || fail "lazy binding (no BIND_NOW)"
grep -q '__stack_chk_fail' <<<"$symbols" || fail "no stack protector"

[ "$failures" -eq 0 ] && echo "$binary: PIE, full RELRO, stack protector"
exit "$failures"
