#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "window/platform.h"

// A platform that shows nothing. It records every call by name in order, answers success
// unless told to fail a call, answers message boxes as told, keeps a message queue that tests
// fill, and delivers messages through the registered window procedure as a real system does,
// also synchronously from inside the calls a test picks.
class RecordingPlatform : public Platform {
  public:
    struct Box {
        std::string text;
        std::string caption;
        std::uint32_t flags;
    };

    // --- What the test tells it ---

    // Makes the named call report failure: every time, or only its nth time (1 = the first).
    void failCall(const std::string& name, int occurrence = 0);
    // The answer of Yes/No boxes (BoxAnswer::No unless told); OK boxes answer Ok.
    void answerQuestion(std::int32_t answer) { questionAnswer_ = answer; }
    // Tick readings: the scripted ones first, then `start`, `start + step`, ... (wrapping).
    void setTicks(std::uint32_t start, std::uint32_t step);
    void scriptTicks(const std::vector<std::uint32_t>& readings);
    // Runs `hook` after each recorded call of that name (createWindow: once the handle exists).
    void onCall(const std::string& name, std::function<void()> hook);
    // What default processing answers for messages it does nothing with.
    void setDefaultAnswer(MessageResult answer) { defaultAnswer_ = answer; }

    // Posts a message for the current window at the end of the queue.
    void queueMessage(std::uint32_t id, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);
    void queueKeyDown(std::uintptr_t code, bool repeat = false);
    void queueKeyUp(std::uintptr_t code);
    void queueClose() { queueMessage(MessageId::Close); }
    void queueQuit() { queueMessage(MessageId::Quit); }
    // Calls the window procedure now, as a system does from inside its own calls.
    MessageResult send(std::uint32_t id, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);
    // A test's own entry in the call log, to place its events among the calls.
    void note(const std::string& entry) { calls_.push_back(entry); }

    // --- What the test reads ---

    const std::vector<std::string>& calls() const { return calls_; }
    std::size_t count(const std::string& name) const;
    const std::vector<Box>& boxes() const { return boxes_; }
    const WindowClassDesc& registeredClass() const { return class_; }
    const std::string& registeredClassName() const { return className_; }
    const DisplayMode& requestedMode() const { return mode_; }
    std::uint32_t displayFlags() const { return displayFlags_; }
    const WindowRect& adjustedRect() const { return rect_; }
    const WindowDesc& windowDesc() const { return desc_; }
    const std::string& windowTitle() const { return title_; }
    const PixelFormatDesc& pixelFormat() const { return format_; }
    WindowHandle window() const { return window_; }
    std::int32_t cursorCount() const { return cursorCount_; }
    std::size_t queued() const { return queue_.size(); }
    // Every message the window procedure was called with, queued or sent, in order.
    const std::vector<WindowMessage>& delivered() const { return delivered_; }

    // --- Platform ---

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
    // Records the call and answers whether this one is to fail; runs its hooks unless the
    // caller runs them later itself.
    bool record(const std::string& name, bool runHooksNow = true);
    void runHooks(const std::string& name);
    template <typename Handle>
    Handle makeHandle(std::uintptr_t base);
    MessageResult deliver(const WindowMessage& message);

    std::vector<std::string> calls_;
    std::map<std::string, int> made_;
    std::map<std::string, int> failing_;  // occurrence to fail, 0 for every one
    std::multimap<std::string, std::function<void()>> hooks_;
    std::vector<Box> boxes_;
    std::int32_t questionAnswer_ = BoxAnswer::No;
    MessageResult defaultAnswer_ = 0;

    std::deque<std::uint32_t> scriptedTicks_;
    std::uint32_t nextTick_ = 1000;
    std::uint32_t tickStep_ = 0;

    WindowClassDesc class_;
    std::string className_;
    DisplayMode mode_;
    std::uint32_t displayFlags_ = 0;
    WindowRect rect_;
    WindowDesc desc_;
    std::string title_;
    PixelFormatDesc format_;
    WindowHandle window_ = nullptr;
    std::int32_t cursorCount_ = 0;
    std::uintptr_t handlesMade_ = 0;

    std::deque<WindowMessage> queue_;
    std::vector<WindowMessage> delivered_;
};
