# Run by cpack on the staged files before it writes the installer: the installer's File lines and
# the uninstaller's Delete lines, one for each staged file, in name order. makensis's own
# `File /r` would take the files in whatever order the file system lists them, which differs
# between machines, and the installer's bytes with it.
file(GLOB_RECURSE vorn_files RELATIVE "${CPACK_TEMPORARY_DIRECTORY}"
     "${CPACK_TEMPORARY_DIRECTORY}/*")
list(SORT vorn_files)

set(CPACK_VORN_NSIS_INSTALL_FILES "")
set(CPACK_VORN_NSIS_DELETE_FILES "")
set(vorn_folders "")
set(vorn_current_folder "-")
foreach(vorn_file IN LISTS vorn_files)
    string(REPLACE "/" "\\" vorn_windows_path "${vorn_file}")
    get_filename_component(vorn_folder "${vorn_windows_path}" DIRECTORY)
    if(NOT vorn_folder STREQUAL vorn_current_folder)
        set(vorn_current_folder "${vorn_folder}")
        if(vorn_folder STREQUAL "")
            string(APPEND CPACK_VORN_NSIS_INSTALL_FILES "    SetOutPath \"$INSTDIR\"\n")
        else()
            string(APPEND CPACK_VORN_NSIS_INSTALL_FILES
                   "    SetOutPath \"$INSTDIR\\${vorn_folder}\"\n")
            list(APPEND vorn_folders "${vorn_folder}")
        endif()
    endif()
    string(APPEND CPACK_VORN_NSIS_INSTALL_FILES "    File \"\${INST_DIR}/${vorn_file}\"\n")
    string(APPEND CPACK_VORN_NSIS_DELETE_FILES "    Delete \"$INSTDIR\\${vorn_windows_path}\"\n")
endforeach()

# Folders after their contents, the deepest first; each goes only when it is empty.
list(REMOVE_DUPLICATES vorn_folders)
list(SORT vorn_folders ORDER DESCENDING)
foreach(vorn_folder IN LISTS vorn_folders)
    string(APPEND CPACK_VORN_NSIS_DELETE_FILES "    RMDir \"$INSTDIR\\${vorn_folder}\"\n")
endforeach()
