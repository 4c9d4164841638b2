#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <sys/stat.h>

#include "render/raw_image.h"
#include "tests/support/files.h"
#include "tests/support/pixels.h"

namespace fs = std::filesystem;

namespace {

class RawImage : public ::testing::Test {
  protected:
    TempFolder folder;
    const fs::path dir = folder.path();

    std::string write(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        const fs::path path = dir / name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
        return path.string();
    }

    // Loads and returns the texels and whatever was printed on standard error.
    std::vector<std::uint8_t> load(const std::string& path, std::int16_t w, std::int16_t h,
                                   std::string* warning) {
        ::testing::internal::CaptureStderr();
        auto texture = loadRawImage(path.c_str(), w, h);
        *warning = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(texture->width(), w);
        EXPECT_EQ(texture->height(), h);
        texture->bind();
        return readBoundTexture(w, h);
    }
};

std::vector<std::uint8_t> pattern(std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 31 + 7);
    return bytes;
}

TEST_F(RawImage, ExactFileLoadsSilentlyTopRowFirst) {
    const auto bytes = pattern(8192);
    std::string warning;
    const auto texels = load(write("score.raw", bytes), 64, 32, &warning);
    EXPECT_EQ(texels, bytes);
    EXPECT_EQ(warning, "");
}

TEST_F(RawImage, LongerFileIsReadUpToTheSizeSilently) {
    auto bytes = pattern(4096 + 999);
    std::string warning;
    const auto texels = load(write("digit1.raw", bytes), 32, 32, &warning);
    bytes.resize(4096);
    EXPECT_EQ(texels, bytes);
    EXPECT_EQ(warning, "");
}

TEST_F(RawImage, UniformFileGivesUniformTexels) {
    std::vector<std::uint8_t> red;
    for (int i = 0; i < 32 * 32; ++i)
        red.insert(red.end(), {255, 0, 0, 255});
    std::string warning;
    EXPECT_EQ(load(write("red.raw", red), 32, 32, &warning), red);
}

// Every way a file can be unusable: a blank (all-zero, so transparent and additive-neutral)
// texture of the asked size, and one line naming the file and the fault.
TEST_F(RawImage, UnusableFilesGiveABlankTextureAndOneClearLine) {
    const std::vector<std::uint8_t> blank(4096, 0);
    const std::string plainFile = write("plain.raw", pattern(10));
    fs::create_directories(dir / "folder.raw");
    const std::string fifo = (dir / "pipe.raw").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    struct Case {
        std::string path;
        std::string fault;
    };
    const std::vector<Case> cases{
        {(dir / "missing.raw").string(), "cannot be opened: No such file or directory"},
        {plainFile + "/inside.raw", "cannot be opened: Not a directory"},
        {(dir / "folder.raw").string(), "is a directory"},
        {write("empty.raw", {}), "is empty"},
        {"/proc/self/mem", "cannot be read: Input/output error"},
        // Opening a pipe would wait for a writer that never comes; a device is no image either.
        {fifo, "is not a regular file"},
        {"/dev/zero", "is not a regular file"},
    };
    for (const Case& c : cases) {
        std::string warning;
        EXPECT_EQ(load(c.path, 32, 32, &warning), blank) << c.path;
        EXPECT_EQ(warning, "vorngame: image file \"" + c.path + "\" " + c.fault +
                               "; its missing pixels are left blank\n");
    }
}

TEST_F(RawImage, ShortFileKeepsWhatWasReadAndBlanksTheRest) {
    const auto bytes = pattern(100);
    const std::string path = write("short.raw", bytes);
    std::string warning;
    const auto texels = load(path, 32, 32, &warning);
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), texels.begin()));
    EXPECT_TRUE(std::all_of(texels.begin() + 100, texels.end(), [](auto b) { return b == 0; }));
    EXPECT_EQ(warning,
              "vorngame: image file \"" + path +
                  "\" is too short: 100 of 4096 bytes; its missing pixels are left blank\n");
}

}  // namespace
