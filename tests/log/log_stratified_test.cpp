// The stratified estimate of the log window's Formula page.
#include "log/log_estimate_support.h"
#include "log/log_window_fixture.h"

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

using LogStratifiedEstimate = LogWindowTest;

// Runs the stratified estimate and returns its figures: metric and English
// estimate, variance, S, bound, upper and lower limit and precision.
QStringList estimate(frmMainLog* w) {
    w->cmdDefaultStratified->click();
    return {w->lblStratifiedMetricFormula->text(), w->lblStratifiedEnglishFormula->text(),
            w->lblStratifiedVar->text(),           w->lblStratifiedS->text(),
            w->lblStratifiedBound->text(),         w->lblStratifiedUpperLimit->text(),
            w->lblStratifiedLowerLimit->text(),    w->lblStratifiedPrecision->text()};
}

// Cells of the stratified grid, by row and column.
QStringList cellsOf(frmMainLog* w, std::initializer_list<std::pair<int, int>> cells) {
    QStringList texts;
    for (auto [r, c] : cells)
        texts << w->grdFormulaStratified->text(r, c);
    return texts;
}

// Two strip-plot strata of sizes 60 and 40 measured at the Subsegment level, t = 2.
frmMainLog* twoStripStrata(frmMainLog* w, bool metric, const QString& formula, QAction* item,
                           const std::array<float, 4>& lengths, const LevelStats& s1,
                           const LevelStats& s2) {
    setMode(*w, Method::SPM, metric, formula, item);
    w->LevelLengths = lengths;
    w->mnuStratum1_Click(1);
    w->mnuStratum2_Click(1);
    setStats(*w, 1, 1, s1);
    setStats(*w, 2, 1, s2);
    w->txtTvalue->setText(u"2"_s);
    w->txtLandscapeArea[1]->setText(u"60"_s);
    w->txtLandscapeArea[2]->setText(u"40"_s);
    return w;
}

TEST_F(LogStratifiedEstimate, TwoLineIntersectStrata) {
    frmMainLog* w = twoLineStrata(open(), u"60"_s, u"40"_s);
    // Mean (60 x 80 + 40 x 50) / 100 = 68; variance 0.36 x 6400 / 4 + 0.16 x 2500 / 5 = 656;
    // S = sqrt(656) = 25.6; B = 2 x 25.6 = 51.2; 68 x 0.405 = 27.54.
    EXPECT_EQ(estimate(w), (QStringList{u"68"_s, u"27.5"_s, u"656"_s, u"25.6"_s, u"51.2"_s,
                                        u"119"_s, u"16.8"_s, u"75.3"_s}));
    Grid* g = w->grdFormulaStratified;
    EXPECT_EQ(rowOf(g, 1), (QStringList{u"1"_s, u"Transect"_s, u"1000"_s, u"2"_s, u"1"_s, u"80"_s,
                                        u"6400"_s, u"0.6"_s, u"4"_s, u""_s, u""_s}));
    EXPECT_EQ(rowOf(g, 2), (QStringList{u"2"_s, u"Transect"_s, u"1000"_s, u"3"_s, u"2"_s, u"50"_s,
                                        u"2500"_s, u"0.4"_s, u"5"_s, u"68"_s, u"656"_s}));
    EXPECT_EQ(w->lblStratifiedMetricTitle->text(), u"Density st (logs/ha)"_s);
    EXPECT_EQ(w->lblStratifiedEnglishTitle->text(), u"Density st (logs/ac)"_s);
    EXPECT_EQ(w->statusText(), u"Status: Estimates Calculated"_s);
}

TEST_F(LogStratifiedEstimate, TheTotalIsTheSumOfTheUnroundedSizes) {
    frmMainLog* w = twoLineStrata(open(), u"10.37"_s, u"5"_s);
    estimate(w);
    // 10.37 / 15.37 = 0.6747 and 5 / 15.37 = 0.3253.
    EXPECT_EQ(cellsOf(w, {{1, 7}, {2, 7}}), (QStringList{u"0.675"_s, u"0.325"_s}));
}

