// The single-stratum estimate of the log window's Formula page.
#include "log/log_estimate_support.h"
#include "log/log_window_fixture.h"

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

using LogSingleEstimate = LogWindowTest;

// The figures of the estimate joined by "|": metric, English, standard error,
// bound, upper and lower limits, precision.
QString figures(const frmMainLog& w) {
    return QStringList{w.lblSimpleMetricFormula->text(), w.lblSimpleEnglishFormula->text(),
                       w.lblSimpleStdErr->text(),        w.lblSimpleBound->text(),
                       w.lblSimpleUpperLimit->text(),    w.lblSimpleLowerLimit->text(),
                       w.lblSimplePrecision->text()}
        .join(u'|');
}

// The usual statistics at one level: SE = sqrt(400 / 16) = 5, mean 100 per ha.
void standardRun(frmMainLog& w, Method method, int level) {
    setMode(w, method, true, u"Density"_s, w.mnuDensity);
    w.LevelLengths = {25, 50, 100, 200};
    if (method == Method::LIM)
        w.LevelLengths = {50, 100, 500, 1000};
    w.mnuSingle_Click(level);
    setStats(w, 0, level, {u"5"_s, u"3"_s, u"400"_s, u"16"_s, u"100"_s, u"40.5"_s, u"900"_s});
    w.txtTvalue->setText(u"2"_s);
}

TEST_F(LogSingleEstimate, LineIntersectDensityInMetricUnits) {
    frmMainLog* w = open();
    standardRun(*w, Method::LIM, 4);
    w->cmdDefaultSingle->click();

    EXPECT_EQ(rowOf(w->grdFormulaSimple),
              (QStringList{u"Transect"_s, u"1000"_s, u"5"_s, u"3"_s, u"100"_s, u"400"_s, u"16"_s}));
    // SE = sqrt(400 / 16) = 5; B = 2 x 5; limits 100 +- 10; precision 10 / 100; 100 x 0.405.
    EXPECT_EQ(figures(*w), u"100|40.5|5|10|110|90|10"_s);
    EXPECT_EQ(w->lblSimpleMetricTitle->text(), u"Density (logs/ha)"_s);
    EXPECT_EQ(w->lblSimpleEnglishTitle->text(), u"Density (logs/ac)"_s);
    EXPECT_EQ(w->statusText(), u"Status: Estimates Calculated"_s);

    w->txtTvalue->setText(u"two"_s); // a figure that cannot be computed shows nothing
    w->cmdDefaultSingle->click();
    EXPECT_EQ(figures(*w), u"100|40.5|5||||"_s);
}

TEST_F(LogSingleEstimate, EnglishFiguresComeBackFromTheRoundedMetricFigure) {
    struct Case {
        const char* name;
        QString formula;
        int item;
        QString meanEnglish;
        QString expected;
    } cases[] = {
        // 40.5 / 0.405 = 100, and back 100 x 0.405 = 40.5.
        {"density", u"Density"_s, 0, u"40.5"_s, u"100|40.5|0|0|40.5|40.5|0"_s},
        {"tally", u"Tally"_s, 3, u"40.5"_s, u"100|40.5|0|0|40.5|40.5|0"_s},
        // 10 / 0.446 = 22.42 shown 22.4; 22.4 x 0.446 = 9.9904 shown 9.99.
        {"weight", u"Weight"_s, 5, u"10"_s, u"22.4|9.99|0|0|9.99|9.99|0"_s},
    };
    frmMainLog* w = open();
    for (const Case& c : cases) {
        setMode(*w, Method::LIM, false, c.formula, w->formulaItems()[std::size_t(c.item)]);
        w->LevelLengths = {100, 200, 300, 400};
        w->txtLandscapeArea[0]->setText(u"5000"_s); // no prompt for the tally
        w->mnuSingle_Click(2);
        setStats(*w, 0, 2, {u"1"_s, u"0"_s, u"0"_s, u"16"_s, u"99"_s, c.meanEnglish, u""_s});
        w->txtTvalue->setText(u"2"_s);
        w->cmdDefaultSingle->click();
        EXPECT_EQ(figures(*w), c.expected) << c.name;
    }
}

