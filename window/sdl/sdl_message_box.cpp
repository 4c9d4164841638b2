#include <cstdio>

#include "window/sdl/sdl_backend.h"

#define SDL_MAIN_HANDLED
#include <SDL.h>

namespace {

Uint32 iconFlags(BoxKind kind) {
    switch (kind) {
        case BoxKind::Closing:
            return SDL_MESSAGEBOX_ERROR;
        case BoxKind::Shutdown:
            return SDL_MESSAGEBOX_INFORMATION;
        default:
            return SDL_MESSAGEBOX_WARNING;
    }
}

constexpr Uint32 kReturnAndEscape =
    SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT;
constexpr int kYes = 1;
constexpr int kNo = 2;
constexpr int kOk = 3;

// Return answers Yes and Escape No; a box with one button takes both.
const SDL_MessageBoxButtonData kYesNo[] = {
    {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, kYes, "Yes"},
    {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, kNo, "No"},
};
const SDL_MessageBoxButtonData kOkOnly[] = {{kReturnAndEscape, kOk, "OK"}};

}  // namespace

BoxAnswer SdlBackend::showBox(BoxKind kind, const char* caption, const char* text) {
    const bool question = kind == BoxKind::Question;
    SDL_MessageBoxData box{};
    box.flags = iconFlags(kind) | SDL_MESSAGEBOX_BUTTONS_LEFT_TO_RIGHT;
    box.title = caption;
    box.message = text;
    box.numbuttons = question ? 2 : 1;
    box.buttons = question ? kYesNo : kOkOnly;
    // On X, SDL shows the box from a forked child with a connection of its own; when that child
    // fails on its own (its connection closed, say), the game's display is still there and the
    // box is tried once more.
    const int tries = keysFromX_ ? 2 : 1;
    int pressed = -1;
    for (int tried = 1; SDL_ShowMessageBox(&box, &pressed) != 0; ++tried) {
        std::fprintf(stderr, "vorngame: (no message box could be shown: %s)\n", SDL_GetError());
        if (tried == tries)
            return BoxAnswer::Failed;
    }
    switch (pressed) {
        case kYes:
            return BoxAnswer::Yes;
        case kNo:
            return BoxAnswer::No;
        case kOk:
            return BoxAnswer::Ok;
        default:  // closed without a button
            return BoxAnswer::Cancel;
    }
}
