// The message half of the SDL platform: SDL's events become window messages in one queue of
// our own, which also holds the quit message.
#include "window/sdl/sdl_platform.h"

#define SDL_MAIN_HANDLED
#include <SDL.h>

#include "window/sdl/sdl_events.h"
#include "window/sdl/sdl_signals.h"
#include "window/sdl/x11_releases.h"

namespace {

// How long getMessage sleeps at a time while the queue is empty, so a signal is still seen.
constexpr int kWaitSliceMs = 100;

}  // namespace

void SdlPlatform::queueFor(SDL_Window* window, std::uint32_t id, std::uintptr_t wParam,
                           std::intptr_t lParam) {
    queue_.push_back(messageTo(window, id, wParam, lParam));
}

// A signal, or the session asking the program to end, is a close request to every window.
void SdlPlatform::takeCloseRequests() {
    if (!CloseSignals::takeRequest())
        return;
    for (const auto& window : windows_)
        queueFor(window.first, MessageId::Close, 0, 0);
}

void SdlPlatform::pumpEvents() {
    takeCloseRequests();
    if (!videoStarted_)
        return;
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0) {
        if (event.type == SDL_QUIT) {
            for (const auto& window : windows_)
                queueFor(window.first, MessageId::Close, 0, 0);
            continue;
        }
        if (releasesFromX11_ && event.type == SDL_KEYUP)
            continue;
        if (event.type == SDL_SYSWMEVENT) {
            queueX11KeyRelease(event);
            continue;
        }
        for (const WindowMessage& message : messagesFor(event))
            queue_.push_back(message);
    }
}

void SdlPlatform::queueX11KeyRelease(const SDL_Event& event) {
    X11KeyRelease release;
    if (!readX11KeyRelease(event, release) || release.xWindow == 0)
        return;
    for (const auto& window : windows_) {
        if (window.second.xWindow != release.xWindow)
            continue;
        for (const WindowMessage& message : keyMessages(window.first, release.key))
            queue_.push_back(message);
    }
}

// Only the unfiltered form is used: the window and range filters are not applied.
bool SdlPlatform::peekMessage(WindowMessage& message, WindowHandle, std::uint32_t, std::uint32_t,
                              std::uint32_t removeFlags) {
    pumpEvents();
    if (queue_.empty())
        return false;
    message = queue_.front();
    if ((removeFlags & PeekFlag::Remove) != 0)
        queue_.pop_front();
    return true;
}

std::int32_t SdlPlatform::getMessage(WindowMessage& message, WindowHandle, std::uint32_t,
                                     std::uint32_t) {
    pumpEvents();
    while (queue_.empty()) {
        if (!videoStarted_) {
            noteFailure("no message can arrive before a window class is registered");
            return -1;
        }
        SDL_WaitEventTimeout(nullptr, kWaitSliceMs);
        pumpEvents();
    }
    message = queue_.front();
    queue_.pop_front();
    return message.id == MessageId::Quit ? 0 : 1;
}

// Nothing reads character messages, so none are made; the answer says whether one would be.
bool SdlPlatform::translateMessage(const WindowMessage& message) {
    return message.id == MessageId::KeyDown || message.id == MessageId::SysKeyDown;
}

MessageResult SdlPlatform::dispatchMessage(const WindowMessage& message) {
    return deliver(message);
}

MessageResult SdlPlatform::deliver(const WindowMessage& message) {
    const WindowRecord* record = recordOf(message.window);
    if (record == nullptr)
        return 0;
    return record->procedure(message.window, message.id, message.wParam, message.lParam);
}

// The close command is turned into the close message, sent at once; nothing else needs doing.
MessageResult SdlPlatform::defaultProcessing(WindowHandle window, std::uint32_t id,
                                             std::uintptr_t wParam, std::intptr_t) {
    if (id == MessageId::SysCommand && wParam == SystemCommand::Close) {
        WindowMessage close;
        close.window = window;
        close.id = MessageId::Close;
        return deliver(close);
    }
    return 0;
}

void SdlPlatform::postQuit(std::int32_t exitCode) {
    queueFor(nullptr, MessageId::Quit, static_cast<std::uintptr_t>(exitCode), 0);
}
