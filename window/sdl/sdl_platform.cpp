#include "window/sdl/sdl_platform.h"

#include <utility>

#define SDL_MAIN_HANDLED
#include <SDL.h>

#include "window/sdl/lost_display.h"
#include "window/sdl/sdl_signals.h"
#include "window/sdl/tick_counter.h"
#include "window/sdl/x11_releases.h"

namespace {

// The one pixel format our windows have: what the drawing needs and nothing more.
constexpr int kChannelBits = 8;
constexpr int kDepthBits = 16;
constexpr std::int32_t kOnlyPixelFormat = 1;

WindowHandle handleOf(SDL_Window* window) {
    return reinterpret_cast<WindowHandle>(window);
}

void askForOurPixelFormat() {
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, kChannelBits);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, kChannelBits);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, kChannelBits);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, kDepthBits);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    // The drawing is immediate mode.
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
}

bool fitsOurPixelFormat(const PixelFormatDesc& wanted) {
    const std::uint32_t needed = PixelFormatFlag::DrawToWindow | PixelFormatFlag::SupportOpenGL;
    return wanted.pixelType == PixelType::Rgba && (wanted.flags & needed) == needed &&
           (wanted.colourBits == 24 || wanted.colourBits == 32) && wanted.depthBits <= kDepthBits &&
           wanted.stencilBits == 0 && wanted.accumBits == 0 && wanted.auxBuffers == 0;
}

}  // namespace

SdlPlatform::SdlPlatform(std::function<void()> beforeModeChange)
    : beforeModeChange_(std::move(beforeModeChange)) {
    SDL_SetMainReady();
    // Signals are ours (see CloseSignals); the run ends on its own close message, not on
    // SDL's idea of the last window.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
}

SdlPlatform::~SdlPlatform() {
    destroyEverything();
    CloseSignals::restore();
    if (videoStarted_)
        SDL_Quit();
}

// Contexts first, then the windows: destroying a full-screen window puts the display mode
// back.
void SdlPlatform::destroyEverything() {
    if (!contexts_.empty())
        SDL_GL_MakeCurrent(nullptr, nullptr);
    for (const auto& context : contexts_)
        SDL_GL_DeleteContext(context.first);
    contexts_.clear();
    for (const auto& window : windows_)
        SDL_DestroyWindow(window.first);
    windows_.clear();
}

void SdlPlatform::noteFailure(const std::string& what) {
    failure_ = what;
}

void SdlPlatform::noteSdlFailure(const char* call) {
    failure_ = std::string(call) + ": " + SDL_GetError();
}

SDL_Window* SdlPlatform::windowOf(WindowHandle window) const {
    auto* sdlWindow = reinterpret_cast<SDL_Window*>(window);
    return windows_.count(sdlWindow) != 0 ? sdlWindow : nullptr;
}

const SdlPlatform::WindowRecord* SdlPlatform::recordOf(WindowHandle window) const {
    const auto found = windows_.find(reinterpret_cast<SDL_Window*>(window));
    return found == windows_.end() ? nullptr : &found->second;
}

// Registering the first class starts SDL's video: with no display this is the failure the
// user hears about first.
bool SdlPlatform::registerClass(const WindowClassDesc& windowClass) {
    if (windowClass.className == nullptr || windowClass.procedure == nullptr) {
        noteFailure("a window class needs a name and a procedure");
        return false;
    }
    if (!videoStarted_ && !startVideo())
        return false;
    if (!classes_.emplace(windowClass.className, windowClass.procedure).second) {
        noteFailure(std::string("window class ") + windowClass.className + " already exists");
        return false;
    }
    return true;
}

