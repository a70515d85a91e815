#include "snag/snag_resize.h"

#include <gtest/gtest.h>

namespace vernalt::test {
namespace {

TEST(SnagResize, ControlsFollowTheWindowSize) {
    // Each subtotal grid takes half of what the fixed parts (5265) leave, less 52.
    struct Case {
        const char* what;
        float width, height, tabWidth, tabHeight, stratumWidth, statsTop, subtotal0Height,
            subtotal1Top;
    } cases[] = {
        // (9480 - 5265) / 2 = 2107.5
        {"the load size", 9420, 9480, 9045, 8265, 8655, 5040, 2055.5, 2759.5},
        // (8070 - 5265) / 2 = 1402.5
        {"the minimum height", 9420, 8070, 9045, 6855, 8655, 3630, 1350.5, 2054.5},
        // (10001 - 5265) / 2 = 2368
        {"wider and taller", 12000, 10001, 11625, 8786, 11235, 5561, 2316, 3020},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const SnagResizeLayout l = snagResizeLayout(c.width, c.height);
        EXPECT_FLOAT_EQ(l.tabWidth, c.tabWidth);
        EXPECT_FLOAT_EQ(l.tabHeight, c.tabHeight);
        EXPECT_FLOAT_EQ(l.stratumWidth, c.stratumWidth);
        EXPECT_FLOAT_EQ(l.statsTop, c.statsTop);
        EXPECT_FLOAT_EQ(l.subtotal0Height, c.subtotal0Height);
        EXPECT_FLOAT_EQ(l.subtotal1Top, c.subtotal1Top);
        EXPECT_FLOAT_EQ(l.subtotal1Height, c.subtotal0Height);
    }
    const SnagResizeLayout l = snagResizeLayout(9420, 9480);
    EXPECT_FLOAT_EQ(l.sheetButtonsTop, 7770);
    EXPECT_FLOAT_EQ(l.stratumHeight, 6105);
    EXPECT_FLOAT_EQ(l.correlationTop, 7560);
    EXPECT_FLOAT_EQ(l.cavityTop, 6810);
    EXPECT_FLOAT_EQ(l.allocationTop, 5865);
}

TEST(TitleBarOnSomeScreen, ByWhereTheWindowLies) {
    const QList<QRect> screens = {QRect(0, 0, 1280, 1024), QRect(1280, 0, 1024, 768)};
    const QSize size(628, 632);
    struct Case {
        QPoint at;
        bool shown;
        const char* what;
    } cases[] = {
        {{7, 7}, true, "the default place"},
        {{1500, 100}, true, "on the second screen"},
        {{-500, 10}, true, "partly left of the first screen"},
        {{-2000, -2000}, false, "far above and left of every screen"},
        {{5000, 100}, false, "right of every screen"},
        {{100, 1020}, false, "only the top pixel rows show"},
        {{1400, 800}, false, "below the smaller second screen"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(titleBarOnSomeScreen(QRect(c.at, size), screens), c.shown) << c.what;
}

} // namespace
} // namespace vernalt::test
