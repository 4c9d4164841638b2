#pragma once

// Between the layer's opaque handles and records and the system's own. Only the Win32 backend
// includes this: it is the one place that sees <windows.h>.

#include <windows.h>

#include <cstdint>
#include <type_traits>

#include "window/platform_types.h"

// The layer's message types are the system's, so a window procedure of the layer is one of the
// system's; the handle types differ only in name.
static_assert(std::is_same_v<WPARAM, std::uintptr_t>, "wParam is pointer-sized, unsigned");
static_assert(std::is_same_v<LPARAM, std::intptr_t>, "lParam is pointer-sized, signed");
static_assert(std::is_same_v<LRESULT, MessageResult>, "a procedure answers pointer-sized");
static_assert(std::is_same_v<UINT, std::uint32_t>, "message ids are 32-bit");

inline HWND nativeWindow(WindowHandle window) {
    return reinterpret_cast<HWND>(window);
}
inline WindowHandle layerWindow(HWND window) {
    return reinterpret_cast<WindowHandle>(window);
}
inline HDC nativeDC(DeviceContextHandle dc) {
    return reinterpret_cast<HDC>(dc);
}
inline HGLRC nativeContext(GLContextHandle context) {
    return reinterpret_cast<HGLRC>(context);
}
inline HINSTANCE nativeInstance(InstanceHandle instance) {
    return reinterpret_cast<HINSTANCE>(instance);
}

// Casting through the generic function type states that the two signatures are the same call.
inline WNDPROC nativeProcedure(WindowProcedure procedure) {
    return reinterpret_cast<WNDPROC>(reinterpret_cast<void (*)()>(procedure));
}

inline MSG nativeMessage(const WindowMessage& message) {
    MSG native{};
    native.hwnd = nativeWindow(message.window);
    native.message = message.id;
    native.wParam = message.wParam;
    native.lParam = message.lParam;
    native.time = message.time;
    native.pt.x = message.x;
    native.pt.y = message.y;
    return native;
}

inline WindowMessage layerMessage(const MSG& native) {
    WindowMessage message;
    message.window = layerWindow(native.hwnd);
    message.id = native.message;
    message.wParam = native.wParam;
    message.lParam = native.lParam;
    message.time = native.time;
    message.x = native.pt.x;
    message.y = native.pt.y;
    return message;
}
