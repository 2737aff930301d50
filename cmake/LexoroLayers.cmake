# The layers of Lexoro and the layers each one builds on: the only place where the layering is
# written down. Every library target takes its link list from this table, and the layering test
# (cmake/CheckLayers.cmake) accepts an #include "lexoro/<folder>/..." in a folder only when
# <folder> is the folder itself or one that its row lists.
#
# A row names a folder, then the folders it includes directly. A folder may only build on
# folders of earlier rows, so the table cannot describe a cycle. Read as a graph:
#
#   platform      the seam to the operating system
#   framework     components, the application object; Win32 forms and controls
#   dictionaries  main and custom dictionaries, phonetic rules, path macros
#   parsing       control parsers, the parsing engine, ignore filters
#   suggestions   the suggestions generator
#   languages     the interface texts of the spell and thesaurus components
#   engine        the spell component: word checks, check driver, configuration
#   dialogs       dialog controller and dialogs
#   thesaurus     thesaurus file and component
#   live          live spelling
#   tools         the lexoro command and its compilers (not part of the package's libraries)
#   demo          the demonstration program
set(LEXORO_LAYER_TABLE
  "platform     :"
  "framework    : platform"
  "dictionaries : platform"
  "parsing      : platform framework dictionaries"
  "suggestions  : platform dictionaries"
  "languages    :"
  "engine       : platform framework dictionaries parsing suggestions languages"
  "dialogs      : platform framework languages engine"
  "thesaurus    : platform framework dictionaries languages"
  "live         : platform framework dictionaries parsing languages engine dialogs"
  "tools        : platform dictionaries parsing suggestions languages engine thesaurus"
  "demo         : platform framework dictionaries parsing languages engine dialogs thesaurus live"
)

# Sets LEXORO_LAYERS (the folders in table order) and LEXORO_LAYER_<folder>_DEPENDS; stops
# with an error when a row builds on a folder that no earlier row names.
macro(lexoro_read_layer_table)
  set(LEXORO_LAYERS)
  foreach(_lexoro_row IN LISTS LEXORO_LAYER_TABLE)
    string(REGEX MATCH "^ *([a-z]+) *:(.*)$" _lexoro_match "${_lexoro_row}")
    if(NOT _lexoro_match)
      message(FATAL_ERROR "Layer table: cannot read the row '${_lexoro_row}'")
    endif()
    set(_lexoro_layer ${CMAKE_MATCH_1})
    string(STRIP "${CMAKE_MATCH_2}" _lexoro_deps)
    separate_arguments(_lexoro_deps UNIX_COMMAND "${_lexoro_deps}")
    foreach(_lexoro_dep IN LISTS _lexoro_deps)
      if(NOT _lexoro_dep IN_LIST LEXORO_LAYERS)
        message(FATAL_ERROR "Layer table: ${_lexoro_layer} builds on ${_lexoro_dep}, which no earlier row names")
      endif()
    endforeach()
    list(APPEND LEXORO_LAYERS ${_lexoro_layer})
    set(LEXORO_LAYER_${_lexoro_layer}_DEPENDS ${_lexoro_deps})
  endforeach()
endmacro()

# Files whose names carry "Win32" or "WinAPI", and everything under a win32/ folder, talk to
# Windows directly: only the Windows build compiles them. Files whose names carry "Posix" (or
# that sit under posix/) are their POSIX counterparts. Everything else is portable. The
# expressions apply to paths relative to the top of the sources.
set(LEXORO_WINDOWS_FILE_REGEX "(Win32|WinAPI)[^/]*$|(^|/)win32/")
set(LEXORO_POSIX_FILE_REGEX "Posix[^/]*$|(^|/)posix/")
