// The soak of the real program: starts it on a private Xvfb and plays it for a given time with
// random real input through the X server (taps, holds long enough for auto-repeat, overlapping
// holds, bursts, idle stretches, and, in the windowed game, the keyboard focus moved away and
// back with keys held across), optionally with every processor kept busy. It samples the game
// process's memory and descriptors, checks now and then that the game still draws and moves,
// and ends with Escape, which must give exit code 0. A crash is reported with its signal, the
// program's standard error and the seed that repeats the input.
//
// Usage: vorn_program_soak --seconds S --run-dir DIR [--seed N] [--load] [--full-screen]
//                          [--patience F] -- COMMAND [ARGS...]
// COMMAND is started in DIR (the program, or valgrind or wine with the program after it).
#include <X11/keysym.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "tests/soak/process_watch.h"
#include "tests/soak/random_player.h"
#include "tests/soak/x_player.h"
#include "tests/support/child_process.h"
#include "tests/support/virtual_display.h"

namespace {

using Clock = std::chrono::steady_clock;

// A soak stopped from outside (a time limit, Ctrl+C) ends at once; what it started (the X
// server, the program, the busy workers) is set to end with it.
extern "C" void stopNow(int) {
    _exit(1);
}

struct Options {
    int seconds = 60;
    std::string runDir = ".";
    unsigned seed = 0;
    bool load = false;
    bool fullScreen = false;
    double patience = 1.0;  // waits are this many times longer (valgrind, Wine)
    std::vector<std::string> command;
};

bool parse(int argc, char** argv, Options& options) {
    options.seed = static_cast<unsigned>(std::random_device{}());
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--seconds" && hasValue)
            options.seconds = std::atoi(argv[++i]);
        else if (arg == "--run-dir" && hasValue)
            options.runDir = argv[++i];
        else if (arg == "--seed" && hasValue)
            options.seed = static_cast<unsigned>(std::strtoul(argv[++i], nullptr, 10));
        else if (arg == "--patience" && hasValue)
            options.patience = std::atof(argv[++i]);
        else if (arg == "--load")
            options.load = true;
        else if (arg == "--full-screen")
            options.fullScreen = true;
        else if (arg == "--") {
            options.command.assign(argv + i + 1, argv + argc);
            break;
        } else {
            return false;
        }
    }
    return options.seconds > 0 && options.patience > 0 && !options.command.empty();
}

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The game first: killed alone, the display guardian would leave it running.
void killProgram(ChildProcess& program) {
    if (!program.running())
        return;
    const pid_t game = ProcessWatch::gameProcessOf(program.pid());
    if (game != program.pid())
        kill(game, SIGKILL);
    program.kill();
    program.wait();
}

// The well's bottom-left cell has a grey band on its top edge while it is empty, as at start.
constexpr int kBandX = 51;
constexpr int kBandY = 44 + 30 * 15 + 1;
constexpr std::uint32_t kBandGrey = 0x3F3F3F;

// Every cell of a drawn well has a lit top-left corner: the grey band of an empty cell or the
// light edge of a block; the falling piece only adds light.
bool wellIsDrawn(const std::vector<std::uint32_t>& well) {
    if (well.size() != 300u * 480u)
        return false;
    for (int row = 0; row < 16; ++row) {
        for (int column = 0; column < 10; ++column) {
            if (well[static_cast<std::size_t>((row * 30 + 1) * 300 + column * 30 + 1)] == 0)
                return false;
        }
    }
    return true;
}

struct Checks {
    int passed = 0;
    int failed = 0;
    void report(bool ok, const std::string& what) {
        std::printf("%s - %s\n", ok ? "ok" : "not ok", what.c_str());
        (ok ? passed : failed)++;
    }
};

// Waits until `ready` answers true; false if the program ended or time ran out first.
bool waitFor(ChildProcess& program, double seconds, const std::function<bool()>& ready) {
    const auto deadline = Clock::now() + std::chrono::duration<double>(seconds);
    while (Clock::now() < deadline) {
        if (ready())
            return true;
        if (!program.running())
            return false;
        sleepMs(100);
    }
    return false;
}

