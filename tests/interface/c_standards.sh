#!/bin/sh
# The C program of tests/ built by a compiler other than the one that built
# the library, as C89, gnu89 and C99 with warnings as errors, linked against
# the library and run (only compiled when LIBRARY_DIR is "-"):
#   c_standards.sh PROGRAM INCLUDE_DIR LIBRARY_DIR CC [CC...]
set -eu
program=$1 include=$2 libdir=$3
shift 3
work=$(mktemp -d "${TMPDIR:-/tmp}/voreltext-c.XXXXXX")
trap 'rm -rf "$work"' EXIT
for cc in "$@"; do
    for std in c89 gnu89 c99; do
        echo "== $cc -std=$std"
        flags="-std=$std -pedantic -Wall -Wextra -Werror -I$include"
        if [ "$libdir" = "-" ]; then
            "$cc" $flags -fsyntax-only "$program"
        else
            "$cc" $flags "$program" -o "$work/c_api" -L"$libdir" -lvoreltext \
                -Wl,-rpath,"$libdir"
            "$work/c_api"
        fi
    done
done
echo "C standards checks passed"
