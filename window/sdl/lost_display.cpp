#include "window/sdl/lost_display.h"

#include <X11/Xlib.h>
#include <unistd.h>

#include <cstdio>

namespace {

int onLostDisplay(Display* display) {
    std::fprintf(stderr,
                 "vorngame: the connection to the X server (display %s) was lost; the game "
                 "cannot go on without it\n",
                 display != nullptr ? DisplayString(display) : "?");
    std::fflush(stderr);
    _exit(1);
}

}  // namespace

void explainALostDisplay() {
    XSetIOErrorHandler(onLostDisplay);
}
