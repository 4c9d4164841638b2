#pragma once

#include <cstdint>

#include "window/platform.h"

// The platform layer on Windows: USER32 for windows, messages, display modes and message boxes,
// GDI32 for pixel formats and buffer swaps, WGL for the GL context, GetTickCount for time.
//
// Supports: every operation of Platform, each one call to the system with the same numbers
// (the layer's ids, flags and records equal Windows' own); 64-bit Windows, where the layer's
// message types are the system's (checked when compiling).
// Two things go beyond a plain call:
//  - adjustWindowRect allows for the caption that Windows gives every overlapped window even
//    when the style does not ask for one, so the drawing area comes out at the size asked;
//  - messageBox also prints its caption and text on standard error, where a test or a user
//    started from a console can read it (on a plain desktop start it goes nowhere).
// Limits: no state of its own, so no per-window data; the 4 window extra bytes the class asks
// for are too small for a pointer on 64-bit and are left unused. Handles are the system's own,
// cast to the layer's opaque types.
// Needs: user32, gdi32, opengl32; built with MinGW-w64 (cmake/mingw-w64.cmake).
class Win32Platform : public Platform {
  public:
    bool registerClass(const WindowClassDesc& windowClass) override;
    bool unregisterClass(const char* className, InstanceHandle instance) override;
    std::int32_t changeDisplayMode(const DisplayMode& mode, std::uint32_t flags) override;
    std::int32_t restoreDisplayMode() override;
    std::int32_t showCursor(bool show) override;
    bool adjustWindowRect(WindowRect& rect, std::uint32_t style, bool hasMenu,
                          std::uint32_t exStyle) override;
    WindowHandle createWindow(const WindowDesc& desc) override;
    bool destroyWindow(WindowHandle window) override;
    bool showWindow(WindowHandle window, std::int32_t command) override;
    bool setForegroundWindow(WindowHandle window) override;
    WindowHandle setFocus(WindowHandle window) override;
    DeviceContextHandle getDeviceContext(WindowHandle window) override;
    bool releaseDeviceContext(WindowHandle window, DeviceContextHandle dc) override;
    std::int32_t choosePixelFormat(DeviceContextHandle dc, const PixelFormatDesc& wanted) override;
    bool setPixelFormat(DeviceContextHandle dc, std::int32_t format,
                        const PixelFormatDesc& wanted) override;
    GLContextHandle createGLContext(DeviceContextHandle dc) override;
    bool makeCurrent(DeviceContextHandle dc, GLContextHandle context) override;
    bool deleteGLContext(GLContextHandle context) override;
    bool swapBuffers(DeviceContextHandle dc) override;
    bool peekMessage(WindowMessage& message, WindowHandle filter, std::uint32_t first,
                     std::uint32_t last, std::uint32_t removeFlags) override;
    std::int32_t getMessage(WindowMessage& message, WindowHandle filter, std::uint32_t first,
                            std::uint32_t last) override;
    bool translateMessage(const WindowMessage& message) override;
    MessageResult dispatchMessage(const WindowMessage& message) override;
    MessageResult defaultProcessing(WindowHandle window, std::uint32_t id, std::uintptr_t wParam,
                                    std::intptr_t lParam) override;
    void postQuit(std::int32_t exitCode) override;
    std::int32_t messageBox(WindowHandle owner, const char* text, const char* caption,
                            std::uint32_t flags) override;
    std::uint32_t tickCount() override;
};
