#include "window/gl_window.h"

GLWindow::GLWindow(WindowBackend& backend, std::int32_t colourBits, bool fullscreen)
    : backend_(backend), colourBits_(colourBits), fullscreen_(fullscreen) {
    backend_.setListener(this);
}

// No event may reach the deleted object.
GLWindow::~GLWindow() {
    backend_.setListener(nullptr);
}

void GLWindow::setCallback(FrameCallback newCallback, void* newUserData) {
    callback_ = newCallback;
    userData_ = newUserData;
}

void GLWindow::onWindowEvent(const WindowEvent& event) {
    switch (event.kind) {
        case WindowEvent::Kind::KeyDown:
            // Repeats of a held key only set the flag again; nothing reaches the game until the
            // release.
            if (event.key < kKeyCount)
                keys_[event.key] = true;
            break;
        case WindowEvent::Kind::KeyUp:
            onKeyUp(event.key);
            break;
        case WindowEvent::Kind::Close:
            // Only ends the loop; the system takes the window down when the process ends.
            backend_.requestQuit();
            break;
        case WindowEvent::Kind::Activate:
            active_ = !event.minimised;
            break;
    }
}

// The flag is down before the game hears of the release, also when its answer ends the run.
void GLWindow::onKeyUp(std::uint32_t code) {
    if (code < kKeyCount)
        keys_[code] = false;
    if (callback_ != nullptr && !callback_(KeyUp, static_cast<std::int32_t>(code), userData_))
        backend_.requestQuit();
}
