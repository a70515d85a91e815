#include "snag/plot_dimensions.h"

#include "platform/database.h"
#include "support/error_of.h"
#include "support/temp_database.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

const WidthTextArray MetricWidths = {u"10"_s, u"20"_s, u"30"_s, u"40"_s};
const WidthTextArray EnglishWidths = {u"33"_s, u"66"_s, u"99"_s, u"132"_s};

TEST(PlotDimensionName, LevelFollowedByWidthText) {
    struct Case {
        int dimension;
        const WidthTextArray& widths;
        const char* name;
    } cases[] = {
        {0, MetricWidths, "Subsegment10"},  {3, MetricWidths, "Subsegment40"},
        {5, MetricWidths, "Segment20"},     {10, EnglishWidths, "Section99"},
        {15, EnglishWidths, "Transect132"}, {12, EnglishWidths, "Transect33"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(plotDimensionName(c.dimension, c.widths), QString::fromLatin1(c.name))
            << c.dimension;
}

TEST(PlotDimensions, EdgesAndErrors) {
    EXPECT_EQ(plotDimensionName(6, WidthTextArray{}), u"Segment"_s) << "empty width text";
    EXPECT_EQ(errorOf([] { plotDimensionName(16, MetricWidths); }), err::SubscriptRange);
    EXPECT_EQ(areaFactor(true), 10000);
    EXPECT_EQ(areaFactor(false), 43560);
    // Halves go to the even neighbour; beyond 32 bits is an overflow.
    for (const auto& [size, area] :
         {std::pair{187.5, 188}, {2.5, 2}, {3.5, 4}, {125.0, 125}, {1650.4, 1650}, {-0.5, 0}})
        EXPECT_EQ(wholePlotArea(size), area) << size;
    EXPECT_EQ(errorOf([] { wholePlotArea(3e9); }), err::Overflow);
}

TEST(ReadPlotSizes, DefaultRowsOfBothUnitSystems) {
    TempDatabase database;
    DimensionSizeArray sizes{};
    WidthTextArray widths;
    readPlotSizes(true, sizes, widths);
    // width x length: 10, 20, 30, 40 m by 12.5, 25, 50, 100 m
    const DimensionSizeArray metric = {125, 250,  375,  500,  250,  500,  750,  1000,
                                       500, 1000, 1500, 2000, 1000, 2000, 3000, 4000};
    EXPECT_EQ(sizes, metric);
    EXPECT_EQ(widths, MetricWidths);

    readPlotSizes(false, sizes, widths);
    // 33, 66, 99, 132 ft by 50, 100, 200, 400 ft
    const DimensionSizeArray english = {1650, 3300,  4950,  6600,  3300,  6600,  9900,  13200,
                                        6600, 13200, 19800, 26400, 13200, 26400, 39600, 52800};
    EXPECT_EQ(sizes, english);
    EXPECT_EQ(widths, EnglishWidths);
}

TEST(ReadPlotSizes, EditedRowsRoundHalvesToEven) {
    TempDatabase database;
    for (const auto& [size, index] : {std::pair{187.5, 2}, {2.5, 7}})
        db::exec(
            u"UPDATE PlotSizes SET PlotSize = ? WHERE Measurement = 'Metric' AND \"Index\" = ?"_s,
            {size, index});
    db::exec(u"UPDATE PlotSizes SET Width = ? WHERE Measurement = 'Metric' AND \"Index\" = ?"_s,
             {15, 1});
    DimensionSizeArray sizes{};
    WidthTextArray widths;
    readPlotSizes(true, sizes, widths);
    EXPECT_EQ(sizes[2], 188);
    EXPECT_EQ(sizes[7], 2);
    EXPECT_EQ(widths[1], u"15"_s);
}

TEST(ReadPlotSizes, MissingRowsKeepTheirEntries) {
    TempDatabase database;
    db::exec(u"DELETE FROM PlotSizes WHERE Measurement = 'English'"_s);
    DimensionSizeArray sizes{};
    sizes.fill(7);
    WidthTextArray widths = {u"a"_s, u"b"_s, u"c"_s, u"d"_s};
    readPlotSizes(false, sizes, widths);
    EXPECT_EQ(sizes[15], 7);
    EXPECT_EQ(widths[3], u"d"_s);
}

TEST(ReadPlotSizes, IndexOutsideTheSixteenStopsAfterTheRowsBefore) {
    TempDatabase database;
    db::exec(u"UPDATE PlotSizes SET \"Index\" = 16 WHERE Measurement = 'Metric' AND "
             u"\"Index\" = 15"_s);
    DimensionSizeArray sizes{};
    WidthTextArray widths;
    EXPECT_EQ(errorOf([&] { readPlotSizes(true, sizes, widths); }), err::SubscriptRange);
    EXPECT_EQ(sizes[14], 3000); // read before the failing row
    EXPECT_EQ(sizes[15], 0);
}

} // namespace
} // namespace vernalt::test
