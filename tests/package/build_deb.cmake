# The package test's setup: a fresh Debian package of this build tree in OUT.
#   cmake -DCPACK=<cpack> -DCONFIG=<tree>/CPackConfig.cmake -DOUT=<folder> -P build_deb.cmake
file(REMOVE_RECURSE "${OUT}")
execute_process(
    COMMAND "${CPACK}" -G DEB --config "${CONFIG}" -B "${OUT}"
    RESULT_VARIABLE failed
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output)
if(failed)
    message(FATAL_ERROR "cpack could not build the Debian package:\n${output}")
endif()
file(GLOB packages "${OUT}/vorngame_*.deb")
list(LENGTH packages count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "cpack made ${count} packages vorngame_*.deb in ${OUT}:\n${output}")
endif()
message(STATUS "Built ${packages}")
