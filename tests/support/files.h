#pragma once

#include <filesystem>
#include <string>
#include <vector>

// A fresh folder of its own under the system's temporary folder (or inside `parent`), removed
// with everything in it when dropped; its path is empty when it could not be made.
class TempFolder {
  public:
    explicit TempFolder(const std::filesystem::path& parent = {});
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// The whole content of a file as bytes ("" when it cannot be read).
std::string fileBytes(const std::filesystem::path& file);

// The twelve image files the program reads, labels first.
const std::vector<std::string>& imageFileNames();
