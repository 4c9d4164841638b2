# The package test's setup: a fresh Debian package in OUT, made by cpack from a build tree.
#   cmake -DCPACK=<cpack> -DCONFIG=<tree>/CPackConfig.cmake -DOUT=<folder> -P build_deb.cmake
# With -DSOURCE=<source> -DTREE=<folder> (and no CONFIG), the tree is first configured and built
# in TREE as scripts/package builds the package that ships: Release, without the tests.
function(run what)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE failed OUTPUT_VARIABLE output
                    ERROR_VARIABLE output)
    if(failed)
        message(FATAL_ERROR "${what} failed:\n${output}")
    endif()
endfunction()

if(DEFINED TREE)
    run("configuring ${TREE}" "${CMAKE_COMMAND}" -S "${SOURCE}" -B "${TREE}"
        -DCMAKE_BUILD_TYPE=Release -DVORN_BUILD_TESTS=OFF)
    run("building ${TREE}" "${CMAKE_COMMAND}" --build "${TREE}" --parallel 2)
    set(CONFIG "${TREE}/CPackConfig.cmake")
endif()

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
