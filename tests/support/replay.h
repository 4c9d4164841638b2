#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "game/game_session.h"
#include "tests/support/manual_clock.h"

// What a replay leaves behind, for assertions.
struct ReplayReport {
    // The well as 16 rows of 10 characters: '.' free, '#' a placed block, '@' the falling piece.
    std::vector<std::string> well;
    std::size_t pieceIndex = 0;
    GridPoint piecePos;
    float targetAngle = 0.0f;
    std::int32_t score = 0;
    std::int32_t level = 0;
    std::int32_t clears = 0;
    std::int32_t fallDelay = 0;
    // False once an event has been answered with false (the game asked to quit).
    bool running = true;
    std::string wellText() const;  // the rows joined by '\n'
};

// A script line that cannot be read; what() names the line and the fault.
struct ReplayError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Plays a game headless and deterministically: the random generator is seeded with `seed` before
// the session is built, and the tick counter is a hand-set clock that only the script moves.
// Needs a current GL context (the session builds textures).
//
// Script: one event a line, '#' starts a comment. A line is a time, an event and its argument:
//   1000 idle        the clock at 1000 ms, then an Idle event
//   +16 idle         the clock 16 ms later than the previous line, then Idle
//   +0 key Left      a key release: Left Right Up Down Space Escape, or a number
//   +0 draw          a Draw event
//   +5000 idle*20    twenty Idle events at that moment (a count after '*' repeats the event)
class Replay {
  public:
    explicit Replay(unsigned seed, std::uint32_t startTick = 100000);
    // Pieces chosen in this order (catalogue indices, repeated when used up) instead of at random.
    explicit Replay(std::vector<int> pieceOrder, std::uint32_t startTick = 100000);
    ~Replay();
    Replay(const Replay&) = delete;
    Replay& operator=(const Replay&) = delete;

    // Runs every line; throws ReplayError on the first line it cannot read.
    void run(const std::string& script);
    // One event at an absolute tick count.
    bool step(std::uint32_t tick, std::int32_t event, std::int32_t argument = 0);

    ReplayReport report() const;
    GameSession& session() { return *session_; }
    ManualClock& clock() { return clock_; }

  private:
    void runLine(const std::string& line, int number);

    ManualClock clock_;
    std::unique_ptr<GameSession> session_;
    bool running_ = true;
};
