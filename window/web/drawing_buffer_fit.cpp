#include "window/web/drawing_buffer_fit.h"

#include <algorithm>
#include <cmath>

BufferSize fitDrawingBuffer(BufferSize window, double cssWidth, double cssHeight,
                            double pixelRatio) {
    if (window.width <= 0 || window.height <= 0 || !(cssWidth >= 1) || !(cssHeight >= 1))
        return {};
    if (!(pixelRatio > 0) || !std::isfinite(pixelRatio))
        pixelRatio = 1;
    const double widthScale = cssWidth * pixelRatio / window.width;
    const double heightScale = cssHeight * pixelRatio / window.height;
    double scale = std::min(widthScale, heightScale);
    scale = std::min(
        scale, static_cast<double>(kMaxDrawingBufferSide) / std::max(window.width, window.height));
    const auto side = [scale](std::int32_t windowSide) {
        return std::max<std::int32_t>(1,
                                      static_cast<std::int32_t>(std::lround(windowSide * scale)));
    };
    return BufferSize{side(window.width), side(window.height)};
}
