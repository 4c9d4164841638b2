#include "tests/web/picture/picture_restore.h"

#include <emscripten.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>

#include "bench/full_well_scene.h"
#include "frame/frame_event.h"
#include "game/game_session.h"
#include "game/tick_clock.h"
#include "render/gl_api.h"
#include "tests/web/picture/picture_scenes.h"
#include "tests/web/picture/state_change_scene.h"
#include "window/web/web_backend.h"
#include "window/web/web_frame_loop.h"

// clang-format off
// A lost context offers no extensions: the one that restores it is kept from before the loss.
EM_JS(int, vorn_lose_context, (int lose), {
    if (lose) {
        const gl = Module.canvas.getContext("webgl");
        Module.vornLoseContext = gl && gl.getExtension("WEBGL_lose_context");
    }
    const extension = Module.vornLoseContext;
    if (!extension) return 0;
    if (lose) extension.loseContext();
    else extension.restoreContext();
    return 1;
});

EM_JS(void, vorn_keep_restored_picture, (const unsigned char* pixels, int size), {
    Module.vornRestoredPicture = HEAPU8.slice(pixels, pixels + size);
});
// clang-format on

namespace {

enum class Step { Lose, AwaitLoss, AwaitRestore };

struct Restore {
    WebBackend& backend;
    std::unique_ptr<GameSession> session;
    GLuint clamped = 0;
    std::vector<unsigned char> clampedBefore;
    Step step = Step::Lose;
    int turns = 0;
};

// Ten seconds of frames: a browser gives a lost context back within a few.
constexpr int kTurnsAllowed = 600;

void finish(Restore* restore, const char* outcome) {
    std::printf("vorn_picture: %s\n", outcome);
    restore->session.reset();
    setTickSource({});
    delete restore;
    WebFrameLoop::endRuntime(0);
}

// Read at once: the canvas keeps nothing once the page has had its turn.
std::vector<unsigned char> drawnFrame(GameSession& session) {
    std::vector<unsigned char> pixels(PictureScenes::kWidth * PictureScenes::kHeight * 4);
    session.handleEvent(Draw, 0);
    glReadPixels(0, 0, PictureScenes::kWidth, PictureScenes::kHeight, GL_RGBA, GL_UNSIGNED_BYTE,
                 pixels.data());
    return pixels;
}

// Three texels by two, clamped (WebGL 1 samples a size that is not a power of two only when it
// is clamped to the edge) and linearly filtered, so the wrap shows at the edges.
GLuint clampedTexture() {
    static const std::uint8_t kTexels[3 * 2 * 4] = {255, 0,   0,   255, 0,   255, 0,   255,
                                                    0,   0,   255, 255, 255, 255, 0,   255,
                                                    0,   255, 255, 255, 255, 0,   255, 255};
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    for (const GLenum wrap : {GL_TEXTURE_WRAP_S, GL_TEXTURE_WRAP_T})
        glTexParameterf(GL_TEXTURE_2D, wrap, static_cast<GLfloat>(GL_CLAMP));
    for (const GLenum filter : {GL_TEXTURE_MIN_FILTER, GL_TEXTURE_MAG_FILTER})
        glTexParameterf(GL_TEXTURE_2D, filter, static_cast<GLfloat>(GL_LINEAR));
    glTexImage2D(GL_TEXTURE_2D, 0, 4, 3, 2, 0, GL_RGBA, GL_UNSIGNED_BYTE, kTexels);
    return name;
}

// The texture magnified on a cleared frame, read back.
std::vector<unsigned char> clampedFrame(GLuint texture) {
    glClear(GL_COLOR_BUFFER_BIT);
    glLoadIdentity();
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    texturedQuad(40, 40, 96, 64);
    std::vector<unsigned char> pixels(PictureScenes::kWidth * PictureScenes::kHeight * 4);
    glReadPixels(0, 0, PictureScenes::kWidth, PictureScenes::kHeight, GL_RGBA, GL_UNSIGNED_BYTE,
                 pixels.data());
    return pixels;
}

// The loss and the restoring each reach the page as an event between frames.
bool step(void* userData) {
    auto* restore = static_cast<Restore*>(userData);
    if (++restore->turns > kTurnsAllowed) {
        finish(restore, "restore failed: the context did not come back");
        return false;
    }
    switch (restore->step) {
        case Step::Lose:
            if (vorn_lose_context(1) == 0) {
                finish(restore, "restore failed: the browser has no WEBGL_lose_context");
                return false;
            }
            restore->step = Step::AwaitLoss;
            return true;
        case Step::AwaitLoss:
            if (restore->backend.contextLost()) {
                vorn_lose_context(0);
                restore->step = Step::AwaitRestore;
            }
            return true;
        case Step::AwaitRestore:
            break;
    }
    if (restore->backend.contextLost())
        return true;
    const std::vector<unsigned char> pixels = drawnFrame(*restore->session);
    vorn_keep_restored_picture(pixels.data(), static_cast<int>(pixels.size()));
    finish(restore, clampedFrame(restore->clamped) == restore->clampedBefore
                        ? "restored"
                        : "restore failed: a clamped texture is drawn otherwise after it");
    return false;
}

}  // namespace

namespace PictureRestore {

// Scene 0's moment and well, for the native frame it is compared with.
void run(WebBackend& backend) {
    setTickSource([] { return std::uint32_t{1000}; });
    auto* restore = new Restore{backend, FullWell::filledSession(), 0, {}};
    if (restore->session == nullptr) {
        finish(restore, "restore failed: the full well could not be set up");
        return;
    }
    // Drawn before the loss too, so the translation's programs and buffers are lost with it.
    drawnFrame(*restore->session);
    restore->clamped = clampedTexture();
    restore->clampedBefore = clampedFrame(restore->clamped);
    WebFrameLoop::run(step, restore);
}

}  // namespace PictureRestore
