#pragma once

#include "render/gl_api.h"

// A frame that changes the GL state between quads, where the game's own frames never do: the
// blend function and a texture's wrap changed, the colour buffer cleared and texturing turned
// off and on part way through; untextured quads (texturing off, and a texture without an
// image); a texture magnified with linear filtering and GL_CLAMP, so the border weighs in at its
// edges; and a texture whose rows the unpack alignment pads. Drawn into the current context,
// with the game's fixed state (render/gl_state.h) set up, and left with that state again.
void drawStateChangeScene();

// A quad whose texture coordinates run from 0 to 1 across it.
void texturedQuad(GLshort x, GLshort y, GLshort width, GLshort height);
