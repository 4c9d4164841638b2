#pragma once

// The fixed GL state every frame is drawn in: a width x height pixel projection with (0, 0) at
// the top-left and y growing downwards, no depth test or culling, texturing on, and additive
// blending weighted by the source alpha. The model-view matrix is left selected but not reset:
// each frame loads its own identity.
void applyFixedGLState(int width, int height);
