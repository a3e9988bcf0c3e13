# Runs make_demo into a scratch folder and compares every save it writes with
# the committed one of the same name in the examples folder, and the other
# way round: the demo saves are a pure function of make_demo's code and seed.
# cmake -DMAKE_DEMO=... -DCOMMITTED=<examples folder> -DSCRATCH=<folder> -P CheckDemo.cmake
file(REMOVE_RECURSE ${SCRATCH})
execute_process(COMMAND ${MAKE_DEMO} ${SCRATCH} RESULT_VARIABLE written OUTPUT_QUIET)
if(NOT written EQUAL 0)
  message(FATAL_ERROR "make_demo failed (${written})")
endif()
file(GLOB written_saves RELATIVE ${SCRATCH} ${SCRATCH}/*.CivWarlordsSave)
file(GLOB committed_saves RELATIVE ${COMMITTED} ${COMMITTED}/*.CivWarlordsSave)
list(SORT written_saves)
list(SORT committed_saves)
if(NOT written_saves STREQUAL committed_saves)
  message(FATAL_ERROR "make_demo writes ${written_saves}, but ${COMMITTED} holds ${committed_saves}: run `make demo` "
                      "and commit the saves")
endif()
foreach(save IN LISTS written_saves)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${SCRATCH}/${save} ${COMMITTED}/${save}
                  RESULT_VARIABLE differs)
  if(NOT differs EQUAL 0)
    message(FATAL_ERROR "make_demo no longer writes ${COMMITTED}/${save}: run `make demo` and commit the saves "
                        "(and `make golden`, `make screenshots` for what shows them)")
  endif()
endforeach()
file(REMOVE_RECURSE ${SCRATCH})
