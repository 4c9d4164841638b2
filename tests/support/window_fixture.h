#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/window/fake/fake_backend.h"
#include "window/gl_window.h"

// The window core over the fake backend.
class WindowTest : public ::testing::Test {
  protected:
    // The calls after the last one named `name`.
    std::vector<std::string> callsAfter(const std::string& name) const {
        const auto& calls = backend.calls();
        const auto last = std::find(calls.rbegin(), calls.rend(), name);
        return {last.base(), calls.end()};
    }

    FakeBackend backend;
};
