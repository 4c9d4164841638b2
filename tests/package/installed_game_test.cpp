// The installed package: the game, started the ways a player starts it, finds its image files
// and shows its read-out; and dpkg installs and removes the package in a clean root.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/package/package_files.h"
#include "tests/support/child_process.h"

namespace fs = std::filesystem;

namespace {

// What the program prints for each image file it could not read.
constexpr const char* kImageWarning = "vorngame: image file";

class InstalledGame : public UnpackedPackage {
  protected:
    void SetUp() override {
        UnpackedPackage::SetUp();
        fs::create_directories(elsewhere_);
    }

    // The game played briefly (play_briefly.sh): it answers 0 once the game showed its window,
    // drew its well and ended with 0 on Escape, and prints the read-out's brightness and the
    // game's standard error.
    static CommandResult play(const fs::path& program, const fs::path& workDir) {
        return runCommand({"bash", VORN_PLAY_BRIEFLY, workDir.string(), program.string()});
    }

    // The brightest channel (0..255) over the score and level read-out; -1 when not seen.
    static int readoutBrightness(const CommandResult& run) {
        const std::string label = "read-out brightness: ";
        const std::size_t at = run.output.find(label);
        return at == std::string::npos ? -1 : std::atoi(run.output.c_str() + at + label.size());
    }

    // The run reached its first frame, showed the read-out, reported nothing and ended on
    // Escape.
    static void expectReadoutShown(const CommandResult& run) {
        EXPECT_EQ(run.exitCode, 0) << run.output;
        EXPECT_GT(readoutBrightness(run), 100) << "the score and level read-out is blank";
        EXPECT_EQ(run.output.find(kImageWarning), std::string::npos) << run.output;
    }

    // An empty folder, standing for wherever the player happens to be.
    const fs::path elsewhere_ = scratch_.path() / "elsewhere";
};

TEST_F(InstalledGame, StartedAsItsMenuEntryStartsItFindsItsImages) {
    auto keys = readDesktopEntry(installed("/usr/share/applications/vorngame.desktop"));
    const std::vector<std::string> command = execArguments(keys["Exec"]);
    ASSERT_EQ(command.size(), 1u) << keys["Exec"];
    // A desktop starts the entry in its Path folder if it names one, else somewhere of its own.
    const fs::path workDir = keys.count("Path") ? installed(keys["Path"]) : elsewhere_;

    expectReadoutShown(play(installed(command[0]), workDir));
}

// A player may link the command into a folder of their own; the launcher still finds the rest.
TEST_F(InstalledGame, StartedThroughALinkFromAnotherFolderFindsItsImages) {
    const fs::path link = scratch_.path() / "bin" / "vorngame";
    fs::create_directories(link.parent_path());
    fs::create_symlink(installed("/usr/games/vorngame"), link);

    expectReadoutShown(play(link, elsewhere_));
}

// The check above can fail: the program itself, started away from its images, reports them.
TEST_F(InstalledGame, ProgramStartedAwayFromItsImagesReportsThem) {
    CommandResult run = play(installed("/usr/lib/games/vorngame/vorngame"), elsewhere_);
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(readoutBrightness(run), 0);
    EXPECT_NE(run.output.find(std::string(kImageWarning) + " \"score.raw\""), std::string::npos)
        << run.output;
}

// dpkg itself installs the package into an empty root (its libraries are the host's business,
// hence --force-depends) and removes every file again.
using CleanRoot = UnpackedPackage;
TEST_F(CleanRoot, DpkgInstallsThePackageAndRemovesEveryFile) {
    if (geteuid() != 0)
        GTEST_SKIP() << "dpkg --root needs root";
    TempFolder root;
    fs::create_directories(root.path() / "var/lib/dpkg/info");
    fs::create_directories(root.path() / "var/lib/dpkg/updates");
    { std::ofstream status(root.path() / "var/lib/dpkg/status"); }
    const std::string rootOption = "--root=" + root.path().string();

    CommandResult install =
        runCommand({"dpkg", rootOption, "--force-depends", "-i", deb_.string()});
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