TEST_F(LogSingleEstimate, StripPlotsCorrectTheBoundForTheSampledShareOfTheLandscape) {
    frmMainLog* w = open();
    setMode(*w, Method::SPM, false, u"Density"_s, w->mnuDensity);
    w->LevelLengths = {25, 50, 100, 200};
    w->mnuSingle_Click(3);
    setStats(*w, 0, 3, {u"5"_s, u"3"_s, u"400"_s, u"16"_s, u"100"_s, u"40.5"_s, u""_s});
    w->txtTvalue->setText(u"2.00"_s);
    w->txtLandscapeArea[0]->setText(u"100"_s);
    w->cmdDefaultSingle->click();

    // 100 ft x 12 = 1200 ft^2 = 0.0275 ac shown 0.028.
    EXPECT_EQ(rowOf(w->grdFormulaSimple), (QStringList{u"Section"_s, u"1200"_s, u"0.028"_s, u"5"_s,
                                                       u"3"_s, u"40.5"_s, u"400"_s, u"16"_s}));
    // 2 x 5 x sqrt(1 - 16 x 0.028 / 100) = 9.978: the 16 plots, not one, are the
    // sampled share. Limits 40.5 +- 9.98, precision 9.98 / 40.5.
    EXPECT_EQ(figures(*w), u"100|40.5|5|9.98|50.5|30.5|24.6"_s);
}

TEST_F(LogSingleEstimate, MetricStripPlotsAreFourMetresWide) {
    frmMainLog* w = open();
    setMode(*w, Method::SPM, true, u"Volume"_s, w->mnuVolume);
    w->LevelLengths = {12.5f, 25, 50, 100};
    w->mnuSingle_Click(1);
    w->txtLandscapeArea[0]->setText(u"abc"_s); // not asked again, not checked
    w->cmdDefaultSingle->click();
    EXPECT_EQ(w->grdFormulaSimple->text(1, 1), u"50"_s);
    EXPECT_EQ(w->grdFormulaSimple->text(1, 2), u"0.005"_s);
}

TEST_F(LogSingleEstimate, AnEmptyLandscapeAreaIsAskedFor) {
    frmMainLog* w = open();
    standardRun(*w, Method::SPM, 4);
    prompts_.input(u"Please enter the Stratum Size"_s, u"Stratum Size"_s, u"many"_s)
        .input(u"Please enter the Stratum Size"_s, u"Stratum Size"_s, u"1,250"_s);
    w->cmdDefaultSingle->click();
    EXPECT_EQ(w->txtLandscapeArea[0]->text(), u"1250"_s);
    // 200 m x 4 = 800 m^2 = 0.08 ha; 10 x sqrt(1 - 16 x 0.08 / 1250) = 9.9949.
    EXPECT_EQ(w->lblSimpleBound->text(), u"9.99"_s);
}

TEST_F(LogSingleEstimate, ACancelledLandscapeAreaLeavesTheBoundAndLimitsEmpty) {
    frmMainLog* w = open();
    standardRun(*w, Method::SPM, 4);
    w->lblSimpleBound->setText(u"77"_s); // an earlier run's
    w->lblSimpleUpperLimit->setText(u"177"_s);
    prompts_.input(u"Please enter the Stratum Size"_s, u"Stratum Size"_s, QString());
    w->cmdDefaultSingle->click();
    EXPECT_TRUE(w->txtLandscapeArea[0]->text().isEmpty());
    EXPECT_EQ(figures(*w), u"100|40.5|5||||"_s);
    EXPECT_EQ(w->statusText(), u"Status: Estimates Calculated"_s);
}

TEST_F(LogSingleEstimate, PlotsCoveringMoreThanTheLandscapeAreReported) {
    frmMainLog* w = open();
    standardRun(*w, Method::SPM, 4);
    w->txtLandscapeArea[0]->setText(u"1"_s); // 16 x 0.08 ha > 1 ha
    prompts_.message(u"5 : Invalid procedure call or argument - Log Procedure "
                     u"'cmdDefaultSingle_Click'"_s,
                     u"Error"_s, MsgIcon::Exclamation);
    w->setStatusText(u"Status: before"_s);
    w->cmdDefaultSingle->click();
    EXPECT_EQ(w->lblSimpleStdErr->text(), u"5"_s);
    EXPECT_TRUE(w->lblSimpleUpperLimit->text().isEmpty());
    EXPECT_EQ(w->statusText(), u"Status: before"_s);
}

TEST_F(LogSingleEstimate, TheAutomaticLevelIsTheFirstShortestSurveyDistance) {
    frmMainLog* w = open();
    setMode(*w, Method::LIM, true, u"Length"_s, w->mnuLength);
    w->LevelLengths = {50, 100, 500, 1000};
    const QString distances[4] = {u"1200"_s, u"950"_s, u"950"_s, u"1100"_s};
    for (int level = 1; level <= 4; ++level)
        setStats(*w, 0, level,
                 {u"1"_s, u"1"_s, u"1"_s, u"4"_s, u"1"_s, u"1"_s, distances[level - 1]});
    w->txtTvalue->setText(u"2"_s);
    w->cmdDefaultSingle->click();
    EXPECT_EQ(w->grdFormulaSimple->text(1, 0), u"Segment"_s);
    EXPECT_EQ(w->grdFormulaSimple->text(1, 1), u"100"_s);
}

