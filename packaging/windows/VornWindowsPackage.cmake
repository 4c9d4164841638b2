# The Windows archive: one folder holding vorngame.exe and its twelve image files side by side,
# so the program finds them when started from that folder (a double click does exactly that).
install(TARGETS vorngame RUNTIME DESTINATION .)
install(FILES ${vorn_images} DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME vorngame-${PROJECT_VERSION}-windows-x86_64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
