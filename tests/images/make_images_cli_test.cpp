// The generator's command line: every fault is named and ends with a non-zero exit.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/images/image_test_support.h"

namespace {

namespace fs = std::filesystem;

// The generator's messages are checked for the facts they must name, not their wording.
testing::AssertionResult HasText(const std::string& output, const std::string& text) {
    if (output.find(text) != std::string::npos)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "\"" << text << "\" not in: " << output;
}

// Each case writes into a fresh folder of its own.
struct MakeImagesCommand : testing::Test {
    TempFolder temp;
};

TEST_F(MakeImagesCommand, MissingOutputFolderIsNamedAndNothingIsWritten) {
    const fs::path missing = temp.path() / "no-such-folder";
    const CommandResult run = runMakeImages({missing.string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(HasText(run.output, missing.string()));
    EXPECT_TRUE(HasText(run.output, "does not exist"));
    EXPECT_FALSE(fs::exists(missing));
}

TEST_F(MakeImagesCommand, OutputFolderThatIsAFileIsRefused) {
    const fs::path file = temp.path() / "plain-file";
    std::ofstream(file) << "not a folder";
    const CommandResult run = runMakeImages({file.string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(HasText(run.output, "is not a directory"));
    EXPECT_EQ(fs::file_size(file), 12u);
}

TEST_F(MakeImagesCommand, WrongArgumentsPrintUsage) {
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {}, {"a", "b"}, {"--preview"}, {"--unknown"}, {"--preview", "p.png", "1", "2", "3"}}) {
        const CommandResult run = runMakeImages(arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(HasText(run.output, "usage: vorn_make_images"));
    }
}

TEST_F(MakeImagesCommand, PreviewRefusesValuesTheGameCannotHold) {
    const std::string png = (temp.path() / "p.png").string();
    for (const char* score : {"-5", "12x", "", "+3", "2147483648", "99999999999999999999"}) {
        const CommandResult run = runMakeImages({"--preview", png, score});
        EXPECT_EQ(run.exitCode, 2) << score;
        EXPECT_TRUE(HasText(run.output, "is not a whole number")) << score;
    }
    EXPECT_EQ(runMakeImages({"--preview", png, "1", "level"}).exitCode, 2);
    EXPECT_FALSE(fs::exists(png));
}

TEST_F(MakeImagesCommand, PreviewIntoMissingFolderFailsAndNamesTheFile) {
    const fs::path png = temp.path() / "missing" / "p.png";
    const CommandResult run = runMakeImages({"--preview", png.string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(HasText(run.output, "cannot create"));
    EXPECT_TRUE(HasText(run.output, png.string()));
}

TEST_F(MakeImagesCommand, RewritingLeavesNoTemporaryFilesBehind) {
    ASSERT_EQ(runMakeImages({temp.path().string()}).exitCode, 0);
    ASSERT_EQ(runMakeImages({temp.path().string()}).exitCode, 0);
    int files = 0;
    for (const auto& entry : fs::directory_iterator(temp.path())) {
        EXPECT_EQ(entry.path().extension(), ".raw") << entry.path();
        ++files;
    }
    EXPECT_EQ(files, 12);
}

}  // namespace
