// The GL half of the web backend: the context on the canvas, its drawing buffer's size, its
// loss and restoring, and presenting.
// Supports: one WebGL 1 context, opaque, 8 bits a channel, without a depth buffer (nothing drawn
// through gl/ tests depth), no extension enabled; made through Emscripten's html5 WebGL calls.
// The drawing code's OpenGL 1.1 reaches it through gl/. The context stays the canvas's across a
// loss (lost and restored in place), so only what was made in it needs making again, which the
// translation does.
// Limits: one configuration; a browser without WebGL fails at making the context.
// Needs: Emscripten's html5.h (its WebGL context calls, -lGL).
#include <emscripten/html5_webgl.h>

#include "gl11_on_webgl/webgl_frame.h"
#include "window/web/web_backend.h"
#include "window/web/web_frame_loop.h"
#include "window/web/web_page.h"

namespace {

// An opaque canvas (no alpha) shows the frame as a desktop window would. The drawing through gl/
// never tests depth, so the canvas is spared a depth buffer that the browser would clear at every
// frame. The browser gets no extension turned on that the game does not use.
EmscriptenWebGLContextAttributes contextAttributes() {
    EmscriptenWebGLContextAttributes attributes;
    emscripten_webgl_init_context_attributes(&attributes);
    attributes.alpha = EM_FALSE;
    attributes.depth = EM_FALSE;
    attributes.stencil = EM_FALSE;
    attributes.antialias = EM_FALSE;
    attributes.majorVersion = 1;
    attributes.minorVersion = 0;
    attributes.enableExtensionsByDefault = EM_FALSE;
    return attributes;
}

}  // namespace

// The drawing buffer has its size before the context is made (openWindow): resizing it afterwards
// would make the browser allocate it twice more, with a wait for the GPU each time. The page may
// have made the context already (page.js), in which case this finds it.
OpenStep WebBackend::openContext() {
    fitCanvasToLayout();
    const EmscriptenWebGLContextAttributes attributes = contextAttributes();
    const EMSCRIPTEN_WEBGL_CONTEXT_HANDLE context =
        emscripten_webgl_create_context(WebPage::canvasTarget(), &attributes);
    if (context <= 0) {
        noWebGL_ = true;
        noteFailure("the browser offers no WebGL");
        return OpenStep::MakeContext;
    }
    context_ = context;
    if (emscripten_webgl_make_context_current(context) != EMSCRIPTEN_RESULT_SUCCESS) {
        noteFailure("the WebGL context cannot be made current");
        return OpenStep::MakeCurrent;
    }
    drawingBufferResized(buffer_.width, buffer_.height);
    webglContextMade();
    return OpenStep::Done;
}

// Before the turn draws: a frame drawn and then resized would be cleared.
// The canvas's size on screen changes with the page's layout, full screen and the browser's
// zoom (which changes the device pixel ratio), none of which the page is told of in one event.
void WebBackend::followCanvasSize() {
    if (context_ != 0 && fitCanvasToLayout())
        drawingBufferResized(buffer_.width, buffer_.height);
}

// True when the canvas's drawing buffer took a new size.
bool WebBackend::fitCanvasToLayout() {
    const WebPage::CanvasLayout layout = WebFrameLoop::frameReadings().canvas;
    const BufferSize fitted =
        fitDrawingBuffer(window_, layout.cssWidth, layout.cssHeight, layout.pixelRatio);
    if (fitted.width == 0 || fitted == buffer_)
        return false;
    buffer_ = fitted;
    WebPage::sizeCanvas(fitted.width, fitted.height);
    return true;
}

// Told by the page's event or by presenting, whichever comes first.
void WebBackend::contextLostFromPage() {
    if (contextLost_ || context_ == 0)
        return;
    contextLost_ = true;
    webglContextLost();
    WebPage::showContextLostLine(true);
}

void WebBackend::contextRestoredFromPage() {
    if (!contextLost_)
        return;
    webglContextRestored();
    contextLost_ = false;
    WebPage::showContextLostLine(false);
}

void WebBackend::releaseContext() {
    if (context_ == 0)
        return;
    emscripten_webgl_make_context_current(0);
    emscripten_webgl_destroy_context(context_);
    context_ = 0;
}

// The frame's quads, gathered until now, reach WebGL; the browser shows the frame once the turn
// that drew it has handed control back (web_frame_loop.h), so nothing here waits, nor asks the
// context how it is: a loss comes as the canvas's event (web_events.cpp), and until then the
// browser ignores the calls of a lost context.
void WebBackend::present() {
    inTurn_ = false;
    if (context_ != 0)
        drawPendingQuads();
}
