#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/child_process.h"
#include "tests/support/files.h"

// Runs vorn_make_images with the arguments.
inline CommandResult runMakeImages(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), VORN_MAKE_IMAGES);
    return runCommand(arguments);
}
