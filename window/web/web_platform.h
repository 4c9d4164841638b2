#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <string>

#include "window/platform.h"
#include "window/web/web_keys.h"

// The platform layer in a web browser, built with Emscripten (3.1, WebAssembly).
//
// Supports: one window, which is the page's canvas (Module.canvas): creating it sizes the
// canvas's drawing buffer and names the page, showing it makes it visible, the focus is the
// canvas's keyboard focus. The GL context is WebGL 1 made through Emscripten's EGL; the drawing
// code's OpenGL 1.1 is translated onto it by gl/.
// Keys come from the canvas as the DOM reports them (keyCode is the virtual-key code); the
// game's keys do not scroll the page while the canvas has the focus; Escape that ends the
// canvas's full screen is the browser's (web_keys.h). A hidden tab counts as minimised.
// Message boxes are the browser's alert and confirm, the caption above the text, and each is
// also written to the console. The tick counter is the wall clock, truncated to 32 bits.
// Presenting gives the browser its turn until its next frame (Asyncify), so the busy main loop
// keeps the page responsive and runs at the browser's frame rate.
// Limits: a page cannot change the display mode, so a full-screen mode is always refused
// (play it windowed; the page offers its own full-screen view). The browser may not show the
// same box twice, and a box it suppresses answers OK or No. A hidden tab gets no frames, so
// the game stands still until it is shown again. Closing the tab ends the game without a
// close message.
// Needs: Emscripten's -sASYNCIFY, -lEGL and html5.h; the page of
// window/web/page/; WebGL in the browser.
class WebPlatform : public Platform {
  public:
    WebPlatform() = default;
    ~WebPlatform() override;
    WebPlatform(const WebPlatform&) = delete;
    WebPlatform& operator=(const WebPlatform&) = delete;

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

    // What the page reports while the program waits for the browser (web_events.cpp).
    void keyFromPage(const DomKeyEvent& key);
    void fullscreenFromPage(bool fullscreen);
    void visibilityFromPage(bool hidden);

  private:
    // Remembers why the last call failed, for the next message box to write to the console.
    void noteFailure(const std::string& what);
    static WindowHandle canvasWindow();
    bool isWindow(WindowHandle window) const;
    bool isDeviceContext(DeviceContextHandle dc) const;
    void queueFor(std::uint32_t id, std::uintptr_t wParam, std::intptr_t lParam);

    // The page's events (web_events.cpp).
    void listenToPage();
    void stopListening();

    // The EGL side of the GL context (web_gl_context.cpp).
    bool openDisplay();
    void closeDisplay();

    std::map<std::string, WindowProcedure> classes_;
    WindowProcedure procedure_ = nullptr;
    bool windowOpen_ = false;
    bool shown_ = false;
    std::int32_t cursorCount_ = 0;
    WebKeyTranslator keys_;
    std::deque<WindowMessage> queue_;
    std::string failure_;

    void* display_ = nullptr;
    void* config_ = nullptr;
    void* surface_ = nullptr;
    void* context_ = nullptr;
};
