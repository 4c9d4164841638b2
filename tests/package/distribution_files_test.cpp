// What the package tells a distribution and a software centre: the licence, in Debian's
// machine-readable copyright file, the changelog, and the AppStream entry.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "tests/package/package_files.h"
#include "tests/support/child_process.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kCopyright = "/usr/share/doc/vorngame/copyright";
constexpr const char* kChangelog = "/usr/share/doc/vorngame/changelog.gz";
constexpr const char* kMetainfo = "/usr/share/metainfo/org.example.vorngame.metainfo.xml";

// Runs of spaces and line ends as one space, so that texts wrapped differently compare equal.
std::string words(const std::string& text) {
    std::istringstream in(text);
    std::string word, out;
    while (in >> word)
        out += (out.empty() ? "" : " ") + word;
    return out;
}

// The text of a copyright-file field that goes on over indented lines, " ." standing for an
// empty line; "" when the file has no such field.
std::string fieldText(const std::string& file, const std::string& firstLine) {
    std::istringstream lines(file);
    std::string line, text;
    bool inField = false;
    while (std::getline(lines, line)) {
        if (line == firstLine) {
            inField = true;
        } else if (inField && !line.empty() && line.front() == ' ') {
            text += (line == " ." ? "" : line.substr(1)) + "\n";
        } else if (inField) {
            break;
        }
    }
    return text;
}

std::string afterFirst(const std::string& text, const std::string& marker) {
    const std::size_t at = text.find(marker);
    return at == std::string::npos ? "" : text.substr(at);
}

class DistributionFiles : public UnpackedPackage {
  protected:
    std::string packageVersion() {
        CommandResult version = runCommand({"dpkg-deb", "-f", deb_.string(), "Version"});
        return version.exitCode == 0 ? words(version.output) : "";
    }
};

// Whoever redistributes the package must find the licence of the source in it, word for word.
TEST_F(DistributionFiles, CopyrightFileStatesTheLicenceOfTheSource) {
    const std::string copyright = fileBytes(installed(kCopyright));
    const std::string licence = fileBytes(fs::path(VORN_SOURCE_DIR) / "LICENSE");
    ASSERT_FALSE(licence.empty());
    const std::string format =
        "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n";
    EXPECT_EQ(copyright.rfind(format, 0), 0u) << copyright;
    EXPECT_NE(copyright.find("\nFiles: *\nCopyright: 2026 The vorngame developers\n"),
              std::string::npos)
        << copyright;
    EXPECT_NE(licence.find("Copyright (c) 2026 The vorngame developers\n"), std::string::npos);

    // Debian's name for this MIT licence is Expat.
    const std::string terms = fieldText(copyright, "License: Expat");
    EXPECT_EQ(words(terms), words(afterFirst(licence, "Permission is hereby granted")));
    EXPECT_NE(terms.find("portions of the Software.\n\nTHE SOFTWARE"), std::string::npos)
        << "the paragraphs are not kept apart:\n"
        << terms;
}

// A new version needs its changelog entry and its software-centre release.
TEST_F(DistributionFiles, ChangelogAndSoftwareCentreEntryNameThePackageVersion) {
    const std::string version = packageVersion();
    ASSERT_FALSE(version.empty());
    CommandResult changelog = runCommand({"gzip", "-dc", installed(kChangelog).string()});
    ASSERT_EQ(changelog.exitCode, 0) << changelog.output;
    EXPECT_EQ(changelog.output.rfind("vorngame (" + version + ") ", 0), 0u) << changelog.output;

    const std::string metainfo = fileBytes(installed(kMetainfo));
    const std::size_t firstRelease = metainfo.find("<release ");
    ASSERT_NE(firstRelease, std::string::npos) << metainfo;
    const std::string newest = "<release version=\"" + version + "\" date=";
    EXPECT_EQ(metainfo.compare(firstRelease, newest.size(), newest), 0)
        << "the newest release is not " << version << ":\n"
        << metainfo;
}

// AppStream's checker looks at the entry with the installed tree around it (the menu entry it
// launches, the icon); the addresses it names are not fetched.
TEST_F(DistributionFiles, SoftwareCentreEntryPassesAppStreamsChecker) {
    CommandResult validation =
        runCommand({"appstreamcli", "validate-tree", "--no-net", "--explain", root_.string()});
    EXPECT_EQ(validation.exitCode, 0) << validation.output;
    EXPECT_EQ(errorAndWarningLines(validation.output), "") << validation.output;

    // What a software centre shows, which the checker would let pass without.
    const std::string metainfo = fileBytes(installed(kMetainfo));
    for (const char* element :
         {"<summary>", "<description>", "<screenshot type=\"default\">", "<image type=\"source\"",
          "<content_rating type=\"oars-1.1\"", "<metadata_license>MIT</metadata_license>",
          "<project_license>MIT</project_license>",
          "<launchable type=\"desktop-id\">vorngame.desktop</launchable>"})
        EXPECT_NE(metainfo.find(element), std::string::npos) << element << " missing:\n"
                                                             << metainfo;
}

}  // namespace
