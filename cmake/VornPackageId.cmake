# cmake -DLOADER=<file> -DDATA=<file> -P VornPackageId.cmake: Emscripten's file packager (3.1.6,
# Debian 12's) gives every package a random id (a browser's cache of preloaded files keys on it),
# so no two builds of the same images would be the same. The id is made from the data instead: it
# still changes whenever the images do. Later packagers (Debian 13's) make it from the data's
# SHA-256 themselves, and their loader is left as it is.
set(random_id "[0-9a-f]+-[0-9a-f]+-4[0-9a-f]+-[0-9a-f]+-[0-9a-f]+")
file(READ "${LOADER}" loader)
if(NOT loader MATCHES "\"package_uuid\": \"${random_id}\"")
    return()
endif()
file(SHA256 "${DATA}" digest)
string(UUID id NAMESPACE 6f1d3a52-55c4-4b8e-9a0e-2d7c9e1b4a10 NAME "${digest}" TYPE SHA1)
string(REGEX REPLACE "\"package_uuid\": \"${random_id}\"" "\"package_uuid\": \"${id}\""
       fixed "${loader}")
file(WRITE "${LOADER}" "${fixed}")
