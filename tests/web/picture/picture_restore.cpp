#include "tests/web/picture/picture_restore.h"

#include <emscripten.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <utility>
#include <vector>

#include "game/frame_event.h"
#include "game/game_session.h"
#include "game/tick_clock.h"
#include "render/gl_api.h"
#include "tests/web/picture/picture_scenes.h"
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
    Module.vornRestoredPictures = Module.vornRestoredPictures || [];
    Module.vornRestoredPictures.push(HEAPU8.slice(pixels, pixels + size));
});
// clang-format on

namespace {

enum class Step { Lose, AwaitLoss, AwaitRestore };

struct Restore {
    WebBackend& backend;
    std::unique_ptr<GameSession> fullWell;
    std::unique_ptr<GameSession> turning;
    Step step = Step::Lose;
    int turns = 0;
};

constexpr std::uint32_t kFullWellAt = 1000;

// Ten seconds of frames: a browser gives a lost context back within a few.
constexpr int kTurnsAllowed = 600;

void finish(Restore* restore, const char* outcome) {
    std::printf("vorn_picture: %s\n", outcome);
    restore->fullWell.reset();
    restore->turning.reset();
    setTickSource({});
    delete restore;
    WebFrameLoop::endRuntime(0);
}

// Read at once: the canvas keeps nothing once the page has had its turn.
std::vector<unsigned char> drawnFrame(GameSession& session, std::uint32_t now) {
    static std::uint32_t at = 0;
    at = now;
    setTickSource([] { return at; });
    std::vector<unsigned char> pixels(PictureScenes::kWidth * PictureScenes::kHeight * 4);
    session.handleEvent(Draw, 0);
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
    for (const auto& [session, now] :
         {std::pair{restore->fullWell.get(), kFullWellAt},
          std::pair{restore->turning.get(), PictureScenes::kTurnDrawnAt}}) {
        const std::vector<unsigned char> pixels = drawnFrame(*session, now);
        vorn_keep_restored_picture(pixels.data(), static_cast<int>(pixels.size()));
    }
    finish(restore, "restored");
    return false;
}

}  // namespace

namespace PictureRestore {

// Scenes 0 and 1 at their moments, for the native frames they are compared with: the full well
// drawn unfiltered, the turning piece with linear filtering, where a texture's wrap shows.
void run(WebBackend& backend) {
    auto* restore = new Restore{backend, nullptr, PictureScenes::turningPiece()};
    setTickSource([] { return kFullWellAt; });
    restore->fullWell = PictureScenes::fullWell();
    if (restore->fullWell == nullptr || restore->turning == nullptr) {
        finish(restore, "restore failed: the scenes could not be set up");
        return;
    }
    // Drawn before the loss too, so the translation's programs and buffers are lost with it.
    drawnFrame(*restore->fullWell, kFullWellAt);
    drawnFrame(*restore->turning, PictureScenes::kTurnDrawnAt);
    WebFrameLoop::run(step, restore);
}

}  // namespace PictureRestore
