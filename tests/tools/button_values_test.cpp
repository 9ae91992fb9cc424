#include "tools/button_values.h"

#include <gtest/gtest.h>

TEST(ButtonValues, WholeStepsWithinTheLimits)
{
    const int cases[][6] = {
        // start, distance, step, low, high, value
        {10, 7, 1, 4, 127, 17}, {10, -3, 16, 4, 127, 10}, {10, -16, 16, 4, 127, 9}, // part steps count for nothing
        {10, -300, 1, 4, 127, 4}, {120, 300, 1, 4, 127, 127},
    };
    for (const auto &test : cases)
        EXPECT_EQ(test[5], ButtonDragValue(test[0], test[1], test[2], test[3], test[4])) << test[0] << " " << test[1];
}

TEST(ButtonValues, PenSizeFollowsSidewaysAndItsShapeUpAndDown)
{
    struct Case {
        std::uint16_t start;
        int dx, dy;
        std::uint16_t value;
    } cases[] = {
        {0x0003, 16, -40, 0x0005},  // without the choice bit only the size follows
        {0x8003, -8, -16, 0x8002},  // round only beyond 16 pixels up
        {0x8003, 300, -17, 0xC00C}, // at most 12
        {0xC00C, -7, 17, 0x800C},   // square beyond 16 pixels down
        {0xC00C, -7, 16, 0xC00C},
        {0x8002, -300, 0, 0x8001},  // at least 1
    };
    for (const Case &test : cases)
        EXPECT_EQ(test.value, ShapeSizeValue(test.start, test.dx, test.dy)) << std::hex << test.start;
}

TEST(ButtonValues, BigTextStyleBoldSidewaysItalicDown)
{
    const int cases[][4] = {{0, 9, 9, 3}, {3, 8, -9, 2}, {3, 0, 0, 3}, {2, -9, 8, 0}, {1, 8, 8, 1}};
    for (const auto &test : cases)
        EXPECT_EQ(test[3], BigTextStyleValue(test[0], test[1], test[2])) << test[0] << " " << test[1] << "," << test[2];
}
