include(CMakePackageConfigHelpers)
include(GNUInstallDirs)

install(TARGETS OrvkitCore OrvkitWidgets EXPORT OrvkitTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(EXPORT OrvkitTargets NAMESPACE Orvkit:: DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Orvkit)

configure_package_config_file(${CMAKE_SOURCE_DIR}/cmake/OrvkitConfig.cmake.in
  ${CMAKE_BINARY_DIR}/OrvkitConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Orvkit)
write_basic_package_version_file(${CMAKE_BINARY_DIR}/OrvkitConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/OrvkitConfig.cmake ${CMAKE_BINARY_DIR}/OrvkitConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Orvkit)
