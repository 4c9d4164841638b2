#include "window/x11_posix/lost_display.h"

#include <X11/Xlib.h>
#include <unistd.h>

#include <cstdio>

namespace {

// The handler is process-wide and SDL shows its message boxes from a forked child with an X
// connection of its own, so the handler also runs there when the box's connection goes. The
// game's display is not lost then: the child leaves quietly and the game hears of the failed box.
pid_t gameProcess = 0;

int onLostDisplay(Display* display) {
    if (getpid() != gameProcess)
        _exit(1);
    std::fprintf(stderr,
                 "vorngame: the connection to the X server (display %s) was lost; the game "
                 "cannot go on without it\n",
                 display != nullptr ? DisplayString(display) : "?");
    std::fflush(stderr);
    _exit(1);
}

}  // namespace

void explainALostDisplay() {
    gameProcess = getpid();
    XSetIOErrorHandler(onLostDisplay);
}
