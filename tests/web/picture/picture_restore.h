#pragma once

class WebBackend;

// The picture page's last frames, after the scenes: the full well of scene 0 and the turning
// piece of scene 1, each set up once and drawn, then, once the page has lost its WebGL context
// and had it back, drawn again and left in Module.vornRestoredPictures (RGBA, bottom row first).
// Their textures are made only before the loss, so the frames equal Mesa's only if the
// translation gave every texture, with its wrap, and the state back. Writes
// "vorn_picture: restored", or "vorn_picture: restore failed: " and why, and ends the runtime.
namespace PictureRestore {
// Does not return: the browser's frames take it on (web_frame_loop.h).
void run(WebBackend& backend);
}  // namespace PictureRestore
