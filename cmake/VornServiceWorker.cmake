# cmake -DTEMPLATE=<service-worker.js.in> -DOUT=<service-worker.js> -DFOLDER=<page folder>
#       -DVERSION=<project version> "-DFILES=<name;name...>" -P VornServiceWorker.cmake
# The page's service worker, naming the files it keeps with the first 16 hex digits of the
# SHA-256 of each, which its install checks what the server answers against (64 bits tell one
# file from another, in fewer bytes to download), and the release they belong to: the project's
# version and a hash of those files, so that any change to any of them is a new release that
# replaces the copy a browser holds, and the same files always give the same worker.
set(joined "")
set(entries "")
foreach(name IN LISTS FILES)
    if(NOT EXISTS "${FOLDER}/${name}")
        message(FATAL_ERROR "the page's file ${FOLDER}/${name} is missing")
    endif()
    file(SHA256 "${FOLDER}/${name}" hash)
    string(APPEND joined "${name} ${hash}\n")
    string(SUBSTRING "${hash}" 0 16 short_hash)
    list(APPEND entries "\"${name}\": \"${short_hash}\"")
endforeach()
string(SHA256 release_hash "${joined}")
string(SUBSTRING "${release_hash}" 0 16 release_hash)
set(RELEASE "${VERSION}-${release_hash}")
list(JOIN entries ", " FILES)
configure_file("${TEMPLATE}" "${OUT}" @ONLY)
