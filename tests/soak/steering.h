#pragma once

#include <cstdint>

#include "tests/soak/session_state.h"

// A simple player, so that the soak also reaches long games, many clearing locks and the high
// levels where the fall delay is zero or negative; random keys alone almost never fill a row.
// It weighs every turn and column for the falling piece (height, holes, unevenness, rows
// filled) and answers the next key towards the best: Up, Left, Right, or Space once there.
// It works from the state alone and is stateless, so random keys in between do no harm.
std::int32_t steeringKey(const SessionState& state);
