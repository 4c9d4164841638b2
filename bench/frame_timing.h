#pragma once

#include <functional>
#include <string>
#include <vector>

// Per-frame times of several ways of making a frame, taken frame by frame in turn so that
// drift of the machine (other load, caches, the X server) falls on all of them alike.
class FrameTiming {
  public:
    struct Case {
        std::string name;
        std::function<void()> frame;  // one whole frame, presenting included
        std::vector<double> millis;
    };

    void add(std::string name, std::function<void()> frame);
    // rounds x framesPerTurn frames of every case, one frame of each case in turn.
    void run(int rounds, int framesPerTurn);

    const std::vector<Case>& cases() const { return cases_; }
    static double median(std::vector<double> values);
    static double percentile(std::vector<double> values, double p);

  private:
    std::vector<Case> cases_;
};
