# What cmake --install puts under the prefix, and the Debian package CPack makes of it:
#   lib/libovle.so.1.0.0 with its SONAME link libovle.so.1 and the link libovle.so;
#   include/ovle/ovle.h; bin/ovle (finding the library through $ORIGIN/../lib);
#   share/ovle/copybook/*.cpy; share/ovle/gnucobol-runtime.cfg (pre_load, library_path);
#   lib/pkgconfig/ovle.pc; lib/cmake/ovle (find_package(ovle), target ovle::ovle).
# Every path in them is relative to where they are installed, except the runtime configuration,
# which GnuCOBOL reads as it stands and so is written at install time with the final prefix.
include(CMakePackageConfigHelpers)

set(OVLE_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/ovle)
set(OVLE_DATA_DIR ${CMAKE_INSTALL_DATADIR}/ovle)
set(OVLE_COPYBOOK_DIR ${OVLE_DATA_DIR}/copybook)

target_include_directories(ovle INTERFACE $<BUILD_INTERFACE:${CMAKE_CURRENT_SOURCE_DIR}/include>
                                          $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
install(TARGETS ovle EXPORT ovle-targets LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(TARGETS ovle_tool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES include/ovle/ovle.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/ovle)
install(DIRECTORY copybook/ DESTINATION ${OVLE_COPYBOOK_DIR} FILES_MATCHING PATTERN "*.cpy")

install(EXPORT ovle-targets NAMESPACE ovle:: FILE ovleTargets.cmake DESTINATION ${OVLE_CMAKE_DIR})
configure_package_config_file(cmake/install/ovleConfig.cmake.in ${CMAKE_CURRENT_BINARY_DIR}/ovleConfig.cmake
  INSTALL_DESTINATION ${OVLE_CMAKE_DIR} PATH_VARS OVLE_COPYBOOK_DIR OVLE_DATA_DIR)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/ovleConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/ovleConfig.cmake ${CMAKE_CURRENT_BINARY_DIR}/ovleConfigVersion.cmake
  DESTINATION ${OVLE_CMAKE_DIR})

# ovle.pc finds the prefix from its own folder (${pcfiledir}), so the tree can move.
file(RELATIVE_PATH OVLE_PC_PREFIX /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
string(REGEX REPLACE "/$" "" OVLE_PC_PREFIX "${OVLE_PC_PREFIX}")
configure_file(cmake/install/ovle.pc.in ${CMAKE_CURRENT_BINARY_DIR}/ovle.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/ovle.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

# The runtime configuration names the library's folder under the prefix given at install time
# (cmake --install --prefix, or /usr in the Debian package).
install(CODE "
  set(OVLE_CFG_LIBDIR \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBDIR}\")
  set(OVLE_CFG_DATADIR \"\${CMAKE_INSTALL_PREFIX}/${OVLE_DATA_DIR}\")
  configure_file(\"${CMAKE_CURRENT_SOURCE_DIR}/cmake/install/gnucobol-runtime.cfg.in\"
                 \"${CMAKE_CURRENT_BINARY_DIR}/gnucobol-runtime.cfg\" @ONLY)")
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/gnucobol-runtime.cfg DESTINATION ${OVLE_DATA_DIR})

# ---- The Debian package (cpack -G DEB) ---------------------------------------------------------------
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME libovle)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "libovle")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "IBM Language Environment callable services for GnuCOBOL programs (CEEDAYS, CEEDATE, ...)")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "libovle maintainers <libovle@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "gnucobol3, libcob4-dev, pkg-config")
include(CPack)
