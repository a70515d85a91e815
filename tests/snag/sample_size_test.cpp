// The stratified sample size, worked by hand for the two- and three-stratum
// sheets of the stratified estimate's tests (metric units, t = 1.67 for the
// desired variance, t' = 2 for the proportional equations). Rows of strata not in
// use are seen to take no part in the whole analysis.
#include "snag/sample_size.h"

#include "support/texts.h"

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

enum Grid { Sheet0, Sheet1, Optimal, Proportional };

// The texts of one grid row.
struct Shown {
    Grid grid;
    int row;
    const char* words;
};

// The number of strata and the estimate, then per row: stratum, size, plot
// dimension, plot size, mean and deviation per plot; the rows shown; the row
// from which all four grids are empty but for the allocation grids' stratum
// numbers (0: not checked; 1: nothing is written, not even those).
struct Case {
    const char* inputs;
    std::vector<Shown> shown;
    int emptyFrom;
};

// clang-format off
const Case Cases[] = {
    // W = 600 / 1000, a = 250 / 10000; 2 / 0.025 = 80; S = 1.5 / 0.025 = 60;
    // V = (0.2 x 60 / 1.67)^2 = 51.63; optimal (0.6 x 60 + 0.4 x 20)^2 / (51.6 +
    // (2160 + 160) / 1000) = 1936 / 53.92 = 35.905; proportional 2^2 x 2320 / 12^2 = 64.44;
    // shares 35.9 x 36000 / 44000 = 29.37 and x 8000 / 44000 = 6.527, 0.6 x 64.4 = 38.64
    // and 0.4 x 64.4 = 25.76; areas times 0.025 and 0.1
    {"2|60 / 1|600|Segment10|250|2|1.5 / 2|400|Section20|1000|3|2",
     {{Sheet0, 1, "1 600 0.6 Segment10 250 0.025 2"}, {Sheet0, 2, "2 400 0.4 Section20 1000 0.1 3"},
      {Sheet1, 1, "1.5 80 60 3600 51.6 _ _"}, {Sheet1, 2, "2 30 20 400 _ 35.9 64.4"},
      {Optimal, 1, "35.9 1 29.4 0.735"}, {Optimal, 2, "_ 2 6.53 0.653"},
      {Proportional, 1, "64.4 1 38.6 0.965"}, {Proportional, 2, "_ 2 25.8 2.58"}}, 3},
    // A = 1500 + 900 + 600; V = (0.2 x 53 / 1.67)^2 = 40.29; optimal 2: 36^2 / (40.3 +
    // 1920 / 3000) = 31.66, 3: 39.2^2 / (40.3 + 1971.2 / 3000) = 37.52; proportional
    // 2: 4 x 1920 / 10.6^2 = 68.35, 3: 4 x 1971.2 / 112.36 = 70.17; sum N S = 117600:
    // 37.5 x 90000 / 117600 = 28.70, 28.7 x 0.025 = 0.7175 half to even; 0.5, 0.3, 0.2 x 70.2
    {"3|53 / 1|1,500|Segment10|250|2|1.5 / 2|900|Section20|1000|3|2 / 3|600|Section10|500|1|0.8",
     {{Sheet0, 1, "1 1,500 0.5 Segment10 250 0.025 2"}, {Sheet0, 2, "2 900 0.3 Section20 1000 0.1 3"},
      {Sheet0, 3, "3 600 0.2 Section10 500 0.05 1"}, {Sheet1, 1, "1.5 80 60 3600 40.3 _ _"},
      {Sheet1, 2, "2 30 20 400 _ 31.7 68.4"}, {Sheet1, 3, "0.8 20 16 256 _ 37.5 70.2"},
      {Optimal, 1, "37.5 1 28.7 0.718"}, {Optimal, 2, "_ 2 5.74 0.574"}, {Optimal, 3, "_ 3 3.06 0.153"},
      {Proportional, 1, "70.2 1 35.1 0.878"}, {Proportional, 2, "_ 2 21.1 2.11"},
      {Proportional, 3, "_ 3 14 0.7"}}, 4},
    // No estimate and no area write nothing
    {"2| / 1||Segment10|250|2|1.5 / 2|0|Section20|1000|3|2", {}, 1},
    // No estimate leaves the proportional equations empty: 1936 / (2320 / 1000) = 834.5
    {"2| / 1|600|Segment10|250|2|1.5 / 2|400|Section20|1000|3|2",
     {{Sheet1, 1, "* * * * 0 * *"}, {Sheet1, 2, "* * * * * 834 _"}}, 0},
    // One stratum weighs 1 and has no equation and no total
    {"1|60 / 1|600|Segment10|250|2|1.5 / 2|400|Section20|1000|3|2",
     {{Sheet0, 1, "1 600 1 Segment10 250 0.025 2"}, {Sheet1, 1, "1.5 80 60 3600 51.6 _ _"},
      {Optimal, 1, "_ 1 _ _"}, {Proportional, 1, "_ 1 _ _"}}, 2},
    // A stratum without number keeps its row but no equation
    {"2|60 / 1|600|Segment10|250|2|1.5 / B|400|Section20|1000|3|2",
     {{Sheet0, 2, "B * * * * * *"}, {Sheet1, 2, "* * 20 * * _ _"}}, 0},
    // A zero total area leaves weights and optimal equations empty
    {"2|60 / 1|0|Segment10|250|2|1.5 / 2||Section20|1000|3|2",
     {{Sheet0, 1, "* * _ * * * *"}, {Sheet1, 1, "* * * * 51.6 * *"}, {Sheet1, 2, "* * * * * _ *"}}, 0},
};
// clang-format on

QStringList rowOf(const SampleSizePage& p, Grid grid, int row) {
    const auto r = std::size_t(row);
    return grid == Sheet0    ? listOf(p.sheet0[r])
           : grid == Sheet1  ? listOf(p.sheet1[r])
           : grid == Optimal ? listOf(p.optimal[r])
                             : listOf(p.proportional[r]);
}

TEST(SampleSizePage, WorkedByHand) {
    for (const Case& c : Cases) {
        SCOPED_TRACE(c.inputs);
        const QStringList parts = QString::fromLatin1(c.inputs).split(u" / "_s);
        const QStringList head = parts[0].split(u'|');
        SampleSizeInputs in{{}, head[1], head[0], u"1.67"_s, u"2"_s, 10000};
        for (qsizetype h = 1; h < parts.size(); ++h) {
            const QStringList f = parts[h].split(u'|');
            in.strata[std::size_t(h - 1)] = {f[0], f[1], f[2], f[3], f[4], f[5]};
        }
        const SampleSizePage p = sampleSizePage(in);
        EXPECT_FALSE(p.error);
        for (const Shown& s : c.shown)
            expectShown(rowOf(p, s.grid, s.row), s.words);
        for (int r = c.emptyFrom ? c.emptyFrom : 5; r <= 4; ++r)
            for (Grid g : {Sheet0, Sheet1, Optimal, Proportional}) {
                QStringList expected(rowOf(p, g, r).size());
                if (g >= Optimal && c.emptyFrom > 1)
                    expected[ColAllocStratum] = QString::number(r);
                EXPECT_EQ(rowOf(p, g, r), expected) << "grid " << g << " row " << r;
            }
    }
}

} // namespace
} // namespace vernalt::test
