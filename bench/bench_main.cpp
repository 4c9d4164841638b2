// vorn_bench: what one frame costs, on one GL context in a real SDL2 window (run it under an X
// server; bench/run-bench starts Xvfb). Medians over many frames of
//   (a) a bare glClear and present,
//   (b) the bare GL stream of the full-well frame, issued without the game's objects,
//   (c) the same frame drawn by GameSession,
// their ratios, the Idle events per second of a headless session, and the time from start to
// first presented frame of vorngame beside a bare SDL GL window's.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <thread>

#include "bench/bench_window.h"
#include "bench/frame_timing.h"
#include "bench/full_well_scene.h"
#include "bench/idle_rate.h"
#include "bench/raw_stream.h"
#include "bench/startup_timing.h"
#include "frame/frame_event.h"
#include "game/game_session.h"
#include "render/block_atlas.h"
#include "render/gl_api.h"
#include "render/raw_image.h"

namespace {

struct Options {
    int rounds = 20;
    int frames = 30;
    int startupRuns = 10;
    std::string runDir = VORN_RUN_DIR;
    std::string vorngame = std::string(VORN_RUN_DIR) + "/vorngame";
};

bool parse(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        if (value == nullptr)
            return false;
        if (arg == "--rounds")
            options.rounds = std::atoi(value);
        else if (arg == "--frames")
            options.frames = std::atoi(value);
        else if (arg == "--startup-runs")
            options.startupRuns = std::atoi(value);
        else if (arg == "--run-dir")
            options.runDir = value;
        else if (arg == "--vorngame")
            options.vorngame = value;
        else
            return false;
        ++i;
    }
    return options.rounds > 0 && options.frames > 0 && options.startupRuns >= 0;
}

std::string cpuModel() {
    std::ifstream cpuinfo("/proc/cpuinfo");
    std::string line;
    while (std::getline(cpuinfo, line)) {
        if (line.rfind("model name", 0) == 0)
            return line.substr(line.find(':') + 2);
    }
    return "unknown";
}

// The read-out's and the atlas's textures for the bare stream, made as the game makes its own.
struct RawTextures {
    std::unique_ptr<Texture> atlas = buildBlockAtlas(32, 4);
    std::unique_ptr<Texture> score = loadRawImage("score.raw", 64, 32);
    std::unique_ptr<Texture> level = loadRawImage("level.raw", 64, 32);
    std::unique_ptr<Texture> digits[10];

    RawTextures() {
        for (int d = 0; d < 10; ++d)
            digits[d] = loadRawImage(("digit" + std::to_string(d) + ".raw").c_str(), 32, 32);
    }
    RawFrameStream::Textures names() const {
        RawFrameStream::Textures t;
        t.atlas = atlas->name();
        t.scoreLabel = score->name();
        t.levelLabel = level->name();
        for (int d = 0; d < 10; ++d)
            t.digits[d] = digits[d]->name();
        return t;
    }
};

std::unique_ptr<GameSession> fullWellSession() {
    auto session = FullWell::newSession();
    if (!FullWell::fillSession(*session))
        return nullptr;
    return session;
}

void printFrameCosts(const FrameTiming& timing) {
    std::printf("\nframe cost, ms (median, 10th and 90th percentile, %zu frames each):\n",
                timing.cases()[0].millis.size());
    for (const FrameTiming::Case& c : timing.cases()) {
        std::printf("  %-44s %8.3f  (%.3f .. %.3f)\n", c.name.c_str(),
                    FrameTiming::median(c.millis), FrameTiming::percentile(c.millis, 0.1),
                    FrameTiming::percentile(c.millis, 0.9));
    }
    const double a = FrameTiming::median(timing.cases()[0].millis);
    const double b = FrameTiming::median(timing.cases()[1].millis);
    const double c = FrameTiming::median(timing.cases()[2].millis);
    std::printf("  c/b = %.3f   c/a = %.1f   (b/a = %.1f)\n", c / b, c / a, b / a);
}

