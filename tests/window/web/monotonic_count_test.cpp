// The browser's clock as the window core reads it: a turn's frame start can be earlier than an
// event's reading just before it, and the core's differences must never see time go back.
#include <gtest/gtest.h>

#include "window/web/monotonic_count.h"

TEST(MonotonicCount, NeverGoesBackAndFollowsTheCountAcrossItsWrap) {
    MonotonicCount count;
    // The first reading stands whatever it is: counts start from the wall clock's.
    EXPECT_EQ(count.next(0x90000000u), 0x90000000u);
    EXPECT_EQ(count.next(0x8FFFFFFFu), 0x90000000u);
    EXPECT_EQ(count.next(0x90000005u), 0x90000005u);

    MonotonicCount wrapping;
    wrapping.next(0xFFFFFFFEu);
    EXPECT_EQ(wrapping.next(0xFFFFFFFDu), 0xFFFFFFFEu);
    EXPECT_EQ(wrapping.next(2u), 2u);
    EXPECT_EQ(wrapping.next(0xFFFFFFFFu), 2u);
}
