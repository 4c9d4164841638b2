#pragma once

#include <filesystem>
#include <string>
#include <vector>

// What a short run of the game showed and printed.
struct GameRun {
    bool windowShown = false;    // a window titled "VornGame" appeared
    bool drawn = false;          // the well was on screen, so the game had loaded everything
    int readoutBrightness = 0;   // brightest channel (0..255) over the score and level read-out
    bool endedByEscape = false;  // else it was asked to end with SIGTERM
    int exitCode = -1;
    std::string errors;  // the program's standard error, or why the run could not happen
};

// Starts `command` in `workDir` on a private 800x600 display, waits for the first drawn frame,
// looks at the read-out, releases Escape and waits for the end; a game still running 5 s later is
// sent SIGTERM, and one that ignores that too is killed after 30 s in all. `scratch` receives the
// screenshots and the program's standard error.
GameRun playBriefly(const std::vector<std::string>& command, const std::filesystem::path& workDir,
                    const std::filesystem::path& scratch);
