#include "window/gl_window.h"

#include "render/gl_api.h"
#include "window/window_registry.h"
#include "window/window_texts.h"

namespace {

constexpr std::uint32_t kFailureBox = BoxFlag::Ok | BoxFlag::IconExclamation;
constexpr std::uint32_t kQuestionBox = BoxFlag::YesNo | BoxFlag::IconExclamation;
constexpr std::uint32_t kClosingBox = BoxFlag::Ok | BoxFlag::IconStop;
constexpr std::uint32_t kShutdownBox = BoxFlag::Ok | BoxFlag::IconInformation;

struct WindowStyles {
    std::uint32_t exStyle;
    std::uint32_t style;
};

// Full screen: an undecorated surface. Windowed: a fixed-size window whose only control is
// the close box.
WindowStyles stylesFor(bool fullscreen) {
    if (fullscreen)
        return {WindowExStyle::AppWindow, WindowStyle::Popup};
    return {WindowExStyle::AppWindow | WindowExStyle::WindowEdge, WindowStyle::SysMenu};
}

DisplayMode fullscreenMode(std::int32_t width, std::int32_t height, std::int32_t colourBits) {
    DisplayMode mode;
    mode.size = 148;
    mode.fields = DisplayField::BitsPerPixel | DisplayField::Width | DisplayField::Height;
    mode.width = static_cast<std::uint32_t>(width);
    mode.height = static_cast<std::uint32_t>(height);
    mode.bitsPerPixel = static_cast<std::uint32_t>(colourBits);
    return mode;
}

// Double-buffered RGBA with a 16-bit depth buffer; nothing else is asked for.
PixelFormatDesc wantedPixelFormat(std::int32_t colourBits) {
    PixelFormatDesc format;
    format.size = sizeof(PixelFormatDesc);
    format.version = 1;
    format.flags = PixelFormatFlag::DrawToWindow | PixelFormatFlag::SupportOpenGL |
                   PixelFormatFlag::DoubleBuffer;
    format.pixelType = PixelType::Rgba;
    format.colourBits = static_cast<std::uint8_t>(colourBits);
    format.depthBits = 16;
    format.layerType = LayerType::MainPlane;
    return format;
}

}  // namespace

bool GLWindow::create() {
    // Messages sent from inside the platform calls below reach this object through here until
    // its handle is in the registry.
    setPendingWindow(this);
    if (!registerWindowClass())
        return false;
    if (fullscreen_ && !enterFullscreen())
        return false;
    if (!createNativeWindow())
        return false;
    platform_.showCursor(false);
    windowRegistry().enter(nativeWindow_, this);
    if (!openGLContext())
        return false;
    showAndFocus();
    if (!setupGLState())
        return reportFailureAfterDestroy(WindowText::InitializationFailed);
    glGetError();  // the set-up may leave an error flag that nobody is asking about
    setPendingWindow(nullptr);
    return true;
}

bool GLWindow::registerWindowClass() {
    WindowClassDesc windowClass;
    windowClass.style = ClassStyle::HRedraw | ClassStyle::VRedraw | ClassStyle::OwnDC;
    windowClass.procedure = routeMessage;
    windowClass.classExtraBytes = 0;
    windowClass.windowExtraBytes = 4;
    windowClass.instance = instance_;
    windowClass.icon = SystemResource::WinLogoIcon;
    windowClass.cursor = SystemResource::ArrowCursor;
    windowClass.className = WindowText::ClassName;
    if (platform_.registerClass(windowClass))
        return true;
    return reportFailure(WindowText::RegisterClassFailed, kFailureBox);
}

// A display that refuses the mode leaves the choice to the user: a window, or nothing.
bool GLWindow::enterFullscreen() {
    const DisplayMode mode = fullscreenMode(width_, height_, colourBits_);
    if (platform_.changeDisplayMode(mode, DisplayFlag::Fullscreen) == DisplayChange::Successful) {
        return true;
    }
    const std::int32_t answer = platform_.messageBox(nullptr, WindowText::FullscreenQuestion,
                                                     WindowText::QuestionCaption, kQuestionBox);
    if (answer == BoxAnswer::Yes) {
        fullscreen_ = false;
        return true;
    }
    return reportFailure(WindowText::WillClose, kClosingBox);
}