TEST_F(LogStratifiedEstimate, AStratumWithoutASizeTakesNoPart) {
    frmMainLog* w = twoLineStrata(open(), u"60"_s);
    w->mnuStratum3_Click(4);
    setStats(*w, 3, 4, {u"3"_s, u"2"_s, u"2500"_s, u"5"_s, u"50"_s, u"20.3"_s, u"900"_s});
    w->grdFormulaStratified->setText(2, 9, u"999"_s); // an earlier run's row 2 goes
    w->txtLandscapeArea[3]->setText(u"40"_s);
    EXPECT_EQ(estimate(w).first(), u"68"_s);
    EXPECT_EQ(rowOf(w->grdFormulaStratified, 2), QStringList(QList<QString>(11)));
    EXPECT_EQ(cellsOf(w, {{3, 9}, {3, 10}}), (QStringList{u"68"_s, u"656"_s}));
}

TEST_F(LogStratifiedEstimate, TwoStripPlotStrataCorrectForTheirSampledShare) {
    frmMainLog* w = open();
    twoStripStrata(w, true, u"Density"_s, w->mnuDensity, {12.5f, 25, 50, 100},
                   {u"2"_s, u"1"_s, u"40000"_s, u"4"_s, {}, {}, {}},
                   {u"3"_s, u"2"_s, u"90000"_s, u"5"_s, {}, {}, {}});
    // Mean (60 x 400 + 40 x 600) / 100 = 480; variance
    // 0.36 x 40000 / 4 x (1 - 4 / 12000) + 0.16 x 90000 / 5 x (1 - 5 / 8000) = 6477;
    // S = 80.48 shown 80.5, B = 161, 480 x 0.405 = 194.4.
    EXPECT_EQ(estimate(w), (QStringList{u"480"_s, u"194"_s, u"6477"_s, u"80.5"_s, u"161"_s,
                                        u"641"_s, u"319"_s, u"33.5"_s}));
    // 12.5 m x 4 = 50 m^2 = 0.005 ha; 2 / 50 x 10000 = 400 logs/ha.
    EXPECT_EQ(rowOf(w->grdFormulaStratified, 1),
              (QStringList{u"1"_s, u"Subsegment"_s, u"50"_s, u"0.005"_s, u"2"_s, u"1"_s, u"400"_s,
                           u"40000"_s, u"0.6"_s, u"4"_s, u""_s, u""_s}));
    EXPECT_EQ(cellsOf(w, {{2, 6}, {2, 10}, {2, 11}}), (QStringList{u"600"_s, u"480"_s, u"6477"_s}));
}

TEST_F(LogStratifiedEstimate, EnglishMeansAreConvertedToMetric) {
    frmMainLog* w = twoLineStrata(open(), u"60"_s, u"40"_s, false);
    w->LevelLengths = {150, 300, 1500, 3000};
    // (60 x 32.4 + 40 x 20.3) / 100 = 27.56 shown 27.6; 27.6 / 0.405 = 68.1;
    // 68.1 x 0.405 = 27.58 shown 27.6; limits around it.
    const QStringList figures = estimate(w);
    EXPECT_EQ(w->grdFormulaStratified->text(2, 9), u"27.6"_s);
    EXPECT_EQ(figures.mid(0, 2), (QStringList{u"68.1"_s, u"27.6"_s}));
    EXPECT_EQ(figures[5], u"78.8"_s);
}

TEST_F(LogStratifiedEstimate, EnglishStripPlotWeightsArePoundsPerPlotAndTonsPerAcre) {
    frmMainLog* w = open();
    twoStripStrata(w, false, u"Weight"_s, w->mnuWeight, {100, 200, 300, 400},
                   {u"600"_s, u"10"_s, u"1"_s, u"4"_s, {}, {}, {}},
                   {u"0"_s, u"0"_s, u"0"_s, u"4"_s, {}, {}, {}});
    estimate(w);
    // 600 lb / 1200 ft^2 x 43560 / 2000 = 10.89 tons/ac; no deviation gives 0.
    EXPECT_EQ(cellsOf(w, {{1, 6}, {2, 6}}), (QStringList{u"10.9"_s, u"0"_s}));
}

