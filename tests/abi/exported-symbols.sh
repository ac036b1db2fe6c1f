#!/bin/sh
# The ABI guard: the dynamic symbols that the shared library defines must be
# exactly those in the checked-in list (mangled names, byte order; lines
# starting with # are comments).
#
#   exported-symbols.sh list  NM LIBRARY        print the library's symbols
#   exported-symbols.sh check NM LIBRARY LIST   compare them with LIST
#   exported-symbols.sh check-dll OBJDUMP CXXFILT DLL LIST
#       compare a Windows DLL's export table with LIST: C names exactly, C++
#       names demangled, the module handle being HINSTANCE__* there instead
#       of a string table, and vtxt_LoadString existing only elsewhere
#
# tools/update-abi-list rewrites the list after a deliberate change.
set -eu

# Symbols that some linkers define in every shared object: not ours.
linker_symbols='^(_init|_fini|_edata|_end|__bss_start)$'

list_symbols() {
    if [ ! -f "$2" ]; then
        echo "no library at $2" >&2
        exit 1
    fi
    "$1" -D --defined-only "$2" | awk 'NF >= 3 { print $3 }' |
        grep -Ev "$linker_symbols" | LC_ALL=C sort -u
}

demangle() {
    if command -v c++filt >/dev/null 2>&1; then
        while read -r symbol; do
            readable=$(printf '%s\n' "$symbol" | c++filt)
            if [ "$readable" = "$symbol" ]; then
                printf '  %s\n' "$symbol"
            else
                printf '  %s    %s\n' "$symbol" "$readable"
            fi
        done
    else
        sed 's/^/  /'
    fi
}

listed() {
    grep -Ev '^[[:space:]]*(#|$)' "$1"
}

# The names in a DLL's export table.
list_dll_symbols() {
    if [ ! -f "$2" ]; then
        echo "no library at $2" >&2
        exit 1
    fi
    "$1" -p "$2" | sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/p' |
        awk '/^[[:space:]]*\[ *[0-9]+\]/ { print $NF }'
}

check_symbols() {
    tmp=$(mktemp -d "${TMPDIR:-/tmp}/voreltext-abi.XXXXXX")
    trap 'rm -rf "$tmp"' EXIT
    listed "$3" | LC_ALL=C sort -u >"$tmp/expected"
    list_symbols "$1" "$2" >"$tmp/actual"
    compare_symbols "$3"
}

check_dll_symbols() {
    objdump=$1 cxxfilt=$2
    tmp=$(mktemp -d "${TMPDIR:-/tmp}/voreltext-abi.XXXXXX")
    trap 'rm -rf "$tmp"' EXIT
    listed "$4" | grep -v '^vtxt_LoadString$' | "$cxxfilt" |
        sed 's/vtxt_StringTable const\*/HINSTANCE__*/g' | LC_ALL=C sort >"$tmp/expected"
    # Not merged: a constructor's two variants demangle alike, and both count.
    list_dll_symbols "$objdump" "$3" | "$cxxfilt" | LC_ALL=C sort >"$tmp/actual"
    compare_symbols "$4"
}

# Reports the difference between $tmp/expected and $tmp/actual.
compare_symbols() {
    expected_list=$1
    LC_ALL=C comm -13 "$tmp/expected" "$tmp/actual" >"$tmp/added"
    LC_ALL=C comm -23 "$tmp/expected" "$tmp/actual" >"$tmp/dropped"
    if [ ! -s "$tmp/added" ] && [ ! -s "$tmp/dropped" ]; then
        echo "ABI guard: $(wc -l <"$tmp/actual") exported symbols, as listed"
        return 0
    fi
    echo "ABI guard: the exported symbols differ from $expected_list"
    if [ -s "$tmp/added" ]; then
        echo "exported but not listed (a new or leaked symbol):"
        demangle <"$tmp/added"
    fi
    if [ -s "$tmp/dropped" ]; then
        echo "listed but no longer exported (a removed symbol breaks callers):"
        demangle <"$tmp/dropped"
    fi
    echo "If the change is deliberate, run tools/update-abi-list and commit the list."
    return 1
}

usage() {
    echo "usage: $0 list NM LIBRARY | check NM LIBRARY LIST" >&2
    echo "       $0 check-dll OBJDUMP CXXFILT DLL LIST" >&2
    exit 2
}

case "${1:-}" in
list)
    [ $# -eq 3 ] || usage
    list_symbols "$2" "$3"
    ;;
check)
    [ $# -eq 4 ] || usage
    check_symbols "$2" "$3" "$4"
    ;;
check-dll)
    [ $# -eq 5 ] || usage
    check_dll_symbols "$2" "$3" "$4" "$5"
    ;;
*) usage ;;
esac