// With no display SDL falls back to drawing into memory, where nobody would see the game;
// that counts as no display unless SDL_VIDEODRIVER asks for it.
bool SdlPlatform::startVideo() {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        noteSdlFailure("SDL_Init");
        return false;
    }
    const std::string driver = SDL_GetCurrentVideoDriver();
    const char* asked = SDL_getenv("SDL_VIDEODRIVER");
    if ((driver == "offscreen" || driver == "dummy") && (asked == nullptr || *asked == '\0')) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        noteFailure("SDL_Init: no display found, only SDL's " + driver +
                    " video driver (is DISPLAY set?)");
        return false;
    }
    videoStarted_ = true;
    releasesFromX11_ = driver == "x11";
    if (releasesFromX11_) {
        takeX11Events();
        explainALostDisplay();
    }
    return true;
}

bool SdlPlatform::unregisterClass(const char* className, InstanceHandle) {
    if (className != nullptr && classes_.erase(className) != 0)
        return true;
    noteFailure("no such window class");
    return false;
}

// SDL would accept any size and silently use the nearest mode it has, so only an exact match
// counts: the asked width and height at the asked bytes per pixel. The mode itself is set
// when the full-screen window is shown.
std::int32_t SdlPlatform::changeDisplayMode(const DisplayMode& mode, std::uint32_t) {
    if (beforeModeChange_)
        beforeModeChange_();
    SDL_DisplayMode wanted{};
    wanted.w = static_cast<int>(mode.width);
    wanted.h = static_cast<int>(mode.height);
    SDL_DisplayMode closest{};
    if (SDL_GetClosestDisplayMode(0, &wanted, &closest) == nullptr) {
        noteSdlFailure("SDL_GetClosestDisplayMode");
        return DisplayChange::BadMode;
    }
    const int bytesPerPixel = static_cast<int>((mode.bitsPerPixel + 7) / 8);
    const int closestBytes = static_cast<int>(SDL_BYTESPERPIXEL(closest.format));
    if (closest.w != wanted.w || closest.h != wanted.h || closestBytes != bytesPerPixel) {
        noteFailure("the display has no " + std::to_string(wanted.w) + "x" +
                    std::to_string(wanted.h) + " mode at " + std::to_string(bytesPerPixel) +
                    " bytes per pixel; the closest is " + std::to_string(closest.w) + "x" +
                    std::to_string(closest.h) + " at " + std::to_string(closestBytes));
        return DisplayChange::BadMode;
    }
    mode_ = ModeChoice{closest.w, closest.h, closest.format, closest.refresh_rate};
    modeChosen_ = true;
    return DisplayChange::Successful;
}

std::int32_t SdlPlatform::restoreDisplayMode() {
    modeChosen_ = false;
    std::int32_t result = DisplayChange::Successful;
    for (auto& window : windows_) {
        if (!window.second.fullscreen)
            continue;
        if (SDL_SetWindowFullscreen(window.first, 0) != 0) {
            noteSdlFailure("SDL_SetWindowFullscreen");
            result = DisplayChange::Failed;
        }
        window.second.fullscreen = false;
    }
    return result;
}

std::int32_t SdlPlatform::showCursor(bool show) {
    cursorCount_ += show ? 1 : -1;
    if (videoStarted_)
        SDL_ShowCursor(cursorCount_ >= 0 ? SDL_ENABLE : SDL_DISABLE);
    return cursorCount_;
}

// Frames belong to the window manager; SDL sizes the drawing area itself.
bool SdlPlatform::adjustWindowRect(WindowRect&, std::uint32_t, bool, std::uint32_t) {
    return true;
}

WindowHandle SdlPlatform::createWindow(const WindowDesc& desc) {
    const auto procedure = classes_.find(desc.className != nullptr ? desc.className : "");
    if (procedure == classes_.end()) {
        noteFailure("no such window class");
        return nullptr;
    }
    const bool popup = (desc.style & WindowStyle::Popup) != 0;
    const bool fullscreen = popup && modeChosen_;
    Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN;
    if (popup)
        flags |= SDL_WINDOW_BORDERLESS;
    if (fullscreen)
        flags |= SDL_WINDOW_FULLSCREEN;
    std::string noPixelFormat;
    SDL_Window* window = createSdlWindow(desc, flags, noPixelFormat);
    if (window == nullptr)
        return nullptr;
    if (fullscreen && !enterFullscreen(window)) {
        SDL_DestroyWindow(window);
        return nullptr;
    }
    windows_[window] =
        WindowRecord{procedure->second, fullscreen, x11WindowOf(window), noPixelFormat};
    CloseSignals::install();
    SDL_DisableScreenSaver();
    return handleOf(window);
}

