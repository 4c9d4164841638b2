#pragma once

#include <sys/types.h>

#include <string>

// A private Xvfb server with one black 800x600 screen at 24 bits, on a display number it picks
// itself, so tests running side by side never share one. Stopped when dropped.
class VirtualDisplay {
  public:
    VirtualDisplay();
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    // ":N", or empty when the server did not start.
    const std::string& name() const { return name_; }

  private:
    pid_t pid_ = -1;
    std::string name_;
};
