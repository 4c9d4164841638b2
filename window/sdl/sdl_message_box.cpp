#include <cstdio>
#include <string>

#include "window/sdl/sdl_platform.h"

#define SDL_MAIN_HANDLED
#include <SDL.h>

namespace {

Uint32 iconFlags(std::uint32_t flags) {
    switch (flags & BoxFlag::IconMask) {
        case BoxFlag::IconStop:
            return SDL_MESSAGEBOX_ERROR;
        case BoxFlag::IconExclamation:
            return SDL_MESSAGEBOX_WARNING;
        default:
            return SDL_MESSAGEBOX_INFORMATION;
    }
}

constexpr Uint32 kReturnAndEscape =
    SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT;

// Return answers Yes and Escape No; a box with one button takes both.
const SDL_MessageBoxButtonData kYesNo[] = {
    {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, BoxAnswer::Yes, "Yes"},
    {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, BoxAnswer::No, "No"},
};
const SDL_MessageBoxButtonData kOk[] = {{kReturnAndEscape, BoxAnswer::Ok, "OK"}};

void printOnStandardError(const char* caption, const char* text, const std::string& reason) {
    std::fprintf(stderr, "vorngame: %s: %s", caption, text);
    if (!reason.empty())
        std::fprintf(stderr, " (%s)", reason.c_str());
    std::fprintf(stderr, "\n");
    std::fflush(stderr);
}

}  // namespace

// Printed first: with no display, standard error is the only place the user can read it.
std::int32_t SdlPlatform::messageBox(WindowHandle, const char* text, const char* caption,
                                     std::uint32_t flags) {
    printOnStandardError(caption, text, failure_);
    failure_.clear();
    const bool question = (flags & BoxFlag::ButtonMask) == BoxFlag::YesNo;
    SDL_MessageBoxData box{};
    box.flags = iconFlags(flags) | SDL_MESSAGEBOX_BUTTONS_LEFT_TO_RIGHT;
    box.title = caption;
    box.message = text;
    box.numbuttons = question ? 2 : 1;
    box.buttons = question ? kYesNo : kOk;
    // On X, SDL shows the box from a forked child with a connection of its own; when that child
    // fails on its own (its connection closed, say), the game's display is still there and the
    // box is tried once more.
    const int tries = releasesFromX11_ ? 2 : 1;
    int pressed = -1;
    for (int tried = 1; SDL_ShowMessageBox(&box, &pressed) != 0; ++tried) {
        std::fprintf(stderr, "vorngame: (no message box could be shown: %s)\n", SDL_GetError());
        if (tried == tries)
            return BoxAnswer::Failed;
    }
    // -1: the box was closed without a button.
    return pressed < 0 ? BoxAnswer::Cancel : pressed;
}
