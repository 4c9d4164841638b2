// The one place the drawing code includes OpenGL: 1.1, fixed function, immediate mode.
#pragma once

#include <GL/gl.h>

// Some headers name only the newer spelling of the clamped wrap mode.
#ifndef GL_CLAMP
#define GL_CLAMP 0x2900
#endif
