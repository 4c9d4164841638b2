#include "tests/images/image_test_support.h"

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

std::string quoted(const std::string& text) {
    std::string out = "'";
    for (char c : text)
        out += (c == '\'') ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

}  // namespace

TempFolder::TempFolder() {
    std::string pattern = (fs::temp_directory_path() / "vorn-images-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

ToolRun runMakeImages(const std::vector<std::string>& arguments) {
    std::string command = quoted(VORN_MAKE_IMAGES);
    for (const std::string& argument : arguments)
        command += " " + quoted(argument);
    command += " 2>&1";
    ToolRun run;
    std::FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return run;
    std::array<char, 256> chunk{};
    std::size_t got = 0;
    while ((got = std::fread(chunk.data(), 1, chunk.size(), pipe)) > 0) {
        run.output.append(chunk.data(), got);
    }
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::vector<std::uint8_t> readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::string> readoutFileNames() {
    std::vector<std::string> names{"score.raw", "level.raw"};
    for (int d = 0; d < 10; ++d)
        names.push_back("digit" + std::to_string(d) + ".raw");
    return names;
}

fs::path assetsFolder() {
    return fs::path(VORN_SOURCE_DIR) / "assets";
}
