#pragma once

#include <cstdint>

#include "window/platform_types.h"

// The operating-system services the shell needs, one operation each, with the meaning and
// answers of their Windows counterparts. GLWindow is written once over this; each backend
// (SDL2 on Linux, a recording double in the tests, Windows) implements it.
class Platform {
  public:
    virtual ~Platform() = default;

    // Window class: registration answers false when it fails.
    virtual bool registerClass(const WindowClassDesc& windowClass) = 0;
    virtual bool unregisterClass(const char* className, InstanceHandle instance) = 0;

    // Display mode: a DisplayChange answer. Restoring goes back to the mode the system had.
    virtual std::int32_t changeDisplayMode(const DisplayMode& mode, std::uint32_t flags) = 0;
    virtual std::int32_t restoreDisplayMode() = 0;

    // Mouse cursor: a display counter, shown while it is zero or more; answers the new count.
    virtual std::int32_t showCursor(bool show) = 0;

    // Enlarges a drawing-area rectangle to the outer rectangle of a window of that style.
    virtual bool adjustWindowRect(WindowRect& rect, std::uint32_t style, bool hasMenu,
                                  std::uint32_t exStyle) = 0;

    // Windows: creation answers null on failure and may call the class's procedure before it
    // returns; destruction may too. showWindow answers whether the window was visible before;
    // setFocus answers the window that had the focus.
    virtual WindowHandle createWindow(const WindowDesc& desc) = 0;
    virtual bool destroyWindow(WindowHandle window) = 0;
    virtual bool showWindow(WindowHandle window, std::int32_t command) = 0;
    virtual bool setForegroundWindow(WindowHandle window) = 0;
    virtual WindowHandle setFocus(WindowHandle window) = 0;

    // Device context, pixel format and GL context. choosePixelFormat answers 0 when nothing
    // fits; makeCurrent with two nulls releases the current context.
    virtual DeviceContextHandle getDeviceContext(WindowHandle window) = 0;
    virtual bool releaseDeviceContext(WindowHandle window, DeviceContextHandle dc) = 0;
    virtual std::int32_t choosePixelFormat(DeviceContextHandle dc,
                                           const PixelFormatDesc& wanted) = 0;
    virtual bool setPixelFormat(DeviceContextHandle dc, std::int32_t format,
                                const PixelFormatDesc& wanted) = 0;
    virtual GLContextHandle createGLContext(DeviceContextHandle dc) = 0;
    virtual bool makeCurrent(DeviceContextHandle dc, GLContextHandle context) = 0;
    virtual bool deleteGLContext(GLContextHandle context) = 0;
    virtual bool swapBuffers(DeviceContextHandle dc) = 0;

    // Message queue of the calling thread. getMessage answers 0 for the quit message and a
    // negative number when it fails; dispatchMessage calls the window's procedure.
    virtual bool peekMessage(WindowMessage& message, WindowHandle filter, std::uint32_t first,
                             std::uint32_t last, std::uint32_t removeFlags) = 0;
    virtual std::int32_t getMessage(WindowMessage& message, WindowHandle filter,
                                    std::uint32_t first, std::uint32_t last) = 0;
    virtual bool translateMessage(const WindowMessage& message) = 0;
    virtual MessageResult dispatchMessage(const WindowMessage& message) = 0;
    virtual MessageResult defaultProcessing(WindowHandle window, std::uint32_t id,
                                            std::uintptr_t wParam, std::intptr_t lParam) = 0;
    virtual void postQuit(std::int32_t exitCode) = 0;

    // A modal box: a BoxAnswer, BoxAnswer::Failed when it could not be shown.
    virtual std::int32_t messageBox(WindowHandle owner, const char* text, const char* caption,
                                    std::uint32_t flags) = 0;

    // Milliseconds since an arbitrary start; wraps around after 2^32 - 1.
    virtual std::uint32_t tickCount() = 0;
};
