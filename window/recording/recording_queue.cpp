#include "window/recording/recording_platform.h"

// The message half of the double: a first-in first-out queue that tests fill, and delivery
// through the procedure of the registered class.

void RecordingPlatform::queueMessage(std::uint32_t id, std::uintptr_t wParam,
                                     std::intptr_t lParam) {
    WindowMessage message;
    message.window = id == MessageId::Quit ? nullptr : window_;
    message.id = id;
    message.wParam = wParam;
    message.lParam = lParam;
    queue_.push_back(message);
}

void RecordingPlatform::queueKeyDown(std::uintptr_t code, bool repeat) {
    queueMessage(MessageId::KeyDown, code, 1 | (repeat ? KeyFlag::WasDown : 0));
}

void RecordingPlatform::queueKeyUp(std::uintptr_t code) {
    queueMessage(MessageId::KeyUp, code, 1 | KeyFlag::WasDown | KeyFlag::Released);
}

MessageResult RecordingPlatform::send(std::uint32_t id, std::uintptr_t wParam,
                                      std::intptr_t lParam) {
    WindowMessage message;
    message.window = window_;
    message.id = id;
    message.wParam = wParam;
    message.lParam = lParam;
    return deliver(message);
}

MessageResult RecordingPlatform::deliver(const WindowMessage& message) {
    delivered_.push_back(message);
    if (class_.procedure == nullptr)
        return 0;
    return class_.procedure(message.window, message.id, message.wParam, message.lParam);
}

bool RecordingPlatform::peekMessage(WindowMessage& message, WindowHandle, std::uint32_t,
                                    std::uint32_t, std::uint32_t removeFlags) {
    if (record("peekMessage") || queue_.empty())
        return false;
    message = queue_.front();
    if ((removeFlags & PeekFlag::Remove) != 0)
        queue_.pop_front();
    return true;
}

std::int32_t RecordingPlatform::getMessage(WindowMessage& message, WindowHandle, std::uint32_t,
                                           std::uint32_t) {
    // A real queue would wait here; the double has nothing to wait for and reports failure.
    if (record("getMessage") || queue_.empty())
        return -1;
    message = queue_.front();
    queue_.pop_front();
    return message.id == MessageId::Quit ? 0 : 1;
}

bool RecordingPlatform::translateMessage(const WindowMessage& message) {
    record("translateMessage");
    return message.id == MessageId::KeyDown || message.id == MessageId::SysKeyDown;
}

MessageResult RecordingPlatform::dispatchMessage(const WindowMessage& message) {
    record("dispatchMessage");
    return deliver(message);
}

// As a real system does, the close command becomes a close message sent to the window.
MessageResult RecordingPlatform::defaultProcessing(WindowHandle window, std::uint32_t id,
                                                   std::uintptr_t wParam, std::intptr_t) {
    record("defaultProcessing");
    if (id == MessageId::SysCommand && wParam == SystemCommand::Close) {
        WindowMessage close;
        close.window = window;
        close.id = MessageId::Close;
        return deliver(close);
    }
    return defaultAnswer_;
}

void RecordingPlatform::postQuit(std::int32_t exitCode) {
    record("postQuit");
    queueMessage(MessageId::Quit, static_cast<std::uintptr_t>(exitCode));
}
