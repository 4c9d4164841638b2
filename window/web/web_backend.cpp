// The window half of the web backend: the canvas as the window, the cursor, the display mode a
// page cannot change, message boxes and the clock.
#include "window/web/web_backend.h"

#include <utility>

#include "window/web/web_frame_loop.h"
#include "window/web/web_page.h"

// The page outlives the program: the game's listeners and its hold on the screen go with this
// object, while the canvas stays as the run left it for the page to show the end around it.
WebBackend::~WebBackend() {
    if (!windowOpen_)
        return;
    stopListening();
    WebPage::keepScreenOn(false);
}

std::string WebBackend::takeFailureReason() {
    return std::exchange(why_, std::string());
}

void WebBackend::tell(const WindowEvent& event) {
    if (listener_ != nullptr)
        listener_->onWindowEvent(event);
}

bool WebBackend::enterDisplayMode(std::int32_t, std::int32_t, std::int32_t) {
    noteFailure("a web page cannot change the display mode");
    return false;
}

void WebBackend::showCursor(bool shown) {
    cursorCount_ += shown ? 1 : -1;
    if (windowOpen_)
        WebPage::showCursorOverCanvas(cursorCount_ >= 0);
}

// The canvas has no frame: its drawing area is the whole of it.
OpenStep WebBackend::openWindow(const WindowSpec& asked) {
    if (windowOpen_) {
        noteFailure("the page's one canvas is taken");
        return OpenStep::Window;
    }
    if (!WebPage::hasCanvas()) {
        noteFailure("the page has no canvas");
        return OpenStep::Window;
    }
    // Sized as it is shown where the page has laid it out already: a WebGL context the page made
    // on it keeps its drawing buffer, which a new size would make the browser allocate again.
    window_ = BufferSize{asked.width, asked.height};
    buffer_ = BufferSize{};
    if (!fitCanvasToLayout()) {
        buffer_ = window_;
        WebPage::sizeCanvas(asked.width, asked.height);
    }
    WebPage::setTitle(asked.title);
    WebPage::showCanvas(false);
    windowOpen_ = true;
    WebPage::showCursorOverCanvas(cursorCount_ >= 0);
    WebPage::keepScreenOn(true);
    listenToPage();
    return OpenStep::Done;
}

// The tab is in front already when the page runs; nothing can bring it there.
void WebBackend::show() {
    WebPage::showCanvas(true);
    WebPage::focusCanvas();
}

bool WebBackend::release(Release what) {
    if (what == Release::Context) {
        releaseContext();
    } else if (what == Release::Window && windowOpen_) {
        stopListening();
        WebPage::keepScreenOn(false);
        WebPage::showCanvas(false);
        windowOpen_ = false;
    }
    return true;
}

// A browser box has no caption of its own, so the caption heads the text. Every other box is
// a failure to open (a page's releases cannot fail): the page says it in words of its own when
// the run ends, so a modal box first would only stand in the way.
BoxAnswer WebBackend::showBox(BoxKind kind, const char* caption, const char* text) {
    if (kind == BoxKind::Question) {
        const std::string shown = std::string(caption) + "\n\n" + text;
        return WebPage::confirmBox(shown.c_str()) ? BoxAnswer::Yes : BoxAnswer::No;
    }
    if (noWebGL_) {
        WebPage::failed(WebPage::Failure::NoWebGL, "");
    } else {
        const std::string detail =
            lastWhy_.empty() ? text : std::string(text) + " (" + lastWhy_ + ")";
        WebPage::failed(WebPage::Failure::Window, detail.c_str());
    }
    return BoxAnswer::Ok;
}

// Within a turn (from its events to presenting) the clock is its frame's start, which the frame's
// callback read: each reading from the module would be a new number object in the page's
// JavaScript, and a turn, a millisecond or two long, asks a few times.
std::uint32_t WebBackend::ticks() {
    return inTurn_ ? turnStart_ : count_.next(WebPage::milliseconds());
}

// What the page changed since the last turn that no event tells of: the canvas's size on screen
// and the pads.
bool WebBackend::pumpEvents() {
    turnStart_ = count_.next(WebPage::millisecondsAt(WebFrameLoop::frameReadings().time));
    inTurn_ = true;
    followCanvasSize();
    readPads();
    inTurn_ = !quitRequested_;
    return !quitRequested_;
}
