// The committed read-out images: what the game loads from its working directory.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/images/image_test_support.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes bytesOf(const std::filesystem::path& file) {
    const std::string bytes = fileBytes(file);
    return Bytes(bytes.begin(), bytes.end());
}

Bytes asset(const std::string& name) {
    return bytesOf(std::filesystem::path(VORN_SOURCE_DIR) / "assets" / name);
}

std::size_t expectedSize(const std::string& name) {
    return name.rfind("digit", 0) == 0 ? 32u * 32u * 4u : 64u * 32u * 4u;
}

TEST(ReadoutAssets, GeneratorReproducesTheCommittedFilesByteForByte) {
    TempFolder out;
    const CommandResult run = runMakeImages({out.path().string()});
    ASSERT_EQ(run.exitCode, 0) << run.output;
    for (const std::string& name : imageFileNames()) {
        const Bytes made = bytesOf(out.path() / name);
        EXPECT_FALSE(made.empty()) << name;
        EXPECT_TRUE(made == asset(name)) << name << " differs from assets/" << name
                                         << "; regenerate with vorn_make_images assets";
    }
}

TEST(ReadoutAssets, FilesHaveExactlyTheSizesTheGameReads) {
    for (const std::string& name : imageFileNames()) {
        EXPECT_EQ(asset(name).size(), expectedSize(name)) << name;
    }
}

TEST(ReadoutAssets, EveryImageHasInkAndItsTransparentPixelsCarryNoColour) {
    for (const std::string& name : imageFileNames()) {
        const Bytes bytes = asset(name);
        int opaque = 0, clear = 0, tinted = 0;
        for (std::size_t i = 0; i + 3 < bytes.size(); i += 4) {
            if (bytes[i + 3] == 255)
                ++opaque;
            if (bytes[i + 3] != 0)
                continue;
            ++clear;
            if (bytes[i] != 0 || bytes[i + 1] != 0 || bytes[i + 2] != 0)
                ++tinted;
        }
        EXPECT_GT(opaque, 0) << name;
        EXPECT_GT(clear, 0) << name;
        EXPECT_EQ(tinted, 0) << name;
    }
}

TEST(ReadoutAssets, TenDigitsArePairwiseDifferent) {
    for (int a = 0; a < 10; ++a) {
        for (int b = a + 1; b < 10; ++b) {
            EXPECT_NE(asset("digit" + std::to_string(a) + ".raw"),
                      asset("digit" + std::to_string(b) + ".raw"))
                << a << " and " << b;
        }
    }
}

// Digit cells sit side by side without a gap: ink on a cell's edge would run into the next.
TEST(ReadoutAssets, DigitsKeepTheEdgesOfTheirCellsClear) {
    for (int d = 0; d < 10; ++d) {
        const Bytes bytes = asset("digit" + std::to_string(d) + ".raw");
        ASSERT_EQ(bytes.size(), 4096u);
        for (int i = 0; i < 32; ++i) {
            for (int edge : {i, 31 * 32 + i, i * 32, i * 32 + 31}) {
                EXPECT_EQ(bytes[static_cast<std::size_t>(edge) * 4 + 3], 0)
                    << "digit " << d << " pixel " << edge;
            }
        }
    }
}

TEST(ReadoutAssets, BuildCopiesThemToWhereTheGameStarts) {
    for (const std::string& name : imageFileNames()) {
        EXPECT_EQ(bytesOf(std::filesystem::path(VORN_RUN_DIR) / name), asset(name)) << name;
    }
}

}  // namespace
