// Compiles: a call of the translation's set, through the same header as the outside probes.
#include "render/gl_api.h"

void probeInsideTheSet() {
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glClear(GL_COLOR_BUFFER_BIT);
}
