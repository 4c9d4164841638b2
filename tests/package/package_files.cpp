#include "tests/package/package_files.h"

#include <fstream>
#include <sstream>
#include <system_error>

#include "tests/support/child_process.h"

namespace fs = std::filesystem;

fs::path debianPackageIn(const fs::path& folder, std::string& why) {
    std::vector<fs::path> found;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("vorngame_", 0) == 0 && entry.path().extension() == ".deb")
            found.push_back(entry.path());
    }
    if (found.size() == 1)
        return found.front();
    why = std::to_string(found.size()) + " packages vorngame_*.deb in " + folder.string() +
          " (the package test's setup makes exactly one)";
    return {};
}

std::string unpackInto(const fs::path& deb, const fs::path& root) {
    CommandResult unpacked = runCommand({"dpkg-deb", "-x", deb.string(), root.string()});
    return unpacked.exitCode == 0 ? "" : "dpkg-deb -x failed: " + unpacked.output;
}

void UnpackedPackage::SetUp() {
    std::string why;
    deb_ = debianPackageIn(VORN_PACKAGE_DIR, why);
    ASSERT_FALSE(deb_.empty()) << why;
    ASSERT_EQ(unpackInto(deb_, root_), "");
}

std::string errorAndWarningLines(const std::string& report) {
    std::istringstream lines(report);
    std::string line, found;
    while (std::getline(lines, line)) {
        const std::size_t start = line.find_first_not_of(' ');
        if (start != std::string::npos &&
            (line.compare(start, 3, "E: ") == 0 || line.compare(start, 3, "W: ") == 0))
            found += line + "\n";
    }
    return found;
}

fs::path underRoot(const fs::path& root, const std::string& installedPath) {
    return root / fs::path(installedPath).relative_path();
}

std::map<std::string, std::string> readDesktopEntry(const fs::path& file) {
    std::map<std::string, std::string> keys;
    std::ifstream in(file);
    std::string line;
    bool inEntry = false;
    while (std::getline(in, line)) {
        if (!line.empty() && line.front() == '[') {
            inEntry = line == "[Desktop Entry]";
            continue;
        }
        std::size_t equals = line.find('=');
        if (inEntry && equals != std::string::npos && line.front() != '#')
            keys[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return keys;
}

namespace {

// The escapes every desktop-entry string value may hold.
std::string unescapeString(const std::string& value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const char next = value[++i];
        const std::size_t escape = std::string("sntr").find(next);
        out += escape == std::string::npos ? next : " \n\t\r"[escape];
    }
    return out;
}

}  // namespace

std::vector<std::string> execArguments(const std::string& value) {
    const std::string text = unescapeString(value);
    std::vector<std::string> arguments;
    std::string current;
    bool quoted = false;
    bool inArgument = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted && c == '\\' && i + 1 < text.size()) {
            current += text[++i];
        } else if (c == '"') {
            quoted = !quoted;
            inArgument = true;
        } else if (c == ' ' && !quoted) {
            if (inArgument)
                arguments.push_back(current);
            current.clear();
            inArgument = false;
        } else {
            current += c;
            inArgument = true;
        }
    }
    if (inArgument)
        arguments.push_back(current);
    return arguments;
}
