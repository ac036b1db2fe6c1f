#!/bin/sh
# The ABI baseline: voreltext.abi describes the shared library's functions
# and the layout of every type they reach (Text, Char, the string-table
# structs), as abidw reads them from the debug information.
#
#   abi-baseline.sh write LIBRARY BASELINE   describe LIBRARY into BASELINE
#   abi-baseline.sh check LIBRARY BASELINE   compare LIBRARY with BASELINE
#
# check fails on an incompatible change: a removed function or variable, or
# a changed one (its type, or the layout of a type it reaches). Additions are
# reported and allowed. A library without debug information cannot show its
# layouts: check then skips (exit 77) rather than pass on symbols alone.
# tools/update-abi-list rewrites the baseline after a deliberate change.
set -eu

has_debug_info() {
    LC_ALL=C readelf -S "$1" 2>/dev/null | grep -q '\.debug_info'
}

require_debug_info() {
    if ! has_debug_info "$1"; then
        echo "$1 has no debug information: build it with -g (the ci preset does)" >&2
        return 1
    fi
}

# No machine paths, no line numbers: the description changes only with the
# ABI. Translation units are named relative to the source tree.
write_baseline() {
    require_debug_info "$1"
    root=$(cd "$(dirname "$0")/../.." && pwd)
    "${ABIDW:-abidw}" --no-corpus-path --no-comp-dir-path --no-show-locs --drop-undefined-syms \
        --no-elf-needed "$1" | sed "s|path='$root/|path='|" >"$2"
    if grep -q "path='/" "$2"; then
        echo "$2 still names absolute paths" >&2
        return 1
    fi
}

check_baseline() {
    library=$1 baseline=$2
    if ! has_debug_info "$library"; then
        echo "ABI baseline: skipped, $library has no debug information (build with -g)"
        return 77
    fi
    # First the whole report (additions included), then the verdict without them.
    "${ABIDIFF:-abidiff}" "$baseline" "$library" || true
    status=0
    "${ABIDIFF:-abidiff}" --no-added-syms "$baseline" "$library" >/dev/null || status=$?
    # abidiff's status bits: 1 error, 2 usage error, 4 change, 8 incompatible change.
    if [ "$status" -ne 0 ]; then
        echo "ABI baseline: incompatible with $baseline (abidiff status $status)."
        echo "Removing or changing a function or a layout needs a new major version;"
        echo "if that is deliberate, run tools/update-abi-list and commit the baseline."
        return 1
    fi
    echo "ABI baseline: compatible with $baseline"
}

usage() {
    echo "usage: $0 write LIBRARY BASELINE | check LIBRARY BASELINE" >&2
    exit 2
}

[ $# -eq 3 ] || usage
case "$1" in
write) write_baseline "$2" "$3" ;;
check) check_baseline "$2" "$3" ;;
*) usage ;;
esac
