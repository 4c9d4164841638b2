#pragma once

// The SDL backend on a real X server (a private Xvfb), for the tests of its keys and its pads.
#define SDL_MAIN_HANDLED
#include <SDL.h>
#include <gtest/gtest.h>

#include "window/sdl/sdl_backend.h"
// After gtest and the window's names: Xlib defines macros (None, Bool) that gtest uses as names,
// and a type Window that the window's own names would shadow.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <cstdlib>
#include <vector>

#include "tests/support/virtual_display.h"
#include "tests/window/offscreen_set_aside.h"

// Collects the key releases the backend reports.
struct KeyUps : WindowEventListener {
    std::vector<std::uint32_t> codes;
    void onWindowEvent(const WindowEvent& event) override {
        if (event.kind == WindowEvent::Kind::KeyUp)
            codes.push_back(event.key);
    }
};

// The backend on a real X server: a small game window and another window elsewhere to move the
// keyboard focus to. Keys are pressed and let go with XTest, as a keyboard would.
class SdlOnX : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(display_.name().empty()) << "Xvfb did not start";
        setenv("DISPLAY", display_.name().c_str(), 1);
        x_ = XOpenDisplay(nullptr);
        ASSERT_NE(x_, nullptr);
        backend_.setListener(&keyUps_);
        ASSERT_TRUE(backend_.start());
        ASSERT_EQ(backend_.openWindow({200, 100, 32, false, "keys"}), OpenStep::Done);
        backend_.show();
        elsewhere_ = XCreateSimpleWindow(x_, DefaultRootWindow(x_), 400, 300, 100, 100, 0, 0, 0);
        XMapWindow(x_, elsewhere_);
        XSync(x_, False);
        focusTheWindow();
    }

    void TearDown() override {
        if (x_ != nullptr)
            XCloseDisplay(x_);
    }

    // Each answers the key releases that reached the window as the focus moved.
    std::vector<std::uint32_t> focusTheWindow() {
        backend_.show();
        return keyUps();
    }

    std::vector<std::uint32_t> focusElsewhere() {
        XSetInputFocus(x_, elsewhere_, RevertToParent, CurrentTime);
        XSync(x_, False);
        return keyUps();
    }

    void key(KeySym keysym, bool press) {
        XTestFakeKeyEvent(x_, XKeysymToKeycode(x_, keysym), press ? True : False, CurrentTime);
        XSync(x_, False);
    }
    void tap(KeySym keysym) {
        key(keysym, true);
        key(keysym, false);
    }

    // The virtual-key codes of the key releases that reach the window within a short while.
    std::vector<std::uint32_t> keyUps() {
        keyUps_.codes.clear();
        const Uint32 end = SDL_GetTicks() + 300;
        while (SDL_TICKS_PASSED(SDL_GetTicks(), end) == SDL_FALSE) {
            backend_.pumpEvents();
            SDL_Delay(10);
        }
        return keyUps_.codes;
    }

    OffscreenContextSetAside setAside_;
    VirtualDisplay display_;
    Display* x_ = nullptr;
    KeyUps keyUps_;
    SdlBackend backend_;
    Window elsewhere_ = 0;
};
