#include "tests/support/child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <thread>

extern char** environ;

namespace {

constexpr int kNotStarted = 127;

// The nul-terminated array of C strings that exec takes.
std::vector<char*> pointersTo(const std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    for (const std::string& text : strings)
        pointers.push_back(const_cast<char*>(text.c_str()));
    pointers.push_back(nullptr);
    return pointers;
}

// The test's environment with the command's own variables set over it.
std::vector<std::string> environmentFor(const CommandOptions& options) {
    std::vector<std::string> entries;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        bool replaced = false;
        for (const auto& [name, value] : options.env) {
            std::size_t length = name.size();
            replaced = replaced ||
                       (std::strncmp(*entry, name.c_str(), length) == 0 && (*entry)[length] == '=');
        }
        if (!replaced)
            entries.emplace_back(*entry);
    }
    for (const auto& [name, value] : options.env)
        entries.push_back(name + "=" + value);
    return entries;
}

int openOutput(const std::string& path) {
    const char* target = path.empty() ? "/dev/null" : path.c_str();
    return open(target, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
}

// In the child, between fork and exec: only calls that are safe there, and _exit on failure.
// A command never outlives the test that started it, even one killed at a time limit: an X
// server or a game left behind would load the machine for every later test.
[[noreturn]] void becomeCommand(const std::vector<char*>& argv, const std::vector<char*>& envp,
                                const std::string& workDir, int stdoutFd, int stderrFd,
                                int inheritFd, pid_t test) {
    if (prctl(PR_SET_PDEATHSIG, SIGTERM) != 0 || getppid() != test)
        _exit(kNotStarted);
    if (dup2(stdoutFd, STDOUT_FILENO) < 0 || dup2(stderrFd, STDERR_FILENO) < 0)
        _exit(kNotStarted);
    if (inheritFd >= 0 && fcntl(inheritFd, F_SETFD, 0) < 0)
        _exit(kNotStarted);
    if (!workDir.empty() && chdir(workDir.c_str()) != 0)
        _exit(kNotStarted);
    execvpe(argv[0], argv.data(), envp.data());
    _exit(kNotStarted);
}

pid_t forkCommand(const std::vector<std::string>& argv, const CommandOptions& options, int stdoutFd,
                  int stderrFd, int inheritFd) {
    // Built before the fork: the child must not allocate.
    const std::vector<std::string> environment = environmentFor(options);
    const std::vector<char*> argvp = pointersTo(argv);
    const std::vector<char*> envp = pointersTo(environment);
    const pid_t test = getpid();
    pid_t pid = fork();
    if (pid == 0)
        becomeCommand(argvp, envp, options.workDir, stdoutFd, stderrFd, inheritFd, test);
    return pid;
}

int exitCodeOf(int status) {
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    if (WIFSIGNALED(status))
        return 128 + WTERMSIG(status);
    return -1;
}

}  // namespace

CommandResult runCommand(const std::vector<std::string>& argv, const CommandOptions& options) {
    CommandResult result;
    int fds[2];
    if (argv.empty() || pipe2(fds, O_CLOEXEC) != 0) {
        result.exitCode = kNotStarted;
        return result;
    }
    pid_t pid = forkCommand(argv, options, fds[1], fds[1], -1);
    close(fds[1]);
    char buffer[4096];
    ssize_t got;
    while ((got = read(fds[0], buffer, sizeof buffer)) != 0) {
        if (got > 0)
            result.output.append(buffer, static_cast<std::size_t>(got));
        else if (errno != EINTR)
            break;
    }
    close(fds[0]);
    result.exitCode = pid < 0 ? kNotStarted : waitForExit(pid);
    return result;
}

pid_t startCommand(const std::vector<std::string>& argv, const CommandOptions& options,
                   const std::string& stdoutPath, const std::string& stderrPath, int inheritFd) {
    if (argv.empty())
        return -1;
    int out = openOutput(stdoutPath);
    int err = openOutput(stderrPath);
    pid_t pid = (out < 0 || err < 0) ? -1 : forkCommand(argv, options, out, err, inheritFd);
    if (out >= 0)
        close(out);
    if (err >= 0)
        close(err);
    return pid;
}

int waitForExit(pid_t pid) {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            return -1;
    }
    return exitCodeOf(status);
}

ChildProcess::ChildProcess(const std::vector<std::string>& argv, const CommandOptions& options,
                           const std::string& stderrPath)
    : pid_(startCommand(argv, options, "", stderrPath)) {}

ChildProcess::~ChildProcess() {
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        waitForExit(pid_);
    }
}

int ChildProcess::wait() {
    if (pid_ > 0) {
        exitCode_ = waitForExit(pid_);
        pid_ = -1;
    }
    return exitCode_;
}

bool ChildProcess::endsWithin(std::chrono::milliseconds limit) {
    // Checked a few times a second: a child's end cannot be awaited with a time limit directly.
    constexpr auto kInterval = std::chrono::milliseconds(50);
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (pid_ > 0) {
        int status = 0;
        pid_t ended = waitpid(pid_, &status, WNOHANG);
        if (ended == pid_ || (ended < 0 && errno != EINTR)) {
            exitCode_ = ended == pid_ ? exitCodeOf(status) : kNotStarted;
            pid_ = -1;
        } else if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        } else {
            std::this_thread::sleep_for(kInterval);
        }
    }
    return true;
}

void ChildProcess::terminate() {
    if (pid_ > 0)
        ::kill(pid_, SIGTERM);
}

void ChildProcess::kill() {
    if (pid_ > 0)
        ::kill(pid_, SIGKILL);
}
