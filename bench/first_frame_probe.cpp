// Loaded with LD_PRELOAD into a program being timed: at the program's first buffer swap it
// writes the monotonic clock (nanoseconds) to $VORN_FIRST_FRAME_FILE and ends the process, so
// the time from start to first presented frame can be read without touching the program.
#include <SDL.h>
#include <dlfcn.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

extern "C" void SDL_GL_SwapWindow(SDL_Window* window) {
    using Swap = void (*)(SDL_Window*);
    static const auto real = reinterpret_cast<Swap>(dlsym(RTLD_NEXT, "SDL_GL_SwapWindow"));
    if (real != nullptr)
        real(window);
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    if (const char* path = std::getenv("VORN_FIRST_FRAME_FILE")) {
        if (std::FILE* file = std::fopen(path, "w")) {
            std::fprintf(file, "%lld\n",
                         static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
            std::fclose(file);
        }
    }
    _exit(0);
}
