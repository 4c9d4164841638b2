#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "window/gl_window.h"
#include "window/recording/recording_platform.h"
#include "window/window_registry.h"

// Every shell test starts with an empty registry and no pending window, and leaves them so.
class ShellTest : public ::testing::Test {
  protected:
    ShellTest() { resetWindowRouting(); }
    ~ShellTest() override { resetWindowRouting(); }

    static InstanceHandle instance() { return reinterpret_cast<InstanceHandle>(0x400000); }

    // Position of the first `name` in the call log at or after `from`; npos when absent.
    std::size_t indexOf(const std::string& name, std::size_t from = 0) const {
        const auto& calls = platform.calls();
        const auto found = std::find(calls.begin() + static_cast<long>(from), calls.end(), name);
        return found == calls.end() ? std::string::npos
                                    : static_cast<std::size_t>(found - calls.begin());
    }

    // The calls after the last one named `name`.
    std::vector<std::string> callsAfter(const std::string& name) const {
        const auto& calls = platform.calls();
        const auto last = std::find(calls.rbegin(), calls.rend(), name);
        return {last.base(), calls.end()};
    }

    RecordingPlatform platform;
};
