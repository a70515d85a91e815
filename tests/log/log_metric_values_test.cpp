// The value of one log for each metric, worked out by hand from the formulas:
// the edges and the branches the window's table (log_metrics_test) does not take.
#include "log/log_metric_values.h"
#include "platform/grid.h"
#include "support/error_of.h"
#include "support/texts.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

TEST(LogMetricValues, WorkedValues) {
    EXPECT_DOUBLE_EQ(limDensity(3), 0.333);  // 0.3333...
    EXPECT_DOUBLE_EQ(limDensity(16), 0.062); // 0.0625, half to the even 2
    EXPECT_EQ(errorOf([] { limDensity(0); }), err::DivisionByZero);
    EXPECT_DOUBLE_EQ(spmLength(123.5), 124); // display-rounded, half to the even 124
    EXPECT_EQ(errorOf([] { limVolume(1e200); }), err::Overflow);
    // English: r = 20 / 4 / 12 = 0.41667; r^2 * 10 * 3.1416 = 5.4542
    EXPECT_DOUBLE_EQ(spmVolume(12, 8, 10, false), 5.45);
    EXPECT_DOUBLE_EQ(spmVolume(2, 2, 1, true), 0.0003); // r = 0.01: 0.00031416, 4 decimals
    // Weight factors: 0.4 for decay class 1, else 0.3; English strip plots 24.96 and 18.72.
    // English: 1.73611 * 24.96 * 3.1416 = 136.14; * 18.72 = 102.10
    EXPECT_DOUBLE_EQ(spmWeight(12, 8, 10, 1, false), 136);
    EXPECT_DOUBLE_EQ(spmWeight(12, 8, 10, 3, false), 102);
}

// A count display-rounded; 9999, a negative count, an empty cell and a text
// count 0; the same for a cell that holds a number.
TEST(LogMetricValues, TallyCells) {
    GridModel g;
    g.setRows(2);
    g.setCols(1);
    g.setFixedCols(0);
    QStringList read;
    for (const char* cell : {"2.5", "12.34", "9999", "-2", "", "abc"}) {
        g.setText(1, 0, QLatin1String(cell));
        read << QString::number(tallyValue(g, 1, 0));
    }
    for (const double x : {9999.0, -1.0, 12.34}) {
        g.setNumber(1, 0, x);
        read << QString::number(tallyValue(g, 1, 0));
    }
    EXPECT_EQ(read.join(u' '), u"2.5 12.3 0 0 0 0 0 0 12.3"_s);
}

} // namespace
} // namespace vernalt::test
