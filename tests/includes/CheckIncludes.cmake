# Checks that the folders of the source tree include only downward:
#   save      only save/ headers
#   rules     only rules/ headers
#   analysis  only save/, rules/ and analysis/ headers
#   ui        nothing from app/ or cli/, and no Qt header
#   cli       nothing from app/, and no Qt header
# System and third-party headers (#include <...> naming no folder of ours)
# are free; a quoted include must name one of the folders its file may use.
# A Qt header is any whose name starts with Q (<QString>, <QtCore/...>).
#
#   cmake -DSOURCE_DIR=<the src folder> -P CheckIncludes.cmake
#
# Prints every offending include as file:line and fails when there is one.
cmake_minimum_required(VERSION 3.25)

if(NOT IS_DIRECTORY "${SOURCE_DIR}")
  message(FATAL_ERROR "SOURCE_DIR (\"${SOURCE_DIR}\") is not a folder.")
endif()

set(our_folders save rules analysis ui app cli)
set(may_use_save save)
set(may_use_rules rules)
set(may_use_analysis save rules analysis)
set(may_use_ui save rules analysis ui)
set(may_use_cli save rules analysis ui cli)
set(without_qt save rules analysis ui cli)
foreach(folder IN ITEMS save rules analysis ui cli)
  list(TRANSFORM may_use_${folder} APPEND "/" OUTPUT_VARIABLE allowed)
  list(JOIN allowed ", " allowed_${folder})
endforeach()

set(offences 0)

# Checks one file of `folder`; reports through the parent's `offences`.
function(check_file file folder)
  file(READ "${file}" text)
  # One list entry per line: the characters CMake lists treat specially are
  # masked first, so that each line keeps its number.
  string(REPLACE ";" "<semicolon>" text "${text}")
  string(REPLACE "[" "<open>" text "${text}")
  string(REPLACE "]" "<close>" text "${text}")
  string(REPLACE "\\" "<backslash>" text "${text}")
  string(REPLACE "\n" ";" lines "${text}")
  set(number 0)
  set(found ${offences})
  foreach(line IN LISTS lines)
    math(EXPR number "${number} + 1")
    if(NOT line MATCHES "^[ \t]*#[ \t]*include[ \t]*([<\"])([^>\"]*)[>\"]")
      continue()
    endif()
    set(quoted "${CMAKE_MATCH_1}")
    set(header "${CMAKE_MATCH_2}")
    string(REGEX MATCH "^[^/]*" first "${header}")
    set(why "")
    if(folder IN_LIST without_qt AND header MATCHES "^Q")
      set(why "no Qt header in ${folder}/")
    elseif(quoted STREQUAL "\"" AND NOT header MATCHES "/")
      set(why "a quoted include names its folder")
    elseif((quoted STREQUAL "\"" OR first IN_LIST our_folders) AND NOT first IN_LIST may_use_${folder})
      set(why "${folder}/ includes only the headers of ${allowed_${folder}}")
    endif()
    if(why)
      set(shown "${line}")
      string(REPLACE "<semicolon>" ";" shown "${shown}")
      string(REPLACE "<open>" "[" shown "${shown}")
      string(REPLACE "<close>" "]" shown "${shown}")
      string(REPLACE "<backslash>" "\\" shown "${shown}")
      string(STRIP "${shown}" shown)
      message("${file}:${number}: ${shown}: ${why}")
      math(EXPR found "${found} + 1")
    endif()
  endforeach()
  set(offences ${found} PARENT_SCOPE)
endfunction()

foreach(folder IN ITEMS save rules analysis ui cli)
  file(GLOB_RECURSE files LIST_DIRECTORIES false "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
  list(SORT files)
  foreach(file IN LISTS files)
    check_file("${file}" ${folder})
  endforeach()
endforeach()

if(offences GREATER 0)
  message(FATAL_ERROR "${offences} include(s) against the direction of the source folders.")
endif()
