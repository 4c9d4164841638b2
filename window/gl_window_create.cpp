#include <cstdio>
#include <string>

#include "render/gl_api.h"
#include "window/gl_window.h"
#include "window/window_texts.h"

namespace {

const char* failureText(OpenStep step) {
    switch (step) {
        case OpenStep::DrawingSurface:
            return WindowText::DeviceContextFailed;
        case OpenStep::FindFormat:
            return WindowText::ChoosePixelFormatFailed;
        case OpenStep::SetFormat:
            return WindowText::SetPixelFormatFailed;
        case OpenStep::MakeContext:
            return WindowText::CreateContextFailed;
        case OpenStep::MakeCurrent:
            return WindowText::ActivateContextFailed;
        default:
            return WindowText::WindowCreationFailed;
    }
}

const char* failureText(Release release) {
    switch (release) {
        case Release::CurrentContext:
            return WindowText::ReleaseCurrentFailed;
        case Release::Context:
            return WindowText::DeleteContextFailed;
        case Release::DrawingSurface:
            return WindowText::ReleaseDeviceContextFailed;
        case Release::Window:
            return WindowText::DestroyWindowFailed;
        default:
            return WindowText::UnregisterClassFailed;
    }
}

constexpr Release kReleaseOrder[] = {Release::CurrentContext, Release::Context,
                                     Release::DrawingSurface, Release::Window,
                                     Release::Registration};

}  // namespace

bool GLWindow::create() {
    if (!backend_.start())
        return reportFailure(BoxKind::Failure, WindowText::RegisterClassFailed);
    if (fullscreen_ && !backend_.enterDisplayMode(width_, height_, colourBits_) &&
        !askForAWindow()) {
        return false;
    }
    if (fullscreen_)
        backend_.showCursor(false);
    const WindowSpec asked{width_, height_, colourBits_, fullscreen_, WindowText::Title};
    const OpenStep window = backend_.openWindow(asked);
    // Without a window there is nothing to give back: a changed display mode and a hidden
    // cursor stay so until the program ends.
    if (window == OpenStep::Window)
        return reportFailure(BoxKind::Failure, WindowText::WindowCreationFailed);
    if (window != OpenStep::Done)
        return openFailed(window);
    backend_.showCursor(false);
    const OpenStep context = backend_.openContext();
    if (context != OpenStep::Done)
        return openFailed(context);
    backend_.show();
    if (!setupGLState()) {
        destroy();
        return reportFailure(BoxKind::Failure, WindowText::InitializationFailed);
    }
    glGetError();  // the set-up may leave an error flag that nobody is asking about
    return true;
}

// A display that refuses the mode leaves the choice to the user: a window, or nothing.
bool GLWindow::askForAWindow() {
    if (box(BoxKind::Question, WindowText::QuestionCaption, WindowText::FullscreenQuestion,
            backend_.takeFailureReason()) == BoxAnswer::Yes) {
        fullscreen_ = false;
        return true;
    }
    return reportFailure(BoxKind::Closing, WindowText::WillClose);
}

// The message comes after the window is gone and the display mode is back, so the user can
// read it; the system's reason is taken first, before the releases can replace it.
bool GLWindow::openFailed(OpenStep step) {
    const std::string why = backend_.takeFailureReason();
    destroy();
    static_cast<void>(backend_.takeFailureReason());
    box(BoxKind::Failure, WindowText::ErrorCaption, failureText(step), why);
    return false;
}

// Each release runs whatever the earlier ones gave; a failing one is reported and the next
// follows.
void GLWindow::destroy() {
    if (fullscreen_) {
        backend_.leaveDisplayMode();
        backend_.showCursor(true);
    }
    for (const Release release : kReleaseOrder) {
        if (!backend_.release(release)) {
            box(BoxKind::Shutdown, WindowText::ShutdownCaption, failureText(release),
                backend_.takeFailureReason());
        }
    }
}

// Every box is also a line on standard error, with the system's reason where there is one:
// with no display at all, that line is all the user gets.
BoxAnswer GLWindow::box(BoxKind kind, const char* caption, const char* text,
                        const std::string& why) {
    std::fprintf(stderr, "vorngame: %s: %s%s\n", caption, text,
                 why.empty() ? "" : (" (" + why + ")").c_str());
    std::fflush(stderr);
    return backend_.showBox(kind, caption, text);
}

bool GLWindow::reportFailure(BoxKind kind, const char* text) {
    box(kind, WindowText::ErrorCaption, text, backend_.takeFailureReason());
    return false;
}
