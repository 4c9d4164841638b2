#pragma once

#include <sys/types.h>

#include <vector>

// What the soak watches of the program from outside: the process that runs the game, its
// resident memory and its open descriptors; and the busy workers that load the processors.
namespace ProcessWatch {

// The process that runs the game: the started process's first child when it has one (the
// display guardian's game, also under valgrind), else the started process itself.
pid_t gameProcessOf(pid_t started);

// Resident memory in kB, or -1 when the process is gone.
long residentKb(pid_t pid);

// Open file descriptors, or -1 when the process is gone.
int openDescriptors(pid_t pid);

// One process spinning on each processor until stopWorkers.
std::vector<pid_t> startBusyWorkers();
void stopWorkers(const std::vector<pid_t>& workers);

}  // namespace ProcessWatch
