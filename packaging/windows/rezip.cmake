# Run by cpack after it has made the zip. CPack's zip holds the files in whatever order the file
# system lists them and records the builder's user and group numbers, so two machines would
# make two different zips. zip(1) writes it again: the files in name order, no owner, no extra
# time fields, every time stamp the commit's (the staged files carry it already), in UTC.
foreach(vorn_package IN LISTS CPACK_PACKAGE_FILES)
    if(NOT vorn_package MATCHES "\\.zip$")
        continue()
    endif()
    # The archive's top folder is the staging folder itself.
    get_filename_component(vorn_top "${CPACK_TEMPORARY_DIRECTORY}" DIRECTORY)
    file(GLOB_RECURSE vorn_files RELATIVE "${vorn_top}" "${CPACK_TEMPORARY_DIRECTORY}/*")
    list(SORT vorn_files)
    list(JOIN vorn_files "\n" vorn_listing)
    set(vorn_listing_file "${CPACK_TOPLEVEL_DIRECTORY}/zip-files.txt")
    file(WRITE "${vorn_listing_file}" "${vorn_listing}\n")
    file(REMOVE "${vorn_package}")
    execute_process(COMMAND env TZ=UTC zip -q -9 -X -D "${vorn_package}" -@
                    WORKING_DIRECTORY "${vorn_top}"
                    INPUT_FILE "${vorn_listing_file}"
                    RESULT_VARIABLE vorn_failed)
    if(vorn_failed)
        message(FATAL_ERROR "zip could not write ${vorn_package} (is Debian's zip installed?)")
    endif()
endforeach()
