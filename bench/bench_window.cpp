#include "bench/bench_window.h"

#include <SDL.h>

#include "render/gl_api.h"
#include "render/gl_state.h"
#include "window/sdl/sdl_gl_format.h"

namespace {

std::string glText(GLenum name) {
    const GLubyte* text = glGetString(name);
    return text == nullptr ? "?" : reinterpret_cast<const char*>(text);
}

int attribute(SDL_GLattr which) {
    int value = -1;
    SDL_GL_GetAttribute(which, &value);
    return value;
}

}  // namespace

BenchWindow::BenchWindow() {
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        error_ = std::string("SDL_Init: ") + SDL_GetError();
        return;
    }
    askForOurGLFormat();
    window_ = SDL_CreateWindow("vorn_bench", 0, 0, 800, 600, SDL_WINDOW_OPENGL | SDL_WINDOW_SHOWN);
    if (window_ == nullptr) {
        error_ = std::string("SDL_CreateWindow: ") + SDL_GetError();
        return;
    }
    context_ = SDL_GL_CreateContext(window_);
    if (context_ == nullptr || SDL_GL_MakeCurrent(window_, context_) != 0) {
        error_ = std::string("SDL_GL_CreateContext: ") + SDL_GetError();
        return;
    }
    // As fast as presenting allows, like the game's loop; without vsync this is the only way.
    swapInterval_ = SDL_GL_SetSwapInterval(0);
    applyFixedGLState(800, 600);
}

BenchWindow::~BenchWindow() {
    if (context_ != nullptr)
        SDL_GL_DeleteContext(context_);
    if (window_ != nullptr)
        SDL_DestroyWindow(window_);
    SDL_Quit();
}

void BenchWindow::present() const {
    glFlush();
    SDL_GL_SwapWindow(window_);
}

std::string BenchWindow::describe() const {
    return "GL renderer: " + glText(GL_RENDERER) + "\nGL version: " + glText(GL_VERSION) +
           "\ncontext: R" + std::to_string(attribute(SDL_GL_RED_SIZE)) + " G" +
           std::to_string(attribute(SDL_GL_GREEN_SIZE)) + " B" +
           std::to_string(attribute(SDL_GL_BLUE_SIZE)) + ", depth " +
           std::to_string(attribute(SDL_GL_DEPTH_SIZE)) + ", double buffer " +
           std::to_string(attribute(SDL_GL_DOUBLEBUFFER)) + ", swap interval 0 " +
           (swapInterval_ == 0 ? "accepted" : "refused") + "; video driver " +
           SDL_GetCurrentVideoDriver();
}
