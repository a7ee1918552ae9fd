# Starts the program on the offscreen platform in an application folder of its own, waits until
# its first start has copied the prefix into that folder, and checks that it is still running
# then (no abort at start-up) before it is ended.
file(REMOVE_RECURSE "${HOME_DIR}")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen VORLINE_HOME=${HOME_DIR}
          ${CMAKE_CURRENT_LIST_DIR}/StartAndWait.sh ${HOME_DIR}/includes/prefix.vrl "" ${PROGRAM}
  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "a first start of the program failed: ${err}")
endif()
