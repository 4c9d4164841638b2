#include "game/game_session.h"

#include "frame/frame_event.h"
#include "game/board_geometry.h"
#include "game/piece_catalogue.h"
#include "game/random_source.h"
#include "game/tick_clock.h"
#include "render/block_atlas.h"
#include "render/gl_api.h"

namespace {

constexpr std::int16_t kCellPitch = 30;
constexpr std::int32_t kFastDropDelay = 10;

// Whether a fall is due: `now` has moved more than `delay` past `lastFall`. The difference is
// taken in unsigned 32-bit arithmetic and read as signed, so the test keeps working when the
// counter passes 2^31 or wraps to 0; a zero or negative delay is due at every idle event.
bool fallIsDue(std::uint32_t now, std::uint32_t lastFall, std::int32_t delay) {
    const auto sinceLast = static_cast<std::int32_t>(now - lastFall);
    return sinceLast > delay;
}

}  // namespace

GameSession::GameSession() : origin_(boardOrigin) {
    atlas_ = buildBlockAtlas(32, 4);
    cutBlockSprites(*atlas_, brightBlocks_, darkBlocks_);
    pieces_ = buildPieces(brightBlocks_, darkBlocks_);
    board_ = std::make_unique<Board>(darkBlocks_.at(0));
    spawnPiece();
    readout_ = std::make_unique<ScoreReadout>();
    fallDelay_ = fallInterval(static_cast<std::int16_t>(level_));
}

// Textures go while the GL context is still current; the sprite and piece arrays follow as
// members, after the readout.
GameSession::~GameSession() {
    board_.reset();
    atlas_.reset();
    readout_.reset();
}

std::int32_t GameSession::fallInterval(std::int16_t level) {
    return 1100 - 100 * level;
}

bool GameSession::handleEvent(std::int32_t event, std::int32_t key) {
    switch (event) {
        case Draw:
            drawFrame();
            return true;
        case KeyUp:
            if (key == VirtualKey::Escape)
                return false;
            handleKey(key);
            return true;
        case Idle:
            applyGravity();
            return true;
        default:
            return true;
    }
}

void GameSession::drawFrame() {
    glClear(GL_COLOR_BUFFER_BIT);
    glLoadIdentity();
    board_->draw(origin_.x, origin_.y);
    current_->draw(static_cast<std::int16_t>(piecePos_.x * kCellPitch + origin_.x),
                   static_cast<std::int16_t>(piecePos_.y * kCellPitch + origin_.y));
    drawScore(score_, level_);
}

void GameSession::handleKey(std::int32_t key) {
    switch (key) {
        case VirtualKey::Space:
            fastDrop_ = true;
            break;
        case VirtualKey::Left:
            tryShift(-1);
            break;
        case VirtualKey::Up:
            turn();
            break;
        case VirtualKey::Right:
            tryShift(1);
            break;
        case VirtualKey::Down:
            // The next fall is due as soon as the counter moves past this moment.
            lastFall_ = tickCount() - static_cast<std::uint32_t>(fallDelay_);
            break;
        default:
            break;
    }
}

void GameSession::turn() {
    const float former = current_->targetAngle();
    current_->rotateBy(-90.0f);
    // A refused turn snaps back without animation; there is no search for a nearby fit.
    if (!pieceFits())
        current_->setAngle(former);
}

void GameSession::applyGravity() {
    const std::uint32_t now = tickCount();
    const std::int32_t delay = fastDrop_ ? kFastDropDelay : fallDelay_;
    if (!fallIsDue(now, lastFall_, delay))
        return;
    // One delay at a time, not up to now: after a stall the piece catches up a row per event.
    ++piecePos_.y;
    lastFall_ += static_cast<std::uint32_t>(delay);
    if (pieceFits())
        return;
    --piecePos_.y;
    lockPiece();
    spawnPiece();
    if (pieceFits())
        return;
    restart();
}

void GameSession::restart() {
    score_ = 0;
    level_ = 1;
    clears_ = 0;
    board_->clearAll();
    fallDelay_ = fallInterval(1);
}

void GameSession::spawnPiece() {
    piecePos_ = GridPoint{static_cast<std::int16_t>(boardWidth / 2), 0};
    const int choice = randomNumber() % static_cast<int>(pieces_.size());
    current_ = &pieces_[static_cast<std::size_t>(choice < 0 ? -choice : choice)];
    current_->setAngle(0.0f);
    lastFall_ = tickCount();
    fastDrop_ = false;
}

bool GameSession::tryShift(std::int16_t dx) {
    piecePos_.x = static_cast<std::int16_t>(piecePos_.x + dx);
    const bool fits = pieceFits();
    if (!fits)
        piecePos_.x = static_cast<std::int16_t>(piecePos_.x - dx);
    return fits;
}

bool GameSession::pieceFits() const {
    for (const GridPoint& cell : current_->footprint()) {
        if (!board_->cellIsFree(cell + piecePos_))
            return false;
    }
    return true;
}

void GameSession::lockPiece() {
    for (const GridPoint& cell : current_->footprint()) {
        board_->placeBlock(cell + piecePos_, current_->blockSprite());
    }
    const std::int16_t gain = board_->clearFullRows();
    score_ += gain;
    if (gain > 0) {
        ++clears_;
        level_ = clears_ / 5 + 1;
        fallDelay_ = fallInterval(static_cast<std::int16_t>(level_));
    }
}

bool GameSession::placeBlockForSetUp(GridPoint cell, std::size_t colour) {
    if (colour >= darkBlocks_.size() || !board_->cellIsFree(cell))
        return false;
    board_->placeBlock(cell, darkBlocks_[colour]);
    return true;
}

void GameSession::drawScore(std::int32_t score, std::int32_t level) {
    readout_->draw(score, level);
}
