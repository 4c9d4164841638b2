#include "app/frame_forwarding.h"

#include "game/game_session.h"

bool forwardFrameEvent(std::int32_t event, std::int32_t argument, void* userData) {
    return static_cast<GameSession*>(userData)->handleEvent(event, argument);
}
