#include "bench/frame_timing.h"

#include <algorithm>
#include <chrono>
#include <utility>

void FrameTiming::add(std::string name, std::function<void()> frame) {
    cases_.push_back(Case{std::move(name), std::move(frame), {}});
}

void FrameTiming::run(int rounds, int framesPerTurn) {
    using Clock = std::chrono::steady_clock;
    for (Case& c : cases_) {
        for (int i = 0; i < 5; ++i)
            c.frame();  // warm-up: the driver compiles its shaders on first use
    }
    // Frame by frame in turn, so that a burst of other load on the machine falls on every case
    // alike instead of on whichever case happened to be running.
    for (int n = 0; n < rounds * framesPerTurn; ++n) {
        for (Case& c : cases_) {
            const auto start = Clock::now();
            c.frame();
            const std::chrono::duration<double, std::milli> spent = Clock::now() - start;
            c.millis.push_back(spent.count());
        }
    }
}

double FrameTiming::percentile(std::vector<double> values, double p) {
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
    return values[std::min(index, values.size() - 1)];
}

double FrameTiming::median(std::vector<double> values) {
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}
