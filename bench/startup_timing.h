#pragma once

#include <string>

// Times a program from its start (just before fork) to its first presented frame, read by the
// first-frame probe library preloaded into it. Each run is a fresh process in `workDir`.
struct StartupTiming {
    std::string program;
    std::string workDir;
    std::string probeLibrary;

    // One run: false, with `failure` saying why, when no frame was presented within 30 s.
    bool once(double& millis, std::string& failure) const;
};
