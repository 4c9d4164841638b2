#include "window/sdl/sdl_backend.h"

#include <cstdio>
#include <utility>

#define SDL_MAIN_HANDLED
#include <SDL.h>
#include <SDL_syswm.h>

#include "window/sdl/sdl_gl_format.h"
#include "window/x11_posix/close_signals.h"
#include "window/x11_posix/lost_display.h"
#include "window/x11_posix/tick_counter.h"

namespace {

// Only asked where SDL runs on X, so the window's system information is X's.
unsigned long xWindowOf(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    return SDL_GetWindowWMInfo(window, &info) == SDL_TRUE ? info.info.x11.window : 0;
}

std::string sizeText(int width, int height) {
    return std::to_string(width) + "x" + std::to_string(height);
}

}  // namespace

SdlBackend::SdlBackend(std::function<void()> beforeModeChange)
    : beforeModeChange_(std::move(beforeModeChange)) {
    SDL_SetMainReady();
    // Signals are ours (close_signals.h); the run ends on its own close request, not on SDL's idea
    // of the last window.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
}

// The context first, then the window: destroying a full-screen window puts the mode back.
SdlBackend::~SdlBackend() {
    if (context_ != nullptr) {
        SDL_GL_MakeCurrent(nullptr, nullptr);
        SDL_GL_DeleteContext(context_);
    }
    closeWindow();
    pads_.stop();
    if (videoStarted_)
        SDL_Quit();
}

bool SdlBackend::noteFailure(const std::string& why) {
    why_ = why;
    return false;
}

bool SdlBackend::noteSdlFailure(const char* call) {
    return noteFailure(std::string(call) + ": " + SDL_GetError());
}

std::string SdlBackend::takeFailureReason() {
    return std::exchange(why_, std::string());
}

std::uint32_t SdlBackend::ticks() {
    return systemTickCount();
}

bool SdlBackend::start() {
    if (videoStarted_)
        return true;
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
        return noteSdlFailure("SDL_Init");
    const std::string driver = SDL_GetCurrentVideoDriver();
    const char* asked = SDL_getenv("SDL_VIDEODRIVER");
    if ((driver == "offscreen" || driver == "dummy") && (asked == nullptr || *asked == '\0')) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return noteFailure("SDL_Init: no display found, only SDL's " + driver +
                           " video driver (is DISPLAY set?)");
    }
    videoStarted_ = true;
    keysFromX_ = driver == "x11";
    if (keysFromX_) {
        SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
        explainALostDisplay();
    }
    std::string why;
    if (!pads_.start(why))
        std::fprintf(stderr, "vorngame: gamepads cannot be read, only the keyboard: %s\n",
                     why.c_str());
    return true;
}

// Only an exact match counts; the mode itself is set when the full-screen window is made.
bool SdlBackend::enterDisplayMode(std::int32_t width, std::int32_t height,
                                  std::int32_t colourBits) {
    if (beforeModeChange_)
        beforeModeChange_();
    SDL_DisplayMode wanted{};
    wanted.w = width;
    wanted.h = height;
    SDL_DisplayMode closest{};
    if (SDL_GetClosestDisplayMode(0, &wanted, &closest) == nullptr)
        return noteSdlFailure("SDL_GetClosestDisplayMode");
    const int bytesPerPixel = (colourBits + 7) / 8;
    const int closestBytes = static_cast<int>(SDL_BYTESPERPIXEL(closest.format));
    if (closest.w != width || closest.h != height || closestBytes != bytesPerPixel) {
        return noteFailure("the display has no " + sizeText(width, height) + " mode at " +
                           std::to_string(bytesPerPixel) + " bytes per pixel; the closest is " +
                           sizeText(closest.w, closest.h) + " at " + std::to_string(closestBytes));
    }
    modeWidth_ = closest.w;
    modeHeight_ = closest.h;
    modeFormat_ = closest.format;
    modeRefreshRate_ = closest.refresh_rate;
    modeChosen_ = true;
    return true;
}

