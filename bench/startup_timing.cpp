#include "bench/startup_timing.h"

#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <thread>

namespace {

long long monotonicNanos() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// Waits for the child, killing it after `seconds`; answers its wait status or -1.
int waitWithDeadline(pid_t child, int seconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    int status = 0;
    while (waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return status;
}

}  // namespace

bool StartupTiming::once(double& millis, std::string& failure) const {
    char stampPath[] = "/tmp/vorn-first-frame-XXXXXX";
    const int fd = mkstemp(stampPath);
    if (fd < 0) {
        failure = "cannot make a temporary file";
        return false;
    }
    close(fd);
    const long long started = monotonicNanos();
    const pid_t child = fork();
    if (child == 0) {
        if (chdir(workDir.c_str()) != 0)
            _exit(126);
        setenv("LD_PRELOAD", probeLibrary.c_str(), 1);
        setenv("VORN_FIRST_FRAME_FILE", stampPath, 1);
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    const int status = child < 0 ? -1 : waitWithDeadline(child, 30);
    long long presented = 0;
    std::ifstream(stampPath) >> presented;
    std::remove(stampPath);
    if (presented <= 0) {
        failure = program + ": no frame presented (wait status " + std::to_string(status) + ")";
        return false;
    }
    millis = static_cast<double>(presented - started) / 1e6;
    return true;
}
