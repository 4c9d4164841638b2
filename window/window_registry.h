#pragma once

#include <cstddef>
#include <cstdint>
#include <map>

#include "window/platform_types.h"

class GLWindow;

// Which GLWindow owns which native window, so the one window procedure of the class can find
// the object a message is for. Ordered by the handle's numeric value; does not own the windows.
class WindowRegistry {
  public:
    // Keeps the entry already there when the handle is known.
    void enter(WindowHandle window, GLWindow* owner);
    GLWindow* lookUp(WindowHandle window) const;
    // Drops every entry that points at `owner`, so a deleted window is never reached.
    void forget(const GLWindow* owner);
    void clear() { entries_.clear(); }
    std::size_t size() const { return entries_.size(); }

  private:
    std::map<std::uintptr_t, GLWindow*> entries_;
};

// The process's registry, and the window that is being created: messages the platform sends
// before create has entered the new handle reach that one.
WindowRegistry& windowRegistry();
GLWindow* pendingWindow();
void setPendingWindow(GLWindow* window);

// Empties the registry and clears pendingWindow; tests start each case from here.
void resetWindowRouting();

// The window procedure of the class: hands the message to the GLWindow that owns the handle,
// or to the one being created. With neither, the message is answered 0 unhandled.
MessageResult VORN_WINDOW_PROC routeMessage(WindowHandle window, std::uint32_t id,
                                            std::uintptr_t wParam, std::intptr_t lParam);
