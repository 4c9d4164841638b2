#include "tests/package/game_probe.h"

#include <chrono>
#include <cstdlib>
#include <thread>

#include "tests/package/package_files.h"
#include "tests/support/child_process.h"
#include "tests/support/virtual_display.h"

namespace fs = std::filesystem;

namespace {

// A rectangle of the 800x600 screen: "WxH+X+Y", as ImageMagick crops.
constexpr const char* kWellBottomRow = "300x30+50+494";
constexpr const char* kReadout = "224x72+400+100";
constexpr auto kFirstFrameWait = std::chrono::seconds(10);
constexpr auto kShotInterval = std::chrono::milliseconds(200);
constexpr auto kEscapeWait = std::chrono::seconds(5);

// System libraries (the GL driver, D-Bus) keep memory until exit under the sanitizer build;
// the package test is not the place to report them.
std::string sanitizerOptions() {
    const char* current = std::getenv("ASAN_OPTIONS");
    std::string options = current != nullptr ? current : "";
    return options + (options.empty() ? "" : ":") + "detect_leaks=0";
}

// The brightest channel value (0..255) inside `area` of the screen, or -1 without a screenshot.
int brightestOnScreen(const CommandOptions& onDisplay, const fs::path& shot, const char* area) {
    if (runCommand({"/usr/bin/import", "-window", "root", shot.string()}, onDisplay).exitCode != 0)
        return -1;
    CommandResult max = runCommand({"/usr/bin/convert", shot.string(), "-crop", area, "+repage",
                                    "-format", "%[fx:round(255*maxima)]", "info:"});
    return max.exitCode == 0 ? std::atoi(max.output.c_str()) : -1;
}

// The well's empty cells have grey edges: once they show, the session was built, its image
// files read, and a whole frame presented.
bool waitForFirstFrame(const CommandOptions& onDisplay, const fs::path& shot) {
    const auto deadline = std::chrono::steady_clock::now() + kFirstFrameWait;
    while (brightestOnScreen(onDisplay, shot, kWellBottomRow) <= 0) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(kShotInterval);
    }
    return true;
}

}  // namespace

GameRun playBriefly(const std::vector<std::string>& command, const fs::path& workDir,
                    const fs::path& scratch) {
    GameRun run;
    VirtualDisplay display;
    if (display.name().empty()) {
        run.errors = "Xvfb did not start";
        return run;
    }
    const CommandOptions onDisplay{"", {{"DISPLAY", display.name()}}};
    std::vector<std::string> argv{"timeout", "-s", "TERM", "30"};
    argv.insert(argv.end(), command.begin(), command.end());
    const fs::path errorsFile = scratch / "errors.txt";
    ChildProcess game(
        argv,
        {workDir.string(), {{"DISPLAY", display.name()}, {"ASAN_OPTIONS", sanitizerOptions()}}},
        errorsFile.string());

    run.windowShown = runCommand({"timeout", "20", "xdotool", "search", "--sync", "--onlyvisible",
                                  "--name", "^VornGame$"},
                                 onDisplay)
                          .exitCode == 0;
    const fs::path shot = scratch / "screen.png";
    run.drawn = run.windowShown && waitForFirstFrame(onDisplay, shot);
    if (run.drawn)
        run.readoutBrightness = brightestOnScreen(onDisplay, shot, kReadout);

    // Without a window manager the keyboard follows the pointer.
    runCommand({"xdotool", "mousemove", "400", "300"}, onDisplay);
    runCommand({"xdotool", "key", "Escape"}, onDisplay);
    // The key is not what this run checks; a lost one must not leave the game running.
    run.endedByEscape = game.endsWithin(kEscapeWait);
    if (!run.endedByEscape)
        game.terminate();
    run.exitCode = game.wait();
    run.errors += fileBytes(errorsFile);
    return run;
}