bool GLWindow::createNativeWindow() {
    const WindowStyles styles = stylesFor(fullscreen_);
    if (fullscreen_)
        platform_.showCursor(false);
    WindowRect rect{0, 0, width_, height_};
    platform_.adjustWindowRect(rect, styles.style, false, styles.exStyle);

    WindowDesc desc;
    desc.exStyle = styles.exStyle;
    desc.className = WindowText::ClassName;
    desc.title = WindowText::Title;
    desc.style = styles.style | WindowStyle::ClipSiblings | WindowStyle::ClipChildren;
    desc.x = 0;
    desc.y = 0;
    desc.width = rect.right - rect.left;
    desc.height = rect.bottom - rect.top;
    desc.instance = instance_;
    nativeWindow_ = platform_.createWindow(desc);
    if (nativeWindow_ != nullptr)
        return true;
    return reportFailure(WindowText::WindowCreationFailed, kFailureBox);
}

bool GLWindow::openGLContext() {
    deviceContext_ = platform_.getDeviceContext(nativeWindow_);
    if (deviceContext_ == nullptr) {
        return reportFailureAfterDestroy(WindowText::DeviceContextFailed);
    }
    const PixelFormatDesc wanted = wantedPixelFormat(colourBits_);
    const std::int32_t format = platform_.choosePixelFormat(deviceContext_, wanted);
    if (format == 0)
        return reportFailureAfterDestroy(WindowText::ChoosePixelFormatFailed);
    if (!platform_.setPixelFormat(deviceContext_, format, wanted)) {
        return reportFailureAfterDestroy(WindowText::SetPixelFormatFailed);
    }
    glContext_ = platform_.createGLContext(deviceContext_);
    if (glContext_ == nullptr)
        return reportFailureAfterDestroy(WindowText::CreateContextFailed);
    if (!platform_.makeCurrent(deviceContext_, glContext_)) {
        return reportFailureAfterDestroy(WindowText::ActivateContextFailed);
    }
    return true;
}

void GLWindow::showAndFocus() {
    platform_.showWindow(nativeWindow_, ShowCommand::Show);
    platform_.setForegroundWindow(nativeWindow_);
    platform_.setFocus(nativeWindow_);
}

// Each release runs whatever the earlier ones gave; a failing one is reported and the next
// follows. The handles are cleared once given back, so a second call releases nothing twice.
void GLWindow::destroy() {
    if (fullscreen_) {
        platform_.restoreDisplayMode();
        platform_.showCursor(true);
    }
    if (glContext_ != nullptr) {
        if (!platform_.makeCurrent(nullptr, nullptr)) {
            reportReleaseFailure(WindowText::ReleaseCurrentFailed);
        }
        if (!platform_.deleteGLContext(glContext_)) {
            reportReleaseFailure(WindowText::DeleteContextFailed);
        }
        glContext_ = nullptr;
    }
    if (deviceContext_ != nullptr) {
        if (!platform_.releaseDeviceContext(nativeWindow_, deviceContext_)) {
            reportReleaseFailure(WindowText::ReleaseDeviceContextFailed);
        }
        deviceContext_ = nullptr;
    }
    if (nativeWindow_ != nullptr) {
        if (!platform_.destroyWindow(nativeWindow_)) {
            reportReleaseFailure(WindowText::DestroyWindowFailed);
        }
        nativeWindow_ = nullptr;
    }
    if (!platform_.unregisterClass(WindowText::ClassName, instance_)) {
        reportReleaseFailure(WindowText::UnregisterClassFailed);
    }
}

bool GLWindow::reportFailure(const char* text, std::uint32_t flags) {
    platform_.messageBox(nullptr, text, WindowText::ErrorCaption, flags);
    return false;
}

// The message comes after the window is gone and the display mode is back, so the user can
// read it.
bool GLWindow::reportFailureAfterDestroy(const char* text) {
    destroy();
    return reportFailure(text, kFailureBox);
}

void GLWindow::reportReleaseFailure(const char* text) {
    platform_.messageBox(nullptr, text, WindowText::ShutdownCaption, kShutdownBox);
}
