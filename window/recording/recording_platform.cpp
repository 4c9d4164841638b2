#include "window/recording/recording_platform.h"

namespace {

// A frame of fixed thickness around windows that are not pop-ups, so tests can tell the
// enlarged rectangle from the drawing area.
constexpr std::int32_t kFrameSide = 3;
constexpr std::int32_t kFrameTop = 26;

}  // namespace

void RecordingPlatform::failCall(const std::string& name, int occurrence) {
    failing_[name] = occurrence;
}

void RecordingPlatform::setTicks(std::uint32_t start, std::uint32_t step) {
    nextTick_ = start;
    tickStep_ = step;
}

void RecordingPlatform::scriptTicks(const std::vector<std::uint32_t>& readings) {
    scriptedTicks_.assign(readings.begin(), readings.end());
}

void RecordingPlatform::onCall(const std::string& name, std::function<void()> hook) {
    hooks_.emplace(name, std::move(hook));
}

std::size_t RecordingPlatform::count(const std::string& name) const {
    std::size_t n = 0;
    for (const std::string& call : calls_)
        n += call == name ? 1 : 0;
    return n;
}

bool RecordingPlatform::record(const std::string& name, bool runHooksNow) {
    calls_.push_back(name);
    const int made = ++made_[name];
    const auto failing = failing_.find(name);
    const bool fails =
        failing != failing_.end() && (failing->second == 0 || failing->second == made);
    if (runHooksNow)
        runHooks(name);
    return fails;
}

void RecordingPlatform::runHooks(const std::string& name) {
    // Copied first: a hook may add hooks.
    std::vector<std::function<void()>> due;
    const auto range = hooks_.equal_range(name);
    for (auto hook = range.first; hook != range.second; ++hook)
        due.push_back(hook->second);
    for (const auto& hook : due)
        hook();
}

// Recognisable, never dereferenced values, different for each handle made.
template <typename Handle>
Handle RecordingPlatform::makeHandle(std::uintptr_t base) {
    return reinterpret_cast<Handle>(base + 0x10 * ++handlesMade_);
}

bool RecordingPlatform::registerClass(const WindowClassDesc& windowClass) {
    if (record("registerClass"))
        return false;
    class_ = windowClass;
    className_ = windowClass.className != nullptr ? windowClass.className : "";
    return true;
}

bool RecordingPlatform::unregisterClass(const char*, InstanceHandle) {
    return !record("unregisterClass");
}

std::int32_t RecordingPlatform::changeDisplayMode(const DisplayMode& mode, std::uint32_t flags) {
    mode_ = mode;
    displayFlags_ = flags;
    return record("changeDisplayMode") ? DisplayChange::BadMode : DisplayChange::Successful;
}

std::int32_t RecordingPlatform::restoreDisplayMode() {
    return record("restoreDisplayMode") ? DisplayChange::Failed : DisplayChange::Successful;
}

std::int32_t RecordingPlatform::showCursor(bool show) {
    record(show ? "showCursor" : "hideCursor");
    cursorCount_ += show ? 1 : -1;
    return cursorCount_;
}

bool RecordingPlatform::adjustWindowRect(WindowRect& rect, std::uint32_t style, bool,
                                         std::uint32_t) {
    if (record("adjustWindowRect"))
        return false;
    if ((style & WindowStyle::Popup) == 0) {
        rect.left -= kFrameSide;
        rect.top -= kFrameTop;
        rect.right += kFrameSide;
        rect.bottom += kFrameSide;
    }
    rect_ = rect;
    return true;
}

WindowHandle RecordingPlatform::createWindow(const WindowDesc& desc) {
    desc_ = desc;
    title_ = desc.title != nullptr ? desc.title : "";
    if (record("createWindow", false))
        return nullptr;
    window_ = makeHandle<WindowHandle>(0x10000);
    runHooks("createWindow");
    return window_;
}

bool RecordingPlatform::destroyWindow(WindowHandle) {
    return !record("destroyWindow");
}

bool RecordingPlatform::showWindow(WindowHandle, std::int32_t) {
    return !record("showWindow");
}

bool RecordingPlatform::setForegroundWindow(WindowHandle) {
    return !record("setForegroundWindow");
}

WindowHandle RecordingPlatform::setFocus(WindowHandle) {
    return record("setFocus") ? nullptr : window_;
}

DeviceContextHandle RecordingPlatform::getDeviceContext(WindowHandle) {
    if (record("getDeviceContext"))
        return nullptr;
    return makeHandle<DeviceContextHandle>(0x20000);
}

bool RecordingPlatform::releaseDeviceContext(WindowHandle, DeviceContextHandle) {
    return !record("releaseDeviceContext");
}

std::int32_t RecordingPlatform::choosePixelFormat(DeviceContextHandle,
                                                  const PixelFormatDesc& wanted) {
    format_ = wanted;
    return record("choosePixelFormat") ? 0 : 7;
}

bool RecordingPlatform::setPixelFormat(DeviceContextHandle, std::int32_t, const PixelFormatDesc&) {
    return !record("setPixelFormat");
}

GLContextHandle RecordingPlatform::createGLContext(DeviceContextHandle) {
    if (record("createGLContext"))
        return nullptr;
    return makeHandle<GLContextHandle>(0x30000);
}

bool RecordingPlatform::makeCurrent(DeviceContextHandle, GLContextHandle context) {
    return !record(context != nullptr ? "makeCurrent" : "releaseCurrent");
}

bool RecordingPlatform::deleteGLContext(GLContextHandle) {
    return !record("deleteGLContext");
}

bool RecordingPlatform::swapBuffers(DeviceContextHandle) {
    return !record("swapBuffers");
}

std::int32_t RecordingPlatform::messageBox(WindowHandle, const char* text, const char* caption,
                                           std::uint32_t flags) {
    boxes_.push_back(Box{text, caption, flags});
    if (record("messageBox"))
        return BoxAnswer::Failed;
    return (flags & BoxFlag::ButtonMask) == BoxFlag::YesNo ? questionAnswer_ : BoxAnswer::Ok;
}

std::uint32_t RecordingPlatform::tickCount() {
    record("tickCount");
    if (!scriptedTicks_.empty()) {
        const std::uint32_t reading = scriptedTicks_.front();
        scriptedTicks_.pop_front();
        return reading;
    }
    const std::uint32_t reading = nextTick_;
    nextTick_ += tickStep_;
    return reading;
}
