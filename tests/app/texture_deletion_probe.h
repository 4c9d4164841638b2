#pragma once

#include <functional>

// Calls `observer` each time the program deletes GL textures, before they are deleted; an
// empty observer stops watching. The deletion itself goes on to the real GL.
void watchTextureDeletion(std::function<void()> observer);
