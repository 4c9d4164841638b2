#pragma once

#include <cstdint>

// The FrameCallback the program registers: the user data is the GameSession, and its answer
// to the event is passed back unchanged.
bool forwardFrameEvent(std::int32_t event, std::int32_t argument, void* userData);
