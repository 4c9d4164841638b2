// The program on Windows: the Win32 backend, and the run over it. Of what Windows passes in,
// only the module instance is used; the command line and the show state are not.
#include <windows.h>

#include "app/game_run.h"
#include "window/win32/win32_backend.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    Win32Backend backend(instance);
    return runGame(backend);
}
