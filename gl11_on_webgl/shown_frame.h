#pragma once

#include <cstddef>
#include <memory>

#include "gl11_on_webgl/quad_batch.h"

// The quads of the frame the canvas shows, when that frame was drawn from a clear. A game's
// frames mostly repeat the one before (a piece falls a row a second or so), and a WebGL canvas
// that is not drawn goes on showing what it shows: a frame that would clear and draw the same
// quads again is left undrawn, and the browser composites nothing new. Whatever changes what the
// same quads look like (a texture, the blending, the clear colour, the buffer's size, a lost
// context) is the translation's to report with forget().
class ShownFrame {
  public:
    // True when `batch`, drawn from a clear, would show exactly what the canvas shows.
    bool repeats(const QuadBatch& batch) const;
    // `batch` is about to be drawn from a clear, under the state the canvas was last drawn with.
    void remember(const QuadBatch& batch);
    void forget() { known_ = false; }

  private:
    bool known_ = false;
    // The corners' bytes, then each run's, in storage reused from frame to frame: nothing is
    // allocated once the game plays.
    std::unique_ptr<unsigned char[]> bytes_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};
