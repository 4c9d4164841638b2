// The message queue of the web platform: what the page reports is queued as the messages
// Windows would send, and the loop takes them between frames.
// Supports: peeking, taking, dispatching to the class's procedure, the close command, quitting.
// Limits: no filters by window or message range (the shell uses none); waiting for a message
// gives the browser frames until one comes.
// Needs: -sASYNCIFY, for that wait.
#include "window/web/web_platform.h"

#include "window/web/web_page.h"

void WebPlatform::queueFor(std::uint32_t id, std::uintptr_t wParam, std::intptr_t lParam) {
    WindowMessage message;
    message.id = id;
    message.wParam = wParam;
    message.lParam = lParam;
    message.time = tickCount();
    if (id != MessageId::Quit)
        message.window = canvasWindow();
    queue_.push_back(message);
}

// Only the unfiltered form is used: the window and range filters are not applied.
bool WebPlatform::peekMessage(WindowMessage& message, WindowHandle, std::uint32_t, std::uint32_t,
                              std::uint32_t removeFlags) {
    if (queue_.empty())
        return false;
    message = queue_.front();
    if ((removeFlags & PeekFlag::Remove) != 0)
        queue_.pop_front();
    return true;
}

// The page's events arrive only while the browser has its turn, so waiting is yielding.
std::int32_t WebPlatform::getMessage(WindowMessage& message, WindowHandle, std::uint32_t,
                                     std::uint32_t) {
    if (queue_.empty() && !windowOpen_) {
        noteFailure("no message can arrive without a window");
        return -1;
    }
    while (queue_.empty())
        WebPage::waitForNextFrame();
    message = queue_.front();
    queue_.pop_front();
    return message.id == MessageId::Quit ? 0 : 1;
}

// Nothing reads character messages, so none are made; the answer says whether one would be.
bool WebPlatform::translateMessage(const WindowMessage& message) {
    return message.id == MessageId::KeyDown || message.id == MessageId::SysKeyDown;
}

MessageResult WebPlatform::dispatchMessage(const WindowMessage& message) {
    if (!isWindow(message.window) || procedure_ == nullptr)
        return 0;
    return procedure_(message.window, message.id, message.wParam, message.lParam);
}

// As on Windows, the close command becomes a close message; the rest needs nothing.
MessageResult WebPlatform::defaultProcessing(WindowHandle window, std::uint32_t id,
                                             std::uintptr_t wParam, std::intptr_t) {
    if (id == MessageId::SysCommand && wParam == SystemCommand::Close && isWindow(window))
        return procedure_(window, MessageId::Close, 0, 0);
    return 0;
}

void WebPlatform::postQuit(std::int32_t exitCode) {
    queueFor(MessageId::Quit, static_cast<std::uintptr_t>(exitCode), 0);
}
