#include "render/gl_api.h"
#include "render/gl_state.h"
#include "window/gl_window.h"

bool GLWindow::setupGLState() {
    applyFixedGLState(width_, height_);
    return true;
}

// Never waits for an event: with none waiting it goes straight on to the next frame, and the
// only pause is the one presenting makes where the display offers its refresh.
void GLWindow::run() {
    startLoop();
    while (turn()) {
    }
}

void GLWindow::startLoop() {
    previousTurn_ = backend_.ticks();
}

// The time between turns is whatever passed, however long: a page that the browser gave no
// frames for a while catches up as a minimised desktop window does.
bool GLWindow::turn() {
    if (!backend_.pumpEvents())
        return false;
    const std::uint32_t now = backend_.ticks();
    // Unsigned: a wrap of the counter between two turns still gives the true difference.
    const std::uint32_t elapsed = now - previousTurn_;
    previousTurn_ = now;
    raiseFrameEvents(elapsed);
    present();
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
    backend_.present();
}
