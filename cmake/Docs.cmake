# The API reference: `cmake --workflow --preset docs` writes HTML from the
# public header and docs/*.md to <build>/reference/html/index.html with Doxygen.
# Any Doxygen warning (an undocumented member or parameter, a broken
# reference) fails the target unless VORELTEXT_DOCS_WERROR is OFF, and so do
# a C function or macro that Doxygen left out (cmake/CheckReference.cmake) and
# Markdown that Doxygen rendered wrongly without a warning
# (cmake/CheckRendering.cmake).
option(VORELTEXT_BUILD_DOCS "Add the docs target (needs Doxygen)" OFF)
option(VORELTEXT_DOCS_WERROR "Fail the docs target on any Doxygen warning" ON)
if(NOT VORELTEXT_BUILD_DOCS)
  return()
endif()

find_package(Doxygen QUIET)
if(NOT DOXYGEN_FOUND)
  message(FATAL_ERROR "The API reference needs Doxygen, which was not found.\n"
                      "Install it (Debian, Ubuntu: sudo apt-get install doxygen) or "
                      "configure with -DVORELTEXT_BUILD_DOCS=OFF.")
endif()

set(VORELTEXT_DOCS_DIR ${PROJECT_BINARY_DIR}/reference)
if(VORELTEXT_DOCS_WERROR)
  set(VORELTEXT_DOXYGEN_WARN_AS_ERROR FAIL_ON_WARNINGS)
else()
  set(VORELTEXT_DOXYGEN_WARN_AS_ERROR NO)
endif()
configure_file(${PROJECT_SOURCE_DIR}/docs/Doxyfile.in ${VORELTEXT_DOCS_DIR}/Doxyfile @ONLY)
file(GLOB VORELTEXT_DOC_PAGES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/*.md)

# The stamp is written only when Doxygen succeeds, so a build that failed on
# warnings runs again next time instead of counting as done. Doxygen leaves
# pages of a former run in place, so the HTML is written afresh each time.
set(VORELTEXT_DOCS_STAMP ${VORELTEXT_DOCS_DIR}/html.stamp)
add_custom_command(OUTPUT ${VORELTEXT_DOCS_STAMP}
  COMMAND ${CMAKE_COMMAND} -E remove -f ${VORELTEXT_DOCS_STAMP}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${VORELTEXT_DOCS_DIR}/html
  COMMAND ${DOXYGEN_EXECUTABLE} ${VORELTEXT_DOCS_DIR}/Doxyfile
  COMMAND ${CMAKE_COMMAND} -DHTML=${VORELTEXT_DOCS_DIR}/html
          -DHEADER=${PROJECT_SOURCE_DIR}/include/VorelText.h
          -DSYMBOLS=${PROJECT_SOURCE_DIR}/tests/abi/exported-symbols.txt
          -DWERROR=${VORELTEXT_DOCS_WERROR}
          -P ${PROJECT_SOURCE_DIR}/cmake/CheckReference.cmake
  COMMAND ${CMAKE_COMMAND} -DHTML=${VORELTEXT_DOCS_DIR}/html -DWERROR=${VORELTEXT_DOCS_WERROR}
          -P ${PROJECT_SOURCE_DIR}/cmake/CheckRendering.cmake
  COMMAND ${CMAKE_COMMAND} -E touch ${VORELTEXT_DOCS_STAMP}
  DEPENDS ${PROJECT_SOURCE_DIR}/include/VorelText.h ${PROJECT_SOURCE_DIR}/CHANGELOG.md
          ${VORELTEXT_DOC_PAGES} ${VORELTEXT_DOCS_DIR}/Doxyfile
          ${PROJECT_SOURCE_DIR}/cmake/CheckReference.cmake
          ${PROJECT_SOURCE_DIR}/cmake/CheckRendering.cmake
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
  COMMENT "API reference: ${VORELTEXT_DOCS_DIR}/html/index.html"
  VERBATIM)
add_custom_target(docs DEPENDS ${VORELTEXT_DOCS_STAMP})
