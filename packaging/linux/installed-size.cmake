# Run by cpack after it has made the Debian package. CPack counts each staged folder's size on
# disk into Installed-Size (4 KiB a folder on ext4, next to nothing on tmpfs), so the same commit
# built in /tmp and in a home folder gave two packages. The field is counted again as Debian's
# own tools count it (each file's size in KiB, rounded up; one KiB for each folder and link), and
# dpkg-deb packs the package again: it orders its members by name and, with SOURCE_DATE_EPOCH
# set (cpack-config.cmake sets it), stamps them all with that time.
foreach(vorn_deb IN LISTS CPACK_PACKAGE_FILES)
    if(NOT vorn_deb MATCHES "\\.deb$")
        continue()
    endif()
    set(vorn_root "${CPACK_TOPLEVEL_DIRECTORY}/installed-size")
    file(REMOVE_RECURSE "${vorn_root}")
    execute_process(COMMAND dpkg-deb -R "${vorn_deb}" "${vorn_root}" RESULT_VARIABLE vorn_failed)
    if(vorn_failed)
        message(FATAL_ERROR "dpkg-deb could not unpack ${vorn_deb}")
    endif()
    file(GLOB_RECURSE vorn_paths LIST_DIRECTORIES true RELATIVE "${vorn_root}" "${vorn_root}/*")
    set(vorn_kib 0)
    foreach(vorn_path IN LISTS vorn_paths)
        if(vorn_path MATCHES "^DEBIAN(/|$)")
            continue()
        elseif(IS_SYMLINK "${vorn_root}/${vorn_path}" OR IS_DIRECTORY "${vorn_root}/${vorn_path}")
            math(EXPR vorn_kib "${vorn_kib} + 1")
        else()
            file(SIZE "${vorn_root}/${vorn_path}" vorn_bytes)
            math(EXPR vorn_kib "${vorn_kib} + (${vorn_bytes} + 1023) / 1024")
        endif()
    endforeach()
    file(READ "${vorn_root}/DEBIAN/control" vorn_control)
    string(REGEX REPLACE "Installed-Size: [0-9]+" "Installed-Size: ${vorn_kib}" vorn_control
           "${vorn_control}")
    file(WRITE "${vorn_root}/DEBIAN/control" "${vorn_control}")
    file(REMOVE "${vorn_deb}")
    execute_process(COMMAND dpkg-deb --root-owner-group -b "${vorn_root}" "${vorn_deb}"
                    OUTPUT_QUIET RESULT_VARIABLE vorn_failed)
    if(vorn_failed)
        message(FATAL_ERROR "dpkg-deb could not pack ${vorn_deb} again")
    endif()
    file(REMOVE_RECURSE "${vorn_root}")
endforeach()
