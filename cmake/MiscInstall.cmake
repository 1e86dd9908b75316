# Installation: the three shared libraries, the public and platform headers, a CMake package
# `misc` (target misc::misc brings misc::miscplatform and misc::misc_res along) and misc.pc.
include(CMakePackageConfigHelpers)

install(TARGETS misc miscplatform misc_res EXPORT miscTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS misctool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY include/misc DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(DIRECTORY resources/include/misc DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(DIRECTORY platform/include/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/misc/platform)
install(EXPORT miscTargets NAMESPACE misc:: DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/misc)

configure_package_config_file(cmake/miscConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/miscConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/misc)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/miscConfigVersion.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/miscConfig.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/miscConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/misc)

configure_file(cmake/misc.pc.in ${CMAKE_CURRENT_BINARY_DIR}/misc.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/misc.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
