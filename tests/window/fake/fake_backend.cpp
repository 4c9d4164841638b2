#include "tests/window/fake/fake_backend.h"

#include <algorithm>
#include <utility>

namespace {

const char* nameOf(Release what) {
    static const char* const kNames[] = {"releaseCurrentContext", "releaseContext",
                                         "releaseDrawingSurface", "releaseWindow",
                                         "releaseRegistration"};
    return kNames[static_cast<int>(what)];
}

bool madeWithTheContext(OpenStep step) {
    return step != OpenStep::Done && step != OpenStep::Window;
}

}  // namespace

void FakeBackend::deliver(const WindowEvent& event) {
    if (listener_ != nullptr)
        listener_->onWindowEvent(event);
}

std::size_t FakeBackend::count(const std::string& name) const {
    return static_cast<std::size_t>(std::count(calls_.begin(), calls_.end(), name));
}

bool FakeBackend::record(const std::string& name) {
    calls_.push_back(name);
    const int made = ++made_[name];
    if (const auto hook = hooks_.find(name); hook != hooks_.end())
        hook->second();
    const auto failure = failures_.find(name);
    if (failure == failures_.end())
        return true;
    if (failure->second.occurrence != 0 && failure->second.occurrence != made)
        return true;
    why_ = failure->second.why;
    return false;
}

void FakeBackend::showCursor(bool shown) {
    cursorCount_ += shown ? 1 : -1;
    record(shown ? "showCursor" : "hideCursor");
}

OpenStep FakeBackend::openWindow(const WindowSpec& asked) {
    asked_ = asked;
    record("openWindow");
    if (openFailure_ == OpenStep::Window || (failsAtWindow_ && madeWithTheContext(openFailure_)))
        return openFailure_;
    return OpenStep::Done;
}

OpenStep FakeBackend::openContext() {
    record("openContext");
    return madeWithTheContext(openFailure_) ? openFailure_ : OpenStep::Done;
}

bool FakeBackend::release(Release what) {
    return record(nameOf(what));
}

bool FakeBackend::pumpEvents() {
    record("pumpEvents");
    while (!events_.empty() && !quitRequested_) {
        const WindowEvent event = events_.front();
        events_.pop_front();
        deliver(event);
    }
    return !quitRequested_;
}

void FakeBackend::requestQuit() {
    record("requestQuit");
    quitRequested_ = true;
}

BoxAnswer FakeBackend::showBox(BoxKind kind, const char* caption, const char* text) {
    record("box");
    boxes_.push_back(Box{kind, caption, text});
    return kind == BoxKind::Question ? questionAnswer_ : BoxAnswer::Ok;
}

std::uint32_t FakeBackend::ticks() {
    record("ticks");
    if (!scriptedTicks_.empty()) {
        const std::uint32_t reading = scriptedTicks_.front();
        scriptedTicks_.pop_front();
        return reading;
    }
    const std::uint32_t reading = nextTick_;
    nextTick_ += tickStep_;
    return reading;
}

std::string FakeBackend::takeFailureReason() {
    return std::exchange(why_, {});
}
