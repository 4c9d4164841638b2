#include "app/linux/display_guardian.h"

#include <X11/Xlib.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>

#include "app/linux/screen_layout.h"

// Kept for the process's life (see stayAClientOfTheXServer); not static, so that the connection
// stays reachable and is not mistaken for a leak.
Display* guardianXConnection = nullptr;

namespace {

constexpr int kPassedOn[] = {SIGINT, SIGTERM, SIGHUP};

volatile std::sig_atomic_t gameProcess = 0;

extern "C" void passOn(int signalNumber) {
    if (gameProcess > 0)
        kill(static_cast<pid_t>(gameProcess), signalNumber);
}

sigset_t passedOnSet() {
    sigset_t set;
    sigemptyset(&set);
    for (const int signalNumber : kPassedOn)
        sigaddset(&set, signalNumber);
    return set;
}

// While the game runs, the signals meant to end it are handed to it.
class PassingOn {
  public:
    explicit PassingOn(pid_t game) {
        gameProcess = static_cast<std::sig_atomic_t>(game);
        struct sigaction action {};
        action.sa_handler = passOn;
        sigemptyset(&action.sa_mask);
        for (std::size_t i = 0; i < std::size(kPassedOn); ++i)
            sigaction(kPassedOn[i], &action, &previous_[i]);
    }
    ~PassingOn() {
        for (std::size_t i = 0; i < std::size(kPassedOn); ++i)
            sigaction(kPassedOn[i], &previous_[i], nullptr);
        gameProcess = 0;
    }
    PassingOn(const PassingOn&) = delete;
    PassingOn& operator=(const PassingOn&) = delete;

  private:
    struct sigaction previous_[std::size(kPassedOn)]{};
};

// The game's wait status; -1 if it cannot be had.
int waitForGame(pid_t game) {
    int status = 0;
    while (waitpid(game, &status, 0) < 0) {
        if (errno != EINTR)
            return -1;
    }
    return status;
}

std::string whatBecameOfTheMode(ScreenLayout::PutBack putBack, const std::string& why) {
    switch (putBack) {
        case ScreenLayout::PutBack::Done:
            return "the display mode was put back";
        case ScreenLayout::PutBack::AlreadyThere:
            return "the display mode had not changed";
        case ScreenLayout::PutBack::NotWatched:
            return "the display mode was not watched (" + why + ")";
        default:
            return "the display mode could not be put back (" + why + ")";
    }
}

// The program's exit code for the game's wait status, and the one line that explains an end
// the game could not explain itself.
int reportEnd(int status, ScreenLayout::PutBack putBack, const std::string& why) {
    if (status >= 0 && WIFEXITED(status)) {
        if (putBack == ScreenLayout::PutBack::Done)
            std::fprintf(stderr, "vorngame: %s\n", whatBecameOfTheMode(putBack, why).c_str());
        return WEXITSTATUS(status);
    }
    if (status >= 0 && WIFSIGNALED(status)) {
        const int signalNumber = WTERMSIG(status);
        std::fprintf(stderr, "vorngame: the game ended by signal %d (%s); %s\n", signalNumber,
                     strsignal(signalNumber), whatBecameOfTheMode(putBack, why).c_str());
        return 128 + signalNumber;
    }
    std::fprintf(stderr, "vorngame: the game's end could not be learnt; %s\n",
                 whatBecameOfTheMode(putBack, why).c_str());
    return 1;
}

// The child's first steps: it ends with its guardian, also one already gone by now.
void followTheGuardian(pid_t guardian) {
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (getppid() != guardian)
        raise(SIGTERM);
}

// An X server with no client left resets itself, and refuses connections while it does: on a
// bare server, the guardian's last request closing its connection could reset it just as the
// game connects, and the game would find no display. So the guardian stays a client of the
// server until it ends; the connection is never used again, so losing the server costs nothing
// here.
void stayAClientOfTheXServer() {
    if (guardianXConnection == nullptr)
        guardianXConnection = XOpenDisplay(nullptr);
}

// Read while the game starts; the byte written afterwards lets the game change the mode.
std::unique_ptr<ScreenLayout> readLayoutFor(int gateWriteEnd, std::string& why) {
    stayAClientOfTheXServer();
    std::unique_ptr<ScreenLayout> layout = ScreenLayout::capture();
    if (layout == nullptr)
        why = "no X display with RandR 1.2";
    // A game already gone has closed its end; that must not end the guardian too.
    signal(SIGPIPE, SIG_IGN);
    const char done = 1;
    while (write(gateWriteEnd, &done, 1) < 0 && errno == EINTR) {
    }
    close(gateWriteEnd);
    return layout;
}

}  // namespace

LayoutGate::~LayoutGate() {
    if (readEnd_ >= 0)
        close(readEnd_);
}

// A byte, or the end of the pipe when the guardian has gone: either way the wait is over.
void LayoutGate::wait() {
    if (readEnd_ < 0)
        return;
    char done = 0;
    while (read(readEnd_, &done, 1) < 0 && errno == EINTR) {
    }
    close(readEnd_);
    readEnd_ = -1;
}

int runUnderDisplayGuardian(const std::function<int(LayoutGate&)>& game) {
    int gate[2];
    if (pipe2(gate, O_CLOEXEC) != 0) {
        LayoutGate none;
        return game(none);
    }
    // Blocked until the passing-on is in place, so that no signal falls between the two.
    const sigset_t passed = passedOnSet();
    sigset_t previous;
    sigprocmask(SIG_BLOCK, &passed, &previous);
    std::fflush(nullptr);
    const pid_t guardian = getpid();
    const pid_t child = fork();
    if (child <= 0) {
        sigprocmask(SIG_SETMASK, &previous, nullptr);
        close(gate[1]);
        if (child == 0)
            followTheGuardian(guardian);
        else
            close(gate[0]);
        LayoutGate layoutGate(child == 0 ? gate[0] : -1);
        return game(layoutGate);
    }
    close(gate[0]);
    int status = -1;
    std::string why;
    std::unique_ptr<ScreenLayout> desktop;
    {
        const PassingOn passingOn(child);
        sigprocmask(SIG_SETMASK, &previous, nullptr);
        desktop = readLayoutFor(gate[1], why);
        status = waitForGame(child);
    }
    const ScreenLayout::PutBack putBack =
        desktop != nullptr ? desktop->putBack(why) : ScreenLayout::PutBack::NotWatched;
    return reportEnd(status, putBack, why);
}
