# cmake --install: the libraries, their headers under include/lexoro/<folder>/, the lexoro
# command, and the package configuration through which a host finds them:
#
#   find_package(Lexoro REQUIRED)
#   target_link_libraries(app PRIVATE Lexoro::Lexoro)      # or Lexoro::engine, Lexoro::thesaurus, ...
include(CMakePackageConfigHelpers)

get_property(libraries GLOBAL PROPERTY LEXORO_LIBRARIES)
get_property(programs GLOBAL PROPERTY LEXORO_PROGRAMS)
install(TARGETS ${libraries} lexoro_all ${programs}
  EXPORT LexoroTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT development
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT development
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT runtime)

set(LEXORO_CONFIG_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Lexoro)
install(EXPORT LexoroTargets NAMESPACE Lexoro:: DESTINATION ${LEXORO_CONFIG_DIR} COMPONENT development)
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/LexoroConfig.cmake.in
  ${PROJECT_BINARY_DIR}/LexoroConfig.cmake INSTALL_DESTINATION ${LEXORO_CONFIG_DIR})
# Before 1.0 a minor version may change the interface.
write_basic_package_version_file(${PROJECT_BINARY_DIR}/LexoroConfigVersion.cmake COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/LexoroConfig.cmake ${PROJECT_BINARY_DIR}/LexoroConfigVersion.cmake
  DESTINATION ${LEXORO_CONFIG_DIR} COMPONENT development)
