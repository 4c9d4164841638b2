#pragma once

#include <string>

// A real OpenGL context with no display: EGL on Mesa's surfaceless platform, a compatibility
// profile (immediate mode works) and an 800x600 pbuffer with 8-bit RGBA. While it lives it is
// current on the calling thread, with the game's fixed state applied.
class OffscreenGL {
  public:
    static constexpr int kWidth = 800;
    static constexpr int kHeight = 600;

    OffscreenGL();
    ~OffscreenGL();
    OffscreenGL(const OffscreenGL&) = delete;
    OffscreenGL& operator=(const OffscreenGL&) = delete;

    bool ok() const { return error_.empty(); }
    const std::string& error() const { return error_; }

  private:
    void* display_ = nullptr;
    void* surface_ = nullptr;
    void* context_ = nullptr;
    std::string error_;
};

// The context of a whole program, made at the first call and kept to the very end of the process
// on purpose: tearing it down unloads Mesa's driver, and the leak checker then reports the
// driver's own teardown leftovers without a stack that could be suppressed. False, once `who`
// has said why on standard error, when there is none.
bool keepOffscreenGL(const char* who);
