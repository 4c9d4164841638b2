# Puts the twelve read-out images next to the program, in the folder it is started from.
# They are copied from the committed assets; `vorn_make_images assets` regenerates those.

set(VORN_IMAGE_NAMES score level digit0 digit1 digit2 digit3 digit4 digit5 digit6 digit7 digit8
    digit9)

function(vorn_copy_images source_dir run_dir)
    set(copies)
    foreach(name IN LISTS VORN_IMAGE_NAMES)
        add_custom_command(
            OUTPUT ${run_dir}/${name}.raw
            COMMAND ${CMAKE_COMMAND} -E make_directory ${run_dir}
            COMMAND ${CMAKE_COMMAND} -E copy ${source_dir}/${name}.raw
                    ${run_dir}/${name}.raw
            DEPENDS ${source_dir}/${name}.raw
            COMMENT "Copying ${name}.raw to the run folder"
            VERBATIM)
        list(APPEND copies ${run_dir}/${name}.raw)
    endforeach()
    add_custom_target(vorn_images ALL DEPENDS ${copies})
endfunction()
