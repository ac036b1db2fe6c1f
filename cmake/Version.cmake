# The header's VORELTEXT_VERSION_* macros must spell project(VERSION): a bump
# of one without the other stops the configuration here. Editing the header
# reconfigures, so the check runs on every change.
set(VORELTEXT_HEADER ${PROJECT_SOURCE_DIR}/include/VorelText.h)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${VORELTEXT_HEADER})
file(STRINGS ${VORELTEXT_HEADER} vorel_version_lines REGEX "^#define VORELTEXT_VERSION")
set(vorel_header_version "")
foreach(part MAJOR MINOR PATCH)
  string(REGEX MATCH "VORELTEXT_VERSION_${part} +([0-9]+)" vorel_match "${vorel_version_lines}")
  list(APPEND vorel_header_version "${CMAKE_MATCH_1}")
endforeach()
list(JOIN vorel_header_version "." vorel_header_version)
string(REGEX MATCH "VORELTEXT_VERSION +\"([^\"]*)\"" vorel_match "${vorel_version_lines}")
if(NOT vorel_header_version STREQUAL PROJECT_VERSION
   OR NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "include/VorelText.h says version ${vorel_header_version} "
                      "(\"${CMAKE_MATCH_1}\"), CMakeLists.txt says ${PROJECT_VERSION}: "
                      "bump both together")
endif()
