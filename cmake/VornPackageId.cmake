# cmake -DLOADER=<file> -DDATA=<file> -P VornPackageId.cmake: Emscripten's file packager gives
# every package a random id (a browser's cache of preloaded files keys on it), so no two builds
# of the same images would be the same. The id is made from the data instead: it still changes
# whenever the images do.
file(SHA256 "${DATA}" digest)
string(UUID id NAMESPACE 6f1d3a52-55c4-4b8e-9a0e-2d7c9e1b4a10 NAME "${digest}" TYPE SHA1)
file(READ "${LOADER}" loader)
string(REGEX REPLACE "\"package_uuid\": \"[0-9a-f-]+\"" "\"package_uuid\": \"${id}\"" fixed
       "${loader}")
if(fixed STREQUAL loader)
    message(FATAL_ERROR "no package id found in ${LOADER}: has the file packager changed?")
endif()
file(WRITE "${LOADER}" "${fixed}")
