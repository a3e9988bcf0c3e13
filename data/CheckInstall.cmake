# Installs the build into a scratch prefix and checks the tree: both programs
# (the report runs from there), the launcher and the MIME type valid and
# agreeing, the type known to the MIME database, the icon and the README.
# cmake -DBUILD_DIR=... -DPREFIX=... -DGUI=ON|OFF -DDESKTOP_FILE_VALIDATE=... -DXMLLINT=... -DVERSION=...
#       -P CheckInstall.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX} RESULT_VARIABLE failed
                OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(failed)
  message(FATAL_ERROR "cmake --install failed:\n${output}")
endif()

set(desktop ${PREFIX}/share/applications/tolvane.desktop)
set(mime ${PREFIX}/share/mime/packages/tolvane.xml)
set(expected bin/tolvane-report share/applications/tolvane.desktop share/mime/packages/tolvane.xml
             share/icons/hicolor/scalable/apps/tolvane.svg share/doc/tolvane/README.md
             share/doc/tolvane/docs/report-contract.md)
if(GUI)
  list(APPEND expected bin/tolvane)
endif()
foreach(file ${expected})
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "${file} is not installed")
  endif()
endforeach()

execute_process(COMMAND ${PREFIX}/bin/tolvane-report --version OUTPUT_VARIABLE version RESULT_VARIABLE failed)
if(failed OR NOT version STREQUAL "tolvane-report ${VERSION}\n")
  message(FATAL_ERROR "the installed tolvane-report does not run: '${version}'")
endif()

execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${desktop} RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "desktop-file-validate finds fault with ${desktop}")
endif()
execute_process(COMMAND ${XMLLINT} --noout ${mime} RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${mime} is not well-formed XML")
endif()

# The launcher opens the type the MIME entry defines, and the MIME database
# (refreshed by the install) maps the saves' names to it.
file(READ ${desktop} launcher)
file(READ ${mime} mimeXml)
string(REGEX MATCH "type=\"([^\"]+)\"" ignored "${mimeXml}")
set(type ${CMAKE_MATCH_1})
foreach(line "MimeType=${type};" "Exec=tolvane %f" "Icon=tolvane")
  string(FIND "${launcher}" "\n${line}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the launcher has no line '${line}'")
  endif()
endforeach()
if(NOT EXISTS ${PREFIX}/share/mime/globs2)
  message(FATAL_ERROR "the install did not refresh the MIME database in ${PREFIX}/share/mime")
endif()
file(STRINGS ${PREFIX}/share/mime/globs2 globs REGEX "${type}")
string(TOLOWER "${globs}" globs)
if(NOT globs MATCHES "\\*\\.civwarlordssave")
  message(FATAL_ERROR "the MIME database does not map *.CivWarlordsSave to ${type}: '${globs}'")
endif()
file(REMOVE_RECURSE ${PREFIX})
