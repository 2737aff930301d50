# How the folders of the product become targets. Each folder's CMakeLists.txt calls one of
# these; what a folder links comes from the layer table (cmake/LexoroLayers.cmake).
include(GNUInstallDirs)
include(${CMAKE_CURRENT_LIST_DIR}/LexoroLayers.cmake)
lexoro_read_layer_table()

# lexoro_filter_platform_files(LIST) keeps the files of LIST (absolute paths under the
# sources) that this build compiles: no Windows-only files on POSIX, no POSIX-only files on
# Windows.
function(lexoro_filter_platform_files list)
  set(kept)
  foreach(file IN LISTS ${list})
    file(RELATIVE_PATH relative "${PROJECT_SOURCE_DIR}" "${file}")
    if(WIN32)
      set(foreign "${LEXORO_POSIX_FILE_REGEX}")
    else()
      set(foreign "${LEXORO_WINDOWS_FILE_REGEX}")
    endif()
    if(NOT relative MATCHES "${foreign}")
      list(APPEND kept "${file}")
    endif()
  endforeach()
  list(SORT kept)
  set(${list} ${kept} PARENT_SCOPE)
endfunction()

# lexoro_glob_sources(OUT PATTERN...) collects the files matching patterns relative to the top
# of the sources (tests/engine/*.cpp) that this build compiles.
function(lexoro_glob_sources out)
  set(result)
  foreach(pattern IN LISTS ARGN)
    file(GLOB found CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/${pattern}")
    list(APPEND result ${found})
  endforeach()
  lexoro_filter_platform_files(result)
  set(${out} ${result} PARENT_SCOPE)
endfunction()

# lexoro_link_layers(TARGET SCOPE LAYER) links TARGET with the libraries of the folders that
# LAYER's row of the table lists (those that exist in this build).
function(lexoro_link_layers target scope layer)
  if(NOT layer IN_LIST LEXORO_LAYERS)
    message(FATAL_ERROR "${layer} has no row in the layer table (cmake/LexoroLayers.cmake)")
  endif()
  foreach(dependency IN LISTS LEXORO_LAYER_${layer}_DEPENDS)
    if(TARGET lexoro_${dependency})
      target_link_libraries(${target} ${scope} lexoro_${dependency})
    endif()
  endforeach()
endfunction()

# lexoro_add_library(FOLDER [PRIVATE_HEADERS FILE...]) builds the folder's sources (its
# subfolders included) into the library lexoro_<folder>, alias Lexoro::<folder>, linked with
# the folders its row of the layer table names. Its headers are included as
# "lexoro/<folder>/<unit>.h": in the build tree through a link to the folder, when installed
# from include/lexoro/<folder>/. PRIVATE_HEADERS (relative to the folder) are not installed.
# A folder with nothing to compile on this platform becomes a library of headers only.
function(lexoro_add_library layer)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "PRIVATE_HEADERS")
  set(folder "${PROJECT_SOURCE_DIR}/${layer}")
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS "${folder}/*.cpp")
  file(GLOB_RECURSE headers CONFIGURE_DEPENDS "${folder}/*.h")
  lexoro_filter_platform_files(sources)
  lexoro_filter_platform_files(headers)

  set(target lexoro_${layer})
  if(sources)
    add_library(${target} STATIC ${sources})
    set(scope PUBLIC)
  else()
    add_library(${target} INTERFACE)
    set(scope INTERFACE)
  endif()
  add_library(Lexoro::${layer} ALIAS ${target})
  set_target_properties(${target} PROPERTIES EXPORT_NAME ${layer})
  target_compile_features(${target} ${scope} cxx_std_20)

  # Each library sees its own folder under lexoro/; the folders below it come with the
  # libraries it links, so a header of a folder it does not build on is not found.
  set(link_root "${PROJECT_BINARY_DIR}/include/${layer}")
  if(NOT EXISTS "${link_root}/lexoro/${layer}")
    file(MAKE_DIRECTORY "${link_root}/lexoro")
    file(CREATE_LINK "${folder}" "${link_root}/lexoro/${layer}" SYMBOLIC)
  endif()
  target_include_directories(${target} ${scope}
    $<BUILD_INTERFACE:${link_root}> $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
  lexoro_link_layers(${target} ${scope} ${layer})

  if(LEXORO_INSTALL)
    set(private)
    foreach(header IN LISTS arg_PRIVATE_HEADERS)
      list(APPEND private "${folder}/${header}")
    endforeach()
    foreach(header IN LISTS headers)
      if(header IN_LIST private)
        continue()
      endif()
      file(RELATIVE_PATH relative "${PROJECT_SOURCE_DIR}" "${header}")
      get_filename_component(destination "${relative}" DIRECTORY)
      install(FILES "${header}" DESTINATION "${CMAKE_INSTALL_INCLUDEDIR}/lexoro/${destination}"
              COMPONENT development)
    endforeach()
  endif()
  set_property(GLOBAL APPEND PROPERTY LEXORO_LIBRARIES ${target})
endfunction()
