#include "tests/support/image_folder.h"

#include <atomic>
#include <fstream>
#include <vector>

#include <unistd.h>

namespace fs = std::filesystem;

ImageFolder::ImageFolder(bool withImages) : previous_(fs::current_path()) {
    static std::atomic<int> serial{0};
    path_ = fs::temp_directory_path() /
            ("vorn-images-" + std::to_string(::getpid()) + "-" + std::to_string(serial++));
    fs::remove_all(path_);
    fs::create_directories(path_);
    fs::current_path(path_);
    if (!withImages)
        return;
    write("score.raw", 64, 32, kScoreLabel);
    write("level.raw", 64, 32, kLevelLabel);
    for (int d = 0; d < 10; ++d) {
        write("digit" + std::to_string(d) + ".raw", 32, 32, digitColour(d));
    }
}

ImageFolder::~ImageFolder() {
    std::error_code ignored;
    fs::current_path(previous_, ignored);
    fs::remove_all(path_, ignored);
}

void ImageFolder::write(const std::string& name, int width, int height, Rgba colour) const {
    std::vector<char> bytes;
    for (int i = 0; i < width * height; ++i) {
        bytes.insert(bytes.end(), {static_cast<char>(colour.r), static_cast<char>(colour.g),
                                   static_cast<char>(colour.b), static_cast<char>(colour.a)});
    }
    std::ofstream(path_ / name, std::ios::binary)
        .write(bytes.data(), static_cast<long>(bytes.size()));
}

Rgba ImageFolder::digitColour(int digit) {
    return Rgba{static_cast<std::uint8_t>(25 * digit + 5), 60, 200, 255};
}
