// The program in a web browser: the page's canvas through the web backend, played there as
// the desktop game is played in a window.
#include <emscripten.h>

#include <cstdint>
#include <cstdlib>

#include "app/game_run.h"
#include "window/web/web_backend.h"

namespace {

void endRuntime(void* code) {
    std::exit(static_cast<int>(reinterpret_cast<std::intptr_t>(code)));
}

}  // namespace

int main() {
    int code = 0;
    {
        WebBackend backend;
        code = runGame(backend, WindowRequest::Windowed);
    }
    // Once main has yielded to the browser, returning from it no longer ends Emscripten's
    // runtime, and exit called from inside it escapes to the page as an uncaught error. From a
    // turn of its own, exit ends the runtime cleanly and hands the page the exit code.
    emscripten_async_call(endRuntime, reinterpret_cast<void*>(static_cast<std::intptr_t>(code)), 0);
    return code;
}
