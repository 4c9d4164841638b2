// Stands in for the GL library's glDeleteTextures inside the test program and forwards to it,
// so a test can see the moment the game gives its textures back.
#include "tests/app/texture_deletion_probe.h"

#include <dlfcn.h>

#include "render/gl_api.h"

namespace {

std::function<void()>& observerSlot() {
    static std::function<void()> observer;
    return observer;
}

}  // namespace

void watchTextureDeletion(std::function<void()> observer) {
    observerSlot() = std::move(observer);
}

extern "C" void glDeleteTextures(GLsizei n, const GLuint* textures) {
    using DeleteTextures = void (*)(GLsizei, const GLuint*);
    static const auto real = reinterpret_cast<DeleteTextures>(dlsym(RTLD_NEXT, "glDeleteTextures"));
    if (observerSlot())
        observerSlot()();
    if (real != nullptr)
        real(n, textures);
}
