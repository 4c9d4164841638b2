#pragma once

#include <functional>

// Where the game draws its random numbers: the standard library's rand() unless a test or a
// replay puts another source in. Values are never negative.
using RandomSource = std::function<int()>;

int randomNumber();

// An empty source restores rand().
void setRandomSource(RandomSource source);
