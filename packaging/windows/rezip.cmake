# Run by cpack after it has made the zip. CPack's zip holds the files in whatever order the file
# system lists them and records the builder's user and group numbers, so two machines would
# make two different zips: it is written again (every time stamp is the commit's already, the
# staged files carry it).
include("${CPACK_VORN_SOURCE_DIR}/cmake/VornSourceDateEpoch.cmake")
foreach(vorn_package IN LISTS CPACK_PACKAGE_FILES)
    if(NOT vorn_package MATCHES "\\.zip$")
        continue()
    endif()
    # The archive's top folder is the staging folder itself.
    get_filename_component(vorn_top "${CPACK_TEMPORARY_DIRECTORY}" DIRECTORY)
    get_filename_component(vorn_name "${CPACK_TEMPORARY_DIRECTORY}" NAME)
    vorn_zip_sorted("${vorn_package}" "${vorn_top}" "${vorn_name}")
endforeach()
