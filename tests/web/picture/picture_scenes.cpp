#include "tests/web/picture/picture_scenes.h"

#include <cstdint>
#include <memory>

#include "bench/full_well_scene.h"
#include "game/frame_event.h"
#include "game/game_session.h"
#include "game/tick_clock.h"
#include "tests/web/picture/state_change_scene.h"

namespace PictureScenes {

std::unique_ptr<GameSession> fullWell() {
    auto session = FullWell::newSession();
    if (!FullWell::fillSession(*session))
        return nullptr;
    return session;
}

// Two rows down first: at its spawn row the turn has no room.
std::unique_ptr<GameSession> turningPiece() {
    static std::uint32_t now = 0;
    now = kTurnDrawnAt - 2030;
    setTickSource([] { return now; });
    auto session = FullWell::newSession();
    now += 2000;
    session->handleEvent(Idle, 2000);
    session->handleEvent(Idle, 0);
    session->handleEvent(KeyUp, VirtualKey::Up);
    now += 30;
    return session;
}

bool draw(int scene) {
    if (scene == 2) {
        drawStateChangeScene();
        return true;
    }
    setTickSource([] { return std::uint32_t{1000}; });
    const std::unique_ptr<GameSession> session = scene == 0 ? fullWell() : turningPiece();
    const bool drawn = session != nullptr && session->handleEvent(Draw, 0);
    setTickSource({});
    return drawn;
}

}  // namespace PictureScenes
