# Read by cpack once for each kind of package, before it builds that package.

# Packages made from the same commit are the same to the byte: every time stamp in them is the
# commit's time. A SOURCE_DATE_EPOCH already set (as a distribution's build sets it) wins; a
# tree without git takes the date of the newest changelog entry.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    set(vorn_epoch "")
    if(CPACK_VORN_GIT)
        execute_process(COMMAND "${CPACK_VORN_GIT}" -C "${CPACK_VORN_SOURCE_DIR}" log -1
                                --format=%ct
                        OUTPUT_VARIABLE vorn_epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    endif()
    if(NOT vorn_epoch MATCHES "^[0-9]+$")
        file(STRINGS "${CPACK_VORN_SOURCE_DIR}/packaging/linux/changelog" vorn_signature
             REGEX "^ -- .*>  " LIMIT_COUNT 1)
        string(REGEX REPLACE "^ -- .*>  " "" vorn_date "${vorn_signature}")
        execute_process(COMMAND date -d "${vorn_date}" +%s OUTPUT_VARIABLE vorn_epoch
                        OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
        message(STATUS "vorngame: no git history here; package time stamps are those of the "
                       "newest changelog entry (${vorn_date})")
    endif()
    if(NOT vorn_epoch MATCHES "^[0-9]+$")
        message(FATAL_ERROR "vorngame: no time for the package's time stamps: neither git nor "
                            "packaging/linux/changelog gives one; set SOURCE_DATE_EPOCH")
    endif()
    set(ENV{SOURCE_DATE_EPOCH} "${vorn_epoch}")
endif()

# The installer has a name of its own, and lists its files itself; the zip is written again in
# a fixed order.
if(CPACK_GENERATOR STREQUAL "NSIS")
    set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_NAME}-${CPACK_PACKAGE_VERSION}-setup")
    # The installer's folder is chosen by the player; it has no top folder of its own.
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
    list(APPEND CPACK_PRE_BUILD_SCRIPTS
         "${CPACK_VORN_SOURCE_DIR}/packaging/windows/nsis-file-list.cmake")
elseif(CPACK_GENERATOR STREQUAL "ZIP")
    set(CPACK_POST_BUILD_SCRIPTS "${CPACK_VORN_SOURCE_DIR}/packaging/windows/rezip.cmake")
endif()
