#include "window/sdl/display_guardian.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>

#include "window/sdl/screen_layout.h"

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

}  // namespace

int runUnderDisplayGuardian(const std::function<int()>& game) {
    const std::unique_ptr<ScreenLayout> desktop = ScreenLayout::capture();
    if (desktop == nullptr)
        return game();

    // Blocked until the passing-on is in place, so that no signal falls between the two.
    const sigset_t passed = passedOnSet();
    sigset_t previous;
    sigprocmask(SIG_BLOCK, &passed, &previous);
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child <= 0) {
        sigprocmask(SIG_SETMASK, &previous, nullptr);
        return game();
    }
    int status = -1;
    {
        const PassingOn passingOn(child);
        sigprocmask(SIG_SETMASK, &previous, nullptr);
        status = waitForGame(child);
    }
    std::string why;
    const ScreenLayout::PutBack putBack = desktop->putBack(why);
    return reportEnd(status, putBack, why);
}