// X chooses a GL window's pixel format (its visual) when the window is made, so a display with
// no fitting one fails here. The same window without GL tells the two failures apart: if it
// can be made, the window itself is fine and the pixel format is what is missing, which is
// reported when it is chosen, as on Windows.
SDL_Window* SdlPlatform::createSdlWindow(const WindowDesc& desc, std::uint32_t flags,
                                         std::string& noPixelFormat) {
    askForOurPixelFormat();
    // Placed at (0, 0) explicitly: without a window manager nobody else moves it there.
    const char* title = desc.title != nullptr ? desc.title : "";
    SDL_Window* window = SDL_CreateWindow(title, desc.x, desc.y, desc.width, desc.height, flags);
    if (window != nullptr)
        return window;
    const std::string glFailure = std::string("SDL_CreateWindow: ") + SDL_GetError();
    window = SDL_CreateWindow(title, desc.x, desc.y, desc.width, desc.height,
                              flags & ~static_cast<std::uint32_t>(SDL_WINDOW_OPENGL));
    if (window == nullptr) {
        noteSdlFailure("SDL_CreateWindow");
        return nullptr;
    }
    noPixelFormat = glFailure;
    return window;
}

bool SdlPlatform::enterFullscreen(SDL_Window* window) {
    SDL_DisplayMode mode{};
    mode.w = mode_.width;
    mode.h = mode_.height;
    mode.format = mode_.format;
    mode.refresh_rate = mode_.refreshRate;
    if (SDL_SetWindowDisplayMode(window, &mode) != 0) {
        noteSdlFailure("SDL_SetWindowDisplayMode");
        return false;
    }
    return true;
}

bool SdlPlatform::destroyWindow(WindowHandle window) {
    SDL_Window* sdlWindow = windowOf(window);
    if (sdlWindow == nullptr) {
        noteFailure("no such window");
        return false;
    }
    SDL_DestroyWindow(sdlWindow);
    windows_.erase(sdlWindow);
    if (windows_.empty()) {
        CloseSignals::restore();
        SDL_EnableScreenSaver();
    }
    return true;
}

// Answers whether the window was visible before.
bool SdlPlatform::showWindow(WindowHandle window, std::int32_t) {
    SDL_Window* sdlWindow = windowOf(window);
    if (sdlWindow == nullptr)
        return false;
    const bool wasShown = (SDL_GetWindowFlags(sdlWindow) & SDL_WINDOW_SHOWN) != 0;
    SDL_ShowWindow(sdlWindow);
    return wasShown;
}

bool SdlPlatform::setForegroundWindow(WindowHandle window) {
    SDL_Window* sdlWindow = windowOf(window);
    if (sdlWindow == nullptr)
        return false;
    SDL_RaiseWindow(sdlWindow);
    return true;
}

// Without a window manager nobody else gives the window the keyboard.
WindowHandle SdlPlatform::setFocus(WindowHandle window) {
    SDL_Window* sdlWindow = windowOf(window);
    if (sdlWindow == nullptr)
        return nullptr;
    SDL_Window* previous = SDL_GetKeyboardFocus();
    if (SDL_SetWindowInputFocus(sdlWindow) != 0) {
        noteSdlFailure("SDL_SetWindowInputFocus");
        return nullptr;
    }
    return handleOf(previous);
}

