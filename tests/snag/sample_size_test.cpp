// The stratified sample size, worked by hand for the two- and three-stratum
// sheets of the stratified estimate's tests (metric units, t = 1.67 for the
// desired variance, t' = 2 for the proportional equations).
#include "snag/sample_size.h"

#include "support/texts.h"

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

SampleSizeInputs twoStrata() {
    SampleSizeInputs in;
    in.strata[0] = {u"1"_s, u"600"_s, u"Segment10"_s, u"250"_s, u"2"_s, u"1.5"_s};
    in.strata[1] = {u"2"_s, u"400"_s, u"Section20"_s, u"1000"_s, u"3"_s, u"2"_s};
    in.estimate = u"60"_s;
    in.numStrata = u"2"_s;
    in.tValue = u"1.67"_s;
    in.optimalTValue = u"2"_s;
    in.areaFactor = 10000;
    return in;
}

enum Grid { Sheet0, Sheet1, Optimal, Proportional };

// The texts of one grid row.
struct Shown {
    Grid grid;
    int row;
    const char* words;
};

struct Case {
    const char* name;
    void (*change)(SampleSizeInputs&);
    std::vector<Shown> shown;
    // Rows from here on are empty in all four grids but for the allocation grids'
    // stratum numbers (0: not checked; 1: nothing is written, not even those).
    int emptyFrom;
};

// clang-format off
const Case Cases[] = {
    // W = 600 / 1000, a = 250 / 10000; 2 / 0.025 = 80; S = 1.5 / 0.025 = 60;
    // V = (0.2 x 60 / 1.67)^2 = 51.63; optimal (0.6 x 60 + 0.4 x 20)^2 / (51.6 +
    // (2160 + 160) / 1000) = 1936 / 53.92 = 35.905; proportional 2^2 x 2320 / 12^2 = 64.44;
    // shares 35.9 x 36000 / 44000 = 29.37 and x 8000 / 44000 = 6.527, 0.6 x 64.4 = 38.64
    // and 0.4 x 64.4 = 25.76; areas times 0.025 and 0.1
    {"two strata", [](SampleSizeInputs&) {},
     {{Sheet0, 1, "1 600 0.6 Segment10 250 0.025 2"}, {Sheet0, 2, "2 400 0.4 Section20 1000 0.1 3"},
      {Sheet1, 1, "1.5 80 60 3600 51.6 _ _"}, {Sheet1, 2, "2 30 20 400 _ 35.9 64.4"},
      {Optimal, 1, "35.9 1 29.4 0.735"}, {Optimal, 2, "_ 2 6.53 0.653"},
      {Proportional, 1, "64.4 1 38.6 0.965"}, {Proportional, 2, "_ 2 25.8 2.58"}}, 3},
    // A = 1500 + 900 + 600; V = (0.2 x 53 / 1.67)^2 = 40.29; optimal 2: 36^2 / (40.3 +
    // 1920 / 3000) = 31.66, 3: 39.2^2 / (40.3 + 1971.2 / 3000) = 37.52; proportional
    // 2: 4 x 1920 / 10.6^2 = 68.35, 3: 4 x 1971.2 / 112.36 = 70.17; sum N S = 117600:
    // 37.5 x 90000 / 117600 = 28.70, 28.7 x 0.025 = 0.7175 half to even; 0.5, 0.3, 0.2 x 70.2
    {"three strata", [](SampleSizeInputs& in) {
         in.strata[0].size = u"1,500"_s;
         in.strata[1].size = u"900"_s;
         in.strata[2] = {u"3"_s, u"600"_s, u"Section10"_s, u"500"_s, u"1"_s, u"0.8"_s};
         in.estimate = u"53"_s;
         in.numStrata = u"3"_s;
     },
     {{Sheet0, 1, "1 1,500 0.5 Segment10 250 0.025 2"}, {Sheet0, 2, "2 900 0.3 Section20 1000 0.1 3"},
      {Sheet0, 3, "3 600 0.2 Section10 500 0.05 1"}, {Sheet1, 1, "1.5 80 60 3600 40.3 _ _"},
      {Sheet1, 2, "2 30 20 400 _ 31.7 68.4"}, {Sheet1, 3, "0.8 20 16 256 _ 37.5 70.2"},
      {Optimal, 1, "37.5 1 28.7 0.718"}, {Optimal, 2, "_ 2 5.74 0.574"}, {Optimal, 3, "_ 3 3.06 0.153"},
      {Proportional, 1, "70.2 1 35.1 0.878"}, {Proportional, 2, "_ 2 21.1 2.11"},
      {Proportional, 3, "_ 3 14 0.7"}}, 4},
    {"strata not in use take no part", [](SampleSizeInputs& in) {
         in.strata[2] = {u"3"_s, u"5000"_s, u"Segment20"_s, u"500"_s, u"4"_s, u"1"_s};
         in.strata[3] = {u"4"_s, u"2500"_s, u"Transect40"_s, u"4000"_s, u"9"_s, u"3"_s};
     },
     {{Sheet0, 1, "* * 0.6 * * * *"}, {Sheet1, 2, "* * * * * 35.9 *"},
      {Optimal, 1, "35.9 * 29.4 *"}, {Proportional, 2, "* * 25.8 *"}}, 3},
    {"no estimate and no area write nothing", [](SampleSizeInputs& in) {
         in.estimate.clear();
         in.strata[0].size.clear();
         in.strata[1].size = u"0"_s;
     }, {}, 1},
    // 1936 / (2320 / 1000) = 834.5
    {"no estimate leaves the proportional equations empty",
     [](SampleSizeInputs& in) { in.estimate.clear(); },
     {{Sheet1, 1, "* * * * 0 * *"}, {Sheet1, 2, "* * * * * 834 _"}}, 0},
    {"one stratum weighs 1 and has no equation and no total",
     [](SampleSizeInputs& in) { in.numStrata = u"1"_s; },
     {{Sheet0, 1, "1 600 1 Segment10 250 0.025 2"}, {Sheet1, 1, "1.5 80 60 3600 51.6 _ _"},
      {Optimal, 1, "_ 1 _ _"}, {Proportional, 1, "_ 1 _ _"}}, 2},
    {"a stratum without number keeps its row but no equation",
     [](SampleSizeInputs& in) { in.strata[1].stratum = u"B"_s; },
     {{Sheet0, 2, "B * * * * * *"}, {Sheet1, 2, "* * 20 * * _ _"}}, 0},
    {"a zero total area leaves weights and optimal equations empty", [](SampleSizeInputs& in) {
         in.strata[0].size = u"0"_s;
         in.strata[1].size.clear();
     },
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
        SCOPED_TRACE(c.name);
        SampleSizeInputs in = twoStrata();
        c.change(in);
        const SampleSizePage p = sampleSizePage(in);
        EXPECT_FALSE(p.error);
        for (const Shown& s : c.shown)
            expectShown(rowOf(p, s.grid, s.row), s.words);
        for (int r = c.emptyFrom ? c.emptyFrom : 5; r <= 4; ++r)
            for (Grid g : {Sheet0, Sheet1, Optimal, Proportional}) {
                QStringList expected(rowOf(p, g, r).size());
                if (g >= Optimal && c.emptyFrom > 1)
                    expected[ColAllocStratum] = QString::number(r);
                EXPECT_EQ(rowOf(p, g, r).join(u'|').toStdString(),
                          expected.join(u'|').toStdString())
                    << "grid " << g << " row " << r;
            }
    }
}

} // namespace
} // namespace vernalt::test
