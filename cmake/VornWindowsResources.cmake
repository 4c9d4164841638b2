# The Windows program's resources, compiled by the MinGW resource compiler (windres): the
# game's icon and its version information.
#   vorn_windows_resources(<out-var>)  sets <out-var> to the .rc file to add to the program
function(vorn_windows_resources out)
    set(VORN_ICON_FILE ${PROJECT_SOURCE_DIR}/packaging/icons/vorngame.ico)
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/vorngame.rc)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/vorngame.rc.in ${rc} @ONLY)
    # windres does not report the icon as an input; a new icon must still rebuild the program.
    set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${VORN_ICON_FILE})
    set(${out} ${rc} PARENT_SCOPE)
endfunction()