struct Samples {
    long startKb = -1;
    long baselineKb = -1;
    long endKb = -1;
    int startFds = -1;
    int endFds = -1;
    double baselineAt = 0;
    double played = 0;
    int screenshots = 0;
    int stillFrames = 0;
    int undrawn = 0;
    std::vector<std::uint32_t> lastWell;
};

void lookAtScreen(XPlayer& x, Window game, Samples& samples) {
    int gx = 0, gy = 0, width = 0, height = 0;
    ++samples.screenshots;
    std::vector<std::uint32_t> well;
    if (x.placeOf(game, gx, gy, width, height))
        well = x.grab(gx + 50, gy + 44, 300, 480);
    samples.undrawn += !wellIsDrawn(well);
    samples.stillFrames += wellIsDrawn(well) && well == samples.lastWell;
    samples.lastWell = well;
}

// How the program ended, what it said, and how to give it the same input again.
void printEnd(ChildProcess& program, const std::string& errLog, unsigned seed) {
    const int code = program.wait();
    if (code > 128)
        std::printf("# the program ended by signal %d (%s)\n", code - 128, strsignal(code - 128));
    else
        std::printf("# the program ended with exit code %d\n", code);
    std::printf("# its standard error:\n");
    std::ifstream err(errLog);
    for (std::string line; std::getline(err, line);)
        std::printf("#   %s\n", line.c_str());
    std::printf("# the same input again: --seed %u\n", seed);
}

void printFigures(const Options& options, const XPlayer& x, const Samples& s) {
    auto mb = [](long kb) { return kb / 1024.0; };
    std::printf("# seed %u, %.0f s played, load %s, %s\n", options.seed, s.played,
                options.load ? "on" : "off", options.fullScreen ? "full screen" : "windowed");
    std::printf("# events sent: %llu key presses and releases, %llu focus moves\n",
                static_cast<unsigned long long>(x.keyEventsSent()),
                static_cast<unsigned long long>(x.focusMoves()));
    std::printf("# resident memory: %.1f MB at start, %.1f MB after %.0f s, %.1f MB at the end\n",
                mb(s.startKb), mb(s.baselineKb), s.baselineAt, mb(s.endKb));
    std::printf("# descriptors: %d at start, %d at the end\n", s.startFds, s.endFds);
    std::printf("# screenshots checked: %d\n", s.screenshots);
}

// Answers the question a 1024x768 screen brings with Return (Yes), when it comes.
void answerYes(XPlayer& x, ChildProcess& program, double patience) {
    Window question = 0;
    int qx = 0, qy = 0, qw = 0, qh = 0;
    if (waitFor(program, 60 * patience,
                [&] { return (question = x.findWindow("Lumo GL")) != 0; }) &&
        waitFor(program, 10 * patience, [&] { return x.placeOf(question, qx, qy, qw, qh); })) {
        x.pointerTo(qx + qw / 2, qy + qh / 2);
        sleepMs(300);
        x.hold(XK_Return, 40);
    }
}

// The game's window once it shows the first frame, with the top-left corner of its drawing
// area; 0 if it never does.
Window waitForTheGame(XPlayer& x, ChildProcess& program, double patience, int& gx, int& gy) {
    Window game = 0;
    int width = 0, height = 0;
    const bool shown = waitFor(program, 60 * patience, [&] {
        game = x.findWindow("VornGame");
        return x.placeOf(game, gx, gy, width, height) &&
               x.grab(gx + kBandX, gy + kBandY, 1, 1) == std::vector<std::uint32_t>{kBandGrey};
    });
    return shown ? game : 0;
}

