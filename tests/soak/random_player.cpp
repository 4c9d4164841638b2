#include "tests/soak/random_player.h"

#include <X11/keysym.h>

#include <iterator>

void RandomPlayer::act() {
    const int roll = pick(0, 99);
    if (roll < 50)
        tap(gameKey());
    else if (roll < 62)
        tap(otherKey());
    else if (roll < 67)
        x_.hold(pick(0, 1) == 0 ? gameKey() : otherKey(), pick(300, 1200));
    else if (roll < 72)
        overlap();
    else if (roll < 84)
        burst(pick(10, 40));
    else if (roll < 86)
        sleepMs(pick(200, 2000));
    else if (roll < 90 && elsewhere_ != 0)
        awayAndBack();
    else
        tap(gameKey());
}

int RandomPlayer::pick(int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random_);
}

KeySym RandomPlayer::gameKey() {
    static constexpr KeySym kKeys[] = {XK_Left, XK_Right, XK_Up, XK_Down, XK_space};
    return kKeys[pick(0, 4)];
}

// Never Escape or F4 (Alt+F4 closes the window under Wine), never Alt.
KeySym RandomPlayer::otherKey() {
    static constexpr KeySym kKeys[] = {
        XK_a,        XK_q,        XK_z,     XK_5,       XK_Return,    XK_Tab,      XK_BackSpace,
        XK_F1,       XK_F10,      XK_F12,   XK_Shift_L, XK_Control_L, XK_KP_Left,  XK_KP_Up,
        XK_KP_Begin, XK_Num_Lock, XK_comma, XK_Home,    XK_Delete,    XK_Caps_Lock};
    return kKeys[pick(0, static_cast<int>(std::size(kKeys)) - 1)];
}

void RandomPlayer::tap(KeySym key) {
    x_.hold(key, pick(8, 40));
    sleepMs(pick(0, 20));
}

void RandomPlayer::overlap() {
    const KeySym first = gameKey();
    const KeySym second = gameKey();
    x_.press(first);
    sleepMs(pick(20, 400));
    x_.press(second);
    sleepMs(pick(20, 400));
    x_.release(first);
    sleepMs(pick(0, 200));
    x_.release(second);
}

void RandomPlayer::burst(int taps) {
    for (int i = 0; i < taps; ++i) {
        const KeySym key = gameKey();
        x_.press(key);
        x_.release(key);
    }
}

void RandomPlayer::focusGame() {
    x_.pointerTo(gameX_ + 400, gameY_ + 300);
    x_.focus(game_);
}

// Away with a key held (Escape among them: let go elsewhere it must do nothing), a few taps
// there, then back with a game key pressed elsewhere and let go over the game.
void RandomPlayer::awayAndBack() {
    const KeySym held = pick(0, 2) == 0 ? XK_Escape : gameKey();
    x_.press(held);
    sleepMs(pick(50, 300));
    x_.pointerTo(900, 700);
    x_.focus(elsewhere_);
    sleepMs(pick(50, 300));
    x_.release(held);
    for (int i = pick(0, 5); i > 0; --i)
        tap(gameKey());
    const KeySym carried = gameKey();
    x_.press(carried);
    focusGame();
    sleepMs(pick(20, 200));
    x_.release(carried);
}
