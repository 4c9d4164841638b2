#include "game/random_source.h"

#include <cstdlib>
#include <utility>

namespace {

RandomSource& currentSource() {
    static RandomSource source;
    return source;
}

}  // namespace

int randomNumber() {
    const RandomSource& source = currentSource();
    return source ? source() : std::rand();
}

void setRandomSource(RandomSource source) {
    currentSource() = std::move(source);
}
