#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "tests/support/files.h"

// The one vorngame_*.deb in `folder`, or an empty path (with the reason in `why`): in
// VORN_PACKAGE_DIR the package the test setup built from the test tree (package.build_deb), in
// VORN_RELEASE_PACKAGE_DIR the one that ships, built as scripts/package builds it
// (package.build_release_deb).
std::filesystem::path debianPackageIn(const std::filesystem::path& folder, std::string& why);

// The package's files laid out under `root` as dpkg would lay them out under /; answers
// dpkg-deb's complaint, or "" on success.
std::string unpackInto(const std::filesystem::path& deb, const std::filesystem::path& root);

// `installedPath` ("/usr/games/vorngame") inside a tree unpacked at `root`.
std::filesystem::path underRoot(const std::filesystem::path& root,
                                const std::string& installedPath);

// The keys of the [Desktop Entry] group, values as written (escapes left in).
std::map<std::string, std::string> readDesktopEntry(const std::filesystem::path& file);

// An Exec value split into the program and its arguments the way a desktop does: string
// escapes first, then double-quoted arguments with their backslash escapes.
std::vector<std::string> execArguments(const std::string& value);

// The lines of a checker's report (lintian, appstreamcli) that are errors or warnings: "E: ..."
// and "W: ...", indented or not.
std::string errorAndWarningLines(const std::string& report);

// The package the test setup built, unpacked under root_ as dpkg would lay it out under /.
class UnpackedPackage : public ::testing::Test {
  protected:
    void SetUp() override;
    std::filesystem::path installed(const std::string& installedPath) const {
        return underRoot(root_, installedPath);
    }

    TempFolder scratch_;
    const std::filesystem::path root_ = scratch_.path() / "root";
    std::filesystem::path deb_;
};
