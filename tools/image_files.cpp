#include "tools/image_files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace imagegen {

namespace {

namespace fs = std::filesystem;

std::string fault(const std::string& what, const std::string& path, int error) {
    return what + " \"" + path + "\": " + std::strerror(error);
}

// Fills an already opened file; false when any byte could not be written or flushed.
bool fill(std::FILE* file, const std::vector<std::uint8_t>& bytes) {
    const std::size_t written = std::fwrite(bytes.data(), 1, bytes.size(), file);
    const bool flushed = std::fflush(file) == 0;
    return written == bytes.size() && flushed;
}

std::string folderFault(const std::string& folder) {
    if (folder.empty())
        return "output folder name is empty";
    std::error_code error;
    const fs::file_status status = fs::status(folder, error);
    if (!fs::exists(status))
        return "output folder \"" + folder + "\" does not exist";
    if (!fs::is_directory(status))
        return "output folder \"" + folder + "\" is not a directory";
    return "";
}

}  // namespace

const std::vector<std::uint8_t>& rawBytes(const RgbaImage& image) {
    return image.bytes;
}

std::string writeFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    const std::string temporary = path + ".part";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (file == nullptr)
        return fault("cannot create", temporary, errno);
    const bool filled = fill(file, bytes);
    const int writeError = errno;
    const bool closed = std::fclose(file) == 0;
    if (!filled || !closed) {
        std::remove(temporary.c_str());
        return fault("cannot write", temporary, filled ? errno : writeError);
    }
    std::error_code error;
    fs::rename(temporary, path, error);
    if (error) {
        std::remove(temporary.c_str());
        return "cannot replace \"" + path + "\": " + error.message();
    }
    return "";
}

std::string writeReadoutFiles(const std::string& folder, const ReadoutImages& images) {
    std::string problem = folderFault(folder);
    if (!problem.empty())
        return problem;
    for (const ImageFile& file : readoutFiles(images)) {
        problem = writeFileBytes((fs::path(folder) / file.name).string(), rawBytes(*file.image));
        if (!problem.empty())
            return problem;
    }
    return "";
}

}  // namespace imagegen
