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
    int pressed = -1;
    if (SDL_ShowMessageBox(&box, &pressed) != 0) {
        std::fprintf(stderr, "vorngame: (no message box could be shown: %s)\n", SDL_GetError());
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
