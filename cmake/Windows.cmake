# Windows builds (MinGW-w64, native or cross): one directory holds the DLL,
# the programs and the compiler's runtime DLLs, as Windows looks for a
# program's DLLs next to it. A cross build also gets the Wine prefix that
# runs its tests.
if(VORELTEXT_IS_TOP_LEVEL AND NOT CMAKE_RUNTIME_OUTPUT_DIRECTORY)
  set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/bin)
endif()

# The MinGW runtime DLLs that the C++ programs load.
function(vorel_copy_mingw_runtime)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "GNU" OR NOT CMAKE_RUNTIME_OUTPUT_DIRECTORY)
    return()
  endif()
  foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}")
      find_file(VORELTEXT_RUNTIME_${dll} ${dll} PATH_SUFFIXES lib bin)
      set(path ${VORELTEXT_RUNTIME_${dll}})
    endif()
    if(EXISTS "${path}")
      file(COPY ${path} DESTINATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
    else()
      message(WARNING "${dll} not found: the programs may not start")
    endif()
  endforeach()
endfunction()
vorel_copy_mingw_runtime()

# A fresh prefix is created once, quietly (a few seconds); the tests then
# start without any first-run work of their own.
if(CMAKE_CROSSCOMPILING AND CMAKE_CROSSCOMPILING_EMULATOR AND VORELTEXT_WINEPREFIX
   AND NOT EXISTS ${VORELTEXT_WINEPREFIX}/system.reg)
  message(STATUS "Creating the Wine prefix ${VORELTEXT_WINEPREFIX}")
  execute_process(COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} wineboot --init
                  RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
  if(NOT result EQUAL 0)
    message(WARNING "wineboot failed (${result}): the tests may not run")
  endif()
endif()
