// The web platform's calls into the page, in JavaScript (Emscripten's EM_JS).
// Supports: the canvas (size, layout, visibility, focus, cursor), the line shown while the
// WebGL context is lost, the title, the screen wake lock, the
// browser's boxes and the clock.
// Limits: the wake lock needs a secure page (https, or 127.0.0.1) and is skipped elsewhere.
// Needs: Module.canvas set by the page.
#include "window/web/web_page.h"

#include <emscripten.h>

// clang-format off
EM_JS(int, vorn_has_canvas, (), {
    return Module.canvas ? 1 : 0;
});

// Setting a side, even to the size it has, clears the canvas and may reallocate its buffer.
EM_JS(void, vorn_size_canvas, (int width, int height), {
    if (Module.canvas.width !== width) Module.canvas.width = width;
    if (Module.canvas.height !== height) Module.canvas.height = height;
});

EM_JS(void, vorn_canvas_layout, (double* into), {
    HEAPF64[into >> 3] = Module.canvas.clientWidth;
    HEAPF64[(into >> 3) + 1] = Module.canvas.clientHeight;
    HEAPF64[(into >> 3) + 2] = window.devicePixelRatio || 1;
});

EM_JS(void, vorn_show_context_lost, (int shown), {
    const line = document.getElementById("context-lost");
    if (line) line.hidden = !shown;
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

EM_JS(void, vorn_set_title, (const char* title), {
    document.title = UTF8ToString(title);
});

// A lock lapses while the tab is hidden, so it is asked for again when the tab comes back.
EM_JS(void, vorn_keep_screen_on, (int on), {
    const keep = Module.vornScreenKeeper || (Module.vornScreenKeeper = {
        wanted: false, lock: null,
        ask() {
            if (!this.wanted || this.lock || !navigator.wakeLock || document.hidden) return;
            navigator.wakeLock.request("screen").then(
                (lock) => { this.lock = lock; lock.onrelease = () => { this.lock = null; }; },
                () => {});
        },
        init() {
            document.addEventListener("visibilitychange", () => this.ask());
            return this;
        },
    }.init());
    keep.wanted = !!on;
    if (keep.wanted) keep.ask();
    else if (keep.lock) keep.lock.release();
});

EM_JS(void, vorn_alert, (const char* text), {
    alert(UTF8ToString(text));
});

EM_JS(int, vorn_confirm, (const char* text), {
    return confirm(UTF8ToString(text)) ? 1 : 0;
});

// The origin read once: each read of it, as of the clock, is a new number object in JavaScript,
// and the game reads the clock a few times a frame.
EM_JS(unsigned, vorn_milliseconds, (), {
    const origin = Module.vornClockOrigin ||
        (Module.vornClockOrigin = Math.floor(performance.timeOrigin));
    return (origin + Math.floor(performance.now())) >>> 0;
});
// clang-format on

namespace WebPage {

bool hasCanvas() {
    return vorn_has_canvas() != 0;
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

CanvasLayout canvasLayout() {
    double read[3] = {};
    vorn_canvas_layout(read);
    return CanvasLayout{read[0], read[1], read[2]};
}

void showContextLostLine(bool shown) {
    vorn_show_context_lost(shown ? 1 : 0);
}

void setTitle(const char* title) {
    vorn_set_title(title);
}

void keepScreenOn(bool on) {
    vorn_keep_screen_on(on ? 1 : 0);
}

void alertBox(const char* text) {
    vorn_alert(text);
}

bool confirmBox(const char* text) {
    return vorn_confirm(text) != 0;
}

std::uint32_t milliseconds() {
    return vorn_milliseconds();
}

}  // namespace WebPage
