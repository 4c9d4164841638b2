// The program on Linux: the SDL2 platform, and the run over it.
#include "app/game_run.h"
#include "window/sdl/sdl_platform.h"

int main() {
    SdlPlatform platform;
    return runGame(platform, nullptr);
}
