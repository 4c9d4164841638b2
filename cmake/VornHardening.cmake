# The hardening Debian gives its own programs (dpkg-buildflags with hardening=+all): a stack
# protector, fortified C library calls, a position-independent executable and full RELRO with
# immediate binding. For ELF programs only; the MinGW linker already marks the Windows program
# for address-space randomisation and no-execute data, and WebAssembly has neither a stack
# protector's guard nor relocations to protect.
if(WIN32 OR EMSCRIPTEN OR NOT CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    return()
endif()

include(CheckPIESupported)
check_pie_supported(LANGUAGES CXX)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
# glibc fortifies optimised code only, and warns about the rest. Not under the sanitizers: the
# fortified calls (__memcpy_chk, ...) would take the place of the ones AddressSanitizer
# intercepts, and it would check less than it seems; the release and package builds keep it.
if(NOT VORN_SANITIZE)
    add_compile_options($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-D_FORTIFY_SOURCE=2>)
endif()
add_link_options(LINKER:-z,relro LINKER:-z,now)
