#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "tools/rgba_image.h"

namespace imagegen {

// Checksums PNG files need: the CRC-32 of each chunk and the Adler-32 of the zlib stream.
std::uint32_t crc32(const std::uint8_t* data, std::size_t size);
std::uint32_t adler32(const std::uint8_t* data, std::size_t size);

// An 8-bit RGB PNG of the picture (alpha dropped: the preview is an opaque screen). The pixels
// go in stored, uncompressed deflate blocks, which every PNG reader accepts.
std::vector<std::uint8_t> encodePng(const RgbaImage& image);

}  // namespace imagegen
