#include "bench/full_well_scene.h"

#include "game/game_session.h"
#include "game/random_source.h"

namespace FullWell {

std::size_t blockColour(int column, int row) {
    return static_cast<std::size_t>(1 + (column + 2 * row) % 7);
}

std::unique_ptr<GameSession> newSession() {
    setRandomSource([] { return kPieceShape; });
    auto session = std::make_unique<GameSession>();
    setRandomSource({});
    return session;
}

bool fillSession(GameSession& session) {
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const GridPoint cell{static_cast<std::int16_t>(column), static_cast<std::int16_t>(row)};
            if (!session.placeBlockForSetUp(cell, blockColour(column, row)))
                return false;
        }
    }
    return session.currentIndex() == static_cast<std::size_t>(kPieceShape);
}

std::unique_ptr<GameSession> filledSession() {
    auto session = newSession();
    return fillSession(*session) ? std::move(session) : nullptr;
}

}  // namespace FullWell
