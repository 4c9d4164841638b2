#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/readout_images.h"

namespace imagegen {

// The raw file bytes of a picture: its pixels exactly as they are in memory.
const std::vector<std::uint8_t>& rawBytes(const RgbaImage& image);

// Writes the bytes to `path` through a temporary file beside it that is renamed into place,
// so a failed write never leaves a cut-off file where a good one was. Returns "" on success,
// otherwise one line saying what failed.
std::string writeFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

// Writes the twelve raw files into `folder`, which must be an existing directory. Returns ""
// on success, otherwise one line naming the folder or file and the fault.
std::string writeReadoutFiles(const std::string& folder, const ReadoutImages& images);

}  // namespace imagegen
