#include "window/window_registry.h"

#include <iterator>

#include "window/gl_window.h"

namespace {

std::uintptr_t keyOf(WindowHandle window) {
    return reinterpret_cast<std::uintptr_t>(window);
}

GLWindow*& pendingSlot() {
    static GLWindow* pending = nullptr;
    return pending;
}

}  // namespace

void WindowRegistry::enter(WindowHandle window, GLWindow* owner) {
    entries_.emplace(keyOf(window), owner);
}

GLWindow* WindowRegistry::lookUp(WindowHandle window) const {
    const auto found = entries_.find(keyOf(window));
    return found == entries_.end() ? nullptr : found->second;
}

void WindowRegistry::forget(const GLWindow* owner) {
    for (auto entry = entries_.begin(); entry != entries_.end();) {
        entry = entry->second == owner ? entries_.erase(entry) : std::next(entry);
    }
}

WindowRegistry& windowRegistry() {
    static WindowRegistry registry;
    return registry;
}

GLWindow* pendingWindow() {
    return pendingSlot();
}

void setPendingWindow(GLWindow* window) {
    pendingSlot() = window;
}

void resetWindowRouting() {
    windowRegistry().clear();
    setPendingWindow(nullptr);
}

MessageResult VORN_WINDOW_PROC routeMessage(WindowHandle window, std::uint32_t id,
                                            std::uintptr_t wParam, std::intptr_t lParam) {
    GLWindow* target = windowRegistry().lookUp(window);
    if (target == nullptr)
        target = pendingWindow();
    if (target == nullptr)
        return 0;
    return target->handleMessage(window, id, wParam, lParam);
}
