// The window procedure, the registry behind it, what a message means to the core, and the queue.
#include <cstdint>
#include <iterator>
#include <map>

#include "window/win32/win32_backend.h"

namespace {

// Ordered by the handle's value; does not own the backends.
std::map<std::uintptr_t, Win32Backend*>& registry() {
    static std::map<std::uintptr_t, Win32Backend*> entries;
    return entries;
}

Win32Backend*& pendingSlot() {
    static Win32Backend* pending = nullptr;
    return pending;
}

std::uintptr_t keyOf(HWND window) {
    return reinterpret_cast<std::uintptr_t>(window);
}

}  // namespace

void WindowRouting::setPending(Win32Backend* backend) {
    pendingSlot() = backend;
}

void WindowRouting::enter(HWND window, Win32Backend* backend) {
    registry().emplace(keyOf(window), backend);
}

void WindowRouting::forget(const Win32Backend* backend) {
    auto& entries = registry();
    for (auto entry = entries.begin(); entry != entries.end();)
        entry = entry->second == backend ? entries.erase(entry) : std::next(entry);
    if (pendingSlot() == backend)
        pendingSlot() = nullptr;
}

void resetWindowRouting() {
    registry().clear();
    pendingSlot() = nullptr;
}

LRESULT CALLBACK routeMessage(HWND window, UINT id, WPARAM wParam, LPARAM lParam) {
    const auto found = registry().find(keyOf(window));
    Win32Backend* target = found != registry().end() ? found->second : pendingSlot();
    if (target == nullptr)
        return DefWindowProcA(window, id, wParam, lParam);
    return target->handleMessage(window, id, wParam, lParam);
}

LRESULT Win32Backend::handleMessage(HWND window, UINT id, WPARAM wParam, LPARAM lParam) {
    switch (id) {
        case WM_ACTIVATE:
            // The high word is the minimised flag; the low word (how it was activated) is not
            // the core's business.
            raise(WindowEvent::Kind::Activate, 0, HIWORD(wParam) != 0);
            return 0;
        case WM_SIZE:
            // The drawing area keeps its size and projection whatever happens to the window.
            return 0;
        case WM_CLOSE:
            // The core asks for the quit; the window is not destroyed here.
            raise(WindowEvent::Kind::Close);
            return 0;
        case WM_KEYDOWN:
            raise(WindowEvent::Kind::KeyDown, wParam);
            return 0;
        case WM_KEYUP:
            raise(WindowEvent::Kind::KeyUp, wParam);
            return 0;
        case WM_SYSCOMMAND:
            // Swallowing these two keeps the screen saver and display power-off away while the
            // game runs.
            if (wParam == SC_SCREENSAVE || wParam == SC_MONITORPOWER)
                return 0;
            return defaultProcessing(window, id, wParam, lParam);
        default:
            return defaultProcessing(window, id, wParam, lParam);
    }
}

LRESULT Win32Backend::defaultProcessing(HWND window, UINT id, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, id, wParam, lParam);
}

// A code past 32 bits stays past the core's key table instead of wrapping into it.
void Win32Backend::raise(WindowEvent::Kind kind, WPARAM key, bool minimised) {
    if (listener_ == nullptr)
        return;
    WindowEvent event;
    event.kind = kind;
    event.key = key > UINT32_MAX ? UINT32_MAX : static_cast<std::uint32_t>(key);
    event.minimised = minimised;
    listener_->onWindowEvent(event);
}

// Never waits: an empty queue answers at once.
bool Win32Backend::pumpEvents() {
    MSG message{};
    while (PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
        const BOOL taken = GetMessageA(&message, nullptr, 0, 0);
        if (taken == 0)
            return false;
        // A failed take has nothing to deliver; the queue is tried again next turn rather than
        // spinning here.
        if (taken < 0)
            return true;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return true;
}

void Win32Backend::requestQuit() {
    PostQuitMessage(0);
}
