#include "window/web/gl/refused_call.h"

#include <cstdio>
#include <cstdlib>

void refuseGLCall(const char* call, unsigned value) {
    std::fprintf(stderr,
                 "vorngame: %s(0x%04X) is outside the OpenGL 1.1 the web build translates "
                 "(window/web/gl)\n",
                 call, value);
    std::abort();
}
