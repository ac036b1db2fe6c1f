# Cross-compiling for 64-bit Windows with MinGW-w64 (posix threads), the
# programs running under Wine: CTest starts every test through
# CMAKE_CROSSCOMPILING_EMULATOR, in a Wine prefix of the build tree's own
# (cmake/Windows.cmake creates it at configure time).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VORELTEXT_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VORELTEXT_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VORELTEXT_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${VORELTEXT_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VORELTEXT_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Debian's wine64 package puts its loader outside PATH; the wine package adds
# a wrapper on PATH.
find_program(VORELTEXT_WINE NAMES wine64 wine PATHS /usr/lib/wine /usr/lib64/wine
             DOC "Wine, which runs the Windows programs")
if(VORELTEXT_WINE AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
  set(VORELTEXT_WINEPREFIX ${CMAKE_BINARY_DIR}/wine-prefix
      CACHE PATH "The Wine prefix that runs the tests (created at configure time)")
  # Quiet (no debug channels), and without the .NET and HTML runtimes, which a
  # fresh prefix would otherwise offer to install.
  set(CMAKE_CROSSCOMPILING_EMULATOR
      ${CMAKE_COMMAND} -E env WINEPREFIX=${VORELTEXT_WINEPREFIX} WINEDEBUG=-all
      WINEDLLOVERRIDES=mscoree,mshtml= ${VORELTEXT_WINE})
endif()
