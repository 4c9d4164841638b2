# cmake -DSOURCE=<source dir> -DGIT=<git or empty> -DOUT=<zip> -DNAME=<top folder>
#       -DFILES=<file;file...> -P VornWebZip.cmake: the web page's zip, one folder NAME holding
# FILES, the same to the byte for the same commit wherever and whenever it is built: fixed
# permissions, every time stamp the commit's, the files in name order.
include("${CMAKE_CURRENT_LIST_DIR}/VornSourceDateEpoch.cmake")
vorn_source_date_epoch(epoch "${SOURCE}" "${GIT}")
get_filename_component(out_dir "${OUT}" DIRECTORY)
set(staging "${out_dir}/web-zip")
file(REMOVE_RECURSE "${staging}")
file(MAKE_DIRECTORY "${staging}/${NAME}")
file(COPY ${FILES} DESTINATION "${staging}/${NAME}"
     FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
     DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                           WORLD_READ WORLD_EXECUTE)
file(CHMOD "${staging}/${NAME}" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
     GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
file(GLOB staged "${staging}/${NAME}/*")
execute_process(COMMAND touch -h -d "@${epoch}" "${staging}/${NAME}" ${staged}
                RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "touch could not set the time stamps of ${staging}/${NAME}")
endif()
vorn_zip_sorted("${OUT}" "${staging}" "${NAME}")
