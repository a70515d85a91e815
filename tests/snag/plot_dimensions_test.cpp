// The plot dimensions' names and areas. Reading the default rows of both unit
// systems, edited rows and a row beyond the sixteen are seen through the window
// (the whole analysis, tests/snag/snag_menus_test.cpp).
#include "snag/plot_dimensions.h"

#include "platform/database.h"
#include "support/error_of.h"
#include "support/temp_database.h"
#include "support/texts.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

TEST(PlotDimensions, NamesAreasAndMissingRows) {
    const WidthTextArray metric = {u"10"_s, u"20"_s, u"30"_s, u"40"_s};
    const WidthTextArray english = {u"33"_s, u"66"_s, u"99"_s, u"132"_s};
    EXPECT_EQ(QStringList({plotDimensionName(0, metric), plotDimensionName(5, metric),
                           plotDimensionName(10, english), plotDimensionName(15, english),
                           plotDimensionName(6, WidthTextArray{})}),
              QStringList({u"Subsegment10"_s, u"Segment20"_s, u"Section99"_s, u"Transect132"_s,
                           u"Segment"_s}));
    EXPECT_EQ(errorOf([&] { plotDimensionName(16, metric); }), err::SubscriptRange);
    // Halves go to the even neighbour; beyond 32 bits is an overflow.
    for (const auto& [size, area] : {std::pair{2.5, 2}, {3.5, 4}, {1650.4, 1650}, {-0.5, 0}})
        EXPECT_EQ(wholePlotArea(size), area) << size;
    EXPECT_EQ(errorOf([] { wholePlotArea(3e9); }), err::Overflow);

    // A unit system without rows keeps what the entries held.
    TempDatabase database;
    db::exec(u"DELETE FROM PlotSizes WHERE Measurement = 'English'"_s);
    DimensionSizeArray sizes{};
    sizes.fill(7);
    WidthTextArray widths = {u"a"_s, u"b"_s, u"c"_s, u"d"_s};
    readPlotSizes(false, sizes, widths);
    EXPECT_EQ(sizes[15], 7);
    EXPECT_EQ(widths[3], u"d"_s);
}

} // namespace
} // namespace vernalt::test
