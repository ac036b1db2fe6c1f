#!/bin/sh
# Compile-time checks of the interface with a compiler other than the one
# that built the library:
#   compile_checks.sh SOURCE_DIR INCLUDE_DIR LIBRARY_DIR CXX [CXX...]
# For each CXX: the interface test program as C++11 and C++20 with warnings
# as errors, linked against the library and run (skipped when LIBRARY_DIR is
# "-"); and the formatting constructor's printf check: the format check
# program compiles with -Werror=format, and with its arguments swapped must
# fail with a format diagnostic.
set -eu
src=$1 include=$2 libdir=$3
shift 3
work=$(mktemp -d "${TMPDIR:-/tmp}/voreltext-interface.XXXXXX")
trap 'rm -rf "$work"' EXIT
warnings="-Wall -Wextra -Wpedantic -Werror"
for cxx in "$@"; do
    if [ "$libdir" != "-" ]; then
        for std in 11 20; do
            echo "== $cxx -std=c++$std"
            "$cxx" -std=c++$std $warnings -I"$include" -I"$src/../../fuzz" "$src/interface_test.cpp" \
                "$src/no_hinstance.cpp" -o "$work/interface" -L"$libdir" -lvoreltext \
                -Wl,-rpath,"$libdir"
            "$work/interface"
        done
    fi
    echo "== $cxx: a format mismatch in Text(char* format, ...) is diagnosed"
    "$cxx" -std=c++11 -fsyntax-only $warnings -Werror=format -I"$include" "$src/format_check.cpp"
    if "$cxx" -std=c++11 -fsyntax-only -Werror=format -I"$include" -DVORELTEXT_SWAPPED \
        "$src/format_check.cpp" >"$work/swapped.log" 2>&1; then
        echo "FAILED: swapped format arguments compiled without a diagnostic"
        exit 1
    fi
    grep -Eq "Werror=format|-Wformat" "$work/swapped.log" || {
        cat "$work/swapped.log"
        echo "FAILED: the swapped arguments failed for another reason"
        exit 1
    }
done
echo "interface compile checks passed"
