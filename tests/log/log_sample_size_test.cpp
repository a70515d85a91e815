// The Sample Size page that the stratified estimate fills last.
#include "log/log_estimate_support.h"
#include "log/log_window_fixture.h"

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

using LogSampleSize = LogWindowTest;

QStringList cells(const Grid* g, int r, int first, int last) {
    QStringList out;
    for (int c = first; c <= last; ++c)
        out << g->text(r, c);
    return out;
}

TEST_F(LogSampleSize, OptimalAndProportionalAllocationOfTwoStrata) {
    frmMainLog* w = twoLineStrata(open(), u"60"_s, u"40"_s);
    w->cmdDefaultStratified->click();

    Grid* s0 = w->grdSampleSize[0];
    Grid* s1 = w->grdSampleSize[1];
    EXPECT_EQ(cells(s0, 1, 0, 5),
              (QStringList{u"1"_s, u"60"_s, u"0.6"_s, u"Transect"_s, u"1000"_s, u"2"_s}));
    EXPECT_EQ(cells(s0, 2, 0, 5),
              (QStringList{u"2"_s, u"40"_s, u"0.4"_s, u"Transect"_s, u"1000"_s, u"3"_s}));
    // F = 15708 / 1000 = 15.708: means 31.4 and 47.1, deviations 15.7 and 31.4,
    // variances 15.7^2 = 246 and 31.4^2 = 986; D = (0.2 x 68 / 2)^2 = 46.24.
    EXPECT_EQ(cells(s1, 1, 0, 4), (QStringList{u"1"_s, u"31.4"_s, u"15.7"_s, u"246"_s, u"46.2"_s}));
    EXPECT_EQ(cells(s1, 2, 0, 3), (QStringList{u"2"_s, u"47.1"_s, u"31.4"_s, u"986"_s}));
    // Optimal: (0.6 x 15.7 + 0.4 x 31.4)^2 / (46.2 + 542 / 100) = 483.12 / 51.62 = 9.36.
    // Proportional: 2^2 x 542 / 13.6^2 = 11.72.
    EXPECT_EQ(s1->text(2, 5), u"9.36"_s);
    EXPECT_EQ(s1->text(2, 6), u"11.7"_s);
    EXPECT_TRUE(s1->text(1, 5).isEmpty());

    Grid* opt = w->grdOptimalAllocation;
    Grid* prop = w->grdProportionalAllocation;
    // 9 x 942 / 2198 = 3.86 and 9 x 1256 / 2198 = 5.14, rounded up; 12 x 0.6 and 12 x 0.4.
    EXPECT_EQ(cells(opt, 1, 0, 3), (QStringList{u"9"_s, u"1"_s, u"4"_s, u"4000"_s}));
    EXPECT_EQ(cells(opt, 2, 0, 3), (QStringList{u""_s, u"2"_s, u"6"_s, u"6000"_s}));
    EXPECT_EQ(cells(prop, 1, 0, 3), (QStringList{u"12"_s, u"1"_s, u"8"_s, u"8000"_s}));
    EXPECT_EQ(cells(prop, 2, 0, 3), (QStringList{u""_s, u"2"_s, u"5"_s, u"5000"_s}));
    EXPECT_EQ(cells(opt, 3, 0, 3), (QStringList{u""_s, u"3"_s, u""_s, u""_s}));
    EXPECT_EQ(w->lblOptTotalTransectLength->text(), u"10000"_s);
    EXPECT_EQ(w->lblPropTotalTransectLength->text(), u"13000"_s);
}

TEST_F(LogSampleSize, ASizeWithAThousandsCommaCountsInFull) {
    frmMainLog* w = twoLineStrata(open(), u"1,200"_s, u"800"_s);
    w->cmdDefaultStratified->click();
    Grid* s0 = w->grdSampleSize[0];
    EXPECT_EQ(s0->text(1, 1), u"1,200"_s);
    EXPECT_EQ(s0->text(1, 2), u"0.6"_s);
    // (9.42 + 12.56)^2 / (46.2 + 542 / 2000) = 483.12 / 46.471 = 10.4; the optimal
    // shares 10 x 18840 / 43960 = 4.29 and 10 x 25120 / 43960 = 5.71.
    EXPECT_EQ(w->grdSampleSize[1]->text(2, 5), u"10.4"_s);
    EXPECT_EQ(w->grdOptimalAllocation->text(1, 0), u"10"_s);
    EXPECT_EQ(w->grdOptimalAllocation->text(1, 2), u"5"_s);
    EXPECT_EQ(w->grdOptimalAllocation->text(2, 2), u"6"_s);
}

