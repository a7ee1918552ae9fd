# Installs the build into a fresh DESTDIR under a prefix of its own and checks that every file is
# where the desktop looks for it; then runs the installed copy, away from its prefix, and checks
# that a first start copies the installed prefix.vrl (marked, so the source tree's copy cannot
# stand in for it).
set(prefix /opt/vorline-elsewhere)
set(root "${STAGE}${prefix}")
file(REMOVE_RECURSE "${STAGE}")
execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${STAGE} ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
foreach(path
    bin/vorline
    share/vorline/prefix.vrl
    share/vorline/err.bmp
    share/applications/vorline.desktop
    share/mime/packages/vorline.xml
    share/icons/hicolor/scalable/apps/vorline.svg)
  if(NOT EXISTS "${root}/${path}")
    message(FATAL_ERROR "missing after install: ${path}")
  endif()
endforeach()
file(READ "${root}/share/applications/vorline.desktop" entry)
if(NOT entry MATCHES "Exec=vorline %F" OR NOT entry MATCHES "MimeType=application/x-vorline-pad;")
  message(FATAL_ERROR "the desktop entry does not open pad files")
endif()
file(READ "${root}/share/mime/packages/vorline.xml" mime)
if(NOT mime MATCHES "<glob pattern=\"\\*\\.vrl\"/>")
  message(FATAL_ERROR "the MIME type does not claim *.vrl")
endif()

file(APPEND "${root}/share/vorline/prefix.vrl" "// installed copy\n")
set(home "${STAGE}/home")
# Waits until the first start has copied the installed prefix.vrl (the marked one) and checks
# that the program is still running then.
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env --unset=VORLINE_RESOURCES_DIR QT_QPA_PLATFORM=offscreen VORLINE_HOME=${home}
          ${CMAKE_CURRENT_LIST_DIR}/StartAndWait.sh ${home}/includes/prefix.vrl
          ${root}/share/vorline/prefix.vrl ${root}/bin/vorline
  RESULT_VARIABLE result ERROR_VARIABLE err)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the installed program did not copy its own prefix.vrl and keep running: ${err}")
endif()
