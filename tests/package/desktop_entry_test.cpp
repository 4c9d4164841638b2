// The menu entry and the icon, as the package and `cmake --install` put them in place.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "tests/package/package_files.h"
#include "tests/support/child_process.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kEntryPath = "/usr/share/applications/vorngame.desktop";

bool isExecutableFile(const fs::path& file) {
    return fs::is_regular_file(file) && access(file.c_str(), X_OK) == 0;
}

// Width and height from a PNG's header chunk; zeros when the file is not a PNG.
std::pair<std::uint32_t, std::uint32_t> pngSize(const fs::path& file) {
    const std::string bytes = fileBytes(file);
    if (bytes.size() < 24 || bytes.compare(1, 3, "PNG") != 0 || bytes.compare(12, 4, "IHDR") != 0)
        return {0, 0};
    auto bigEndian = [&bytes](std::size_t at) {
        std::uint32_t value = 0;
        for (std::size_t i = at; i < at + 4; ++i)
            value = (value << 8) | static_cast<unsigned char>(bytes[i]);
        return value;
    };
    return {bigEndian(16), bigEndian(20)};
}

TEST_F(UnpackedPackage, MenuEntryIsValidAndStartsTheInstalledLauncher) {
    const fs::path entry = installed(kEntryPath);
    CommandResult validation = runCommand({"desktop-file-validate", entry.string()});
    EXPECT_EQ(validation.exitCode, 0) << validation.output;
    EXPECT_EQ(validation.output, "");

    auto keys = readDesktopEntry(entry);
    EXPECT_EQ(keys["Type"], "Application");
    EXPECT_EQ(keys["Name"], "VornGame");
    EXPECT_EQ(keys["Terminal"], "false");
    EXPECT_EQ(keys["Categories"].rfind("Game;", 0), 0u) << keys["Categories"];
    EXPECT_EQ(keys["Icon"], "vorngame");
    const std::vector<std::string> exec = execArguments(keys["Exec"]);
    ASSERT_EQ(exec.size(), 1u) << keys["Exec"];
    EXPECT_EQ(exec[0], "/usr/games/vorngame");
    EXPECT_TRUE(isExecutableFile(installed(exec[0])));
}

// The icon theme ignores an icon whose pixels do not match the size of its folder.
TEST_F(UnpackedPackage, EveryIconIsAPngOfItsFolderSize) {
    for (std::uint32_t size : {16u, 24u, 32u, 48u, 64u, 128u, 256u}) {
        const std::string side = std::to_string(size);
        const fs::path icon =
            installed("/usr/share/icons/hicolor/" + side + "x" + side + "/apps/vorngame.png");
        EXPECT_EQ(pngSize(icon), std::make_pair(size, size)) << icon;
    }
    const std::string svg =
        fileBytes(installed("/usr/share/icons/hicolor/scalable/apps/vorngame.svg"));
    EXPECT_NE(svg.find("<svg"), std::string::npos);
}

// A prefix the desktop would split or expand must reach the Exec key quoted and escaped.
TEST(InstalledMenuEntry, PrefixWithSpacesAndQuotesStillNamesTheLauncher) {
    TempFolder scratch;
    const fs::path prefix = scratch.path() / "two words $HOME \"quoted\"" / "usr";
    CommandResult install =
        runCommand({VORN_CMAKE, "--install", VORN_BUILD_DIR, "--prefix", prefix.string()});
    ASSERT_EQ(install.exitCode, 0) << install.output;

    const fs::path entry = prefix / "share/applications/vorngame.desktop";
    CommandResult validation = runCommand({"desktop-file-validate", entry.string()});
    EXPECT_EQ(validation.exitCode, 0) << validation.output;
    const std::vector<std::string> exec = execArguments(readDesktopEntry(entry)["Exec"]);
    ASSERT_EQ(exec.size(), 1u);
    EXPECT_EQ(exec[0], (prefix / "games/vorngame").string());
    EXPECT_TRUE(isExecutableFile(exec[0]));
}

}  // namespace
