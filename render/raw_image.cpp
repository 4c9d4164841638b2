#include "render/raw_image.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace {

void warn(const char* fileName, const std::string& fault) {
    std::fprintf(stderr, "vorngame: image file \"%s\" %s; its missing pixels are left blank\n",
                 fileName, fault.c_str());
}

// What is at the path, when it is something other than a file: fopen succeeds on a directory on
// some systems and the read then fails with a vague error, and opening a named pipe or a device
// can wait for ever for a writer, so only regular files (or links to them) are opened. A path
// whose status cannot be read is left to fopen, which names the reason.
const char* notAFile(const char* fileName) {
    namespace fs = std::filesystem;
    std::error_code failed;
    const fs::file_status status = fs::status(fileName, failed);
    if (failed || status.type() == fs::file_type::regular) return nullptr;
    if (status.type() == fs::file_type::directory) return "is a directory";
    return "is not a regular file";
}

// Fills as much of `pixels` as the file provides and returns what went wrong, or "" when the
// whole size was read.
std::string readInto(const char* fileName, std::vector<std::uint8_t>& pixels) {
    if (const char* fault = notAFile(fileName))
        return fault;
    std::FILE* file = std::fopen(fileName, "rb");
    if (file == nullptr)
        return std::string("cannot be opened: ") + std::strerror(errno);
    std::size_t got = std::fread(pixels.data(), 1, pixels.size(), file);
    bool failed = std::ferror(file) != 0;
    int readErrno = errno;
    std::fclose(file);
    if (failed)
        return std::string("cannot be read: ") + std::strerror(readErrno);
    if (got == 0 && !pixels.empty())
        return "is empty";
    if (got < pixels.size()) {
        return "is too short: " + std::to_string(got) + " of " + std::to_string(pixels.size()) +
               " bytes";
    }
    return "";
}

}  // namespace

std::unique_ptr<Texture> loadRawImage(const char* fileName, std::int16_t width,
                                      std::int16_t height) {
    std::int32_t w = width > 0 ? width : 0;
    std::int32_t h = height > 0 ? height : 0;
    // Zero-filled, so nothing undefined reaches the texture whatever the file holds.
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h) *
                                     4u);
    std::string fault = readInto(fileName == nullptr ? "" : fileName, pixels);
    if (!fault.empty())
        warn(fileName == nullptr ? "" : fileName, fault);
    return std::make_unique<Texture>(w, h, pixels.data());
}
