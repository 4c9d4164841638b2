#include "tests/web/picture/picture_scenes.h"

#include <cstdint>
#include <memory>

#include "bench/full_well_scene.h"
#include "frame/frame_event.h"
#include "game/game_session.h"
#include "game/tick_clock.h"
#include "tests/web/picture/state_change_scene.h"

namespace PictureScenes {

bool draw(int scene) {
    if (scene == 2) {
        drawStateChangeScene();
        return true;
    }
    static std::uint32_t now = 0;
    now = 1000;
    setTickSource([] { return now; });
    std::unique_ptr<GameSession> session;
    bool drawn = false;
    if (scene == 0) {
        session = FullWell::filledSession();
        drawn = session != nullptr && session->handleEvent(Draw, 0);
    } else if (scene == 1) {
        session = FullWell::newSession();
        // Two rows down first: at its spawn row the turn has no room.
        now += 2000;
        session->handleEvent(Idle, 2000);
        session->handleEvent(Idle, 0);
        session->handleEvent(KeyUp, VirtualKey::Up);
        now += 30;
        drawn = session->handleEvent(Draw, 0);
    }
    setTickSource({});
    return drawn;
}

}  // namespace PictureScenes
