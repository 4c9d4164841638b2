#include "window/gl_window.h"

#include "window/window_registry.h"

namespace {

// The high word of Activate's wParam: non-zero while the window is minimised.
bool minimisedFlag(std::uintptr_t wParam) {
    return ((wParam >> 16) & 0xFFFF) != 0;
}

}  // namespace

GLWindow::GLWindow(Platform& platform, InstanceHandle instance, std::int32_t colourBits,
                   bool fullscreen)
    : platform_(platform), instance_(instance), colourBits_(colourBits), fullscreen_(fullscreen) {}

// The registry and pendingWindow are process-wide; leaving this object in either would let a
// late message reach freed memory.
GLWindow::~GLWindow() {
    windowRegistry().forget(this);
    if (pendingWindow() == this)
        setPendingWindow(nullptr);
}

void GLWindow::setCallback(FrameCallback newCallback, void* newUserData) {
    callback_ = newCallback;
    userData_ = newUserData;
}

MessageResult GLWindow::handleMessage(WindowHandle window, std::uint32_t id, std::uintptr_t wParam,
                                      std::intptr_t lParam) {
    switch (id) {
        case MessageId::Activate:
            return onActivate(wParam);
        case MessageId::Size:
            // The drawing area keeps its size and projection whatever happens to the window.
            return 0;
        case MessageId::Close:
            // Only ends the loop; the platform takes the window down when the process ends.
            platform_.postQuit(0);
            return 0;
        case MessageId::KeyDown:
            return onKeyDown(wParam);
        case MessageId::KeyUp:
            return onKeyUp(wParam);
        case MessageId::SysCommand:
            return onSysCommand(window, wParam, lParam);
        default:
            return platform_.defaultProcessing(window, id, wParam, lParam);
    }
}

MessageResult GLWindow::onActivate(std::uintptr_t wParam) {
    active_ = !minimisedFlag(wParam);
    return 0;
}

// Repeats of a held key only set the flag again; nothing reaches the game until the release.
MessageResult GLWindow::onKeyDown(std::uintptr_t wParam) {
    if (wParam < kKeyCount)
        keys_[wParam] = true;
    return 0;
}

MessageResult GLWindow::onKeyUp(std::uintptr_t wParam) {
    if (wParam < kKeyCount)
        keys_[wParam] = false;
    if (callback_ != nullptr && !callback_(KeyUp, static_cast<std::int32_t>(wParam), userData_)) {
        platform_.postQuit(0);
    }
    return 0;
}

// Swallowing these two keeps the screen saver and display power-off away while the game runs.
MessageResult GLWindow::onSysCommand(WindowHandle window, std::uintptr_t wParam,
                                     std::intptr_t lParam) {
    if (wParam == SystemCommand::ScreenSave || wParam == SystemCommand::MonitorPower)
        return 0;
    return platform_.defaultProcessing(window, MessageId::SysCommand, wParam, lParam);
}
