# cmake -DTEMPLATE=<service-worker.js.in> -DOUT=<service-worker.js> -DFOLDER=<page folder>
#       -DVERSION=<project version> "-DFILES=<name;name...>" -P VornServiceWorker.cmake
# The page's service worker, naming the files it keeps and the release they belong to: the
# project's version and a hash of those files, so that any change to any of them is a new release
# that replaces the copy a browser holds, and the same files always give the same worker.
set(joined "")
set(quoted "")
foreach(name IN LISTS FILES)
    if(NOT EXISTS "${FOLDER}/${name}")
        message(FATAL_ERROR "the page's file ${FOLDER}/${name} is missing")
    endif()
    file(SHA256 "${FOLDER}/${name}" hash)
    string(APPEND joined "${name} ${hash}\n")
    list(APPEND quoted "\"${name}\"")
endforeach()
string(SHA256 release_hash "${joined}")
string(SUBSTRING "${release_hash}" 0 16 release_hash)
set(RELEASE "${VERSION}-${release_hash}")
list(JOIN quoted ", " FILES)
configure_file("${TEMPLATE}" "${OUT}" @ONLY)
