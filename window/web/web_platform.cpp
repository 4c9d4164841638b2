// The window half of the web platform: the window class, the canvas as the window, the cursor,
// the display mode a page cannot change, message boxes and the clock.
// Supports and limits: as web_platform.h says. Needs: the page (web_page.h).
#include "window/web/web_platform.h"

#include <cstdio>
#include <string>

#include "window/web/web_page.h"

namespace {

// The page has one canvas, so there is one window and one device context; these stand for them.
char canvasToken;
char canvasDrawingToken;
const WindowHandle kCanvas = reinterpret_cast<WindowHandle>(&canvasToken);
const DeviceContextHandle kCanvasDrawing =
    reinterpret_cast<DeviceContextHandle>(&canvasDrawingToken);

}  // namespace

// The page outlives the program: the game's listeners and its hold on the screen go with this
// object, while the canvas stays as the run left it for the page to show the end around it.
WebPlatform::~WebPlatform() {
    if (!windowOpen_)
        return;
    stopListening();
    WebPage::keepScreenOn(false);
}

void WebPlatform::noteFailure(const std::string& what) {
    failure_ = what;
}

WindowHandle WebPlatform::canvasWindow() {
    return kCanvas;
}

bool WebPlatform::isWindow(WindowHandle window) const {
    return windowOpen_ && window == kCanvas;
}

bool WebPlatform::isDeviceContext(DeviceContextHandle dc) const {
    return windowOpen_ && dc == kCanvasDrawing;
}

bool WebPlatform::registerClass(const WindowClassDesc& windowClass) {
    if (windowClass.className == nullptr || windowClass.procedure == nullptr) {
        noteFailure("a window class needs a name and a procedure");
        return false;
    }
    // The system refuses a class name that is already taken.
    if (!classes_.emplace(windowClass.className, windowClass.procedure).second) {
        noteFailure("the window class is registered already");
        return false;
    }
    return true;
}

bool WebPlatform::unregisterClass(const char* className, InstanceHandle) {
    if (className != nullptr && classes_.erase(className) == 1)
        return true;
    noteFailure("no such window class");
    return false;
}

std::int32_t WebPlatform::changeDisplayMode(const DisplayMode&, std::uint32_t) {
    noteFailure("a web page cannot change the display mode");
    return DisplayChange::BadMode;
}

std::int32_t WebPlatform::restoreDisplayMode() {
    return DisplayChange::Successful;
}

std::int32_t WebPlatform::showCursor(bool show) {
    cursorCount_ += show ? 1 : -1;
    if (windowOpen_)
        WebPage::showCursorOverCanvas(cursorCount_ >= 0);
    return cursorCount_;
}

// The canvas has no frame: its drawing area is the whole of it.
bool WebPlatform::adjustWindowRect(WindowRect&, std::uint32_t, bool, std::uint32_t) {
    return true;
}

WindowHandle WebPlatform::createWindow(const WindowDesc& desc) {
    const auto procedure = classes_.find(desc.className != nullptr ? desc.className : "");
    if (procedure == classes_.end()) {
        noteFailure("no such window class");
        return nullptr;
    }
    if (windowOpen_) {
        noteFailure("the page's one canvas is taken");
        return nullptr;
    }
    if (!WebPage::hasCanvas()) {
        noteFailure("the page has no canvas");
        return nullptr;
    }
    WebPage::sizeCanvas(desc.width, desc.height);
    WebPage::setTitle(desc.title != nullptr ? desc.title : "");
    WebPage::showCanvas(false);
    procedure_ = procedure->second;
    windowOpen_ = true;
    shown_ = false;
    WebPage::showCursorOverCanvas(cursorCount_ >= 0);
    WebPage::keepScreenOn(true);
    listenToPage();
    return kCanvas;
}

bool WebPlatform::destroyWindow(WindowHandle window) {
    if (!isWindow(window)) {
        noteFailure("no such window");
        return false;
    }
    stopListening();
    WebPage::keepScreenOn(false);
    WebPage::showCanvas(false);
    closeDisplay();
    windowOpen_ = false;
    queue_.clear();
    return true;
}

bool WebPlatform::showWindow(WindowHandle window, std::int32_t) {
    if (!isWindow(window))
        return false;
    const bool wasShown = shown_;
    WebPage::showCanvas(true);
    shown_ = true;
    return wasShown;
}

// The tab is in front already when the page runs; nothing can bring it there.
bool WebPlatform::setForegroundWindow(WindowHandle window) {
    return isWindow(window);
}

WindowHandle WebPlatform::setFocus(WindowHandle window) {
    if (!isWindow(window)) {
        noteFailure("no such window");
        return nullptr;
    }
    return WebPage::focusCanvas() ? kCanvas : nullptr;
}

DeviceContextHandle WebPlatform::getDeviceContext(WindowHandle window) {
    if (!isWindow(window)) {
        noteFailure("no such window");
        return nullptr;
    }
    return kCanvasDrawing;
}

bool WebPlatform::releaseDeviceContext(WindowHandle window, DeviceContextHandle dc) {
    return isWindow(window) && dc == kCanvasDrawing;
}

// A browser box has no caption of its own, so the caption heads the text. The console line
// comes first: it stays readable in the page's log whatever becomes of the box.
std::int32_t WebPlatform::messageBox(WindowHandle, const char* text, const char* caption,
                                     std::uint32_t flags) {
    std::fprintf(stderr, "vorngame: %s: %s", caption, text);
    if (!failure_.empty())
        std::fprintf(stderr, " (%s)", failure_.c_str());
    std::fprintf(stderr, "\n");
    failure_.clear();
    const std::string shown = std::string(caption) + "\n\n" + text;
    if ((flags & BoxFlag::ButtonMask) == BoxFlag::YesNo)
        return WebPage::confirmBox(shown.c_str()) ? BoxAnswer::Yes : BoxAnswer::No;
    WebPage::alertBox(shown.c_str());
    return BoxAnswer::Ok;
}

std::uint32_t WebPlatform::tickCount() {
    return WebPage::milliseconds();
}
