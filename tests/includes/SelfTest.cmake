# Runs CheckIncludes.cmake on the small tree in upward/, which holds one
# include against the direction of each kind, and checks that it fails and
# names exactly those includes.
#
#   cmake -P SelfTest.cmake
cmake_minimum_required(VERSION 3.25)

set(here "${CMAKE_CURRENT_LIST_DIR}")
execute_process(COMMAND "${CMAKE_COMMAND}" "-DSOURCE_DIR=${here}/upward" -P "${here}/CheckIncludes.cmake"
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(result EQUAL 0)
  message(FATAL_ERROR "The check passed a tree with upward includes:\n${output}")
endif()

set(expected
    "save/Reader.cpp:4: #include \"analysis/Model.h\""
    "save/Reader.cpp:5: #include \"rules/Limits.h\""
    "rules/Table.h:6: #include \"save/SaveError.h\""
    "analysis/Walk.cpp:4: #include \"form/Form.h\""
    "analysis/Walk.cpp:5: #include \"Local.h\""
    "cli/Main.cpp:2: #include <QCoreApplication>"
    "cli/Main.cpp:4: #include \"gui/TForm1.h\""
    "form/Page.cpp:1: #include <QString>"
    "form/Page.cpp:2: #include <QtWidgets/QLabel>"
    "form/Page.cpp:6: #include \"gui/Binder.h\""
    "form/Page.cpp:7: #include \"cli/Report.h\""
    "form/exports/Map.cpp:1: #  include <gui/Pages.h>")
set(failures "")
foreach(line IN LISTS expected)
  string(FIND "${output}" "${here}/upward/${line}: " at)
  if(at EQUAL -1)
    string(APPEND failures "not named: ${line}\n")
  endif()
endforeach()
# Nothing else is named: one line per offence, plus the closing count.
string(REGEX MATCHALL "upward/[^\n]*:[0-9]+: " named "${output}")
list(LENGTH named count)
list(LENGTH expected wanted)
if(NOT count EQUAL wanted)
  string(APPEND failures "${count} offences named, ${wanted} expected\n")
endif()
if(failures)
  message(FATAL_ERROR "${failures}The check printed:\n${output}")
endif()
