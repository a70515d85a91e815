// The stratified sample size, worked by hand for the two- and three-stratum
// sheets of the stratified estimate's tests (metric units, t = 1.67 for the
// desired variance, t' = 2 for the proportional equations).
#include "snag/sample_size.h"

#include <gtest/gtest.h>
#include <initializer_list>

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

SampleSizeInputs threeStrata() {
    SampleSizeInputs in = twoStrata();
    in.strata[0].size = u"1,500"_s;
    in.strata[1].size = u"900"_s;
    in.strata[2] = {u"3"_s, u"600"_s, u"Section10"_s, u"500"_s, u"1"_s, u"0.8"_s};
    in.estimate = u"53"_s;
    in.numStrata = u"3"_s;
    return in;
}

template <std::size_t N>
void expectRow(const std::array<QString, N>& row, std::initializer_list<const char*> texts,
               const char* what) {
    ASSERT_EQ(texts.size(), N);
    std::size_t c = 0;
    for (const char* t : texts) {
        EXPECT_EQ(row[c], QString::fromLatin1(t)) << what << ", column " << c;
        ++c;
    }
}

void expectEmptyRows(const SampleSizePage& p, int from) {
    for (int r = from; r <= 4; ++r) {
        expectRow(p.sheet0[std::size_t(r)], {"", "", "", "", "", "", ""}, "sheet 0");
        expectRow(p.sheet1[std::size_t(r)], {"", "", "", "", "", "", ""}, "sheet 1");
        expectRow(p.optimal[std::size_t(r)], {"", "", "", ""}, "optimal");
        expectRow(p.proportional[std::size_t(r)], {"", "", "", ""}, "proportional");
    }
}

TEST(SampleSizePage, TwoStrata) {
    const SampleSizePage p = sampleSizePage(twoStrata());
    ASSERT_FALSE(p.error);
    // W = 600 / 1000, a = 250 / 10000
    expectRow(p.sheet0[1], {"1", "600", "0.6", "Segment10", "250", "0.025", "2"}, "sheet 0 row 1");
    expectRow(p.sheet0[2], {"2", "400", "0.4", "Section20", "1000", "0.1", "3"}, "sheet 0 row 2");
    // 2 / 0.025 = 80; S = 1.5 / 0.025 = 60; S^2 = 3600; V = (0.2 x 60 / 1.67)^2 = 51.63
    // optimal: (0.6 x 60 + 0.4 x 20)^2 / (51.6 + (2160 + 160) / 1000) = 1936 / 53.92 = 35.905
    // proportional: 2^2 x 2320 / 12^2 = 64.44
    expectRow(p.sheet1[1], {"1.5", "80", "60", "3600", "51.6", "", ""}, "sheet 1 row 1");
    expectRow(p.sheet1[2], {"2", "30", "20", "400", "", "35.9", "64.4"}, "sheet 1 row 2");
    // optimal: 35.9 x 36000 / 44000 = 29.37 and 35.9 x 8000 / 44000 = 6.527;
    // areas 29.4 x 0.025 and 6.53 x 0.1
    expectRow(p.optimal[1], {"35.9", "1", "29.4", "0.735"}, "optimal row 1");
    expectRow(p.optimal[2], {"", "2", "6.53", "0.653"}, "optimal row 2");
    // proportional: 0.6 x 64.4 = 38.64 and 0.4 x 64.4 = 25.76; areas 38.6 x 0.025, 25.8 x 0.1
    expectRow(p.proportional[1], {"64.4", "1", "38.6", "0.965"}, "proportional row 1");
    expectRow(p.proportional[2], {"", "2", "25.8", "2.58"}, "proportional row 2");
    expectEmptyRows(p, 3);
}

TEST(SampleSizePage, ThreeStrata) {
    const SampleSizePage p = sampleSizePage(threeStrata());
    ASSERT_FALSE(p.error);
    // A = 1500 + 900 + 600; the "1,500" weighs 1500.
    expectRow(p.sheet0[1], {"1", "1,500", "0.5", "Segment10", "250", "0.025", "2"}, "row 1");
    expectRow(p.sheet0[2], {"2", "900", "0.3", "Section20", "1000", "0.1", "3"}, "row 2");
    expectRow(p.sheet0[3], {"3", "600", "0.2", "Section10", "500", "0.05", "1"}, "row 3");
    // V = (0.2 x 53 / 1.67)^2 = 40.29
    // optimal 2: 36^2 / (40.3 + 1920 / 3000) = 31.66; 3: 39.2^2 / (40.3 + 1971.2 / 3000) = 37.52
    // proportional 2: 4 x 1920 / 10.6^2 = 68.35; 3: 4 x 1971.2 / 112.36 = 70.17
    expectRow(p.sheet1[1], {"1.5", "80", "60", "3600", "40.3", "", ""}, "sheet 1 row 1");
    expectRow(p.sheet1[2], {"2", "30", "20", "400", "", "31.7", "68.4"}, "sheet 1 row 2");
    expectRow(p.sheet1[3], {"0.8", "20", "16", "256", "", "37.5", "70.2"}, "sheet 1 row 3");
    // sum N S = 90000 + 18000 + 9600 = 117600; 37.5 x 90000 / 117600 = 28.70, ...
    // 28.7 x 0.025 = 0.7175, half to even
    expectRow(p.optimal[1], {"37.5", "1", "28.7", "0.718"}, "optimal row 1");
    expectRow(p.optimal[2], {"", "2", "5.74", "0.574"}, "optimal row 2");
    expectRow(p.optimal[3], {"", "3", "3.06", "0.153"}, "optimal row 3");
    // 0.5 x 70.2, 0.3 x 70.2 = 21.06, 0.2 x 70.2 = 14.04; 35.1 x 0.025 = 0.8775
    expectRow(p.proportional[1], {"70.2", "1", "35.1", "0.878"}, "proportional row 1");
    expectRow(p.proportional[2], {"", "2", "21.1", "2.11"}, "proportional row 2");
    expectRow(p.proportional[3], {"", "3", "14", "0.7"}, "proportional row 3");
    expectEmptyRows(p, 4);
}

