// The least a program can do before its first frame: an SDL2 OpenGL window as the game asks for
// it (full screen 800 x 600, 8/8/8 colour, 16-bit depth, double buffer, compatibility profile),
// one clear, one swap. The benchmark times its start beside the game's.
#include <SDL.h>

#include "render/gl_api.h"
#include "window/sdl/sdl_gl_format.h"

int main() {
    if (SDL_Init(SDL_INIT_VIDEO) != 0)
        return 1;
    askForOurGLFormat();
    SDL_Window* window =
        SDL_CreateWindow("bare", 0, 0, 800, 600, SDL_WINDOW_OPENGL | SDL_WINDOW_FULLSCREEN);
    if (window == nullptr)
        return 1;
    SDL_GLContext context = SDL_GL_CreateContext(window);
    if (context == nullptr)
        return 1;
    glClear(GL_COLOR_BUFFER_BIT);
    glFlush();
    SDL_GL_SwapWindow(window);
    SDL_GL_DeleteContext(context);
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
