// The browser build's <GL/gl.h>: this folder comes before Emscripten's own headers for whatever
// takes its GL from the translation (vorn_gl), so render/gl_api.h, written for desktop GL,
// gets the translation's set and nothing else. Emscripten's other GL headers are fenced off
// beside it (CMakeLists.txt).
#pragma once

#include "gl11_on_webgl/gl11.h"