void SdlBackend::leaveDisplayMode() {
    modeChosen_ = false;
    if (window_ != nullptr && windowFullscreen_ && SDL_SetWindowFullscreen(window_, 0) != 0)
        noteSdlFailure("SDL_SetWindowFullscreen");
    windowFullscreen_ = false;
}

void SdlBackend::showCursor(bool shown) {
    cursorCount_ += shown ? 1 : -1;
    if (videoStarted_)
        SDL_ShowCursor(cursorCount_ >= 0 ? SDL_ENABLE : SDL_DISABLE);
}

// SDL loads GL and picks the X visual before it makes the X window, and X reports its own
// failures later and elsewhere: a window that cannot be made here is one that no pixel format
// fits. Placed at (0, 0) explicitly: without a window manager nobody else moves it there.
OpenStep SdlBackend::openWindow(const WindowSpec& asked) {
    askForOurGLFormat();
    const bool fullscreen = asked.fullscreen && modeChosen_;
    Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN;
    if (asked.fullscreen)
        flags |= SDL_WINDOW_BORDERLESS;
    if (fullscreen)
        flags |= SDL_WINDOW_FULLSCREEN;
    window_ = SDL_CreateWindow(asked.title, 0, 0, asked.width, asked.height, flags);
    if (window_ == nullptr) {
        noteSdlFailure("SDL_CreateWindow");
        return OpenStep::FindFormat;
    }
    if (fullscreen) {
        SDL_DisplayMode mode{};
        mode.w = modeWidth_;
        mode.h = modeHeight_;
        mode.format = modeFormat_;
        mode.refresh_rate = modeRefreshRate_;
        if (SDL_SetWindowDisplayMode(window_, &mode) != 0) {
            noteSdlFailure("SDL_SetWindowDisplayMode");
            closeWindow();
            return OpenStep::Window;
        }
    }
    windowFullscreen_ = fullscreen;
    xWindow_ = keysFromX_ ? xWindowOf(window_) : 0;
    CloseSignals::install();
    SDL_DisableScreenSaver();
    return OpenStep::Done;
}

OpenStep SdlBackend::openContext() {
    context_ = SDL_GL_CreateContext(window_);
    if (context_ == nullptr) {
        noteSdlFailure("SDL_GL_CreateContext");
        return OpenStep::MakeContext;
    }
    if (SDL_GL_MakeCurrent(window_, context_) != 0) {
        noteSdlFailure("SDL_GL_MakeCurrent");
        return OpenStep::MakeCurrent;
    }
    // One frame per display refresh where the system offers it; where it does not, presenting
    // does not wait.
    SDL_GL_SetSwapInterval(1);
    return OpenStep::Done;
}

// Without a window manager nobody else gives the window the keyboard.
void SdlBackend::show() {
    SDL_ShowWindow(window_);
    SDL_RaiseWindow(window_);
    SDL_SetWindowInputFocus(window_);
}

bool SdlBackend::release(Release what) {
    switch (what) {
        case Release::CurrentContext:
            return context_ == nullptr || SDL_GL_MakeCurrent(nullptr, nullptr) == 0 ||
                   noteSdlFailure("SDL_GL_MakeCurrent");
        case Release::Context:
            if (context_ != nullptr)
                SDL_GL_DeleteContext(context_);
            context_ = nullptr;
            return true;
        case Release::Window:
            closeWindow();
            return true;
        default:
            return true;
    }
}

void SdlBackend::closeWindow() {
    if (window_ == nullptr)
        return;
    SDL_DestroyWindow(window_);
    window_ = nullptr;
    xWindow_ = 0;
    windowFullscreen_ = false;
    CloseSignals::restore();
    SDL_EnableScreenSaver();
}

void SdlBackend::present() {
    if (window_ != nullptr)
        SDL_GL_SwapWindow(window_);
}
