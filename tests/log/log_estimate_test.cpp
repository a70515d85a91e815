// The Formula page's handlers "Single" and "Stratified" and the sample size that
// ends the latter, on the window's own boxes and prompts. Their figures are
// worked out in the tests of log_single_estimate, log_stratified_estimate and
// log_sample_size_plan; here one run of each, and the window's own faults.
#include "log/log_window_fixture.h"

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

using LogEstimates = LogWindowTest;

QString singleFigures(const frmMainLog& w) {
    return joinedTexts(w.lblSimpleMetricFormula, w.lblSimpleEnglishFormula, w.lblSimpleStdErr,
                       w.lblSimpleBound, w.lblSimpleUpperLimit, w.lblSimpleLowerLimit,
                       w.lblSimplePrecision);
}

TEST_F(LogEstimates, SingleReadsTheShownStatisticsAndAsksForTheArea) {
    frmMainLog* w = open();
    w->mnuSPM_Click();
    w->ssTabMain->setTabText(frmMainLog::PageFormula, u"Tally"_s);
    w->LevelNames = {u"Subsegment"_s, u"Segment"_s, u"Section"_s, u"Transect"_s};
    w->LevelLengths = {12.5f, 25, 50, 100};
    // Segments of 25 m: s = 5.16 per segment, 900 logs/ha, variance 516^2, 4 segments.
    setStats(*w, 0, 2, u"9|5.16|266256|4|900||"_s);
    w->txtTvalue->setText(u"1.67"_s);
    w->mnuSingle_Click(2);
    const QString ask = u"Please enter the Stratum Size"_s;
    prompts_.input(ask, u"Stratum Size"_s, u"many"_s).input(ask, u"Stratum Size"_s, u"$10"_s);
    w->cmdDefaultSingle->click();
    EXPECT_EQ(w->txtLandscapeArea[0]->text(), u"10"_s);
    // 25 m x 4 = 0.01 ha; SE = sqrt(266256 / 4) = 258; B = 1.67 x 258 x sqrt(1 - 4 x
    // 0.01 / 10) = 430.0; 900 x 0.405 = 364.5, half to even 364; 430 / 900 = 47.8 %.
    EXPECT_EQ(singleFigures(*w), u"900|364|258|430|1330|470|47.8"_s);

    // A cancelled area leaves the bound and limits of the run before empty.
    w->txtLandscapeArea[0]->clear();
    prompts_.input(ask, u"Stratum Size"_s, QString());
    w->cmdDefaultSingle->click();
    EXPECT_EQ(singleFigures(*w), u"900|364|258||||"_s);

    // 4 plots of 0.01 ha in 0.01 ha: the error is reported, the status stays.
    w->txtLandscapeArea[0]->setText(u"0.01"_s);
    w->setStatusText(u"Status: before"_s);
    prompts_.message(
        u"5 : Invalid procedure call or argument - Log Procedure 'cmdDefaultSingle_Click'"_s,
        u"Error"_s, MsgIcon::Exclamation);
    w->cmdDefaultSingle->click();
    EXPECT_EQ(singleFigures(*w), u"900||258||||"_s);
    EXPECT_EQ(w->statusText(), u"Status: before"_s);

    // Auto: the first of the shortest survey distances of the sheet.
    w->mnuSingle_Click(0);
    w->txtLandscapeArea[0]->setText(u"10"_s);
    for (int r = 1; r <= 4; ++r)
        w->grdOptimal2[0]->setText(r, 0, u"1200|950|900|900"_s.split(u'|')[r - 1]);
    w->cmdDefaultSingle->click();
    EXPECT_EQ(w->grdFormulaSimple->text(1, 0), u"Section"_s);
}

