// The installed package: the game, started the ways a player starts it, finds its image files
// and shows its read-out; and dpkg installs and removes the package in a clean root.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/package/game_probe.h"
#include "tests/package/package_files.h"
#include "tests/support/child_process.h"

namespace fs = std::filesystem;

namespace {

// What the program prints for each image file it could not read.
constexpr const char* kImageWarning = "vorngame: image file";

class InstalledGame : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string why;
        const fs::path deb = builtDebianPackage(why);
        ASSERT_FALSE(deb.empty()) << why;
        root_ = scratch_.path() / "root";
        elsewhere_ = scratch_.path() / "elsewhere";
        fs::create_directories(elsewhere_);
        ASSERT_EQ(unpackInto(deb, root_), "");
    }

    GameRun play(const std::vector<std::string>& command, const fs::path& workDir) {
        return playBriefly(command, workDir, scratch_.path());
    }

    // The run reached its first frame, showed the read-out, reported nothing and ended on
    // Escape.
    static void expectReadoutShown(const GameRun& run) {
        EXPECT_TRUE(run.windowShown) << run.errors;
        EXPECT_TRUE(run.drawn) << run.errors;
        EXPECT_GT(run.readoutBrightness, 100) << "the score and level read-out is blank";
        EXPECT_EQ(run.errors.find(kImageWarning), std::string::npos) << run.errors;
        EXPECT_EQ(run.exitCode, 0) << run.errors;
    }

    TempFolder scratch_;
    fs::path root_;       // the package unpacked as dpkg lays it out
    fs::path elsewhere_;  // an empty folder, standing for wherever the player happens to be
};

TEST_F(InstalledGame, StartedAsItsMenuEntryStartsItFindsItsImages) {
    auto keys = readDesktopEntry(underRoot(root_, "/usr/share/applications/vorngame.desktop"));
    std::vector<std::string> command = execArguments(keys["Exec"]);
    ASSERT_FALSE(command.empty());
    command[0] = underRoot(root_, command[0]).string();
    // A desktop starts the entry in its Path folder if it names one, else somewhere of its own.
    const fs::path workDir = keys.count("Path") ? underRoot(root_, keys["Path"]) : elsewhere_;

    expectReadoutShown(play(command, workDir));
}

// A player may link the command into a folder of their own; the launcher still finds the rest.
TEST_F(InstalledGame, StartedThroughALinkFromAnotherFolderFindsItsImages) {
    const fs::path link = scratch_.path() / "bin" / "vorngame";
    fs::create_directories(link.parent_path());
    fs::create_symlink(underRoot(root_, "/usr/games/vorngame"), link);

    expectReadoutShown(play({link.string()}, elsewhere_));
}

// The check above can fail: the program itself, started away from its images, reports them.
TEST_F(InstalledGame, ProgramStartedAwayFromItsImagesReportsThem) {
    GameRun run = play({underRoot(root_, "/usr/lib/games/vorngame/vorngame").string()}, elsewhere_);
    EXPECT_TRUE(run.drawn) << run.errors;
    EXPECT_EQ(run.readoutBrightness, 0);
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_NE(run.errors.find(std::string(kImageWarning) + " \"score.raw\""), std::string::npos)
        << run.errors;
}

// dpkg itself installs the package into an empty root (its libraries are the host's business,
// hence --force-depends) and removes every file again.
TEST(CleanRoot, DpkgInstallsThePackageAndRemovesEveryFile) {
    if (geteuid() != 0)
        GTEST_SKIP() << "dpkg --root needs root";
    std::string why;
    const fs::path deb = builtDebianPackage(why);
    ASSERT_FALSE(deb.empty()) << why;
    TempFolder root;
    fs::create_directories(root.path() / "var/lib/dpkg/info");
    fs::create_directories(root.path() / "var/lib/dpkg/updates");
    { std::ofstream status(root.path() / "var/lib/dpkg/status"); }
    const std::string rootOption = "--root=" + root.path().string();

    CommandResult install = runCommand({"dpkg", rootOption, "--force-depends", "-i", deb.string()});
    ASSERT_EQ(install.exitCode, 0) << install.output;
    EXPECT_TRUE(fs::is_regular_file(underRoot(root.path(), "/usr/games/vorngame")));
    EXPECT_TRUE(fs::is_regular_file(underRoot(root.path(), "/usr/share/games/vorngame/score.raw")));
    CommandResult status = runCommand({"dpkg", rootOption, "-s", "vorngame"});
    EXPECT_NE(status.output.find("Status: install ok installed"), std::string::npos)
        << status.output;

    CommandResult removal = runCommand({"dpkg", rootOption, "-r", "vorngame"});
    ASSERT_EQ(removal.exitCode, 0) << removal.output;
    // Only dpkg's own records stay behind.
    for (const auto& entry : fs::recursive_directory_iterator(root.path())) {
        const bool record = entry.path().lexically_relative(root.path()).begin()->string() == "var";
        EXPECT_TRUE(record || entry.is_directory()) << entry.path();
    }
}

}  // namespace
