// The message queue, message boxes and the tick counter: one system call each.
#include <cstdio>

#include "window/win32/win32_native.h"
#include "window/win32/win32_platform.h"

bool Win32Platform::peekMessage(WindowMessage& message, WindowHandle filter, std::uint32_t first,
                                std::uint32_t last, std::uint32_t removeFlags) {
    MSG native{};
    if (!PeekMessageA(&native, nativeWindow(filter), first, last, removeFlags))
        return false;
    message = layerMessage(native);
    return true;
}

std::int32_t Win32Platform::getMessage(WindowMessage& message, WindowHandle filter,
                                       std::uint32_t first, std::uint32_t last) {
    MSG native{};
    const BOOL taken = GetMessageA(&native, nativeWindow(filter), first, last);
    if (taken >= 0)
        message = layerMessage(native);
    return taken;
}

bool Win32Platform::translateMessage(const WindowMessage& message) {
    const MSG native = nativeMessage(message);
    return TranslateMessage(&native) != FALSE;
}

MessageResult Win32Platform::dispatchMessage(const WindowMessage& message) {
    const MSG native = nativeMessage(message);
    return DispatchMessageA(&native);
}

MessageResult Win32Platform::defaultProcessing(WindowHandle window, std::uint32_t id,
                                               std::uintptr_t wParam, std::intptr_t lParam) {
    return DefWindowProcA(nativeWindow(window), id, wParam, lParam);
}

void Win32Platform::postQuit(std::int32_t exitCode) {
    PostQuitMessage(exitCode);
}

// Printed first, so a log holds the text even when the box never gets an answer.
std::int32_t Win32Platform::messageBox(WindowHandle owner, const char* text, const char* caption,
                                       std::uint32_t flags) {
    std::fprintf(stderr, "vorngame: %s: %s\n", caption, text);
    std::fflush(stderr);
    return MessageBoxA(nativeWindow(owner), text, caption, flags);
}

std::uint32_t Win32Platform::tickCount() {
    return GetTickCount();
}
