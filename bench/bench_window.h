#pragma once

#include <string>

struct SDL_Window;

// The benchmark's one real window: SDL2, 800 x 600 at (0, 0), OpenGL with 8/8/8 colour, a
// 16-bit depth buffer, double buffering and a compatibility profile (what the game asks for),
// the context current and the game's fixed GL state applied.
class BenchWindow {
  public:
    BenchWindow();
    ~BenchWindow();
    BenchWindow(const BenchWindow&) = delete;
    BenchWindow& operator=(const BenchWindow&) = delete;

    bool ok() const { return error_.empty(); }
    const std::string& error() const { return error_; }
    // glFlush, then the buffer swap: how the game presents a frame.
    void present() const;
    // What the context turned out to be, for the report.
    std::string describe() const;

  private:
    SDL_Window* window_ = nullptr;
    void* context_ = nullptr;
    int swapInterval_ = -2;
    std::string error_;
};
