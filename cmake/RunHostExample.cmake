# The host example against the installed package: installs this build into a folder of its
# own, configures and builds examples/host there with CMAKE_PREFIX_PATH pointing at it,
# compiles the example's word list with the installed lexoro command and runs the example.
# Succeeds when the example counts the three misspelled words of its text.
#
#   cmake -DLEXORO_SOURCE_DIR=... -DLEXORO_BUILD_DIR=... -DLEXORO_WORK_DIR=...
#         -DLEXORO_GENERATOR=... [-DLEXORO_BUILD_TYPE=...] [-DLEXORO_TOOLCHAIN=...]
#         [-DLEXORO_CXX_COMPILER=...] [-DLEXORO_EXTRA_FLAGS=...]
#         [-DLEXORO_RUN=command|to|run|programs|with] [-DLEXORO_HOST_ROOT=Z:]
#         -P RunHostExample.cmake
#
# LEXORO_RUN and LEXORO_EXTRA_FLAGS separate their words with "|". LEXORO_HOST_ROOT is what
# the programs see in front of a path of this machine (Z: under Wine).
cmake_minimum_required(VERSION 3.25)
foreach(required IN ITEMS LEXORO_SOURCE_DIR LEXORO_BUILD_DIR LEXORO_WORK_DIR LEXORO_GENERATOR)
  if(NOT ${required})
    message(FATAL_ERROR "RunHostExample.cmake needs ${required}")
  endif()
endforeach()
string(REPLACE "|" ";" run "${LEXORO_RUN}")
string(REPLACE "|" ";" extra_flags "${LEXORO_EXTRA_FLAGS}")
if(LEXORO_TOOLCHAIN)
  set(exe ".exe")
endif()

# step(NAME COMMAND...) runs a command, its output kept in the work folder; stops on failure.
# step_output is what it wrote on standard output.
function(step name)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 400)
  file(WRITE "${LEXORO_WORK_DIR}/${name}.log" "${out}${err}")
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "host example: ${name} failed (${result}):\n${out}${err}")
  endif()
  set(step_output "${out}" PARENT_SCOPE)
endfunction()

set(prefix "${LEXORO_WORK_DIR}/prefix")
set(build "${LEXORO_WORK_DIR}/build")
file(REMOVE_RECURSE "${LEXORO_WORK_DIR}")
file(MAKE_DIRECTORY "${LEXORO_WORK_DIR}")

step(install ${CMAKE_COMMAND} --install "${LEXORO_BUILD_DIR}" --prefix "${prefix}")

set(configure ${CMAKE_COMMAND} -S "${LEXORO_SOURCE_DIR}/examples/host" -B "${build}" -G "${LEXORO_GENERATOR}"
    "-DCMAKE_PREFIX_PATH=${prefix}")
if(LEXORO_BUILD_TYPE)
  list(APPEND configure "-DCMAKE_BUILD_TYPE=${LEXORO_BUILD_TYPE}")
endif()
if(LEXORO_TOOLCHAIN)
  list(APPEND configure "-DCMAKE_TOOLCHAIN_FILE=${LEXORO_TOOLCHAIN}")
elseif(LEXORO_CXX_COMPILER)
  list(APPEND configure "-DCMAKE_CXX_COMPILER=${LEXORO_CXX_COMPILER}")
endif()
if(extra_flags)
  string(REPLACE ";" " " flags "${extra_flags}")
  list(APPEND configure "-DCMAKE_CXX_FLAGS=${flags}" "-DCMAKE_EXE_LINKER_FLAGS=${flags}")
endif()
step(configure ${configure})
step(build ${CMAKE_COMMAND} --build "${build}")

set(dictionary "${LEXORO_WORK_DIR}/words.oxm")
step(compile-dict ${run} "${prefix}/bin/lexoro${exe}" compile-dict
     -o "${LEXORO_HOST_ROOT}${dictionary}" "${LEXORO_HOST_ROOT}${LEXORO_SOURCE_DIR}/examples/host/words.txt")
step(run ${run} "${build}/host${exe}" "${LEXORO_HOST_ROOT}${dictionary}")
string(REPLACE "\r" "" answer "${step_output}")
if(NOT answer STREQUAL "3 misspelled words\n")
  message(FATAL_ERROR "host example: expected \"3 misspelled words\", got:\n${answer}")
endif()
message(STATUS "host example: ${answer}")