// Plays until the time is up or the program has ended, watching it meanwhile.
Samples play(const Options& options, XPlayer& x, ChildProcess& program, Window game, int gx,
             int gy) {
    const Window elsewhere = options.fullScreen ? 0 : x.makeOtherWindow(850, 650, 150, 100);
    x.pointerTo(gx + 400, gy + 300);
    x.focus(game);
    const std::vector<pid_t> workers =
        options.load ? ProcessWatch::startBusyWorkers() : std::vector<pid_t>{};
    const pid_t gamePid = ProcessWatch::gameProcessOf(program.pid());
    Samples samples;
    samples.startKb = ProcessWatch::residentKb(gamePid);
    samples.startFds = ProcessWatch::openDescriptors(gamePid);
    samples.baselineAt = std::min(60.0, options.seconds / 2.0);
    RandomPlayer player(x, options.seed, game, elsewhere, gx, gy);
    const auto start = Clock::now();
    double nextLook = 10;
    while (program.running() && secondsSince(start) < options.seconds) {
        player.act();
        const double now = secondsSince(start);
        if (samples.baselineKb < 0 && now >= samples.baselineAt)
            samples.baselineKb = ProcessWatch::residentKb(gamePid);
        if (now >= nextLook) {
            lookAtScreen(x, game, samples);
            nextLook += 10;
        }
    }
    samples.played = secondsSince(start);
    samples.endKb = ProcessWatch::residentKb(gamePid);
    samples.endFds = ProcessWatch::openDescriptors(gamePid);
    ProcessWatch::stopWorkers(workers);
    return samples;
}

// The checks of a program that lived to the end of the soak, Escape last.
void checkTheEnd(Checks& checks, XPlayer& x, ChildProcess& program, const Samples& samples,
                 Window game, int gx, int gy, double patience) {
    const bool steady = samples.baselineKb > 0 && samples.endKb <= samples.baselineKb * 105 / 100;
    checks.report(steady, "resident memory at the end within 5 % of the memory after " +
                              std::to_string(static_cast<int>(samples.baselineAt)) + " s");
    checks.report(samples.endFds == samples.startFds, "descriptors unchanged");
    x.pointerTo(gx + 400, gy + 300);
    x.focus(game);
    sleepMs(200);
    x.hold(XK_Escape, 40);
    const bool ended =
        program.endsWithin(std::chrono::milliseconds(static_cast<long>(60000 * patience)));
    if (!ended)
        killProgram(program);
    checks.report(ended && program.wait() == 0,
                  "Escape ended it with exit code " + std::to_string(program.wait()));
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parse(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: %s --seconds S --run-dir DIR [--seed N] [--load] [--full-screen] "
                     "[--patience F] -- COMMAND [ARGS...]\n",
                     argv[0]);
        return 2;
    }
    // A line at a time, so that a run stopped at a time limit still shows how far it got.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    for (const int signalNumber : {SIGINT, SIGTERM, SIGHUP})
        std::signal(signalNumber, stopNow);
    const VirtualDisplay display(options.fullScreen ? "800x600x24" : "1024x768x24");
    XPlayer x(display.name());
    if (display.name().empty() || !x.ok()) {
        std::fprintf(stderr, "program-soak: no Xvfb\n");
        return 1;
    }
    const std::string errLog = (std::filesystem::temp_directory_path() /
                                ("program-soak." + std::to_string(getpid()) + ".err"))
                                   .string();
    ChildProcess program(options.command, {options.runDir, {{"DISPLAY", display.name()}}}, errLog);
    Checks checks;
    if (!options.fullScreen)
        answerYes(x, program, options.patience);
    int gx = 0;
    int gy = 0;
    const Window game = waitForTheGame(x, program, options.patience, gx, gy);
    checks.report(game != 0, "the game window is shown and drawn");
    if (game != 0) {
        const Samples samples = play(options, x, program, game, gx, gy);
        const bool lived = program.running();
        checks.report(lived,
                      "the program ran " + std::to_string(static_cast<int>(samples.played)) + " s");
        checks.report(samples.undrawn == 0 && samples.stillFrames == 0,
                      "it drew and moved at every screenshot (" +
                          std::to_string(samples.screenshots) + "; not drawn " +
                          std::to_string(samples.undrawn) + ", unchanged " +
                          std::to_string(samples.stillFrames) + ")");
        if (lived)
            checkTheEnd(checks, x, program, samples, game, gx, gy, options.patience);
        printFigures(options, x, samples);
    }
    killProgram(program);
    if (checks.failed != 0)
        printEnd(program, errLog, options.seed);
    std::remove(errLog.c_str());
    std::printf("%d passed, %d failed\n", checks.passed, checks.failed);
    return checks.failed == 0 ? 0 : 1;
}
