# Installs the build into a fresh DESTDIR under the prefix /usr and checks that every file is
# where the desktop looks for it.
file(REMOVE_RECURSE "${STAGE}")
execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${STAGE} ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
foreach(path
    usr/bin/vorline
    usr/share/vorline/prefix.vrl
    usr/share/vorline/err.bmp
    usr/share/applications/vorline.desktop
    usr/share/mime/packages/vorline.xml
    usr/share/icons/hicolor/scalable/apps/vorline.svg)
  if(NOT EXISTS "${STAGE}/${path}")
    message(FATAL_ERROR "missing after install: ${path}")
  endif()
endforeach()
file(READ "${STAGE}/usr/share/applications/vorline.desktop" entry)
if(NOT entry MATCHES "Exec=vorline %F" OR NOT entry MATCHES "MimeType=application/x-vorline-pad;")
  message(FATAL_ERROR "the desktop entry does not open pad files")
endif()
file(READ "${STAGE}/usr/share/mime/packages/vorline.xml" mime)
if(NOT mime MATCHES "<glob pattern=\"\\*\\.vrl\"/>")
  message(FATAL_ERROR "the MIME type does not claim *.vrl")
endif()
