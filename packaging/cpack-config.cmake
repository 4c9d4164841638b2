# Read by cpack once for each kind of package, before it builds that package.

# The installer has a name of its own.
if(CPACK_GENERATOR STREQUAL "NSIS")
    set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_NAME}-${CPACK_PACKAGE_VERSION}-setup")
    # The installer's folder is chosen by the player; it has no top folder of its own.
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
endif()
