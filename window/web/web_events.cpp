// The web backend's ears: the canvas's key events, the page's on-screen controls, the
// document's full-screen changes, the tab's visibility and the fate of the canvas's WebGL
// context, told to the window core (or the GL half) as they come.
// Supports: keys only while the canvas has the focus; the game's keys kept from scrolling; Cmd
// combinations left to the browser; a control's press as the key's press and release.
// Limits: the browser calls these only between the loop's turns (web_frame_loop.h), so they
// arrive between frames, as on the desktop. No close message: a closed tab just ends.
// Needs: Emscripten's html5.h; the page's canvas and controls (web_page.h).
#include <emscripten.h>
#include <emscripten/html5.h>

#include "window/web/web_backend.h"
#include "window/web/web_page.h"

namespace {

// The backend the controls reach; none while the page is not listening.
WebBackend* listeningBackend = nullptr;

// The document tells of a change of full screen only at its next frame; a key can come first.
bool fullscreenNow() {
    EmscriptenFullscreenChangeEvent status{};
    return emscripten_get_fullscreen_status(&status) == EMSCRIPTEN_RESULT_SUCCESS &&
           status.isFullscreen != 0;
}

EM_BOOL onKey(int eventType, const EmscriptenKeyboardEvent* event, void* userData) {
    auto* backend = static_cast<WebBackend*>(userData);
    backend->fullscreenFromPage(fullscreenNow());
    DomKeyEvent key;
    key.keyCode = static_cast<std::uint32_t>(event->keyCode);
    key.down = eventType == EMSCRIPTEN_EVENT_KEYDOWN;
    key.repeat = event->repeat != 0;
    key.alt = event->altKey != 0;
    key.ctrl = event->ctrlKey != 0;
    key.meta = event->metaKey != 0;
    backend->keyFromPage(key);
    // Answering true withholds the page's own action for the key.
    return keyStaysWithGame(key) ? EM_TRUE : EM_FALSE;
}

EM_BOOL onFullscreenChange(int, const EmscriptenFullscreenChangeEvent* event, void* userData) {
    static_cast<WebBackend*>(userData)->fullscreenFromPage(event->isFullscreen != 0);
    return EM_FALSE;
}

EM_BOOL onVisibilityChange(int, const EmscriptenVisibilityChangeEvent* event, void* userData) {
    static_cast<WebBackend*>(userData)->visibilityFromPage(event->hidden != 0);
    return EM_FALSE;
}

// Answering true prevents the default, without which the browser never gives the context back.
EM_BOOL onContextLost(int, const void*, void* userData) {
    static_cast<WebBackend*>(userData)->contextLostFromPage();
    return EM_TRUE;
}

EM_BOOL onContextRestored(int, const void*, void* userData) {
    static_cast<WebBackend*>(userData)->contextRestoredFromPage();
    return EM_TRUE;
}

}  // namespace

// Called by the page's controls (and its gestures on the canvas) when a finger lifts, through
// WebPage::offerControls.
extern "C" EMSCRIPTEN_KEEPALIVE void vorn_control_key(int keyCode) {
    if (listeningBackend != nullptr && keyCode > 0)
        listeningBackend->controlFromPage(static_cast<std::uint32_t>(keyCode));
}

// The browser announces a pad before the page can see it; until then nothing samples pads
// (WebPage::listenForPads).
extern "C" EMSCRIPTEN_KEEPALIVE void vorn_pad_connected() {
    if (listeningBackend != nullptr)
        listeningBackend->padConnectedFromPage();
}

namespace {

// The page's events, named once so that stopping cannot leave one behind: with a backend each
// goes to its handler, without one each handler is taken away.
void setPageListeners(WebBackend* backend) {
    const bool on = backend != nullptr;
    const char* const canvas = WebPage::canvasTarget();
    listeningBackend = backend;
    WebPage::offerControls(on);
    emscripten_set_keydown_callback(canvas, backend, EM_TRUE, on ? onKey : nullptr);
    emscripten_set_keyup_callback(canvas, backend, EM_TRUE, on ? onKey : nullptr);
    emscripten_set_fullscreenchange_callback(EMSCRIPTEN_EVENT_TARGET_DOCUMENT, backend, EM_TRUE,
                                             on ? onFullscreenChange : nullptr);
    emscripten_set_visibilitychange_callback(backend, EM_TRUE, on ? onVisibilityChange : nullptr);
    emscripten_set_webglcontextlost_callback(canvas, backend, EM_TRUE,
                                             on ? onContextLost : nullptr);
    emscripten_set_webglcontextrestored_callback(canvas, backend, EM_TRUE,
                                                 on ? onContextRestored : nullptr);
    WebPage::listenForPads(on);
}

}  // namespace

void WebBackend::listenToPage() {
    setPageListeners(this);
}

void WebBackend::stopListening() {
    setPageListeners(nullptr);
}

// Keys reach the canvas only while it has the focus, and a key let go while the page had
// lost it sends no release at all: either way nothing reaches the game. Nor does a key while
// the context is lost, when the player cannot see what it would do.
void WebBackend::keyFromPage(const DomKeyEvent& key) {
    if (!windowOpen_)
        return;
    const auto event = keys_.eventFor(key);
    if (event && !contextLost_)
        tell(*event);
}

// A control acts as its key does once pressed and let go, so the window core's rules for keys
// (a release acts) hold for it too.
void WebBackend::controlFromPage(std::uint32_t keyCode) {
    if (!isControlKey(keyCode))
        return;
    DomKeyEvent key;
    key.keyCode = keyCode;
    key.down = true;
    keyFromPage(key);
    key.down = false;
    keyFromPage(key);
}

void WebBackend::fullscreenFromPage(bool fullscreen) {
    keys_.fullscreenChanged(fullscreen);
}

// A hidden tab is the page's form of a minimised window.
void WebBackend::visibilityFromPage(bool hidden) {
    if (windowOpen_)
        tell({WindowEvent::Kind::Activate, 0, hidden});
}
