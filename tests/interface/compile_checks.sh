#!/bin/sh
# Compile-time checks of the interface with a compiler other than the one
# that built the library:
#   compile_checks.sh SOURCE_DIR INCLUDE_DIR LIBRARY_DIR CXX [CXX...]
# For each CXX: the interface test program as C++11, C++17 and C++20 with
# warnings as errors, linked against the library and run (skipped when
# LIBRARY_DIR is "-"); and the formatting constructor's refusals: the format
# check program compiles, and each of its refused cases fails with the
# expected diagnostic.
set -eu
src=$1 include=$2 libdir=$3
shift 3
work=$(mktemp -d "${TMPDIR:-/tmp}/voreltext-interface.XXXXXX")
trap 'rm -rf "$work"' EXIT
warnings="-Wall -Wextra -Wpedantic -Werror"
for cxx in "$@"; do
    if [ "$libdir" != "-" ]; then
        for std in 11 17 20; do
            echo "== $cxx -std=c++$std"
            "$cxx" -std=c++$std $warnings -I"$include" -I"$src/../../fuzz" "$src/interface_test.cpp" \
                "$src/no_hinstance.cpp" -o "$work/interface" -L"$libdir" -lvoreltext \
                -Wl,-rpath,"$libdir"
            "$work/interface"
        done
    fi
    echo "== $cxx: the formatting constructor refuses class values and const char* formats"
    "$cxx" -std=c++11 -fsyntax-only $warnings -I"$include" "$src/format_check.cpp"
    for refused in "1:formats numbers, pointers and enums" "2:no matching"; do
        if "$cxx" -std=c++17 -fsyntax-only -I"$include" -DVORELTEXT_REFUSED="${refused%%:*}" \
            "$src/format_check.cpp" >"$work/refused.log" 2>&1; then
            echo "FAILED: case ${refused%%:*} of format_check.cpp compiled"
            exit 1
        fi
        grep -q "${refused#*:}" "$work/refused.log" || {
            cat "$work/refused.log"
            echo "FAILED: case ${refused%%:*} failed without saying '${refused#*:}'"
            exit 1
        }
    done
done
echo "interface compile checks passed"
