// Windows, display modes, pixel formats and GL contexts: one system call each.
#include "window/win32/win32_platform.h"

#include "window/win32/win32_native.h"

namespace {

HICON systemIcon(std::uint32_t resource) {
    return resource == 0 ? nullptr : LoadIconA(nullptr, MAKEINTRESOURCEA(resource));
}

HCURSOR systemCursor(std::uint32_t resource) {
    return resource == 0 ? nullptr : LoadCursorA(nullptr, MAKEINTRESOURCEA(resource));
}

// Windows gives every overlapped window (neither pop-up nor child) a caption, asked for or
// not; the frame to allow for is the one it will draw.
DWORD frameStyle(std::uint32_t style) {
    const bool overlapped = (style & (WS_POPUP | WS_CHILD)) == 0;
    return overlapped ? style | WS_CAPTION : style;
}

PIXELFORMATDESCRIPTOR nativePixelFormat(const PixelFormatDesc& format) {
    PIXELFORMATDESCRIPTOR native{};
    native.nSize = format.size;
    native.nVersion = format.version;
    native.dwFlags = format.flags;
    native.iPixelType = format.pixelType;
    native.cColorBits = format.colourBits;
    native.cRedBits = format.redBits;
    native.cRedShift = format.redShift;
    native.cGreenBits = format.greenBits;
    native.cGreenShift = format.greenShift;
    native.cBlueBits = format.blueBits;
    native.cBlueShift = format.blueShift;
    native.cAlphaBits = format.alphaBits;
    native.cAlphaShift = format.alphaShift;
    native.cAccumBits = format.accumBits;
    native.cAccumRedBits = format.accumRedBits;
    native.cAccumGreenBits = format.accumGreenBits;
    native.cAccumBlueBits = format.accumBlueBits;
    native.cAccumAlphaBits = format.accumAlphaBits;
    native.cDepthBits = format.depthBits;
    native.cStencilBits = format.stencilBits;
    native.cAuxBuffers = format.auxBuffers;
    native.iLayerType = format.layerType;
    native.bReserved = format.reserved;
    native.dwLayerMask = format.layerMask;
    native.dwVisibleMask = format.visibleMask;
    native.dwDamageMask = format.damageMask;
    return native;
}

// dmSize tells the system which version of the record it gets; members past it are not read.
DEVMODEA nativeDisplayMode(const DisplayMode& mode) {
    DEVMODEA native{};
    native.dmSize = static_cast<WORD>(mode.size);
    native.dmFields = mode.fields;
    native.dmBitsPerPel = mode.bitsPerPixel;
    native.dmPelsWidth = mode.width;
    native.dmPelsHeight = mode.height;
    native.dmDisplayFrequency = mode.frequency;
    return native;
}

}  // namespace

bool Win32Platform::registerClass(const WindowClassDesc& windowClass) {
    WNDCLASSA native{};
    native.style = windowClass.style;
    native.lpfnWndProc = nativeProcedure(windowClass.procedure);
    native.cbClsExtra = windowClass.classExtraBytes;
    native.cbWndExtra = windowClass.windowExtraBytes;
    native.hInstance = nativeInstance(windowClass.instance);
    native.hIcon = systemIcon(windowClass.icon);
    native.hCursor = systemCursor(windowClass.cursor);
    native.lpszClassName = windowClass.className;
    return RegisterClassA(&native) != 0;
}

bool Win32Platform::unregisterClass(const char* className, InstanceHandle instance) {
    return UnregisterClassA(className, nativeInstance(instance)) != FALSE;
}

std::int32_t Win32Platform::changeDisplayMode(const DisplayMode& mode, std::uint32_t flags) {
    DEVMODEA native = nativeDisplayMode(mode);
    return ChangeDisplaySettingsA(&native, flags);
}

std::int32_t Win32Platform::restoreDisplayMode() {
    return ChangeDisplaySettingsA(nullptr, 0);
}

std::int32_t Win32Platform::showCursor(bool show) {
    return ShowCursor(show ? TRUE : FALSE);
}

bool Win32Platform::adjustWindowRect(WindowRect& rect, std::uint32_t style, bool hasMenu,
                                     std::uint32_t exStyle) {
    RECT native{rect.left, rect.top, rect.right, rect.bottom};
    if (!AdjustWindowRectEx(&native, frameStyle(style), hasMenu ? TRUE : FALSE, exStyle)) {
        return false;
    }
    rect = WindowRect{native.left, native.top, native.right, native.bottom};
    return true;
}

WindowHandle Win32Platform::createWindow(const WindowDesc& desc) {
    return layerWindow(CreateWindowExA(desc.exStyle, desc.className, desc.title, desc.style, desc.x,
                                       desc.y, desc.width, desc.height, nativeWindow(desc.parent),
                                       nullptr, nativeInstance(desc.instance), desc.param));
}

bool Win32Platform::destroyWindow(WindowHandle window) {
    return DestroyWindow(nativeWindow(window)) != FALSE;
}

// The system answers whether the window was visible before, not whether showing worked.
bool Win32Platform::showWindow(WindowHandle window, std::int32_t command) {
    return ShowWindow(nativeWindow(window), command) != FALSE;
}

bool Win32Platform::setForegroundWindow(WindowHandle window) {
    return SetForegroundWindow(nativeWindow(window)) != FALSE;
}

WindowHandle Win32Platform::setFocus(WindowHandle window) {
    return layerWindow(SetFocus(nativeWindow(window)));
}

DeviceContextHandle Win32Platform::getDeviceContext(WindowHandle window) {
    return reinterpret_cast<DeviceContextHandle>(GetDC(nativeWindow(window)));
}

bool Win32Platform::releaseDeviceContext(WindowHandle window, DeviceContextHandle dc) {
    return ReleaseDC(nativeWindow(window), nativeDC(dc)) == 1;
}

std::int32_t Win32Platform::choosePixelFormat(DeviceContextHandle dc,
                                              const PixelFormatDesc& wanted) {
    const PIXELFORMATDESCRIPTOR native = nativePixelFormat(wanted);
    return ChoosePixelFormat(nativeDC(dc), &native);
}

bool Win32Platform::setPixelFormat(DeviceContextHandle dc, std::int32_t format,
                                   const PixelFormatDesc& wanted) {
    const PIXELFORMATDESCRIPTOR native = nativePixelFormat(wanted);
    return SetPixelFormat(nativeDC(dc), format, &native) != FALSE;
}

GLContextHandle Win32Platform::createGLContext(DeviceContextHandle dc) {
    return reinterpret_cast<GLContextHandle>(wglCreateContext(nativeDC(dc)));
}

bool Win32Platform::makeCurrent(DeviceContextHandle dc, GLContextHandle context) {
    return wglMakeCurrent(nativeDC(dc), nativeContext(context)) != FALSE;
}

bool Win32Platform::deleteGLContext(GLContextHandle context) {
    return wglDeleteContext(nativeContext(context)) != FALSE;
}

bool Win32Platform::swapBuffers(DeviceContextHandle dc) {
    return SwapBuffers(nativeDC(dc)) != FALSE;
}
