#pragma once

#include <string>
#include <vector>

// Times a program from its start (just before fork) to its first presented frame, read by the
// first-frame probe library preloaded into it. Each run is a fresh process in `workDir`.
struct StartupTiming {
    std::string program;
    std::string workDir;
    std::string probeLibrary;

    // Milliseconds of each run that presented a frame; a run that did not within 30 s is left
    // out and described in `failures`.
    std::vector<double> measure(int runs, std::vector<std::string>& failures) const;

  private:
    bool once(double& millis, std::string& failure) const;
};
