// vorn_web_picture_reference <file>: writes the picture check's frames (picture_scenes.h) as
// Mesa draws them through OpenGL 1.1, one after the other, 800x600 RGB, top row first, for the
// browser's picture check (picture_check.mjs) to compare with. Run among the images the page
// packs.
#include <cstdio>
#include <fstream>

#include "tests/support/offscreen_gl.h"
#include "tests/support/pixels.h"
#include "tests/web/picture/picture_scenes.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <file>\n", argv[0]);
        return 2;
    }
    if (!keepOffscreenGL(argv[0]))
        return 1;
    std::ofstream out(argv[1], std::ios::binary);
    for (int scene = 0; scene < PictureScenes::kCount; ++scene) {
        if (!PictureScenes::draw(scene)) {
            std::fprintf(stderr, "scene %d could not be drawn\n", scene);
            return 1;
        }
        const Pixels frame = Pixels::readFramebuffer(PictureScenes::kWidth, PictureScenes::kHeight);
        for (int y = 0; y < frame.height(); ++y) {
            for (int x = 0; x < frame.width(); ++x) {
                const Rgba p = frame.at(x, y);
                const char rgb[3] = {static_cast<char>(p.r), static_cast<char>(p.g),
                                     static_cast<char>(p.b)};
                out.write(rgb, sizeof rgb);
            }
        }
    }
    return out.good() ? 0 : 1;
}
