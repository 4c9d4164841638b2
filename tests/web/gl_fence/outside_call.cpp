// Must not compile: glViewport is WebGL's too, and called past the translation it would skip
// the quads gathered so far. The check web.gl_fence.outside_call expects the compiler to name it.
#include "render/gl_api.h"

void probeOutsideTheSet() {
    glViewport(0, 0, 800, 600);
}