TEST_F(LogStratifiedEstimate, EnglishLineIntersectPercentCoverHasOneUnit) {
    frmMainLog* w = twoLineStrata(open(), u"60"_s, u"40"_s, false);
    setMode(*w, Method::LIM, false, u"Percent Cover"_s, w->mnuPercentCover);
    w->LevelLengths = {150, 300, 1500, 3000};
    // The length column shows 3000 x 12; the means are the metric ones, unconverted.
    const QStringList figures = estimate(w);
    EXPECT_EQ(w->grdFormulaStratified->text(1, 2), u"36000"_s);
    EXPECT_EQ(figures[0], u"68"_s);
    EXPECT_EQ(figures[5], u"119"_s);
    EXPECT_EQ(w->lblStratifiedMetricTitle->text(), u"Percent Cover"_s);
    EXPECT_TRUE(w->lblStratifiedEnglishFormula->isHidden());
}

TEST_F(LogStratifiedEstimate, SizesAndStatisticsAreCheckedFirst) {
    frmMainLog* w = twoLineStrata(open());
    w->ssTabFormula->setCurrentIndex(0);
    prompts_.message(u"Please enter a value into the Stratum Size."_s, u"Error - Stratum Size"_s,
                     MsgIcon::None);
    estimate(w);
    EXPECT_EQ(w->ssTabFormula->currentIndex(), 1);

    w->txtLandscapeArea[1]->setText(u"60"_s);
    w->txtLandscapeArea[2]->setText(u"forty"_s);
    prompts_.message(u"Please enter the stratum size for each stratum to calculate with"_s,
                     QString(), MsgIcon::None);
    estimate(w);

    w->txtLandscapeArea[2]->setText(u"40"_s);
    w->grdOptimal[2]->clear(); // no level of stratum 2 has statistics
    prompts_.message(u"Please calculate subtotals for Stratum 2"_s, QString(), MsgIcon::None);
    estimate(w);
    EXPECT_TRUE(w->grdFormulaStratified->text(1, 0).isEmpty());
    EXPECT_NE(w->statusText(), u"Status: Estimates Calculated"_s);
}

TEST_F(LogStratifiedEstimate, OneStratumIsNotAStratifiedDesign) {
    frmMainLog* w = twoLineStrata(open(), u"60"_s);
    w->lblStratifiedMetricFormula->setText(u"12"_s); // an earlier run's
    prompts_.message(u"Please use a non-stratified equation"_s, QString(), MsgIcon::None)
        .message(u"Please use a non-stratified equation"_s, QString(), MsgIcon::None);
    EXPECT_TRUE(estimate(w).first().isEmpty());
    EXPECT_EQ(w->grdFormulaStratified->text(1, 7), u"1"_s);
    EXPECT_EQ(w->statusText(), u"Status: Estimates Calculated"_s);
}

TEST_F(LogStratifiedEstimate, TheAutomaticLevelOfEachStratum) {
    frmMainLog* w = twoLineStrata(open(), u"60"_s, u"40"_s);
    w->mnuStratum1_Click(0);
    w->mnuStratum2_Click(0);
    w->mnuUseLength[0]->setChecked(false);
    w->mnuUseLength[3]->setChecked(false);
    setStats(*w, 1, 2, {u"1"_s, u"1"_s, u"1"_s, u"4"_s, u"1"_s, u"1"_s, u"800"_s});
    setStats(*w, 1, 3, {u"1"_s, u"1"_s, u"1"_s, u"4"_s, u"1"_s, u"1"_s, u"650"_s});
    setStats(*w, 2, 2, {u"1"_s, u"1"_s, u"1"_s, u"4"_s, u"1"_s, u"1"_s, u"800"_s});
    setStats(*w, 2, 3, {u"1"_s, u"1"_s, u"1"_s, u"4"_s, u"1"_s, u"1"_s, u"800"_s});
    estimate(w);
    EXPECT_EQ(cellsOf(w, {{1, 1}, {2, 1}}), (QStringList{u"Section"_s, u"Segment"_s}));
}

} // namespace
} // namespace vernalt::test