TEST_F(LogSingleEstimate, BeforeAnyStatisticsEveryFigureIsZero) {
    frmMainLog* w = open();
    setMode(*w, Method::LIM, true, u"Density"_s, w->mnuDensity);
    w->LevelLengths = {50, 100, 500, 1000};
    w->txtTvalue->setText(u"1.67"_s);
    w->cmdDefaultSingle->click();
    EXPECT_EQ(rowOf(w->grdFormulaSimple),
              (QStringList{u"Transect"_s, u"1000"_s, u""_s, u""_s, u""_s, u""_s, u""_s}));
    EXPECT_EQ(figures(*w), u"0|0|0|0|0|0|0"_s);
}

TEST_F(LogSingleEstimate, PercentCoverHasOneUnitOnly) {
    frmMainLog* w = open();
    setMode(*w, Method::LIM, false, u"Percent Cover"_s, w->mnuPercentCover);
    w->LevelLengths = {50, 100, 500, 1000};
    w->mnuSingle_Click(1);
    setStats(*w, 0, 1, {u"0.2"_s, u"0.1"_s, u"4"_s, u"25"_s, u"12.5"_s, u""_s, u""_s});
    w->txtTvalue->setText(u"2"_s);
    w->cmdDefaultSingle->click();
    EXPECT_EQ(w->grdFormulaSimple->text(1, 4), u"12.5"_s);
    // SE = sqrt(4 / 25) = 0.4; B = 0.8; limits 12.5 +- 0.8; precision 0.8 / 12.5.
    EXPECT_EQ(w->lblSimpleMetricFormula->text(), u"12.5"_s);
    EXPECT_EQ(w->lblSimpleBound->text(), u"0.8"_s);
    EXPECT_EQ(w->lblSimpleUpperLimit->text(), u"13.3"_s);
    EXPECT_EQ(w->lblSimpleLowerLimit->text(), u"11.7"_s);
    EXPECT_EQ(w->lblSimplePrecision->text(), u"6.4"_s);
    EXPECT_EQ(w->lblSimpleMetricTitle->text(), u"Percent Cover"_s);
    EXPECT_TRUE(w->lblSimpleEnglishFormula->isHidden());
    EXPECT_TRUE(w->lblSimpleEnglishTitle->isHidden());
}

TEST_F(LogSingleEstimate, FollowsTheStatisticsAsTheyAreShown) {
    frmMainLog* w = open();
    setMode(*w, Method::SPM, true, u"Tally"_s, w->mnuTally);
    w->LevelLengths = {12.5f, 25, 50, 100};
    // Segments of 25 m holding 3, 7, 11 and 15 logs.
    fillSheet(*w->grdStratum[0]->grid(), twoTransects());
    w->txtTvalue->setText(u"1.67"_s);
    w->txtPrecisionLevel->setText(u".2"_s);
    bool cancel = false;
    w->CalculateSummaryStatistics(cancel);
    w->CalculateStats(cancel);
    ASSERT_EQ(w->grdOptimal[0]->text(2, 1), u"5.16"_s);

    w->mnuSingle_Click(2);
    w->txtLandscapeArea[0]->setText(u"10"_s);
    w->cmdDefaultSingle->click();
    // 25 m x 4 = 100 m^2 = 0.01 ha; mean 9 and s = 5.16 per segment, 900 logs/ha,
    // variance 516^2 = 266256, 4 segments.
    EXPECT_EQ(rowOf(w->grdFormulaSimple), (QStringList{u"Segment"_s, u"100"_s, u"0.01"_s, u"9"_s,
                                                       u"5.16"_s, u"900"_s, u"266256"_s, u"4"_s}));
    // SE = sqrt(266256 / 4) = 258; B = 1.67 x 258 x sqrt(1 - 4 x 0.01 / 10) = 430.0;
    // 900 x 0.405 = 364.5, half to even 364; precision 430 / 900 = 47.8 %.
    EXPECT_EQ(figures(*w), u"900|364|258|430|1330|470|47.8"_s);
    EXPECT_EQ(w->lblSimpleMetricTitle->text(), u"Log Density (logs/ha)"_s);
}

} // namespace
} // namespace vernalt::test
