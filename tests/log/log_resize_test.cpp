// The sizes that follow the log window's outer size.
#include "log/log_resize.h"

#include <gtest/gtest.h>

namespace vernalt::test {
namespace {

TEST(LogResize, AtTheMinimumSizeTheSheetsAndButtonsFit) {
    const LogResizeLayout l = logResizeLayout(9420, 8070);
    EXPECT_EQ(l.stratumWidth, 8655);
    EXPECT_EQ(l.stratumHeight, 5655);
    EXPECT_EQ(l.sheetButtonsTop, 6360);
    EXPECT_EQ(l.tabWidth, 9045);
    EXPECT_EQ(l.tabHeight, 6855);
    EXPECT_EQ(l.subtotalsHeight, 6135);
    EXPECT_EQ(l.formulaGridWidth, 8400);
    EXPECT_EQ(l.formulaTabWidth, 8655);
}

TEST(LogResize, EverySizeKeepsItsMarginAsTheWindowGrows) {
    const LogResizeLayout small = logResizeLayout(9420, 8190);
    const LogResizeLayout large = logResizeLayout(12420, 10190);
    EXPECT_EQ(large.tabWidth - small.tabWidth, 3000);
    EXPECT_EQ(large.stratumWidth - small.stratumWidth, 3000);
    EXPECT_EQ(large.formulaGridWidth - small.formulaGridWidth, 3000);
    EXPECT_EQ(large.tabHeight - small.tabHeight, 2000);
    EXPECT_EQ(large.stratumHeight - small.stratumHeight, 2000);
    EXPECT_EQ(large.sheetButtonsTop - small.sheetButtonsTop, 2000);
    EXPECT_EQ(large.subtotalsHeight - small.subtotalsHeight, 2000);
    // The buttons stay below the sheets: sheet bottom (tab top 120 + strip) < buttons.
    EXPECT_LT(small.stratumHeight + 480, small.sheetButtonsTop);
}

} // namespace
} // namespace vernalt::test
