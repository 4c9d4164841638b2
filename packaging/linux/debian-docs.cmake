# The two files Debian expects in every package's documentation folder: the copyright in its
# machine-readable form, made from LICENSE so that the two cannot disagree, and the changelog,
# compressed as Debian's own tools compress it.
set(vorn_doc_staged ${CMAKE_CURRENT_BINARY_DIR}/linux/doc)

file(READ ${PROJECT_SOURCE_DIR}/LICENSE vorn_licence)
string(FIND "${vorn_licence}" "Permission is hereby granted" vorn_terms_start)
if(vorn_terms_start LESS 0)
    message(FATAL_ERROR "LICENSE no longer holds the MIT permission notice that "
                        "${CMAKE_CURRENT_LIST_FILE} copies into the Debian copyright file")
endif()
string(SUBSTRING "${vorn_licence}" ${vorn_terms_start} -1 vorn_terms)
string(STRIP "${vorn_terms}" vorn_terms)
# The text of a copyright-file field: each line indented by one space, an empty line as " .".
string(REPLACE "\n\n" "\n.\n" vorn_terms "${vorn_terms}")
string(REPLACE "\n" "\n " VORN_LICENCE_TERMS " ${vorn_terms}")
configure_file(${vorn_linux}/copyright.in ${vorn_doc_staged}/copyright @ONLY)

# -n keeps the name and time out of the header, so the same changelog gives the same bytes.
configure_file(${vorn_linux}/changelog ${vorn_doc_staged}/changelog COPYONLY)
execute_process(COMMAND gzip -9nf ${vorn_doc_staged}/changelog RESULT_VARIABLE vorn_failed)
if(vorn_failed)
    message(FATAL_ERROR "gzip could not compress ${vorn_doc_staged}/changelog")
endif()

install(FILES ${vorn_doc_staged}/copyright ${vorn_doc_staged}/changelog.gz
        DESTINATION share/doc/vorngame)
