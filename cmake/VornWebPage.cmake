# The page a browser opens, put together in one folder that any static web server can serve:
#   index.html, page.js, page.css
#                  the page (window/web/page/), its script and its style sheet, their comments
#                  and spare white space taken out and the script's names shortened
#                  (cmake/vorn_minify_page.cjs)
#   vorngame.js    the loader of the packed images, then Emscripten's script for the module,
#                  minified together by terser (cmake/vorn_minify_script.cjs)
#   vorngame.wasm  the WebAssembly module
#   vorngame.data  the read-out images, packed into the working folder of Emscripten's file system
#   service-worker.js, manifest.webmanifest, vorngame-256.png
#                  the offline copy: the worker that keeps the page's files once it has been
#                  opened, each checked against its hash (its release named by the version and a
#                  hash of the files), and what a phone needs to put the page on its home screen
# vorn_web_page(<program target> <folder> ALL_IMAGES | IMAGES <name>...) makes one such folder
# from a program whose output name is vorngame (its script refers to vorngame.wasm); IMAGES
# packs only the images named (without .raw), as a build that lacks the others would.

include(VornImages)

find_program(VORN_PYTHON NAMES python3 python REQUIRED)
# Emscripten's own packer of preloaded files (its toolchain file names its root).
set(VORN_FILE_PACKAGER ${EMSCRIPTEN_ROOT_PATH}/tools/file_packager.py)
if(NOT EXISTS ${VORN_FILE_PACKAGER})
    message(FATAL_ERROR "Emscripten's file packager is not at ${VORN_FILE_PACKAGER}")
endif()

# Debian's terser (node-terser), which emcc's node finds through NODE_PATH as it does acorn.
set(VORN_TERSER_DIR /usr/share/nodejs/terser)
if(NOT EXISTS ${VORN_TERSER_DIR})
    message(FATAL_ERROR "terser is not at ${VORN_TERSER_DIR}: install node-terser "
                        "(scripts/deps/web.txt)")
endif()
find_program(VORN_NODE_FOR_PAGE node REQUIRED)

# Every file of the page but the worker, which the worker keeps for playing offline.
set(VORN_WEB_PAGE_FILES index.html page.js page.css vorngame.js vorngame.wasm vorngame.data
    manifest.webmanifest vorngame-256.png)

