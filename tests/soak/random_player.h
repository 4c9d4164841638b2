#pragma once

#include <X11/Xlib.h>

#include <random>

#include "tests/soak/x_player.h"

// The soak's random player. Every key it presses it also lets go before an action ends, except
// across a focus move, where letting go elsewhere is the point. `elsewhere` 0: no focus moves.
class RandomPlayer {
  public:
    RandomPlayer(XPlayer& x, unsigned seed, Window game, Window elsewhere, int gameX, int gameY)
        : x_(x), random_(seed), game_(game), elsewhere_(elsewhere), gameX_(gameX), gameY_(gameY) {}

    // One action, chosen at random: about sixty key events a second on an idle machine, as a
    // fast player with a restless hand would give.
    void act();

  private:
    int pick(int low, int high);
    KeySym gameKey();
    KeySym otherKey();
    void tap(KeySym key);
    void overlap();
    void burst(int taps);
    void focusGame();
    void awayAndBack();

    XPlayer& x_;
    std::mt19937 random_;
    Window game_;
    Window elsewhere_;
    int gameX_;
    int gameY_;
};
