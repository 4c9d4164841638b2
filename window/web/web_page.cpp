// The web platform's calls into the page, in JavaScript (Emscripten's EM_JS): the module's side
// of the page's contract, Module.vornPage (window/web/page/page.js), named nowhere else.
// Supports: the canvas (size, visibility, focus, cursor), the line shown while the
// WebGL context is lost, the title, the on-screen controls, the screen wake lock, the pads'
// permission, the failures the page says in words, the browser's question box and the clock.
// Limits: the wake lock needs a secure page (https, or 127.0.0.1) and is skipped elsewhere.
// Needs: Module.canvas and Module.vornPage set by the page; a page without vornPage (none is
// served without one) shows no lines and offers no controls.
#include "window/web/web_page.h"

#include <emscripten.h>

#include <cstdlib>

#include "frame/frame_event.h"

// clang-format off
EM_JS(int, vorn_has_canvas, (), {
    return Module.canvas ? 1 : 0;
});

// Emscripten's html5.h looks a target up as a CSS selector, or among its special targets.
EM_JS(void, vorn_name_canvas_target, (), {
    specialHTMLTargets["!canvas"] = Module.canvas;
});

// Setting a side, even to the size it has, clears the canvas and may reallocate its buffer.
EM_JS(void, vorn_size_canvas, (int width, int height), {
    if (Module.canvas.width !== width) Module.canvas.width = width;
    if (Module.canvas.height !== height) Module.canvas.height = height;
});

EM_JS(void, vorn_show_canvas, (int shown), {
    Module.canvas.style.visibility = shown ? "visible" : "hidden";
});

EM_JS(int, vorn_focus_canvas, (), {
    const had = document.activeElement === Module.canvas;
    Module.canvas.focus();
    return had ? 1 : 0;
});

EM_JS(void, vorn_show_cursor, (int shown), {
    Module.canvas.style.cursor = shown ? "" : "none";
});

EM_JS(int, vorn_page_has_focus, (), {
    return document.hasFocus() ? 1 : 0;
});

EM_JS(void, vorn_set_title, (const char* title), {
    document.title = UTF8ToString(title);
});

EM_JS(void, vorn_show_context_lost, (int shown), {
    if (Module.vornPage) Module.vornPage.showContextLost(!!shown);
});

// The controls are named as the page's buttons name them; the keys are the game's.
EM_JS(void, vorn_offer_controls, (int on, int left, int right, int turn, int down, int drop), {
    if (!Module.vornPage) return;
    const keys = { left: left, right: right, turn: turn, down: down, drop: drop };
    Module.vornPage.press = on ? (control) => _vorn_control_key(keys[control] || 0) : null;
});

EM_JS(void, vorn_keep_screen_on, (int on), {
    if (Module.vornPage) Module.vornPage.keepScreenOn(!!on);
});

EM_JS(void, vorn_listen_for_pads, (int on), {
    if (!Module.vornPadConnected) Module.vornPadConnected = () => _vorn_pad_connected();
    if (on) addEventListener("gamepadconnected", Module.vornPadConnected);
    else removeEventListener("gamepadconnected", Module.vornPadConnected);
});

EM_JS(int, vorn_gamepads_allowed, (), {
    try {
        if (navigator.getGamepads) navigator.getGamepads();
        return 1;
    } catch (error) {
        console.log("vorngame: the browser refuses the page its gamepads (" + error.message +
                    "); pads are off, the keys and the controls still play");
        return 0;
    }
});

EM_JS(void, vorn_failed, (const char* kind, const char* detail), {
    if (Module.vornPage) Module.vornPage.failed(UTF8ToString(kind), UTF8ToString(detail));
});

EM_JS(int, vorn_confirm, (const char* text), {
    return confirm(UTF8ToString(text)) ? 1 : 0;
});

// The wall clock's milliseconds are beyond JavaScript's small integers, so a sum made there would
// be a new number object at each of the few reads a frame: the origin is read once, and the
// module adds it.
EM_JS(unsigned, vorn_clock_origin, (), {
    return Math.floor(performance.timeOrigin) >>> 0;
});
EM_JS(int, vorn_milliseconds_since_origin, (), {
    return Math.floor(performance.now()) | 0;
});
// clang-format on

namespace WebPage {

bool hasCanvas() {
    return vorn_has_canvas() != 0;
}

const char* canvasTarget() {
    vorn_name_canvas_target();
    return "!canvas";
}

void sizeCanvas(std::int32_t width, std::int32_t height) {
    vorn_size_canvas(width, height);
}

void showCanvas(bool shown) {
    vorn_show_canvas(shown ? 1 : 0);
}

bool focusCanvas() {
    return vorn_focus_canvas() != 0;
}

void showCursorOverCanvas(bool shown) {
    vorn_show_cursor(shown ? 1 : 0);
}

bool hasFocus() {
    return vorn_page_has_focus() != 0;
}

void showContextLostLine(bool shown) {
    vorn_show_context_lost(shown ? 1 : 0);
}

void setTitle(const char* title) {
    vorn_set_title(title);
}

void listenForPads(bool on) {
    vorn_listen_for_pads(on ? 1 : 0);
}

void offerControls(bool on) {
    vorn_offer_controls(on ? 1 : 0, VirtualKey::Left, VirtualKey::Right, VirtualKey::Up,
                        VirtualKey::Down, VirtualKey::Space);
}

void keepScreenOn(bool on) {
    vorn_keep_screen_on(on ? 1 : 0);
}

bool gamepadsAllowed() {
    return vorn_gamepads_allowed() != 0;
}

void failed(Failure kind, const char* detail) {
    const char* const names[] = {"no-webgl", "window", "out-of-memory"};
    vorn_failed(names[static_cast<int>(kind)], detail);
}

void outOfMemory() {
    failed(Failure::OutOfMemory, "");
    std::abort();
}

bool confirmBox(const char* text) {
    return vorn_confirm(text) != 0;
}

std::uint32_t millisecondsAt(double sinceStart) {
    static const std::uint32_t origin = vorn_clock_origin();
    return origin + static_cast<std::uint32_t>(sinceStart);
}

std::uint32_t milliseconds() {
    return millisecondsAt(vorn_milliseconds_since_origin());
}

}  // namespace WebPage
