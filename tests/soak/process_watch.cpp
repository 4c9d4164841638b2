#include "tests/soak/process_watch.h"

#include <dirent.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>

namespace ProcessWatch {

pid_t gameProcessOf(pid_t started) {
    std::ifstream children("/proc/" + std::to_string(started) + "/task/" + std::to_string(started) +
                           "/children");
    pid_t child = 0;
    if (children >> child && child > 0)
        return child;
    return started;
}

long residentKb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            std::istringstream fields(line.substr(6));
            long kb = -1;
            fields >> kb;
            return kb;
        }
    }
    return -1;
}

int openDescriptors(pid_t pid) {
    DIR* folder = opendir(("/proc/" + std::to_string(pid) + "/fd").c_str());
    if (folder == nullptr)
        return -1;
    int count = 0;
    while (const dirent* entry = readdir(folder)) {
        if (entry->d_name[0] != '.')
            ++count;
    }
    closedir(folder);
    return count;
}

std::vector<pid_t> startBusyWorkers() {
    std::vector<pid_t> workers;
    const long processors = sysconf(_SC_NPROCESSORS_ONLN);
    for (long i = 0; i < processors; ++i) {
        const pid_t worker = fork();
        if (worker == 0) {
            // Gone with the soak, however the soak ends.
            prctl(PR_SET_PDEATHSIG, SIGKILL);
            volatile unsigned long spin = 0;
            for (;;)
                spin = spin + 1;
        }
        if (worker > 0)
            workers.push_back(worker);
    }
    return workers;
}

void stopWorkers(const std::vector<pid_t>& workers) {
    for (const pid_t worker : workers)
        kill(worker, SIGKILL);
    for (const pid_t worker : workers)
        waitpid(worker, nullptr, 0);
}

}  // namespace ProcessWatch
