#include "tests/support/files.h"

#include <stdlib.h>

#include <fstream>
#include <sstream>
#include <system_error>

namespace fs = std::filesystem;

TempFolder::TempFolder(const fs::path& parent) {
    const fs::path folder = parent.empty() ? fs::temp_directory_path() : parent;
    std::string pattern = (folder / "vorn-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr)
        path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    if (!path_.empty())
        fs::remove_all(path_, ignored);
}

std::string fileBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

const std::vector<std::string>& imageFileNames() {
    static const std::vector<std::string> names{
        "score.raw",  "level.raw",  "digit0.raw", "digit1.raw", "digit2.raw", "digit3.raw",
        "digit4.raw", "digit5.raw", "digit6.raw", "digit7.raw", "digit8.raw", "digit9.raw"};
    return names;
}
