// The program on Linux: the SDL2 backend and the run over it, in a child process that a display
// guardian outlives, so that the desktop gets its display mode back however the game ends.
#include "app/game_run.h"
#include "window/sdl/sdl_backend.h"
#include "app/linux/display_guardian.h"

int main() {
    return runUnderDisplayGuardian([](LayoutGate& layout) {
        SdlBackend backend([&layout] { layout.wait(); });
        return runGame(backend);
    });
}
