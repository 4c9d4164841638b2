#pragma once

#include <sys/types.h>

#include <string>

// A private Xvfb server with one black screen (800x600 at 24 bits unless asked otherwise), on a
// display number it picks itself, so tests running side by side never share one. Stopped when
// dropped.
class VirtualDisplay {
  public:
    explicit VirtualDisplay(const std::string& screen = "800x600x24");
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    // ":N", or empty when the server did not start.
    const std::string& name() const { return name_; }

  private:
    pid_t pid_ = -1;
    std::string name_;
};