function(vorn_web_page program folder)
    cmake_parse_arguments(PARSE_ARGV 2 page "ALL_IMAGES" "" "IMAGES")
    set(names ${page_IMAGES})
    if(page_ALL_IMAGES)
        set(names ${VORN_IMAGE_NAMES})
    endif()
    set(preloads)
    set(images)
    foreach(name IN LISTS names)
        set(image ${PROJECT_SOURCE_DIR}/assets/${name}.raw)
        list(APPEND images ${image})
        list(APPEND preloads ${image}@/${name}.raw)
    endforeach()

    # The packer names the data file in its loader as it is given: relative, so the page can
    # be served from anywhere.
    set(loader ${folder}/.images.js)
    file(MAKE_DIRECTORY ${folder})
    add_custom_command(
        OUTPUT ${folder}/vorngame.data ${loader}
        COMMAND ${VORN_PYTHON} ${VORN_FILE_PACKAGER} vorngame.data --no-node
                --js-output=.images.js --preload ${preloads}
        COMMAND ${CMAKE_COMMAND} -DLOADER=${loader} -DDATA=${folder}/vorngame.data
                -P ${PROJECT_SOURCE_DIR}/cmake/VornPackageId.cmake
        WORKING_DIRECTORY ${folder}
        DEPENDS ${images} ${PROJECT_SOURCE_DIR}/cmake/VornPackageId.cmake
        COMMENT "Packing the read-out images into ${folder}/vorngame.data"
        VERBATIM)

    # One script: the loader first, so the images are asked for before the module starts.
    set(joined ${folder}/.vorngame-joined.js)
    add_custom_command(
        OUTPUT ${folder}/vorngame.js ${folder}/vorngame.wasm
        COMMAND ${CMAKE_COMMAND} -DOUT=${joined}
                "-DPARTS=${loader}$<SEMICOLON>$<TARGET_FILE:${program}>"
                -P ${PROJECT_SOURCE_DIR}/cmake/VornJoinFiles.cmake
        COMMAND ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs ${VORN_NODE_FOR_PAGE}
                ${PROJECT_SOURCE_DIR}/cmake/vorn_minify_script.cjs ${joined}
                ${folder}/vorngame.js
        COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE_DIR:${program}>/vorngame.wasm
                ${folder}/vorngame.wasm
        DEPENDS ${loader} ${program} ${PROJECT_SOURCE_DIR}/cmake/vorn_minify_script.cjs
        COMMENT "Putting the page together in ${folder}"
        VERBATIM)

    # The page's own files, each shortened on its own.
    set(page_dir ${PROJECT_SOURCE_DIR}/window/web/page)
    set(own_files)
    foreach(file index.html page.js page.css)
        add_custom_command(
            OUTPUT ${folder}/${file}
            COMMAND ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs ${VORN_NODE_FOR_PAGE}
                    ${PROJECT_SOURCE_DIR}/cmake/vorn_minify_page.cjs ${page_dir}/${file}
                    ${folder}/${file}
            DEPENDS ${page_dir}/${file} ${PROJECT_SOURCE_DIR}/cmake/vorn_minify_page.cjs
            COMMENT "Shortening ${file} into ${folder}"
            VERBATIM)
        list(APPEND own_files ${folder}/${file})
    endforeach()

    # The worker comes last: it names a hash of every other file.
    set(icon ${PROJECT_SOURCE_DIR}/packaging/icons/vorngame-256.png)
    add_custom_command(
        OUTPUT ${folder}/service-worker.js ${folder}/manifest.webmanifest
               ${folder}/vorngame-256.png
        COMMAND ${CMAKE_COMMAND} -E copy ${page_dir}/manifest.webmanifest ${icon} ${folder}
        COMMAND ${CMAKE_COMMAND} -DTEMPLATE=${page_dir}/service-worker.js.in
                -DOUT=${folder}/service-worker.js -DFOLDER=${folder} -DVERSION=${PROJECT_VERSION}
                "-DFILES=${VORN_WEB_PAGE_FILES}"
                -P ${PROJECT_SOURCE_DIR}/cmake/VornServiceWorker.cmake
        COMMAND ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs ${VORN_NODE_FOR_PAGE}
                ${PROJECT_SOURCE_DIR}/cmake/vorn_minify_script.cjs ${folder}/service-worker.js
                ${folder}/service-worker.js
        DEPENDS ${folder}/vorngame.js ${folder}/vorngame.wasm ${own_files}
                ${folder}/vorngame.data ${page_dir}/manifest.webmanifest ${icon}
                ${page_dir}/service-worker.js.in ${PROJECT_SOURCE_DIR}/cmake/VornServiceWorker.cmake
        COMMENT "Writing the offline copy's worker for ${folder}"
        VERBATIM)

    get_filename_component(folder_name ${folder} NAME)
    string(MAKE_C_IDENTIFIER "vorn_page_${folder_name}" page_target)
    add_custom_target(${page_target} ALL
        DEPENDS ${folder}/vorngame.js ${folder}/vorngame.wasm ${own_files}
                ${folder}/vorngame.data ${folder}/service-worker.js)
endfunction()

# vorn_web_zip(<page folder>): the target vorn_web_zip makes vorngame-<version>-web.zip in the
# build tree, one folder holding the page as any static web server can serve it, and the
# licence when the source tree has one; the same commit gives the same bytes (VornWebZip.cmake).
function(vorn_web_zip folder)
    set(name vorngame-${PROJECT_VERSION}-web)
    list(TRANSFORM VORN_WEB_PAGE_FILES PREPEND ${folder}/ OUTPUT_VARIABLE files)
    list(APPEND files ${folder}/service-worker.js)
    if(EXISTS ${PROJECT_SOURCE_DIR}/LICENSE)
        list(APPEND files ${PROJECT_SOURCE_DIR}/LICENSE)
    endif()
    get_filename_component(folder_name ${folder} NAME)
    string(MAKE_C_IDENTIFIER "vorn_page_${folder_name}" page_target)
    find_package(Git QUIET)
    # Zipped again on every build, as CPack packs on every run: the time stamps follow the last
    # commit, which no file dependency would notice.
    add_custom_target(vorn_web_zip
        COMMAND ${CMAKE_COMMAND} -DSOURCE=${PROJECT_SOURCE_DIR} -DGIT=${GIT_EXECUTABLE}
                -DOUT=${PROJECT_BINARY_DIR}/${name}.zip -DNAME=${name} "-DFILES=${files}"
                -P ${PROJECT_SOURCE_DIR}/cmake/VornWebZip.cmake
        BYPRODUCTS ${PROJECT_BINARY_DIR}/${name}.zip
        COMMENT "Zipping the page into ${name}.zip"
        VERBATIM)
    add_dependencies(vorn_web_zip ${page_target})
endfunction()
