#include "gl11_on_webgl/refused_call.h"

#include <cstdio>
#include <cstdlib>

void refuseGLCall(const char* call, unsigned value) {
    std::fprintf(stderr,
                 "vorngame: %s(0x%04X) is outside the OpenGL 1.1 the web build translates "
                 "(gl11_on_webgl)\n",
                 call, value);
    std::abort();
}
