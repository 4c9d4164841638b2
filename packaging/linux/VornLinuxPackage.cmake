# The installed layout on Linux, relative to the prefix (/usr for the Debian package):
#   games/vorngame                             launcher, the command players type
#   lib/games/vorngame/vorngame                the program itself
#   share/games/vorngame/*.raw                 its twelve image files (its working directory)
#   share/applications/vorngame.desktop        menu entry, starting the launcher
#   share/icons/hicolor/<size>/apps/vorngame.* icon
#   share/man/man6/vorngame.6.gz               manual page
#   share/metainfo/<id>.metainfo.xml           software-centre entry
#   share/doc/vorngame/{copyright,changelog.gz}
set(VORN_INSTALL_GAMESDIR games CACHE STRING "Launcher folder, relative to the install prefix")
set(VORN_INSTALL_PROGRAMDIR lib/games/vorngame
    CACHE STRING "Program folder, relative to the install prefix")
set(VORN_INSTALL_IMAGEDIR share/games/vorngame
    CACHE STRING "Image-file folder, relative to the install prefix")
set(VORN_PACKAGE_MAINTAINER "The vorngame developers <vorngame@example.org>"
    CACHE STRING "Maintainer field of the Debian package")

# The launcher finds the other folders from its own place, which needs relative folders.
foreach(dir IN ITEMS VORN_INSTALL_GAMESDIR VORN_INSTALL_PROGRAMDIR VORN_INSTALL_IMAGEDIR)
    if(IS_ABSOLUTE "${${dir}}")
        message(FATAL_ERROR "${dir} must be relative to the install prefix: ${${dir}}")
    endif()
endforeach()

set(vorn_linux ${CMAKE_CURRENT_SOURCE_DIR}/linux)
set(vorn_staged ${CMAKE_CURRENT_BINARY_DIR}/linux)

file(RELATIVE_PATH VORN_LAUNCHER_TO_IMAGES /${VORN_INSTALL_GAMESDIR} /${VORN_INSTALL_IMAGEDIR})
file(RELATIVE_PATH VORN_LAUNCHER_TO_PROGRAM /${VORN_INSTALL_GAMESDIR}
     /${VORN_INSTALL_PROGRAMDIR}/vorngame)
configure_file(${vorn_linux}/vorngame.in ${vorn_staged}/launcher/vorngame @ONLY)

install(TARGETS vorngame RUNTIME DESTINATION ${VORN_INSTALL_PROGRAMDIR})
# A stripped install (the package's) also drops the compiler's notes, as Debian's own packages do.
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        execute_process(
            COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${VORN_INSTALL_PROGRAMDIR}/vorngame\"
            RESULT_VARIABLE failed)
        if(failed)
            message(FATAL_ERROR \"strip could not remove the notes from the installed program\")
        endif()
    endif()
")
install(FILES ${vorn_images} DESTINATION ${VORN_INSTALL_IMAGEDIR})
install(PROGRAMS ${vorn_staged}/launcher/vorngame DESTINATION ${VORN_INSTALL_GAMESDIR})

foreach(size IN ITEMS 16 24 32 48 64 128 256)
    install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/icons/vorngame-${size}.png
            DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME vorngame.png)
endforeach()
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/icons/vorngame.svg
        DESTINATION share/icons/hicolor/scalable/apps)

configure_file(${vorn_linux}/vorngame.metainfo.xml.in
               ${vorn_staged}/${VORN_METAINFO_ID}.metainfo.xml @ONLY)
install(FILES ${vorn_staged}/${VORN_METAINFO_ID}.metainfo.xml DESTINATION share/metainfo)

include(${vorn_linux}/debian-docs.cmake)

# The menu entry and the manual page name absolute paths, known only when installing: the prefix
# of `cmake --install --prefix` or of the package, not the one this tree was configured with.
install(CODE "
    set(VORN_SOURCE \"${vorn_linux}\")
    set(VORN_STAGED \"${vorn_staged}\")
    set(VORN_INSTALL_GAMESDIR \"${VORN_INSTALL_GAMESDIR}\")
    set(VORN_INSTALL_IMAGEDIR \"${VORN_INSTALL_IMAGEDIR}\")
    set(PROJECT_VERSION \"${PROJECT_VERSION}\")
")
install(SCRIPT ${vorn_linux}/configure-at-install.cmake)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${VORN_PACKAGE_MAINTAINER})
# dpkg-shlibdeps names the libraries the program links (SDL2, the GL dispatch, the C++ runtime);
# SDL2 opens libGL itself at run time, and a GL driver has to be there to draw anything.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libgl1, libgl1-mesa-dri")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
