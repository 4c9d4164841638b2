# vorn_source_date_epoch(<out> <source dir> <git or empty>): the time every time stamp of a
# package takes, so that packages made from the same commit are the same to the byte. A
# SOURCE_DATE_EPOCH already set (as a distribution's build sets it) wins; then the last commit's
# time; a tree without git takes the date of the newest changelog entry.
function(vorn_source_date_epoch out source_dir git)
    if(DEFINED ENV{SOURCE_DATE_EPOCH})
        set(${out} "$ENV{SOURCE_DATE_EPOCH}" PARENT_SCOPE)
        return()
    endif()
    set(epoch "")
    if(git)
        execute_process(COMMAND "${git}" -C "${source_dir}" log -1 --format=%ct
                        OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    endif()
    if(NOT epoch MATCHES "^[0-9]+$")
        file(STRINGS "${source_dir}/packaging/linux/changelog" signature
             REGEX "^ -- .*>  " LIMIT_COUNT 1)
        string(REGEX REPLACE "^ -- .*>  " "" date "${signature}")
        execute_process(COMMAND date -d "${date}" +%s OUTPUT_VARIABLE epoch
                        OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
        message(STATUS "vorngame: no git history here; package time stamps are those of the "
                       "newest changelog entry (${date})")
    endif()
    if(NOT epoch MATCHES "^[0-9]+$")
        message(FATAL_ERROR "vorngame: no time for the package's time stamps: neither git nor "
                            "packaging/linux/changelog gives one; set SOURCE_DATE_EPOCH")
    endif()
    set(${out} "${epoch}" PARENT_SCOPE)
endfunction()

# vorn_zip_sorted(<archive> <folder> <top>): writes <archive> from <folder>/<top> with zip(1):
# the files in name order, no owner, no extra time fields, in UTC. Tools that archive in the
# order the file system lists files, or record the builder's user, would make a different
# archive on every machine.
function(vorn_zip_sorted archive folder top)
    file(GLOB_RECURSE files RELATIVE "${folder}" "${folder}/${top}/*")
    list(SORT files)
    list(JOIN files "\n" listing)
    set(listing_file "${archive}.files")
    file(WRITE "${listing_file}" "${listing}\n")
    file(REMOVE "${archive}")
    execute_process(COMMAND env TZ=UTC zip -q -9 -X -D "${archive}" -@
                    WORKING_DIRECTORY "${folder}"
                    INPUT_FILE "${listing_file}"
                    RESULT_VARIABLE failed)
    file(REMOVE "${listing_file}")
    if(failed)
        message(FATAL_ERROR "zip could not write ${archive} (is Debian's zip installed?)")
    endif()
endfunction()
