# Starts the program on the offscreen platform in an application folder of its own and checks
# that it is still running after two seconds (no abort at start-up), then ends it.
file(REMOVE_RECURSE "${HOME_DIR}")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen VORLINE_HOME=${HOME_DIR} timeout --preserve-status -s TERM 2 ${PROGRAM}
  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
# timeout ends a program that is still running with SIGTERM (143); any other code is a failure.
if(NOT result EQUAL 143)
  message(FATAL_ERROR "the program did not keep running (exit ${result}): ${err}")
endif()
if(NOT EXISTS "${HOME_DIR}/includes/prefix.vrl")
  message(FATAL_ERROR "a first start did not copy the prefix into the application folder")
endif()
