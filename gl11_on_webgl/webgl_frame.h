#pragma once

// Hands WebGL the quads the drawing code has given since the last time, in order. Presenting
// calls it before the browser shows the frame; nothing else needs to (glFlush does not).
void drawPendingQuads();
