#include "tests/support/virtual_display.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>

#include "tests/support/child_process.h"

namespace {

// Xvfb writes its display number and a newline to this descriptor once it accepts clients;
// reading blocks until then, and ends empty if the server dies first.
std::string readDisplayNumber(int fd) {
    std::string number;
    char c;
    ssize_t got;
    while ((got = read(fd, &c, 1)) != 0) {
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0 || c == '\n')
            break;
        number += c;
    }
    return number;
}

}  // namespace

VirtualDisplay::VirtualDisplay(const std::string& screen) {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        return;
    pid_ = startCommand({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", screen,
                         "-br", "-nolisten", "tcp"},
                        {}, "", "", fds[1]);
    close(fds[1]);
    std::string number = pid_ > 0 ? readDisplayNumber(fds[0]) : "";
    close(fds[0]);
    if (!number.empty())
        name_ = ":" + number;
}

VirtualDisplay::~VirtualDisplay() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        waitForExit(pid_);
    }
}
