# What every package of this release states about the project: the copyright line of LICENSE
# (packages must say exactly what LICENSE says) and the web address its software-centre entry
# points to.

file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE VORN_COPYRIGHT REGEX "^Copyright \\(c\\) " LIMIT_COUNT 1)
if(NOT VORN_COPYRIGHT)
    message(FATAL_ERROR "${PROJECT_SOURCE_DIR}/LICENSE has no line \"Copyright (c) YEAR HOLDER\"")
endif()
# "2026 The vorngame developers"
string(REGEX REPLACE "^Copyright \\(c\\) " "" VORN_COPYRIGHT_YEARS_HOLDERS "${VORN_COPYRIGHT}")

# The project's home; example.org stands in until it has one (docs/packaging.md).
set(VORN_PROJECT_URL https://vorngame.example.org)
# The software-centre ID: the project's address backwards. It must never change once published.
set(VORN_METAINFO_ID org.example.vorngame)
