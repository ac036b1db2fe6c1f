#!/usr/bin/env bash
# Consumer check: installs VorelText into a temporary prefix and builds a small
# outside project (this directory) against it, in C++ and in C, with
# find_package and with pkg-config, and the README's tour with the README's
# command lines; links the C program with a static build
# through pkg-config --static; then builds from the source tree with
# add_subdirectory, and with the README's FetchContent lines from this
# repository as a file:// URL. Needs cmake, git, a C and a C++ compiler and
# pkg-config; uses Ninja when it is there.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
src="$(cd "$here/../.." && pwd)"
work="$(mktemp -d "${TMPDIR:-/tmp}/voreltext-consumer.XXXXXX")"
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
generator=()
if command -v ninja >/dev/null 2>&1; then
    generator=(-G Ninja)
fi

step() { printf '\n== consumer check: %s\n' "$*"; }
fail() {
    printf 'consumer check FAILED: %s\n' "$*" >&2
    exit 1
}
configure() { cmake "${generator[@]}" -DCMAKE_BUILD_TYPE=Release "$@"; }
build() { cmake --build "$1" -j2; }
run_both() {
    "$1/consumer_cxx"
    "$1/consumer_c"
}

step "build the library and install it into a temporary prefix"
configure -S "$src" -B "$work/lib" -DVORELTEXT_BUILD_TESTS=OFF -DVORELTEXT_BUILD_EXAMPLES=OFF
build "$work/lib"
cmake --install "$work/lib" --prefix "$prefix"

step "installed layout"
pc="$(find "$prefix" -name voreltext.pc -print -quit)"
[ -n "$pc" ] || fail "no voreltext.pc under the prefix"
libdir="$(cd "$(dirname "$pc")/.." && pwd)"
for f in "$prefix/include/VorelText.h" "$libdir/libvoreltext.so" "$libdir/libvoreltext.so.2" \
    "$libdir/cmake/VorelText/VorelTextConfig.cmake" \
    "$libdir/cmake/VorelText/VorelTextConfigVersion.cmake" \
    "$libdir/cmake/VorelText/VorelTextTargets.cmake" "$prefix/share/doc/voreltext/LICENSE"; do
    [ -e "$f" ] || fail "missing ${f#"$prefix"/}"
done
[ -L "$libdir/libvoreltext.so.2" ] || fail "libvoreltext.so.2 is not the SONAME link"
if command -v readelf >/dev/null 2>&1; then
    readelf -d "$libdir/libvoreltext.so" | grep -q 'SONAME.*\[libvoreltext\.so\.2\]' ||
        fail "the library's SONAME is not libvoreltext.so.2"
fi
echo "ok: header, library with SONAME links, CMake package files, voreltext.pc, LICENSE"

step "find_package(VorelText 2.0 CONFIG REQUIRED)"
configure -S "$here" -B "$work/package" -DVORELTEXT_FROM=package -DCMAKE_PREFIX_PATH="$prefix"
build "$work/package"
run_both "$work/package"

step "find_package accepts 2.x only (SameMajorVersion)"
for wanted in 1.0 3.0; do
    if configure -S "$here" -B "$work/version-$wanted" -DVORELTEXT_FROM=package \
        -DVORELTEXT_WANTED_VERSION="$wanted" -DCMAKE_PREFIX_PATH="$prefix" \
        >"$work/version-$wanted.log" 2>&1; then
        fail "find_package(VorelText $wanted) accepted version 2"
    fi
done
echo "ok: versions 1.0 and 3.0 were refused"

step "pkg-config --cflags --libs voreltext"
export PKG_CONFIG_PATH="$libdir/pkgconfig"
pkg-config --atleast-version=2.0 voreltext || fail "pkg-config does not see voreltext >= 2.0"
read -r -a cflags <<<"$(pkg-config --cflags voreltext)"
read -r -a libs <<<"$(pkg-config --libs voreltext)"
rpath="-Wl,-rpath,$(pkg-config --variable=libdir voreltext)"
warnings=(-Wall -Wextra -Wpedantic -Werror)
"${CXX:-c++}" -std=c++11 "${warnings[@]}" "${cflags[@]}" "$here/consumer.cpp" \
    -o "$work/consumer_cxx" "${libs[@]}" "$rpath"
