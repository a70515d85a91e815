#include "snag/snag_resize.h"

#include <gtest/gtest.h>

namespace vernalt::test {
namespace {

TEST(SnagResize, AtTheLoadSize) {
    // The window test checks most of these on the controls at another size.
    const SnagResizeLayout l = snagResizeLayout(9420, 9480);
    EXPECT_FLOAT_EQ(l.tabWidth, 9045);
    EXPECT_FLOAT_EQ(l.tabHeight, 8265);
    EXPECT_FLOAT_EQ(l.sheetButtonsTop, 7770);
    EXPECT_FLOAT_EQ(l.stratumWidth, 8655);
    EXPECT_FLOAT_EQ(l.stratumHeight, 6105);
    EXPECT_FLOAT_EQ(l.statsTop, 5040);
    // (9480 - 5265) / 2 = 2107.5: no rounding
    EXPECT_FLOAT_EQ(l.subtotal0Height, 2055.5);
    EXPECT_FLOAT_EQ(l.subtotal1Top, 2759.5);
    EXPECT_FLOAT_EQ(l.subtotal1Height, 2055.5);
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
