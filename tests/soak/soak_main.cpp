// vorn_soak <events> [seed] [draw-every]: random frame events into a headless session, every
// rule checked after every event. Exit code 0 when all held, 1 at the first fault (its report
// names the seed and the event, so the run can be repeated), 2 for bad arguments or no GL.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/soak/soak_run.h"
#include "tests/support/image_folder.h"
#include "tests/support/offscreen_gl.h"

namespace {

bool parseCount(const char* text, std::uint64_t& value) {
    if (text == nullptr || *text == '\0' || *text == '-')
        return false;
    char* end = nullptr;
    value = std::strtoull(text, &end, 10);
    return *end == '\0';
}

int usage() {
    std::fprintf(stderr,
                 "usage: vorn_soak <events> [seed] [draw-every]\n"
                 "  events      how many frame events to play, e.g. 10000000\n"
                 "  seed        for the event stream and the game's own generator (default 1)\n"
                 "  draw-every  one event in this many is a Draw (default 1000)\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    SoakOptions options;
    std::uint64_t drawEvery = options.drawEvery;
    if (argc < 2 || argc > 4 || !parseCount(argv[1], options.events) ||
        (argc > 2 && !parseCount(argv[2], options.seed)) ||
        (argc > 3 &&
         (!parseCount(argv[3], drawEvery) || drawEvery == 0 || drawEvery > 0xFFFFFFFFu)))
        return usage();
    options.drawEvery = static_cast<std::uint32_t>(drawEvery);

    if (!keepOffscreenGL("vorn_soak"))
        return 2;
    // The session reads its twelve image files from the working directory.
    const ImageFolder images;
    const SoakResult result = runSoak(options);
    if (!result.passed)
        std::fprintf(stderr, "%s", result.failure.c_str());
    std::printf("%s", summary(options, result).c_str());
    return result.passed ? 0 : 1;
}
