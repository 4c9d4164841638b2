# Run by `cmake --install` (and by CPack): installs the menu entry and the manual page, which name
# the absolute paths of this installation. Each installation writes them in its own staging
# folder, so two installs from one build tree at the same time cannot mix their paths.

# The launcher path as an Exec value: quoted, with the characters the quoting reserves escaped,
# when it holds anything a desktop would split or expand.
function(vorn_exec_value path out)
    if(path MATCHES "[ \t\"'`$\\\\<>~|&;*?#()]")
        string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" path "${path}")
        # The whole value is a desktop-entry string, whose own escape doubles each backslash.
        string(REPLACE "\\" "\\\\" path "${path}")
        set(path "\"${path}\"")
    endif()
    set(${out} "${path}" PARENT_SCOPE)
endfunction()

string(MD5 destination "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(staged "${VORN_STAGED}/install-${destination}")

vorn_exec_value("${CMAKE_INSTALL_PREFIX}/${VORN_INSTALL_GAMESDIR}/vorngame" VORN_DESKTOP_EXEC)
configure_file("${VORN_SOURCE}/vorngame.desktop.in" "${staged}/vorngame.desktop" @ONLY)

set(VORN_MAN_IMAGES "${CMAKE_INSTALL_PREFIX}/${VORN_INSTALL_IMAGEDIR}")
configure_file("${VORN_SOURCE}/vorngame.6.in" "${staged}/vorngame.6" @ONLY)
# -n leaves the name and time out of the header, so the same page gives the same bytes.
execute_process(COMMAND gzip -9nf "${staged}/vorngame.6" RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "gzip could not compress the manual page ${staged}/vorngame.6")
endif()

file(INSTALL "${staged}/vorngame.desktop" DESTINATION "${CMAKE_INSTALL_PREFIX}/share/applications")
file(INSTALL "${staged}/vorngame.6.gz" DESTINATION "${CMAKE_INSTALL_PREFIX}/share/man/man6")
file(REMOVE_RECURSE "${staged}")
