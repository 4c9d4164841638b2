#pragma once

#include <filesystem>
#include <string>

#include "tests/support/pixels.h"

// A fresh working directory for a session's image files, entered for the object's lifetime.
// With `withImages`, it holds the twelve files in plain colours that tell each image apart on
// screen: digitColour(d) for digit d, and the two label colours.
class ImageFolder {
  public:
    explicit ImageFolder(bool withImages = true);
    ~ImageFolder();
    ImageFolder(const ImageFolder&) = delete;
    ImageFolder& operator=(const ImageFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    void write(const std::string& name, int width, int height, Rgba colour) const;

    static Rgba digitColour(int digit);
    static constexpr Rgba kScoreLabel{250, 250, 250, 255};
    static constexpr Rgba kLevelLabel{120, 250, 120, 255};

  private:
    std::filesystem::path path_;
    std::filesystem::path previous_;
};
