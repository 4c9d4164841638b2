// What the Debian package holds and declares, read from the package file itself.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <string>

#include "tests/package/package_files.h"
#include "tests/support/child_process.h"

namespace {

struct Member {
    std::string mode;   // as ls shows it: "-rwxr-xr-x"
    std::string owner;  // "user/group"
};

// The package's members by installed path ("/usr/games/vorngame"), from `dpkg-deb -c`.
std::map<std::string, Member> membersOf(const std::string& listing) {
    std::map<std::string, Member> members;
    std::istringstream lines(listing);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        Member member;
        std::string size, date, time, path;
        if (fields >> member.mode >> member.owner >> size >> date >> time >> path)
            members[path.substr(path.find('/'))] = member;
    }
    return members;
}

// The package's control field, from `dpkg-deb -f`.
std::string controlField(const std::filesystem::path& deb, const std::string& field) {
    CommandResult result = runCommand({"dpkg-deb", "-f", deb.string(), field});
    return result.exitCode == 0 ? result.output : "";
}

// The package names in a Depends field, alternatives included, versions left out.
std::set<std::string> dependedOn(const std::string& depends) {
    std::set<std::string> names;
    std::string name;
    bool inName = true;
    for (char c : depends + ",") {
        if (c == ',' || c == '|') {
            if (!name.empty())
                names.insert(name);
            name.clear();
            inName = true;
        } else if (c == ' ' || c == '(' || c == '\n') {
            inName = name.empty();
        } else if (inName) {
            name += c;
        }
    }
    return names;
}

using DebianPackage = UnpackedPackage;

TEST_F(DebianPackage, HoldsLauncherProgramImagesMenuEntryIconsManualPageAndDocs) {
    CommandResult listing = runCommand({"dpkg-deb", "-c", deb_.string()});
    ASSERT_EQ(listing.exitCode, 0) << listing.output;
    const std::map<std::string, Member> members = membersOf(listing.output);

    std::map<std::string, std::string> expected{
        {"/usr/games/vorngame", "-rwxr-xr-x"},
        {"/usr/lib/games/vorngame/vorngame", "-rwxr-xr-x"},
        {"/usr/share/applications/vorngame.desktop", "-rw-r--r--"},
        {"/usr/share/icons/hicolor/scalable/apps/vorngame.svg", "-rw-r--r--"},
        {"/usr/share/man/man6/vorngame.6.gz", "-rw-r--r--"},
        {"/usr/share/doc/vorngame/copyright", "-rw-r--r--"},
        {"/usr/share/doc/vorngame/changelog.gz", "-rw-r--r--"},
        {"/usr/share/metainfo/org.example.vorngame.metainfo.xml", "-rw-r--r--"},
    };
    for (const std::string& image : imageFileNames())
        expected["/usr/share/games/vorngame/" + image] = "-rw-r--r--";
    for (const char* size : {"16", "24", "32", "48", "64", "128", "256"}) {
        expected[std::string("/usr/share/icons/hicolor/") + size + "x" + size +
                 "/apps/vorngame.png"] = "-rw-r--r--";
    }
    for (const auto& [path, mode] : expected) {
        auto member = members.find(path);
        ASSERT_NE(member, members.end()) << path << " is not in the package:\n" << listing.output;
        EXPECT_EQ(member->second.mode, mode) << path;
    }
    // Nothing of the build machine may leak in: every member is root's and under /usr.
    for (const auto& [path, member] : members) {
        if (path == "/")
            continue;
        EXPECT_EQ(member.owner, "root/root") << path;
        EXPECT_EQ(path.rfind("/usr/", 0), 0u) << path;
        EXPECT_EQ(path.find("/usr/local"), std::string::npos) << path;
    }
}

TEST_F(DebianPackage, ControlNamesGamesSectionMaintainerAndRuntimeLibraries) {
    EXPECT_EQ(controlField(deb_, "Package"), "vorngame\n");
    EXPECT_EQ(controlField(deb_, "Section"), "games\n");
    EXPECT_NE(controlField(deb_, "Maintainer").find('@'), std::string::npos);
    EXPECT_NE(controlField(deb_, "Description").find("falling-block puzzle"), std::string::npos);

    // SDL2 and the GL dispatch are linked; libGL is opened by SDL2 at run time and needs a
    // driver. Without them a fresh system installs the game and cannot start it.
    const std::string depends = controlField(deb_, "Depends");
    const std::set<std::string> names = dependedOn(depends);
    for (const char* library :
         {"libsdl2-2.0-0", "libopengl0", "libgl1", "libgl1-mesa-dri", "libc6", "libstdc++6"})
        EXPECT_EQ(names.count(library), 1u) << library << " missing from Depends: " << depends;
}

}  // namespace
