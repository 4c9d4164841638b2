#pragma once

// What the window's side of the browser build tells the translation beyond GL 1.1: the frame,
// the canvas's size and the fate of the WebGL context.

// Hands WebGL the quads the drawing code has given since the last time, in order. Presenting
// calls it before the browser shows the frame; nothing else needs to (glFlush does not). A frame
// that clears and draws exactly what the canvas shows already is not handed over at all: the
// browser goes on showing the canvas as it is (shown_frame.h).
void drawPendingQuads();

// The next frame reaches WebGL even where it repeats the one shown: for a benchmark of the
// drawing itself.
void drawNextFrameAnew();

// The canvas's drawing buffer is width x height pixels, now and until the next call: the
// program's window is laid over the whole of it (its clip space does not depend on the size).
// Called once the context is current and whenever the buffer changes size.
void drawingBufferResized(int width, int height);

// The context has just been made and is current: the translation starts making what it draws
// with (its shaders compile in the browser while the program goes on starting).
void webglContextMade();

// The browser has taken the WebGL context away: until it is restored nothing is drawn, and the
// GL calls keep only their bookkeeping.
void webglContextLost();
// The context is back, empty: everything the translation made in it is made again, each
// texture from the copy of its image, and the state the program set is set again.
void webglContextRestored();
