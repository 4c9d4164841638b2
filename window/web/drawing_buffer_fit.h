#pragma once

#include <cstdint>

struct BufferSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// A side every browser's WebGL gives a drawing buffer (their maxima are larger).
inline constexpr std::int32_t kMaxDrawingBufferSide = 4096;

inline bool operator==(BufferSize a, BufferSize b) {
    return a.width == b.width && a.height == b.height;
}

// The largest drawing buffer with the window's proportions that fits a canvas shown cssWidth x
// cssHeight CSS pixels, counted in device pixels (`pixelRatio` to the CSS pixel), so that the
// picture is as sharp as the screen; a canvas shown at the window's size on a screen of one
// device pixel to the CSS pixel gets the window's size exactly.
// Limits: no side longer than kMaxDrawingBufferSide; 0 x 0 for a canvas that takes no room
// (the buffer then stays as it was).
BufferSize fitDrawingBuffer(BufferSize window, double cssWidth, double cssHeight,
                            double pixelRatio);
