#pragma once

class WebBackend;

// The picture page's last frame, after the scenes: the full well of scene 0 set up once and
// drawn, then, once the page has lost its WebGL context and had it back, drawn again and left
// in Module.vornRestoredPicture (RGBA, bottom row first). Its textures are made only before the
// loss, so the frame equals Mesa's only if the translation gave every texture and the state
// back; a texture clamped on both axes, drawn before the loss, must be drawn the same after it.
// Writes "vorn_picture: restored", or "vorn_picture: restore failed: " and why, and ends the
// runtime.
namespace PictureRestore {
// Does not return: the browser's frames take it on (web_frame_loop.h).
void run(WebBackend& backend);
}  // namespace PictureRestore