// The programs take turns, run by run, so that a change in the machine's load meets both alike.
void printStartup(const Options& options) {
    std::printf(
        "\ntime from start to first presented frame, ms (median of %d runs, the two "
        "programs in turn):\n",
        options.startupRuns);
    const std::string probe = VORN_FIRST_FRAME_PROBE;
    struct Program {
        const char* name;
        StartupTiming timing;
        std::vector<double> runs;
        std::vector<std::string> failures;
    };
    std::vector<Program> programs = {
        {"bare SDL GL window", {VORN_BARE_WINDOW, options.runDir, probe}, {}, {}},
        {"vorngame", {options.vorngame, options.runDir, probe}, {}, {}}};
    for (const Program& p : programs) {
        if (access(p.timing.program.c_str(), X_OK) != 0) {
            std::printf("  %s is not built: nothing measured\n", p.timing.program.c_str());
            return;
        }
    }
    for (int i = 0; i < options.startupRuns; ++i) {
        for (Program& p : programs) {
            double millis = 0.0;
            std::string failure;
            if (p.timing.once(millis, failure))
                p.runs.push_back(millis);
            else
                p.failures.push_back(failure);
        }
    }
    for (const Program& p : programs) {
        if (p.runs.empty()) {
            std::printf("  %-20s no run presented a frame: %s\n", p.name,
                        p.failures.empty() ? "?" : p.failures[0].c_str());
            continue;
        }
        if (!p.failures.empty())
            std::printf("  %-20s %zu runs failed, the first: %s\n", p.name, p.failures.size(),
                        p.failures[0].c_str());
        std::printf("  %-20s %8.1f  (%zu runs, %.1f .. %.1f)\n", p.name,
                    FrameTiming::median(p.runs), p.runs.size(),
                    FrameTiming::percentile(p.runs, 0.0), FrameTiming::percentile(p.runs, 1.0));
    }
    if (!programs[0].runs.empty() && !programs[1].runs.empty()) {
        std::printf("  vorngame / bare window = %.2f\n",
                    FrameTiming::median(programs[1].runs) / FrameTiming::median(programs[0].runs));
    }
}

int runBench(const Options& options) {
    if (chdir(options.runDir.c_str()) != 0) {
        std::fprintf(stderr, "vorn_bench: cannot enter the run folder %s\n",
                     options.runDir.c_str());
        return 2;
    }
    std::printf("machine: %u processors, %s\n", std::thread::hardware_concurrency(),
                cpuModel().c_str());
    {
        BenchWindow window;
        if (!window.ok()) {
            std::fprintf(stderr, "vorn_bench: no GL window: %s\n", window.error().c_str());
            return 2;
        }
        std::printf("%s\n", window.describe().c_str());
        const RawTextures textures;
        const RawFrameStream raw(textures.names());
        const std::unique_ptr<GameSession> session = fullWellSession();
        if (!session) {
            std::fprintf(stderr, "vorn_bench: could not lay out the full well\n");
            return 2;
        }
        std::printf("scene: %zu quads a frame\n", raw.quadCount());
        FrameTiming timing;
        timing.add("(a) glClear + present", [&] {
            glClear(GL_COLOR_BUFFER_BIT);
            window.present();
        });
        timing.add("(b) bare GL stream of the full well", [&] {
            raw.draw();
            window.present();
        });
        timing.add("(c) the full well drawn by GameSession", [&] {
            session->handleEvent(Draw, 0);
            window.present();
        });
        timing.run(options.rounds, options.frames);
        printFrameCosts(timing);
        std::printf("\nheadless session: %.0f Idle events per second (clock 16 ms apart)\n",
                    idleEventsPerSecond(2.0));
    }
    if (options.startupRuns > 0)
        printStartup(options);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parse(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: vorn_bench [--rounds N] [--frames N] [--startup-runs N] "
                     "[--run-dir DIR] [--vorngame PATH]\n");
        return 2;
    }
    return runBench(options);
}
