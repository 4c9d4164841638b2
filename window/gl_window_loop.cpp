#include "window/gl_window.h"

#include "render/gl_api.h"
#include "render/gl_state.h"

bool GLWindow::setupGLState() {
    applyFixedGLState(width_, height_);
    return true;
}

// Never waits for a message: an empty queue goes straight on to the next frame, and the only
// pause is the one presenting makes where the display offers its refresh.
void GLWindow::run() {
    std::uint32_t previous = platform_.tickCount();
    while (drainMessages()) {
        const std::uint32_t now = platform_.tickCount();
        // Unsigned: a wrap of the counter between two turns still gives the true difference.
        const std::uint32_t elapsed = now - previous;
        previous = now;
        raiseFrameEvents(elapsed);
        present();
    }
}

// Answers false when the quit message has been taken.
bool GLWindow::drainMessages() {
    WindowMessage message;
    while (platform_.peekMessage(message, nullptr, 0, 0, PeekFlag::NoRemove)) {
        const std::int32_t taken = platform_.getMessage(message, nullptr, 0, 0);
        if (taken == 0)
            return false;
        // A failed take has nothing to deliver; the queue is tried again next turn rather than
        // spinning here.
        if (taken < 0)
            return true;
        platform_.translateMessage(message);
        platform_.dispatchMessage(message);
    }
    return true;
}

void GLWindow::raiseFrameEvents(std::uint32_t elapsed) {
    if (callback_ == nullptr)
        return;
    callback_(Idle, static_cast<std::int32_t>(elapsed), userData_);
    callback_(Draw, 0, userData_);
}

void GLWindow::present() {
    glFlush();
    platform_.swapBuffers(deviceContext_);
}
