// The value of one log for each metric, worked out by hand from the formulas.
#include "log/log_metric_values.h"
#include "platform/errors.h"
#include "platform/grid.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

int errorOf(auto&& f) {
    try {
        f();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

TEST(LogDensity, OneOverLengthToThreeDecimals) {
    EXPECT_DOUBLE_EQ(limDensity(8), 0.125);
    EXPECT_DOUBLE_EQ(limDensity(3), 0.333);  // 0.3333...
    EXPECT_DOUBLE_EQ(limDensity(16), 0.062); // 0.0625, half to the even 2
    EXPECT_DOUBLE_EQ(limDensity(0.5), 2);
    EXPECT_EQ(errorOf([] { limDensity(0); }), err::DivisionByZero);
}

TEST(LogLength, StripLengthIsDisplayRounded) {
    EXPECT_DOUBLE_EQ(spmLength(12.34), 12.3);
    EXPECT_DOUBLE_EQ(spmLength(0), 0);
    EXPECT_DOUBLE_EQ(spmLength(123.5), 124); // half to the even 124
}

TEST(LogPercentCover, MeanDiameterTimesLength) {
    // English: (10 + 6) / 2 / 12 = 0.6666... -> 0.667; times 10 = 6.67
    EXPECT_DOUBLE_EQ(spmMeanDiameter(10, 6, false), 0.667);
    EXPECT_DOUBLE_EQ(spmPercentCover(10, 6, 10, false), 6.67);
    // Metric: (20 + 10) / 2 * 0.01 = 0.15; times 4 = 0.6
    EXPECT_DOUBLE_EQ(spmMeanDiameter(20, 10, true), 0.15);
    EXPECT_DOUBLE_EQ(spmPercentCover(20, 10, 4, true), 0.6);
    // An empty small end: the large end halved, (12 + 0) / 2 / 12 = 0.5
    EXPECT_DOUBLE_EQ(spmPercentCover(12, 0, 3, false), 1.5);
    // No length: nothing covered
    EXPECT_DOUBLE_EQ(spmPercentCover(12, 8, 0, false), 0);
}

TEST(LogVolume, WorkedValues) {
    EXPECT_DOUBLE_EQ(limVolume(12.5), 156);  // 156.25
    EXPECT_DOUBLE_EQ(limVolume(12.34), 152); // the stored value squared: 152.2756
    EXPECT_DOUBLE_EQ(limVolume(std::nullopt), 0);
    // English: r = 20 / 4 / 12 = 0.41667; r^2 * 10 * 3.1416 = 5.4542
    EXPECT_DOUBLE_EQ(spmVolume(12, 8, 10, false), 5.45);
    // Metric: r = 50 / 4 * 0.01 = 0.125; 0.015625 * 5 * 3.1416 = 0.245437
    EXPECT_DOUBLE_EQ(spmVolume(30, 20, 5, true), 0.245);
    // Metric below 0.01 keeps 4 decimals: r = 0.025, 0.000625 * 1 * 3.1416 = 0.0019635
    EXPECT_DOUBLE_EQ(spmVolume(5, 5, 1, true), 0.002);
    EXPECT_DOUBLE_EQ(spmVolume(2, 2, 1, true), 0.0003); // r = 0.01: 0.00031416
    EXPECT_DOUBLE_EQ(spmVolume(0, 0, 10, false), 0);
}

TEST(LogWeight, FactorByDecayClass) {
    const struct {
        const char* name;
        double decayClass;
        bool lim, metric;
        double k;
    } cases[] = {
        {"LIM class 1", 1, true, false, 0.4},
        {"LIM class 2", 2, true, true, 0.3},
        {"LIM class 0", 0, true, false, 0.3},
        {"SPM metric class 1", 1, false, true, 0.4},
        {"SPM metric class 5", 5, false, true, 0.3},
        {"SPM English class 1", 1, false, false, 24.96},
        {"SPM English class 0", 0, false, false, 18.72},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_DOUBLE_EQ(logWeightFactor(c.decayClass, c.lim, c.metric), c.k);
    }
}

TEST(LogWeight, WorkedValues) {
    EXPECT_DOUBLE_EQ(limWeight(12.5, 1), 62.5); // 156.25 * 0.4
    EXPECT_DOUBLE_EQ(limWeight(12.5, 2), 46.9); // 46.875
    EXPECT_DOUBLE_EQ(limWeight(12.3, 1), 60.5); // 151.29 * 0.4 = 60.516
    // English: 1.73611 * 24.96 * 3.1416 = 136.14; * 18.72 = 102.10
    EXPECT_DOUBLE_EQ(spmWeight(12, 8, 10, 1, false), 136);
    EXPECT_DOUBLE_EQ(spmWeight(12, 8, 10, 3, false), 102);
    // Metric: 0.078125 * 0.4 * 3.1416 = 0.098175; * 0.3 = 0.073631
    EXPECT_DOUBLE_EQ(spmWeight(30, 20, 5, 1, true), 0.098);
    EXPECT_DOUBLE_EQ(spmWeight(30, 20, 5, 2, true), 0.074);
}

TEST(LogVolume, OverflowRaises) {
    EXPECT_EQ(errorOf([] { limVolume(1e200); }), err::Overflow);
}

TEST(LogTally, CellValues) {
    const struct {
        const char* name;
        QString cell;
        double value;
    } cases[] = {
        {"a count", u"3"_s, 3},
        {"a half count", u"2.5"_s, 2.5},
        {"12.34 is display-rounded", u"12.34"_s, 12.3},
        {"9999 is excluded", u"9999"_s, 0},
        {"0", u"0"_s, 0},
        {"a negative count", u"-2"_s, 0},
        {"an empty cell", u""_s, 0},
        {"a text", u"abc"_s, 0},
        {"a tiny count rounds to 0.0001", u"0.00012"_s, 0.0001},
    };
    GridModel g;
    g.setRows(2);
    g.setCols(1);
    g.setFixedCols(0);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_DOUBLE_EQ(tallyValue(c.cell), c.value);
        g.setText(1, 0, c.cell);
        EXPECT_DOUBLE_EQ(tallyValue(g, 1, 0), c.value);
    }
    for (const double x : {3.0, 9999.0, -1.0, 12.34}) {
        SCOPED_TRACE(x);
        g.setNumber(1, 0, x);
        EXPECT_DOUBLE_EQ(tallyValue(g, 1, 0), x == 9999 || x < 0 ? 0 : x == 12.34 ? 12.3 : x);
    }
}

} // namespace
} // namespace vernalt::test
