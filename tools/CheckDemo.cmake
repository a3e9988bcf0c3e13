# Runs make_demo into a scratch file and compares it with the committed demo
# save: the demo is a pure function of make_demo's code and seed.
# cmake -DMAKE_DEMO=... -DCOMMITTED=... -DSCRATCH=... -P CheckDemo.cmake
execute_process(COMMAND ${MAKE_DEMO} ${SCRATCH} RESULT_VARIABLE written)
if(NOT written EQUAL 0)
  message(FATAL_ERROR "make_demo failed (${written})")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${SCRATCH} ${COMMITTED} RESULT_VARIABLE differs)
file(REMOVE ${SCRATCH})
if(NOT differs EQUAL 0)
  message(FATAL_ERROR "make_demo no longer writes ${COMMITTED}: run `make demo` and commit the new save "
                      "(and `make golden`, `make screenshots` for what shows it)")
endif()
