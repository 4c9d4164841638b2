// The package that ships, built as scripts/package builds it: Debian's own checker accepts it,
// the program in it carries the hardening Debian gives its own programs, and building the same
// commit again, in another folder and later, gives the same package to the byte.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>

#include "tests/package/package_files.h"
#include "tests/support/child_process.h"

namespace fs = std::filesystem;

namespace {

// The names in some of readelf's output: runs of letters, digits and underscores.
std::set<std::string> namesIn(const std::string& text) {
    std::set<std::string> names;
    std::string name;
    for (const char c : text + " ") {
        if (std::isalnum(static_cast<unsigned char>(c)) || c == '_') {
            name += c;
        } else if (!name.empty()) {
            names.insert(name);
            name.clear();
        }
    }
    return names;
}

// The names on the first line that holds `marker`.
std::set<std::string> namesOnLineWith(const std::string& text, const std::string& marker) {
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (line.find(marker) != std::string::npos)
            return namesIn(line);
    }
    return {};
}

long modificationTime(const fs::path& file) {
    struct stat status {};
    return stat(file.c_str(), &status) == 0 ? static_cast<long>(status.st_mtime) : -1;
}

class ReleasePackage : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string why;
        deb_ = debianPackageIn(VORN_RELEASE_PACKAGE_DIR, why);
        ASSERT_FALSE(deb_.empty()) << why;
    }
    fs::path deb_;
};

TEST_F(ReleasePackage, LintianFindsNoErrorAndNoWarning) {
    CommandResult lintian = runCommand({"lintian", "--fail-on", "error,warning", deb_.string()});
    EXPECT_EQ(errorAndWarningLines(lintian.output), "");
    EXPECT_EQ(lintian.exitCode, 0) << lintian.output;
}

// Read from the program itself, not from the flags the build was given.
TEST_F(ReleasePackage, ProgramIsHardenedAsDebianHardensItsOwn) {
    TempFolder root;
    ASSERT_EQ(unpackInto(deb_, root.path()), "");
    const fs::path program = underRoot(root.path(), "/usr/lib/games/vorngame/vorngame");
    CommandResult elf = runCommand({"readelf", "-W", "--file-header", "--program-headers",
                                    "--dynamic", "--dyn-syms", program.string()});
    ASSERT_EQ(elf.exitCode, 0) << elf.output;
    const std::string& text = elf.output;

    const std::set<std::string> names = namesIn(text);
    const std::set<std::string> flags = namesOnLineWith(text, "(FLAGS_1)");
    EXPECT_EQ(namesOnLineWith(text, "Type:").count("DYN"), 1u)
        << "not a position-independent executable";
    EXPECT_EQ(flags.count("PIE"), 1u) << "not a position-independent executable";
    EXPECT_EQ(names.count("GNU_RELRO"), 1u) << "no read-only relocations (RELRO)";
    EXPECT_EQ(flags.count("NOW"), 1u) << "not bound at start (partial RELRO)";
    EXPECT_EQ(names.count("__stack_chk_fail"), 1u) << "no stack protector";
    // glibc's checked variants (__fprintf_chk, __memcpy_chk, ...) replace the plain calls.
    const auto fortified = [](const std::string& name) {
        return name.rfind("__", 0) == 0 && name.size() > 6 &&
               name.compare(name.size() - 4, 4, "_chk") == 0;
    };
    EXPECT_TRUE(std::any_of(names.begin(), names.end(), fortified))
        << "no fortified C library call";
}

// A file system in memory where there is one (/dev/shm), the build tree's elsewhere: what the
// packages record of their folders must not depend on where they were staged.
fs::path anotherFileSystem() {
    std::error_code ignored;
    return fs::is_directory("/dev/shm", ignored) ? fs::path("/dev/shm") : fs::path();
}

TEST_F(ReleasePackage, SameCommitBuiltAgainElsewhereLaterGivesTheSameBytes) {
    TempFolder again(anotherFileSystem());
    const fs::path tree = again.path() / "tree";
    const fs::path out = again.path() / "deb";
    CommandResult build =
        runCommand({VORN_CMAKE, "-DCPACK=" VORN_CPACK, "-DSOURCE=" VORN_SOURCE_DIR,
                    "-DTREE=" + tree.string(), "-DOUT=" + out.string(), "-P", VORN_BUILD_DEB});
    ASSERT_EQ(build.exitCode, 0) << build.output;
    std::string why;
    const fs::path second = debianPackageIn(out, why);
    ASSERT_FALSE(second.empty()) << why;

    EXPECT_GT(modificationTime(second), modificationTime(deb_)) << "not built at another time";
    const std::string first = fileBytes(deb_);
    EXPECT_FALSE(first.empty());
    EXPECT_TRUE(first == fileBytes(second))
        << deb_ << " and " << second << " differ; `diffoscope` shows where";

    // Every time stamp in it is the same fixed time, whenever it was built.
    CommandResult time =
        runCommand({"sh", VORN_SOURCE_DIR "/tests/support/package_time.sh", VORN_SOURCE_DIR});
    ASSERT_EQ(time.exitCode, 0) << time.output;
    const long stamp = std::stol(time.output);
    TempFolder root;
    ASSERT_EQ(unpackInto(second, root.path()), "");
    for (const char* installed : {"/usr/share/doc/vorngame/copyright", "/usr/games/vorngame",
                                  "/usr/share/games/vorngame/score.raw"}) {
        EXPECT_EQ(modificationTime(underRoot(root.path(), installed)), stamp) << installed;
    }
}

}  // namespace
