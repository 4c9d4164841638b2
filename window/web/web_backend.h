#pragma once

#include <cstdint>
#include <string>

#include "window/web/drawing_buffer_fit.h"
#include "window/web/monotonic_count.h"
#include "window/web/pad_samples.h"
#include "window/web/web_keys.h"
#include "window/window_backend.h"

// The window in a web browser, built with Emscripten (3.1, WebAssembly).
//
// Supports: one window, which is the page's canvas (Module.canvas): opening it sizes the canvas's
// drawing buffer and names the page, showing it makes it visible and gives it the keyboard
// focus. The GL context is WebGL 1, made through Emscripten's html5.h; the drawing code's
// OpenGL 1.1 reaches it through the backend's own translation (gl/). Keys come from the canvas as
// the DOM reports them (keyCode is the virtual-key code), told to the window core as they come; the
// game's keys do not scroll the page while the canvas has the focus; Escape that ends the
// canvas's full screen, and Cmd combinations, are the browser's (web_keys.h). The page's
// on-screen controls press and release the game's keys (WebPage::offerControls).
// A hidden tab counts as minimised. A question box is the browser's confirm, the caption above the
// text; a failure box is the page's line instead (WebPage::failed), said when the run ends. The
// tick counter is the wall clock, truncated to 32 bits. Presenting hands the frame to WebGL and
// returns: the browser calls the window's loop one turn at each of its animation frames
// (web_frame_loop.h) and shows the frame when the turn returns; the page's events arrive between
// turns. The drawing buffer has as many pixels as the screen shows the canvas with (its size on the
// page times the device pixel ratio, in the window's proportions), checked at each turn; the window
// is drawn over all of it. A lost WebGL context is waited for (its default prevented, so the
// browser may give it back): meanwhile a line on the page says so, nothing is drawn, keys do not
// reach the game, and the program should take no turns (contextLost), as in a hidden tab; once it
// is restored the translation has made everything again and the game goes on where it was.
// Limits: a page cannot change the display mode, so a full-screen mode is always refused (play it
// windowed; the page offers its own full-screen view). The browser may not show the same
// question twice, and one it suppresses answers No. A hidden tab gets no frames, so no turns; the
// clock goes on, and the first turn after the tab is shown again has the whole hidden time as
// its elapsed time; the same after a lost context. Closing the tab ends the game without a
// close request. Gamepads with the browser's standard mapping are more keys, sampled at each
// turn while the page has the focus, once the browser has announced a pad (web_pads.cpp,
// pad_samples.h).
// Needs: Emscripten's html5.h; the page of window/web/page/; WebGL in the browser.
class WebBackend : public WindowBackend {
  public:
    WebBackend() = default;
    ~WebBackend() override;
    WebBackend(const WebBackend&) = delete;
    WebBackend& operator=(const WebBackend&) = delete;

    void setListener(WindowEventListener* listener) override { listener_ = listener; }
    bool start() override { return true; }
    bool enterDisplayMode(std::int32_t width, std::int32_t height,
                          std::int32_t colourBits) override;
    void leaveDisplayMode() override {}
    void showCursor(bool shown) override;
    OpenStep openWindow(const WindowSpec& asked) override;
    OpenStep openContext() override;  // web_gl_context.cpp
    void show() override;
    bool release(Release what) override;
    void present() override;  // web_gl_context.cpp
    bool pumpEvents() override;
    void requestQuit() override { quitRequested_ = true; }
    BoxAnswer showBox(BoxKind kind, const char* caption, const char* text) override;
    std::uint32_t ticks() override;
    std::string takeFailureReason() override;

    // What the page reports while the program waits for the browser (web_events.cpp).
    void keyFromPage(const DomKeyEvent& key);
    void controlFromPage(std::uint32_t keyCode);
    void fullscreenFromPage(bool fullscreen);
    void visibilityFromPage(bool hidden);
    void contextLostFromPage();      // web_gl_context.cpp
    void contextRestoredFromPage();  // web_gl_context.cpp
    void padConnectedFromPage() { padConnected_ = true; }

    // While true, the turns are better left untaken: nothing can be shown.
    bool contextLost() const { return contextLost_; }

  private:
    void noteFailure(const std::string& why) { why_ = lastWhy_ = why; }
    void tell(const WindowEvent& event);
    void listenToPage();  // web_events.cpp
    void stopListening();
    void releaseContext();     // web_gl_context.cpp
    void followCanvasSize();   // web_gl_context.cpp
    bool fitCanvasToLayout();  // web_gl_context.cpp
    void readPads();           // web_pads.cpp

    WindowEventListener* listener_ = nullptr;
    bool windowOpen_ = false;
    bool quitRequested_ = false;
    std::int32_t cursorCount_ = 0;
    WebKeyTranslator keys_;
    PadSampleReader pads_{[this](const WindowEvent& event) { tell(event); }};
    std::string why_;
    std::string lastWhy_;  // kept for the page's line after the window core took why_
    bool noWebGL_ = false;

    std::intptr_t context_ = 0;  // Emscripten's handle of the WebGL context; 0: none
    bool contextLost_ = false;
    bool padConnected_ = false;  // once the browser has announced a pad
    bool inTurn_ = false;        // between a turn's events and its presenting
    std::uint32_t turnStart_ = 0;
    MonotonicCount count_;
    BufferSize window_;  // the size the window was opened with
    BufferSize buffer_;  // the canvas's drawing buffer
};
