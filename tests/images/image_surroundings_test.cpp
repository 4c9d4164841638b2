// Every one of the twelve image files, spoilt in every way a user's folder can spoil it: the
// game must start, play and draw, warn once naming the file and the fault, and crash nowhere.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "frame/frame_event.h"
#include "game/game_session.h"
#include "tests/support/files.h"
#include "tests/support/image_folder.h"
#include "tests/support/manual_clock.h"
#include "tests/support/pixels.h"

namespace fs = std::filesystem;

namespace {

struct Spoiling {
    const char* name;
    std::function<void(const fs::path&)> spoil;
    std::string fault;  // what the warning says after the file's name
};

std::vector<Spoiling> spoilings() {
    return {
        {"missing", [](const fs::path& p) { fs::remove(p); },
         "cannot be opened: No such file or directory"},
        {"empty", [](const fs::path& p) { std::ofstream(p, std::ios::trunc); }, "is empty"},
        {"short", [](const fs::path& p) { fs::resize_file(p, 1000); }, "is too short: 1000 of "},
        {"directory",
         [](const fs::path& p) {
             fs::remove(p);
             fs::create_directory(p);
         },
         "is a directory"},
        // Unreadable even for root, who may open any plain file: the read itself fails.
        {"unreadable",
         [](const fs::path& p) {
             fs::remove(p);
             fs::create_symlink("/proc/self/mem", p);
         },
         "cannot be read: Input/output error"},
    };
}

// Builds a session in the current folder, plays a little and draws; answers the warnings.
std::string playAndDraw() {
    ManualClock clock(5000);
    ::testing::internal::CaptureStderr();
    {
        GameSession session;
        for (int i = 0; i < 50; ++i) {
            clock.advance(100);
            session.handleEvent(Idle, 100);
            session.handleEvent(KeyUp, i % 2 == 0 ? 37 : 38);
        }
        session.handleEvent(Draw, 0);
    }
    return ::testing::internal::GetCapturedStderr();
}

int lines(const std::string& text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

TEST(ImageSurroundings, EachFileSpoiltEachWayGivesOneClearWarning) {
    for (const Spoiling& spoiling : spoilings()) {
        for (const std::string& file : imageFileNames()) {
            ImageFolder images;
            spoiling.spoil(images.path() / file);
            const std::string warnings = playAndDraw();
            EXPECT_EQ(lines(warnings), 1) << spoiling.name << " " << file << ":\n" << warnings;
            const std::string expected =
                std::string("vorngame: image file \"") + file + "\" " + spoiling.fault;
            EXPECT_EQ(warnings.rfind(expected, 0), 0u) << spoiling.name << " " << file << ":\n"
                                                       << warnings;
            EXPECT_NE(warnings.find("; its missing pixels are left blank\n"), std::string::npos);
        }
    }
}

TEST(ImageSurroundings, AFolderWithoutAnyImageStillPlaysAndDrawsTheWell) {
    ImageFolder empty(false);
    const std::string warnings = playAndDraw();
    EXPECT_EQ(lines(warnings), 12) << warnings;
    // The well and its piece are drawn; the read-out to its right is all blank.
    const std::array<int, 4> lit = Pixels::readFramebuffer().litBounds();
    EXPECT_EQ(lit[0], 50);
    EXPECT_EQ(lit[1], 44);
    EXPECT_LE(lit[2], 350) << "something drawn right of the well";
    EXPECT_LE(lit[3], 524);
}

// Root reads any file whatever its mode bits, so as root the files are read as nobody (the
// saved user id brings root back afterwards); the folder stays open to everyone.
class ReadingAsNobody {
  public:
    ReadingAsNobody() : switched_(::geteuid() == 0 && ::seteuid(kNobody) == 0) {}
    ~ReadingAsNobody() {
        if (switched_ && ::seteuid(0) != 0)
            std::abort();
    }
    ReadingAsNobody(const ReadingAsNobody&) = delete;
    ReadingAsNobody& operator=(const ReadingAsNobody&) = delete;
    bool unprivileged() const { return ::geteuid() != 0; }

  private:
    static constexpr uid_t kNobody = 65534;
    bool switched_;
};

TEST(ImageSurroundings, AFileWithoutReadPermissionIsNamed) {
    ImageFolder images;
    fs::permissions(images.path(), fs::perms::owner_all | fs::perms::group_read |
                                       fs::perms::group_exec | fs::perms::others_read |
                                       fs::perms::others_exec);
    fs::permissions(images.path() / "digit7.raw", fs::perms::none);
    std::string warnings;
    {
        const ReadingAsNobody nobody;
        ASSERT_TRUE(nobody.unprivileged()) << "no unprivileged user to read the files as";
        warnings = playAndDraw();
    }
    EXPECT_EQ(warnings,
              "vorngame: image file \"digit7.raw\" cannot be opened: Permission denied; its "
              "missing pixels are left blank\n");
}

}  // namespace
