# Installation and discovery: the header, the shared library with its SONAME
# links, CMake package files (find_package), a pkg-config file and the license
# with the documents beside it (share/doc/voreltext).
#
# A project that pulls VorelText in with add_subdirectory or FetchContent gets
# VorelText::VorelText from the alias target and no install rules unless it
# asks for them with VORELTEXT_INSTALL=ON.
option(VORELTEXT_INSTALL "Generate the install rules" ${VORELTEXT_IS_TOP_LEVEL})
if(NOT VORELTEXT_INSTALL)
  return()
endif()

include(CMakePackageConfigHelpers)

set(VORELTEXT_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/VorelText)
set(VORELTEXT_PKGCONFIG_DIR ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

install(TARGETS voreltext EXPORT VorelTextTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(FILES include/VorelText.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
# The license travels with every installed copy.
install(FILES LICENSE README.md CHANGELOG.md DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/voreltext)

# find_package(VorelText 2.0 CONFIG) -> VorelText::VorelText
install(EXPORT VorelTextTargets
  NAMESPACE VorelText::
  FILE VorelTextTargets.cmake
  DESTINATION ${VORELTEXT_CMAKE_DIR})
configure_package_config_file(
  ${PROJECT_SOURCE_DIR}/cmake/VorelTextConfig.cmake.in
  ${PROJECT_BINARY_DIR}/VorelTextConfig.cmake
  INSTALL_DESTINATION ${VORELTEXT_CMAKE_DIR})
write_basic_package_version_file(
  ${PROJECT_BINARY_DIR}/VorelTextConfigVersion.cmake
  VERSION ${PROJECT_VERSION}
  COMPATIBILITY SameMajorVersion)
install(FILES
  ${PROJECT_BINARY_DIR}/VorelTextConfig.cmake
  ${PROJECT_BINARY_DIR}/VorelTextConfigVersion.cmake
  DESTINATION ${VORELTEXT_CMAKE_DIR})

# pkg-config: the prefix is filled in when installing, so the file names the
# prefix that `cmake --install --prefix` was given.
function(vorel_pkgconfig_dir out dir)
  if(IS_ABSOLUTE "${dir}")
    set(${out} "${dir}" PARENT_SCOPE)
  else()
    set(${out} "\${prefix}/${dir}" PARENT_SCOPE)
  endif()
endfunction()
set(VORELTEXT_PC_PREFIX "@CMAKE_INSTALL_PREFIX@")
vorel_pkgconfig_dir(VORELTEXT_PC_LIBDIR "${CMAKE_INSTALL_LIBDIR}")
vorel_pkgconfig_dir(VORELTEXT_PC_INCLUDEDIR "${CMAKE_INSTALL_INCLUDEDIR}")
set(VORELTEXT_PC_CFLAGS "")
set(VORELTEXT_PC_LIBS_PRIVATE "")
if(NOT BUILD_SHARED_LIBS)
  # A static archive needs its C++ runtime spelled out for C linkers.
  set(VORELTEXT_PC_CFLAGS " -DVORELTEXT_STATIC")
  set(VORELTEXT_PC_LIBS_PRIVATE "Libs.private: -lstdc++ -lm")
endif()
configure_file(${PROJECT_SOURCE_DIR}/cmake/voreltext.pc.in
               ${PROJECT_BINARY_DIR}/voreltext.pc.in @ONLY)
install(CODE "configure_file(\"${PROJECT_BINARY_DIR}/voreltext.pc.in\"
                             \"${PROJECT_BINARY_DIR}/voreltext.pc\" @ONLY)")
install(FILES ${PROJECT_BINARY_DIR}/voreltext.pc DESTINATION ${VORELTEXT_PKGCONFIG_DIR})
