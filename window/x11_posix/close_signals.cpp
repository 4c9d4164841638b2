#include "window/x11_posix/close_signals.h"

#include <csignal>

#include <signal.h>

namespace {

volatile std::sig_atomic_t requested = 0;
bool installed = false;
struct sigaction previousInterrupt {};
struct sigaction previousTerminate {};

extern "C" void onCloseSignal(int) {
    requested = 1;
}

}  // namespace

namespace CloseSignals {

void install() {
    requested = 0;
    if (installed)
        return;
    struct sigaction action {};
    action.sa_handler = onCloseSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, &previousInterrupt);
    sigaction(SIGTERM, &action, &previousTerminate);
    installed = true;
}

void restore() {
    if (!installed)
        return;
    sigaction(SIGINT, &previousInterrupt, nullptr);
    sigaction(SIGTERM, &previousTerminate, nullptr);
    installed = false;
}

bool takeRequest() {
    if (requested == 0)
        return false;
    requested = 0;
    return true;
}

}  // namespace CloseSignals
