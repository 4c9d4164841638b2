#pragma once

#include <sys/types.h>

#include <chrono>
#include <string>
#include <utility>
#include <vector>

// How a command is started: its working folder and the variables set on top of the test's
// own environment.
struct CommandOptions {
    std::string workDir;  // empty: the test's own
    std::vector<std::pair<std::string, std::string>> env;
};

struct CommandResult {
    int exitCode = -1;   // 128 + the signal number when a signal ended it
    std::string output;  // standard output and standard error, interleaved
};

// Runs a command to its end and collects what it printed. A command that cannot be started
// answers 127, as a shell does.
CommandResult runCommand(const std::vector<std::string>& argv, const CommandOptions& options = {});

// Starts a command beside the test with its standard output and error in files ("" discards
// one) and, if `inheritFd` is not -1, that descriptor left open for it. Answers its process id.
pid_t startCommand(const std::vector<std::string>& argv, const CommandOptions& options,
                   const std::string& stdoutPath, const std::string& stderrPath,
                   int inheritFd = -1);

// Waits for a started command and answers its exit code (128 + signal when a signal ended it).
int waitForExit(pid_t pid);

// A command running beside the test. Ended with SIGTERM if still running when dropped, so a
// failed assertion leaves nothing behind.
class ChildProcess {
  public:
    ChildProcess(const std::vector<std::string>& argv, const CommandOptions& options,
                 const std::string& stderrPath);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Blocks until it ends; answers its exit code.
    int wait();
    // Whether it ends within `limit` (then `wait` answers at once).
    bool endsWithin(std::chrono::milliseconds limit);
    bool running() { return !endsWithin(std::chrono::milliseconds(0)); }
    // Asks it to end (SIGTERM).
    void terminate();
    // Ends it at once (SIGKILL).
    void kill();
    // Its process id while it runs (until an end has been seen), else -1.
    pid_t pid() const { return pid_; }

  private:
    pid_t pid_;
    int exitCode_ = 127;  // as for a command that could not be started, until it has ended
};
