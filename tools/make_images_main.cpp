// Writes the score and level read-out images the game loads (score.raw, level.raw,
// digit0.raw .. digit9.raw) into a folder, or a PNG preview of the read-out.
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tools/image_files.h"
#include "tools/png_writer.h"
#include "tools/readout_images.h"
#include "tools/readout_preview.h"

namespace {

constexpr int kWriteFailed = 1;
constexpr int kUsageError = 2;

void printUsage() {
    std::fprintf(stderr,
                 "usage: vorn_make_images <output-folder>\n"
                 "       vorn_make_images --preview <file.png> [score [level]]\n");
}

int failWith(int code, const std::string& message) {
    std::fprintf(stderr, "vorn_make_images: %s\n", message.c_str());
    return code;
}

// A whole non-negative number that fits the game's 32-bit counters, and nothing else.
bool parseCount(const char* text, std::int32_t& value) {
    if (text[0] < '0' || text[0] > '9')
        return false;
    char* end = nullptr;
    errno = 0;
    const long long parsed = std::strtoll(text, &end, 10);
    if (errno != 0 || *end != '\0' || parsed > INT32_MAX)
        return false;
    value = static_cast<std::int32_t>(parsed);
    return true;
}

int writePreview(int argc, char** argv) {
    if (argc < 3 || argc > 5) {
        printUsage();
        return kUsageError;
    }
    std::int32_t score = imagegen::kSampleScore, level = imagegen::kSampleLevel;
    if (argc > 3 && !parseCount(argv[3], score)) {
        return failWith(kUsageError, std::string("score \"") + argv[3] +
                                         "\" is not a whole number from 0 to 2147483647");
    }
    if (argc > 4 && !parseCount(argv[4], level)) {
        return failWith(kUsageError, std::string("level \"") + argv[4] +
                                         "\" is not a whole number from 0 to 2147483647");
    }
    const imagegen::ReadoutImages images = imagegen::drawReadoutImages();
    const std::string problem = imagegen::writeFileBytes(
        argv[2], imagegen::encodePng(imagegen::readoutPreview(images, score, level)));
    return problem.empty() ? 0 : failWith(kWriteFailed, problem);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::string(argv[1]) == "--preview")
        return writePreview(argc, argv);
    if (argc != 2 || argv[1][0] == '-') {
        printUsage();
        return kUsageError;
    }
    const std::string problem = imagegen::writeReadoutFiles(argv[1], imagegen::drawReadoutImages());
    return problem.empty() ? 0 : failWith(kWriteFailed, problem);
}
