// The picture check's frames drawn in the browser, through the game's window over the web
// backend and so through the web build's own GL, each read back at once (the canvas keeps
// nothing once the page has had its turn; the read draws the quads gathered so far first) and
// left in Module.vornPictures (RGBA, bottom row first) for picture_check.mjs to compare; then
// the frame after a lost context (picture_restore.h).
#include <emscripten.h>

#include <cstdio>
#include <vector>

#include "render/gl_api.h"
#include "tests/web/picture/picture_restore.h"
#include "tests/web/picture/picture_scenes.h"
#include "window/gl_window.h"
#include "window/web/web_backend.h"

// clang-format off
EM_JS(void, vorn_keep_picture, (const unsigned char* pixels, int size), {
    Module.vornPictures = Module.vornPictures || [];
    Module.vornPictures.push(HEAPU8.slice(pixels, pixels + size));
});
// clang-format on

// The window outlives main: the restore goes on over the browser's frames.
int main() {
    static WebBackend backend;
    static GLWindow window(backend, 32, false);
    if (!window.create())
        return 1;
    std::vector<unsigned char> pixels(PictureScenes::kWidth * PictureScenes::kHeight * 4);
    for (int scene = 0; scene < PictureScenes::kCount; ++scene) {
        if (!PictureScenes::draw(scene)) {
            std::printf("vorn_picture: scene %d could not be set up\n", scene);
            return 1;
        }
        glReadPixels(0, 0, PictureScenes::kWidth, PictureScenes::kHeight, GL_RGBA, GL_UNSIGNED_BYTE,
                     pixels.data());
        vorn_keep_picture(pixels.data(), static_cast<int>(pixels.size()));
    }
    std::printf("vorn_picture: drawn\n");
    PictureRestore::run(backend);
    return 0;
}