TEST_F(LogSampleSize, AStratumNotInUseIsEmptiedAndLeftOutOfTheSums) {
    frmMainLog* w = twoLineStrata(open(), u"60"_s, u""_s);
    w->mnuStratum3_Click(4);
    setStats(*w, 3, 4, {u"3"_s, u"2"_s, u"2500"_s, u"5"_s, u"50"_s, u"20.3"_s, u""_s});
    w->txtLandscapeArea[3]->setText(u"40"_s);
    w->grdSampleSize[0]->setText(2, 2, u"0.9"_s); // an earlier run's
    w->grdProportionalAllocation->setText(2, 2, u"77"_s);
    w->cmdDefaultStratified->click();
    EXPECT_EQ(cells(w->grdSampleSize[0], 2, 0, 5), QStringList(QList<QString>(6)));
    EXPECT_EQ(w->grdSampleSize[1]->text(3, 5), u"9.36"_s);
    EXPECT_EQ(w->grdSampleSize[1]->text(3, 6), u"11.7"_s);
    EXPECT_EQ(cells(w->grdProportionalAllocation, 2, 1, 2), (QStringList{u"2"_s, u""_s}));
    EXPECT_EQ(w->grdProportionalAllocation->text(3, 2), u"5"_s);
    EXPECT_EQ(w->lblPropTotalTransectLength->text(), u"13000"_s);
}

TEST_F(LogSampleSize, AZeroTValueIsReported) {
    frmMainLog* w = twoLineStrata(open(), u"60"_s, u"40"_s);
    w->txtTvalue->setText(u"0"_s);
    prompts_.message(u"11 : Division by zero - Log Procedure 'SampleSize'"_s, u"Error"_s,
                     MsgIcon::Exclamation);
    w->cmdDefaultStratified->click();
    EXPECT_EQ(w->grdSampleSize[1]->text(2, 3), u"986"_s);
    EXPECT_TRUE(w->grdSampleSize[1]->text(1, 4).isEmpty());
    EXPECT_TRUE(w->grdOptimalAllocation->text(1, 0).isEmpty());
    EXPECT_EQ(w->statusText(), u"Status: Estimates Calculated"_s);
}

TEST_F(LogSampleSize, AnEnglishTallyUsesTheStripOfItsLevel) {
    frmMainLog* w = twoLineStrata(open(), u"60"_s, u"40"_s, false);
    setMode(*w, Method::LIM, false, u"Tally"_s, w->mnuTally);
    w->LevelLengths = {100, 200, 300, 400};
    w->mnuStratum1_Click(1);
    w->mnuStratum2_Click(1);
    setStats(*w, 1, 1, {u"2"_s, u"1"_s, u"6400"_s, u"4"_s, u""_s, u"32.4"_s, u""_s});
    setStats(*w, 2, 1, {u"3"_s, u"2"_s, u"2500"_s, u"5"_s, u""_s, u"20.3"_s, u""_s});
    w->cmdDefaultStratified->click();
    Grid* s0 = w->grdSampleSize[0];
    // 100 ft x 12 = 1200 ft^2 = 0.0275... ac, unrounded; 2 / 1200 x 43560 = 72.6.
    EXPECT_EQ(cells(s0, 1, 3, 6),
              (QStringList{u"Subsegment"_s, u"1200"_s, u"0.0275482093663912"_s, u"2"_s}));
    EXPECT_EQ(w->grdSampleSize[1]->text(1, 1), u"72.6"_s);
    EXPECT_EQ(w->grdSampleSize[1]->text(1, 2), u"36.3"_s);
}

} // namespace
} // namespace vernalt::test
