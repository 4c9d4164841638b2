# Read by cpack once for each kind of package, before it builds that package.

# Packages made from the same commit are the same to the byte: every time stamp in them is the
# commit's time (normalise-staging.cmake sets them).
include("${CPACK_VORN_SOURCE_DIR}/cmake/VornSourceDateEpoch.cmake")
vorn_source_date_epoch(vorn_epoch "${CPACK_VORN_SOURCE_DIR}" "${CPACK_VORN_GIT}")
set(ENV{SOURCE_DATE_EPOCH} "${vorn_epoch}")

# The installer has a name of its own, and lists its files itself; the zip is written again in
# a fixed order.
if(CPACK_GENERATOR STREQUAL "NSIS")
    set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_NAME}-${CPACK_PACKAGE_VERSION}-setup")
    # The installer's folder is chosen by the player; it has no top folder of its own.
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
    list(APPEND CPACK_PRE_BUILD_SCRIPTS
         "${CPACK_VORN_SOURCE_DIR}/packaging/windows/nsis-file-list.cmake")
elseif(CPACK_GENERATOR STREQUAL "DEB")
    set(CPACK_POST_BUILD_SCRIPTS "${CPACK_VORN_SOURCE_DIR}/packaging/linux/installed-size.cmake")
elseif(CPACK_GENERATOR STREQUAL "ZIP")
    set(CPACK_POST_BUILD_SCRIPTS "${CPACK_VORN_SOURCE_DIR}/packaging/windows/rezip.cmake")
endif()