"${CC:-cc}" -std=c99 "${warnings[@]}" "${cflags[@]}" "$here/consumer.c" \
    -o "$work/consumer_c" "${libs[@]}" "$rpath"
run_both "$work"

step "the README's tour, built with the README's pkg-config command lines"
readme_block() { # the code block that follows the line `NAME`: in the README
    awk -v marker="\`$1\`:" '$0 == marker { found = 1; next }
        found && /^```/ { if (inside) exit; inside = 1; next }
        inside { print }' "$src/README.md"
}
readme_block tour.cpp >"$work/tour.cpp"
readme_block tour.c >"$work/tour.c"
"${CXX:-c++}" "$work/tour.cpp" "${cflags[@]}" "${libs[@]}" "$rpath" -o "$work/tour"
"${CC:-cc}" -std=c99 "$work/tour.c" "${cflags[@]}" "${libs[@]}" "$rpath" -o "$work/tour-c"
for check in "tour:Hello, world / 5 / WORLD / 1" \
    "tour-c:redgreenblue, library $(pkg-config --modversion voreltext)"; do
    output="$("$work/${check%%:*}")"
    [ "$output" = "${check#*:}" ] || fail "${check%%:*} printed '$output', the README says '${check#*:}'"
done
echo "ok: both tours print what their comments say"

step "pkg-config --static: a C program linked with the static library"
configure -S "$src" -B "$work/static" -DBUILD_SHARED_LIBS=OFF -DVORELTEXT_BUILD_TESTS=OFF \
    -DVORELTEXT_BUILD_EXAMPLES=OFF
build "$work/static"
cmake --install "$work/static" --prefix "$work/static-prefix" >/dev/null
static_pc="$(find "$work/static-prefix" -name voreltext.pc -print -quit)"
read -r -a cflags <<<"$(PKG_CONFIG_PATH="$(dirname "$static_pc")" pkg-config --static --cflags voreltext)"
read -r -a libs <<<"$(PKG_CONFIG_PATH="$(dirname "$static_pc")" pkg-config --static --libs voreltext)"
"${CC:-cc}" -std=c99 "${warnings[@]}" "${cflags[@]}" "$here/consumer.c" \
    -o "$work/static/consumer_c" "${libs[@]}"
"$work/static/consumer_c"

step "add_subdirectory of the source tree"
configure -S "$here" -B "$work/subdirectory" -DVORELTEXT_FROM=subdirectory \
    -DVORELTEXT_SOURCE_DIR="$src"
build "$work/subdirectory"
run_both "$work/subdirectory"

step "the README's FetchContent lines, from file://$src"
# The lines as a reader copies them out of the README's comment, with the
# repository for <this repository>. They fetch the ref they name, so this
# builds the committed main of the repository, not the working tree: in CI a
# fresh clone of main, in a worktree of another branch the shared main.
awk '/^```/ { cmake = ($0 == "```cmake"); next }
    cmake && /FetchContent/ { sub(/^# *(or: *)?/, ""); print }' "$src/README.md" \
    >"$work/fetchcontent.cmake"
grep -q '^FetchContent_Declare(.*<this repository>' "$work/fetchcontent.cmake" &&
    grep -q '^FetchContent_MakeAvailable(' "$work/fetchcontent.cmake" ||
    fail "the README has no FetchContent_Declare line with <this repository> and FetchContent_MakeAvailable"
lines="$(cat "$work/fetchcontent.cmake")"
printf '%s\n' "${lines//<this repository>/file://$src}" >"$work/fetchcontent.cmake"
cat "$work/fetchcontent.cmake"
configure -S "$here" -B "$work/fetchcontent" -DVORELTEXT_FROM=fetchcontent \
    -DVORELTEXT_FETCHCONTENT_LINES="$work/fetchcontent.cmake"
echo "fetched: $(git -C "$work/fetchcontent/_deps/voreltext-src" log -1 --format='%h %s')"
build "$work/fetchcontent"
run_both "$work/fetchcontent"

printf '\nconsumer check passed\n'