// The strata of twoLineStrata have no Subsegment statistics: a stratum is
// ready when any of its levels has some.
TEST_F(LogEstimates, StratifiedChecksTheSizesThenFillsTheSheetAndTheSampleSize) {
    frmMainLog* w = twoLineStrata(open());
    w->txtLandscapeArea[1]->clear();
    w->txtLandscapeArea[2]->clear();
    w->ssTabFormula->setCurrentIndex(0);
    prompts_.message(u"Please enter a value into the Stratum Size."_s, u"Error - Stratum Size"_s,
                     MsgIcon::None);
    w->cmdDefaultStratified->click();
    EXPECT_EQ(w->ssTabFormula->currentIndex(), 1);

    w->txtLandscapeArea[1]->setText(u"60"_s);
    w->txtLandscapeArea[2]->setText(u"forty"_s);
    prompts_.message(u"Please enter the stratum size for each stratum to calculate with"_s,
                     QString(), MsgIcon::None);
    w->cmdDefaultStratified->click();

    w->txtLandscapeArea[2]->setText(u"40"_s);
    w->grdOptimal[2]->clear(); // no level of stratum 2 has statistics
    prompts_.message(u"Please calculate subtotals for Stratum 2"_s, QString(), MsgIcon::None);
    w->cmdDefaultStratified->click();
    EXPECT_TRUE(w->grdFormulaStratified->text(1, 0).isEmpty());

    setStats(*w, 2, 4, u"3|2|2500|5|50|20.3|900"_s);
    w->grdFormulaStratified->setText(3, 9, u"999"_s); // an earlier run's
    w->cmdDefaultStratified->click();
    EXPECT_TRUE(w->grdFormulaStratified->text(3, 9).isEmpty());
    EXPECT_EQ(joinedTexts(w->lblStratifiedMetricFormula, w->lblStratifiedEnglishFormula,
                          w->lblStratifiedVar, w->lblStratifiedS, w->lblStratifiedBound,
                          w->lblStratifiedUpperLimit, w->lblStratifiedLowerLimit,
                          w->lblStratifiedPrecision),
              u"68|27.5|656|25.6|51.2|119|16.8|75.3"_s);
    EXPECT_EQ(rowOf(w->grdSampleSize[1], 2), u"2|47.1|31.4|986||9.36|11.7"_s);
    // Every row of the allocation grids keeps its stratum number.
    EXPECT_EQ(rowOf(w->grdOptimalAllocation, 1) + u'/' + rowOf(w->grdOptimalAllocation, 4),
              u"9|1|4|4000/|4||"_s);
    EXPECT_EQ(rowOf(w->grdProportionalAllocation, 3), u"|3||"_s);
    EXPECT_EQ(w->lblPropTotalTransectLength->text(), u"13000"_s);

    // Auto: each stratum takes the first shortest survey distance of its own sheet.
    w->mnuStratum1_Click(0);
    w->mnuStratum2_Click(0);
    setStats(*w, 1, 3, u"1|1|1|4|1|1|650"_s);
    setStats(*w, 2, 2, u"1|1|1|4|1|1|800"_s);
    w->cmdDefaultStratified->click();
    EXPECT_EQ(w->grdFormulaStratified->text(1, 1) + w->grdFormulaStratified->text(2, 1),
              u"SectionSegment"_s);
}

TEST_F(LogEstimates, TheSampleSizeReportsItsOwnErrorsAndMessages) {
    frmMainLog* w = twoLineStrata(open());
    w->txtTvalue->setText(u"0"_s);
    prompts_.message(u"11 : Division by zero - Log Procedure 'SampleSize'"_s, u"Error"_s,
                     MsgIcon::Exclamation);
    w->cmdDefaultStratified->click();
    EXPECT_TRUE(w->grdOptimalAllocation->text(1, 0).isEmpty());

    // One stratum: both the estimate and the sample size say so.
    w->txtLandscapeArea[2]->clear();
    w->txtTvalue->setText(u"2"_s);
    const QString noDesign = u"Please use a non-stratified equation"_s;
    prompts_.message(noDesign, QString(), MsgIcon::None)
        .message(noDesign, QString(), MsgIcon::None);
    w->cmdDefaultStratified->click();
    EXPECT_TRUE(w->lblStratifiedMetricFormula->text().isEmpty());
}

} // namespace
} // namespace vernalt::test
