#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// An empty folder under the system's temporary folder, removed with everything in it.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

struct ToolRun {
    int exitCode = -1;
    std::string output;  // standard output and standard error together
};

// Runs vorn_make_images with the arguments (each quoted for the shell).
ToolRun runMakeImages(const std::vector<std::string>& arguments);

// The whole file, or an empty vector when it cannot be read.
std::vector<std::uint8_t> readFile(const std::filesystem::path& path);

// The twelve file names, labels first.
std::vector<std::string> readoutFileNames();

std::filesystem::path assetsFolder();
