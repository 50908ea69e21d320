#!/usr/bin/env bash
# Checks that the program is built as Debian hardens its binaries:
# position-independent, full RELRO, the stack protector, and every source
# compiled with _FORTIFY_SOURCE=2 at an optimising level.
#
#   check_hardening.sh BINARY COMPILE_COMMANDS_JSON
set -euo pipefail
binary=$1
compile_commands=$2
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

# Fortification replaces a call by its checked form (__memcpy_chk) only where
# the compiler knows the buffer's size, so the binary may hold none; what can
# be checked is that every source of ours was compiled for it.
fortified=$(grep -c -o '__[a-z0-9_]*_chk@' <<<"$symbols" || true)
unfortified=0
commands=0
while IFS= read -r command; do
    commands=$((commands + 1))
    if ! grep -q -- '-D_FORTIFY_SOURCE=2' <<<"$command" || ! grep -q -E -- ' -O[1-3s]( |$)' <<<"$command"; then
        unfortified=$((unfortified + 1))
        [ "$unfortified" -le 3 ] && echo "compiled without fortification: ${command:0:200}"
    fi
done < <(grep '"command":' "$compile_commands")
[ "$commands" -gt 0 ] || fail "no compile command in $compile_commands"
[ "$unfortified" -eq 0 ] || fail "$unfortified of $commands sources compiled without _FORTIFY_SOURCE=2 and optimisation"

[ "$failures" -eq 0 ] && echo "$binary: PIE, full RELRO, stack protector, $commands sources compiled with _FORTIFY_SOURCE=2 ($fortified checked calls)"
exit "$failures"
