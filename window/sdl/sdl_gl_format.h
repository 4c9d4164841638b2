#pragma once

#include <SDL.h>

// The OpenGL format the game draws with, asked of SDL before its window is made: 8/8/8 colour,
// a 16-bit depth buffer, double buffering, and the compatibility profile, since the drawing is
// immediate mode. The benchmark's windows ask for the same, so that they time what the game gets.
inline void askForOurGLFormat() {
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
}