// SDL draws into the window itself; the window stands in for its device context.
DeviceContextHandle SdlPlatform::getDeviceContext(WindowHandle window) {
    if (windowOf(window) == nullptr) {
        noteFailure("no such window");
        return nullptr;
    }
    return reinterpret_cast<DeviceContextHandle>(window);
}

bool SdlPlatform::releaseDeviceContext(WindowHandle window, DeviceContextHandle dc) {
    return windowOf(window) != nullptr && reinterpret_cast<WindowHandle>(dc) == window;
}

// The window got its pixel format when it was made (X chooses the visual then); what is
// left is to say whether that format gives what is asked for.
std::int32_t SdlPlatform::choosePixelFormat(DeviceContextHandle dc, const PixelFormatDesc& wanted) {
    const WindowRecord* record = recordOf(reinterpret_cast<WindowHandle>(dc));
    if (record == nullptr) {
        noteFailure("no such device context");
        return 0;
    }
    if (!record->noPixelFormat.empty()) {
        noteFailure(record->noPixelFormat);
        return 0;
    }
    if (!fitsOurPixelFormat(wanted)) {
        noteFailure(
            "only double-buffered RGBA with 8 bits per channel and a depth buffer of at"
            " most 16 bits is offered; asked for " +
            std::to_string(wanted.colourBits) + " colour bits, " +
            std::to_string(wanted.depthBits) + " depth bits");
        return 0;
    }
    return kOnlyPixelFormat;
}

bool SdlPlatform::setPixelFormat(DeviceContextHandle dc, std::int32_t format,
                                 const PixelFormatDesc& wanted) {
    if (format != kOnlyPixelFormat || choosePixelFormat(dc, wanted) != kOnlyPixelFormat) {
        noteFailure("pixel format " + std::to_string(format) + " is not offered");
        return false;
    }
    return true;
}

// SDL makes a new context current at once; it is released again so that making it current
// stays a step of its own.
GLContextHandle SdlPlatform::createGLContext(DeviceContextHandle dc) {
    SDL_Window* window = windowOf(reinterpret_cast<WindowHandle>(dc));
    if (window == nullptr) {
        noteFailure("no such device context");
        return nullptr;
    }
    SDL_GLContext context = SDL_GL_CreateContext(window);
    if (context == nullptr) {
        noteSdlFailure("SDL_GL_CreateContext");
        return nullptr;
    }
    SDL_GL_MakeCurrent(nullptr, nullptr);
    contexts_[context] = window;
    return static_cast<GLContextHandle>(context);
}

bool SdlPlatform::makeCurrent(DeviceContextHandle dc, GLContextHandle context) {
    if (context == nullptr) {
        if (SDL_GL_MakeCurrent(nullptr, nullptr) == 0)
            return true;
        noteSdlFailure("SDL_GL_MakeCurrent");
        return false;
    }
    SDL_Window* window = windowOf(reinterpret_cast<WindowHandle>(dc));
    if (window == nullptr || contexts_.count(context) == 0) {
        noteFailure("no such device context or GL context");
        return false;
    }
    if (SDL_GL_MakeCurrent(window, context) != 0) {
        noteSdlFailure("SDL_GL_MakeCurrent");
        return false;
    }
    // One frame per display refresh where the system offers it; where it does not, presenting
    // does not wait.
    SDL_GL_SetSwapInterval(1);
    return true;
}

bool SdlPlatform::deleteGLContext(GLContextHandle context) {
    if (contexts_.erase(context) == 0) {
        noteFailure("no such GL context");
        return false;
    }
    SDL_GL_DeleteContext(context);
    return true;
}

bool SdlPlatform::swapBuffers(DeviceContextHandle dc) {
    SDL_Window* window = windowOf(reinterpret_cast<WindowHandle>(dc));
    if (window == nullptr)
        return false;
    SDL_GL_SwapWindow(window);
    return true;
}

std::uint32_t SdlPlatform::tickCount() {
    return systemTickCount();
}
