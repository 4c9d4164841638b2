#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>

#include "window/platform.h"

struct SDL_Window;
union SDL_Event;

// The platform layer on SDL2, for Linux desktops. Full screen is a real display mode of
// exactly the asked size at 4 bytes per pixel; SDL would quietly take another one, so the
// closest mode is checked here and anything else is a refusal. Every message box text also
// goes to standard error, with the system's reason when there is one. SIGINT and SIGTERM
// arrive as a close message while a window exists. Whatever is still open when this object
// goes (windows, contexts, the display mode) is given back then.
// On X11 (SDL's choice on every Linux desktop, XWayland included) key releases come from the
// X server's own events (x11_releases.h); on SDL's other video drivers they are SDL's, which
// include the releases SDL makes up when the window loses the keyboard focus.
class SdlPlatform : public Platform {
  public:
    // beforeModeChange runs before the display mode is first asked for (the display guardian's
    // wait for the screen's layout).
    explicit SdlPlatform(std::function<void()> beforeModeChange = {});
    ~SdlPlatform() override;
    SdlPlatform(const SdlPlatform&) = delete;
    SdlPlatform& operator=(const SdlPlatform&) = delete;

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

  private:
    struct WindowRecord {
        WindowProcedure procedure = nullptr;
        bool fullscreen = false;
        unsigned long xWindow = 0;  // 0 unless the window is an X window
        // Why no GL pixel format fits this window, for a window made without GL after SDL
        // found none; empty for a GL window.
        std::string noPixelFormat;
    };
    struct ModeChoice {
        int width = 0;
        int height = 0;
        std::uint32_t format = 0;
        int refreshRate = 0;
    };

    // Remembers why the last call failed, for the next message box to print.
    void noteFailure(const std::string& what);
    void noteSdlFailure(const char* call);
    bool startVideo();
    SDL_Window* windowOf(WindowHandle window) const;
    const WindowRecord* recordOf(WindowHandle window) const;
    SDL_Window* createSdlWindow(const WindowDesc& desc, std::uint32_t flags,
                                std::string& noPixelFormat);
    bool enterFullscreen(SDL_Window* window);
    void destroyEverything();

    // The message queue (sdl_messages.cpp).
    void pumpEvents();
    void takeCloseRequests();
    void queueX11KeyRelease(const SDL_Event& event);
    void queueFor(SDL_Window* window, std::uint32_t id, std::uintptr_t wParam,
                  std::intptr_t lParam);
    MessageResult deliver(const WindowMessage& message);

    std::function<void()> beforeModeChange_;
    bool videoStarted_ = false;
    bool releasesFromX11_ = false;
    std::map<std::string, WindowProcedure> classes_;
    std::map<SDL_Window*, WindowRecord> windows_;
    std::map<void*, SDL_Window*> contexts_;
    bool modeChosen_ = false;
    ModeChoice mode_;
    std::int32_t cursorCount_ = 0;
    std::deque<WindowMessage> queue_;
    std::string failure_;
};
