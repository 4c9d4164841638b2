#pragma once

#include <cstdint>
#include <memory>

#include "render/texture.h"

// Reads a headerless RGBA file (rows top first, 4 bytes a pixel) of the given size into a new
// texture. Only the first width * height * 4 bytes are read; a longer file is fine.
//
// A file that cannot be opened or read, or is shorter than the size, still yields a texture:
// every byte that could not be read is zero, so the missing part is transparent black and,
// blended additively, draws nothing. One line on standard error names the file and the fault.
std::unique_ptr<Texture> loadRawImage(const char* fileName, std::int16_t width,
                                      std::int16_t height);
