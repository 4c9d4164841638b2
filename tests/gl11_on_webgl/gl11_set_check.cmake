# The web build's GL header and the translation agree on the set: every call gl11.h declares is
# defined in gl11_on_webgl.cpp (or the first caller would fail to link, in the browser build
# only), and every entry point defined there is declared (or nothing could call it past the
# fence). Usage: cmake -DSOURCE=<source tree> -P gl11_set_check.cmake
function(gl_names file pattern out)
    file(STRINGS ${SOURCE}/gl11_on_webgl/${file} lines REGEX "${pattern}")
    set(names)
    foreach(line ${lines})
        string(REGEX MATCH "gl[A-Z][A-Za-z0-9]*\\(" name "${line}")
        string(REPLACE "(" "" name "${name}")
        list(APPEND names ${name})
    endforeach()
    list(SORT names)
    set(${out} ${names} PARENT_SCOPE)
endfunction()

# Declarations are indented by nothing and end the line; definitions open a body.
gl_names(gl11.h "^[A-Za-z]+ gl[A-Z][A-Za-z0-9]*\\(" declared)
gl_names(gl11_on_webgl.cpp "^[A-Za-z]+ gl[A-Z][A-Za-z0-9]*\\(" defined)
list(LENGTH declared count)
if(count LESS 20)
    message(FATAL_ERROR "gl11.h declares only ${count} GL calls: its layout has changed, and "
                        "this check no longer reads it")
endif()
set(undefined ${declared})
list(REMOVE_ITEM undefined ${defined})
set(undeclared ${defined})
list(REMOVE_ITEM undeclared ${declared})
if(undefined OR undeclared)
    message(FATAL_ERROR "gl11.h and gl11_on_webgl.cpp disagree on the set: declared but not "
                        "defined: [${undefined}]; defined but not declared: [${undeclared}]")
endif()
message(STATUS "the same ${count} GL calls declared and defined")
