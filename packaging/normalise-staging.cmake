# Run by cpack on the installed files before it packs them. Whatever the packages record of a
# file but its content is made the same on every machine: each time stamp becomes the commit's
# (SOURCE_DATE_EPOCH, set in cpack-config.cmake), and folders get the same mode whatever the
# umask of the build.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    message(FATAL_ERROR "normalise-staging.cmake: SOURCE_DATE_EPOCH is not set")
endif()
file(GLOB_RECURSE vorn_staged LIST_DIRECTORIES true "${CPACK_TEMPORARY_DIRECTORY}/*")
foreach(path IN LISTS vorn_staged)
    if(IS_DIRECTORY "${path}" AND NOT IS_SYMLINK "${path}")
        file(CHMOD "${path}" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
             GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    endif()
endforeach()
if(vorn_staged)
    execute_process(COMMAND touch -h -d "@$ENV{SOURCE_DATE_EPOCH}" ${vorn_staged}
                    RESULT_VARIABLE vorn_failed)
    if(vorn_failed)
        message(FATAL_ERROR "touch could not set the time stamps of the staged files")
    endif()
endif()
