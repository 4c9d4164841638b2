#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "window/window_backend.h"

// A backend that shows nothing, for the tests of the window core. It records every call by name
// in order ("start", "enterDisplayMode", "hideCursor", "openWindow", "releaseContext", ...),
// answers success unless told to fail a call (every time, or only its nth time), answers the
// question as told, reads the ticks it is given, and hands the events a test queues to the core
// when the loop asks for them.
//
// Supports: every step of WindowBackend, each of which can be made to fail. Limits: no window,
// no GL context (the core's GL state goes to whatever context is current). Needs: nothing.
class FakeBackend : public WindowBackend {
  public:
    struct Box {
        BoxKind kind;
        std::string caption;
        std::string text;
    };

    // --- What the test tells it ---

    // The named call (start, enterDisplayMode, release<What>, ...) reports failure: every time,
    // or only its nth time (1 = the first); `why` is then the reason it gives.
    void failCall(const std::string& name, int occurrence = 0, const std::string& why = "") {
        failures_[name] = Failure{occurrence, why};
    }
    // Opening stops at this step. FindFormat with `atWindow` fails it while the window is made,
    // as a system that fixes the pixel format with the window does.
    void failOpenAt(OpenStep step, bool atWindow = false) {
        openFailure_ = step;
        failsAtWindow_ = atWindow;
    }
    void answerQuestion(BoxAnswer answer) { questionAnswer_ = answer; }
    // Tick readings: the scripted ones first, then `start`, `start + step`, ... (wrapping).
    void setTicks(std::uint32_t start, std::uint32_t step) {
        nextTick_ = start;
        tickStep_ = step;
    }
    void scriptTicks(const std::vector<std::uint32_t>& readings) {
        scriptedTicks_.assign(readings.begin(), readings.end());
    }
    // Runs `hook` after each recorded call of that name.
    void onCall(const std::string& name, std::function<void()> hook) { hooks_[name] = hook; }

    // Events the next pumpEvents hands over, in order.
    void queue(const WindowEvent& event) { events_.push_back(event); }
    void queueKeyDown(std::uint32_t key) { queue({WindowEvent::Kind::KeyDown, key, false}); }
    void queueKeyUp(std::uint32_t key) { queue({WindowEvent::Kind::KeyUp, key, false}); }
    void queueClose() { queue({WindowEvent::Kind::Close, 0, false}); }
    // Hands an event to the core at once, as a system does from inside its own calls.
    void deliver(const WindowEvent& event);
    // A test's own entry in the call log, to place its events among the calls.
    void note(const std::string& entry) { calls_.push_back(entry); }

    // --- What the test reads ---

    const std::vector<std::string>& calls() const { return calls_; }
    std::size_t count(const std::string& name) const;
    const std::vector<Box>& boxes() const { return boxes_; }
    const WindowSpec& windowAsked() const { return asked_; }
    std::int32_t cursorCount() const { return cursorCount_; }
    bool hasListener() const { return listener_ != nullptr; }
    WindowEventListener* listener() const { return listener_; }
    std::size_t queued() const { return events_.size(); }

    // --- WindowBackend ---

    void setListener(WindowEventListener* listener) override { listener_ = listener; }
    bool start() override { return record("start"); }
    bool enterDisplayMode(std::int32_t, std::int32_t, std::int32_t) override {
        return record("enterDisplayMode");
    }
    void leaveDisplayMode() override { record("leaveDisplayMode"); }
    void showCursor(bool shown) override;
    OpenStep openWindow(const WindowSpec& asked) override;
    OpenStep openContext() override;
    void show() override { record("show"); }
    bool release(Release what) override;
    void present() override { record("present"); }
    bool pumpEvents() override;
    void requestQuit() override;
    BoxAnswer showBox(BoxKind kind, const char* caption, const char* text) override;
    std::uint32_t ticks() override;
    std::string takeFailureReason() override;

  private:
    struct Failure {
        int occurrence;
        std::string why;
    };
    // Records the call, runs its hook, and answers whether it is to succeed.
    bool record(const std::string& name);

    std::vector<std::string> calls_;
    std::map<std::string, int> made_;
    std::map<std::string, Failure> failures_;
    std::map<std::string, std::function<void()>> hooks_;
    OpenStep openFailure_ = OpenStep::Done;
    bool failsAtWindow_ = false;
    BoxAnswer questionAnswer_ = BoxAnswer::No;
    std::vector<Box> boxes_;
    WindowSpec asked_;
    std::int32_t cursorCount_ = 0;
    std::deque<std::uint32_t> scriptedTicks_;
    std::uint32_t nextTick_ = 0;
    std::uint32_t tickStep_ = 0;
    std::deque<WindowEvent> events_;
    bool quitRequested_ = false;
    WindowEventListener* listener_ = nullptr;
    std::string why_;
};