TEST(SampleSizePage, StrataNotInUseTakeNoPart) {
    SampleSizeInputs in = twoStrata();
    in.strata[2] = {u"3"_s, u"5000"_s, u"Segment20"_s, u"500"_s, u"4"_s, u"1"_s};
    in.strata[3] = {u"4"_s, u"2500"_s, u"Transect40"_s, u"4000"_s, u"9"_s, u"3"_s};
    const SampleSizePage p = sampleSizePage(in);
    ASSERT_FALSE(p.error);
    EXPECT_EQ(p.sheet0[1][ColWeight], u"0.6"_s);
    EXPECT_EQ(p.sheet1[2][ColOptimal], u"35.9"_s);
    EXPECT_EQ(p.optimal[1][ColTotal], u"35.9"_s);
    EXPECT_EQ(p.optimal[1][ColPlots], u"29.4"_s);
    EXPECT_EQ(p.proportional[2][ColPlots], u"25.8"_s);
    expectEmptyRows(p, 3);
}

TEST(SampleSizePage, NoEstimateAndNoAreaWritesNothing) {
    SampleSizeInputs in = twoStrata();
    in.estimate.clear();
    in.strata[0].size.clear();
    in.strata[1].size = u"0"_s;
    const SampleSizePage p = sampleSizePage(in);
    ASSERT_FALSE(p.error);
    expectEmptyRows(p, 1);
}

TEST(SampleSizePage, NoEstimateLeavesTheProportionalEquationsEmpty) {
    SampleSizeInputs in = twoStrata();
    in.estimate.clear();
    const SampleSizePage p = sampleSizePage(in);
    ASSERT_FALSE(p.error);
    EXPECT_EQ(p.sheet1[1][ColDesiredVariance], u"0"_s);
    // 1936 / (2320 / 1000) = 834.5
    EXPECT_EQ(p.sheet1[2][ColOptimal], u"834"_s);
    EXPECT_EQ(p.sheet1[2][ColProportional], u""_s);
}

TEST(SampleSizePage, OneStratumHasNoEquationAndNoTotal) {
    SampleSizeInputs in = twoStrata();
    in.numStrata = u"1"_s;
    const SampleSizePage p = sampleSizePage(in);
    ASSERT_FALSE(p.error);
    // The only stratum weighs 1; its area is the whole area.
    expectRow(p.sheet0[1], {"1", "600", "1", "Segment10", "250", "0.025", "2"}, "sheet 0 row 1");
    expectRow(p.sheet1[1], {"1.5", "80", "60", "3600", "51.6", "", ""}, "sheet 1 row 1");
    expectRow(p.optimal[1], {"", "1", "", ""}, "optimal row 1");
    expectRow(p.proportional[1], {"", "1", "", ""}, "proportional row 1");
    expectEmptyRows(p, 2);
}

TEST(SampleSizePage, AStratumWithoutNumberKeepsItsRowButNoEquation) {
    SampleSizeInputs in = twoStrata();
    in.strata[1].stratum = u"B"_s;
    const SampleSizePage p = sampleSizePage(in);
    EXPECT_EQ(p.sheet0[2][ColStratum], u"B"_s);
    EXPECT_EQ(p.sheet1[2][ColSd], u"20"_s);
    EXPECT_EQ(p.sheet1[2][ColOptimal], u""_s);
    EXPECT_EQ(p.sheet1[2][ColProportional], u""_s);
}

TEST(SampleSizePage, EachTValueMovesOnlyItsOwnEquations) {
    SampleSizeInputs in = twoStrata();
    in.optimalTValue = u"1"_s; // 1 x 2320 / 144 = 16.11
    SampleSizePage p = sampleSizePage(in);
    EXPECT_EQ(p.sheet1[2][ColOptimal], u"35.9"_s);
    EXPECT_EQ(p.sheet1[2][ColProportional], u"16.1"_s);

    in = twoStrata();
    in.tValue = u"2"_s; // V = 36: 1936 / 38.32 = 50.52
    p = sampleSizePage(in);
    EXPECT_EQ(p.sheet1[1][ColDesiredVariance], u"36"_s);
    EXPECT_EQ(p.sheet1[2][ColOptimal], u"50.5"_s);
    EXPECT_EQ(p.sheet1[2][ColProportional], u"64.4"_s);
}

TEST(SampleSizePage, AZeroTotalAreaLeavesWeightsAndOptimalEquationsEmpty) {
    SampleSizeInputs in = twoStrata();
    in.strata[0].size = u"0"_s;
    in.strata[1].size.clear();
    const SampleSizePage p = sampleSizePage(in);
    ASSERT_FALSE(p.error);
    EXPECT_EQ(p.sheet0[1][ColWeight], u""_s);
    EXPECT_EQ(p.sheet1[2][ColOptimal], u""_s);
    EXPECT_EQ(p.sheet1[1][ColDesiredVariance], u"51.6"_s);
}

} // namespace
} // namespace vernalt::test
