# The Windows packages: a zip and an installer, both holding one folder with vorngame.exe and its
# twelve image files side by side, so the program finds them when started from that folder (a
# double click, and the installer's Start-menu shortcut, do exactly that), with README.txt and
# LICENSE.txt beside them.
set(vorn_windows ${CMAKE_CURRENT_SOURCE_DIR}/windows)
set(vorn_windows_staged ${CMAKE_CURRENT_BINARY_DIR}/windows)

# Windows line ends, for Notepad and every other Windows reader.
configure_file(${vorn_windows}/README.txt.in ${vorn_windows_staged}/README.txt @ONLY
               NEWLINE_STYLE CRLF)
configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${vorn_windows_staged}/LICENSE.txt @ONLY
               NEWLINE_STYLE CRLF)

install(TARGETS vorngame RUNTIME DESTINATION .)
install(FILES ${vorn_images} ${vorn_windows_staged}/README.txt ${vorn_windows_staged}/LICENSE.txt
        DESTINATION .)

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_FILE_NAME vorngame-${PROJECT_VERSION}-windows-x86_64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)

# The installer (makensis, from Debian's nsis), written from windows/NSIS.template.in.
set(CPACK_MODULE_PATH ${vorn_windows})
set(CPACK_PACKAGE_INSTALL_DIRECTORY VornGame)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY VornGame)
set(CPACK_NSIS_PACKAGE_NAME VornGame)
set(CPACK_NSIS_DISPLAY_NAME VornGame)
set(CPACK_NSIS_UNINSTALL_NAME Uninstall)
set(CPACK_NSIS_MUI_ICON ${CMAKE_CURRENT_SOURCE_DIR}/icons/vorngame.ico)
set(CPACK_NSIS_MUI_UNIICON ${CMAKE_CURRENT_SOURCE_DIR}/icons/vorngame.ico)
set(CPACK_RESOURCE_FILE_LICENSE ${vorn_windows_staged}/LICENSE.txt)
set(CPACK_VORN_COPYRIGHT "${VORN_COPYRIGHT}")
