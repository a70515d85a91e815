// The Compute button's chain on the snag window (number of strata, subtotals,
// statistics, rating, the chosen plot dimensions) and the density and sample
// size sheets: the prompts, refusals, cancels, errors and stale results of each
// step. The figures themselves are worked out in the plain-function tests and the
// whole-analysis test; here a few show that each step ran or did not.
#include "data_sheet.h"
#include "snag_window_fixture.h"
#include "support/texts.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

const QString StrataPrompt = u"Please enter the number of strata"_s;
const QString StrataTitle = u"Number of Strata"_s;
const QString CostPrompt = u"Enter the numeric code for the General Cost per Sample category "
                           u"(found under the View menu) you would like to use for this stratum."_s;
const QString CostTitle = u"General Cost Per Sample"_s;
const QString SizeTitle = u"Stratum Size"_s;

// Two transects of stratum 1; subsegment 3 ends transect 1 and starts transect 2
// (their subtotals are worked out in the shared sampling-unit tests).
const std::vector<SheetRecord> TwoTransects = {
    {"1", "1", "1", "1", "1", "1", "1", "1", "1"}, {"1", "1", "1", "1", "1", "0", "1", "1", "1"},
    {"1", "1", "1", "1", "2", "0", "0", "1", "1"}, {"1", "1", "1", "2", "3", "0", "1", "0", "1"},
    {"1", "2", "1", "2", "3", "1", "1", "1", "1"}, {"1", "2", "1", "2", "4", "0", "0", "0", "1"},
    {"1", "2", "2", "3", "5", "0", "0", "1", "1"},
};

class SnagCompute : public SnagWindowTest {
  protected:
    frmMainSnag* w = open();

    void select(int sheet) { w->optStratum[std::size_t(sheet)]->setChecked(true); }
    void noData(const char* sheet) {
        script.message(u"No data found on '"_s + QString::fromLatin1(sheet) + u"'"_s, u"No data"_s,
                       MsgIcon::None);
    }
    void errorReport(const char16_t* text) {
        script.message(QString::fromUtf16(text), u"Error"_s, MsgIcon::Exclamation);
    }
    // CalculateSubtotals then, unless it cancelled, CalculateStats; the result text.
    QString subtotalsAndStats() {
        QString result;
        w->CalculateSubtotals(result);
        if (result != u"cancel"_s)
            w->CalculateStats();
        return result;
    }
    // Subsegment10 with mean 2, sd 1.5 and 64 plots, as the statistics step writes it.
    void statistics() {
        w->grdOptimal[0]->setText(1, 2, u"2"_s);
        w->grdOptimal[0]->setText(1, 3, u"1.5"_s);
        w->grdStats[0]->setText(1, 3, u"64"_s);
    }
    // A rating with two costs (Segment30 $9.50 the cheaper, Section30 $10.00) and
    // the statistics of Segment20 and Segment30.
    void rating() {
        for (int i = 1; i <= 16; ++i)
            w->grdOptimal[2]->setText(i, 6,
                                      i == 7    ? u"$9.50"_s
                                      : i == 11 ? u"$10.00"_s
                                                : u"$0.00"_s);
        for (const auto& [row, mean, sd, n] :
             {std::tuple{6, u"0.5"_s, u"1"_s, 16}, std::tuple{7, u"1.25"_s, u"0.8"_s, 32}}) {
            w->grdOptimal[0]->setText(row, 2, mean);
            w->grdOptimal[0]->setText(row, 3, sd);
            w->PlotCounts[std::size_t(row)] = n;
        }
    }
    static void impose(std::array<QAction*, 17>& items, int k) {
        items[0]->setChecked(false);
        items[std::size_t(k)]->setChecked(true);
    }
    // Stratum row h of the stratified sheet from its six words: stratum, size,
    // plot dimension, mean, deviation, sample size.
    void stratumRow(std::size_t h, const char* words) {
        const QStringList t = QString::fromLatin1(words).split(u' ');
        QLineEdit* boxes[] = {w->txtStratifiedStratum[h],        w->txtStratifiedStratumSize[h],
                              w->txtStratifiedPlotDimensions[h], w->txtStratifiedAvgDensity[h],
                              w->txtStratifiedStdDev[h],         w->txtStratifiedSampleSize[h]};
        for (int i = 0; i < 6; ++i)
            boxes[i]->setText(t.value(i));
    }
    // Three strata of 1500, 900 and 600 ha, worked by hand in the estimate's tests.
    void threeStrata() {
        stratumRow(0, "1 1,500 Segment10 2 1.5 40");
        stratumRow(1, "2 900 Section20 3 2 25");
        stratumRow(2, "3 600 Section10 1 0.8 20");
        w->txtNumStrata->setText(u"3"_s);
    }
    QStringList stratifiedRow(std::size_t h) {
        return textsOf(w->lblStratifiedPlotSize[h], w->lblStratifiedPlotArea[h],
                       w->lblStratifiedAvgAcres[h], w->lblStratifiedVarianceHectares[h],
                       w->lblStratifiedStratumWeight[h]);
    }
    QStringList simpleResults() {
        return textsOf(w->lblPlotSize, w->lblPlotArea, w->lblAvgAcres, w->lblVarianceAcres,
                       w->lblSimpleX, w->lblSimpleBound, w->lblSimpleUpperLimit,
                       w->lblSimpleLowerLimit, w->lblSimplePrecision);
    }
};

// ---- The number of strata and the stratified button -------------------------------

TEST_F(SnagCompute, TheNumberOfStrataIsAskedAgainUntilANumberAndShownRounded) {
    w->txtStratifiedPlotDimensions[0]->setText(u"Segment20"_s);
    w->txtStratifiedPlotDimensions[1]->setText(u"Section10"_s);
    w->ssTabFormula->setCurrentIndex(1);
    select(1);
    script.input(StrataPrompt, StrataTitle, u"abc"_s).input(StrataPrompt, StrataTitle, u"2.50"_s);
    noData("Stratum 1");
    w->cmdSubtotals_Click();
    EXPECT_EQ(w->lblSubtotals->text(), u"Subtotals from Stratum 1"_s);
    EXPECT_EQ(w->txtNumStrata->text(), u"2.5"_s);
    EXPECT_FALSE(w->cmdCalcStratified->isEnabled()) << "2.5 is no number of strata";
}

TEST_F(SnagCompute, TheStratifiedButtonIsGatedWhenTheBoxOrThePageChanges) {
    w->ssTabFormula->setCurrentIndex(1);
    EXPECT_EQ(w->status(), u"WARNING: The number of strata has not been set"_s);
    EXPECT_FALSE(w->cmdCalcStratified->isEnabled());
    w->txtStratifiedPlotDimensions[0]->setText(u"Segment20"_s);
    w->txtStratifiedPlotDimensions[1]->setText(u"Section10"_s);
    w->txtNumStrata->setText(u"2"_s);
    EXPECT_TRUE(w->cmdCalcStratified->isEnabled());
    w->txtNumStrata->setText(u"3"_s);
    EXPECT_FALSE(w->cmdCalcStratified->isEnabled());
    w->txtStratifiedPlotDimensions[2]->setText(u"Transect40"_s);
    EXPECT_FALSE(w->cmdCalcStratified->isEnabled()) << "until the page is opened again";
    // Opening "Densities" gates again, without the warning.
    w->setStatus(u"Status: Data file read"_s);
    w->ssTabMain->setCurrentIndex(frmMainSnag::PageOptimal);
    w->ssTabMain->setCurrentIndex(frmMainSnag::PageDensities);
    EXPECT_TRUE(w->cmdCalcStratified->isEnabled());
    EXPECT_EQ(w->status(), u"Status: Data file read"_s);
    w->ssTabFormula->setCurrentIndex(0);
    EXPECT_TRUE(w->cmdCalcStratified->isHidden()) << "the simple page hides it";
}

// ---- The chain -----------------------------------------------------------------------

TEST_F(SnagCompute, AnEmptyNumberOfStrataStopsWithTheResultsEmptied) {
    fillSheet(*w, 0, TwoTransects);
    for (Grid* g : {w->grdStats[0], w->grdSubtotal[1], w->grdOptimal[2]})
        for (int c = 0; c < g->cols(); ++c)
            g->setText(0, c, u"old"_s), g->setText(1, c, u"old"_s);
    w->lblLowestVariance->setText(u"old"_s);
    script.input(StrataPrompt, StrataTitle, u""_s);
    w->cmdSubtotals_Click(); // no subtotals: no status, no "No data"
    EXPECT_EQ(w->lblSubtotals->text(), u"Subtotals from Single"_s);
    EXPECT_NE(w->status(), u"Status: Subtotals calculated"_s);
    // Emptied, then headers, names and plot sizes written again; the lowest
    // variance belongs to the emptied optimal grids.
    EXPECT_EQ(w->grdSubtotal[1]->text(0, 0), u"Section Width10"_s);
    expectShown({w->grdStats[0]->text(0, 1), w->grdStats[0]->text(1, 1),
                 w->grdSubtotal[1]->text(1, 0), w->grdOptimal[2]->text(1, 1),
                 w->grdOptimal[2]->text(1, 2), w->lblLowestVariance->text()},
                "Average _ _ 125 _ _");
}

TEST_F(SnagCompute, AFailingStepLeavesNoResultsOfTheEarlierRun) {
    fillSheet(*w, 0, TwoTransects);
    script.input(StrataPrompt, StrataTitle, u"2"_s);
    script.input(CostPrompt, CostTitle, u""_s); // ends the run after the statistics
    w->cmdSubtotals_Click();
    EXPECT_EQ(w->grdOptimal[0]->text(16, 2), u"3.5"_s); // transects 4 and 3
    select(2); // an empty sheet: no statistics, and no cost prompt after the failure
    noData("Stratum 2");
    w->cmdSubtotals_Click();
    expectShown({w->grdStats[0]->text(1, 1), w->grdOptimal[0]->text(1, 2),
                 w->grdOptimal[0]->text(16, 2), w->grdSubtotal[0]->text(1, 0)},
                "_ _ _ _");
}

// ---- Subtotals and statistics ---------------------------------------------------------

TEST_F(SnagCompute, EachPlotDimensionFollowsItsOwnWidthsCheckMark) {
    // Subsegment15 ends in "5" but takes part only when width 15 is checked.
    w->WidthTexts = {u"5"_s, u"15"_s, u"25"_s, u"35"_s};
    w->SetLabels();
    fillSheet(*w, 0, TwoTransects);
    for (QAction* a : w->widthItems())
        a->setChecked(a == w->mnuWidth10);
    EXPECT_EQ(subtotalsAndStats(), u""_s);
    EXPECT_EQ(w->grdStats[0]->text(2, 0), u"Subsegment15"_s);
    // Width 5 subsegments 1 0 0 1 0 0: mean 1/3, sd sqrt(4/15); transects 1 1.
    expectShown(rowOf(*w->grdStats[0], 1, 1, 3) + rowOf(*w->grdStats[1], 5, 1, 3),
                "0.333 0.516 6 1 0 2");
    expectShown(columnOf(*w->grdStats[0], 3, 1, 8) + columnOf(*w->grdStats[1], 3, 1, 8),
                "6 _ _ _ 4 _ _ _ | 3 _ _ _ 2 _ _ _");
}

TEST_F(SnagCompute, MoreSegmentsThanSubsegmentsGrowTheGrid) {
    // No subsegment numbers: no subsegment unit at all, three segments.
    fillSheet(*w, 0,
              {{"1", "1", "1", "1", "", "1", "1", "0", "1"},
               {"1", "1", "1", "2", "", "0", "1", "0", "1"},
               {"1", "1", "2", "3", "", "1", "1", "1", "1"}});
    EXPECT_EQ(subtotalsAndStats(), u""_s);
    ASSERT_EQ(w->grdSubtotal[0]->rows(), 4);
    expectShown(columnOf(*w->grdSubtotal[0], 0, 1, 3) + columnOf(*w->grdSubtotal[0], 4, 1, 3),
                "_ _ _ 1 0 1");
    // Segments of width 10: 1 0 1, mean 2/3, sd sqrt(1/3).
    expectShown(columnOf(*w->grdStats[0], 3, 1, 8) + rowOf(*w->grdStats[0], 5, 1, 2),
                "_ _ _ _ 3 3 3 3 0.667 0.577");
}

TEST_F(SnagCompute, WhatCancelsTheSubtotalsLeavesNone) {
    struct Case {
        const char* what;
        int sheet;
        std::vector<SheetRecord> records;
        const char* width30; // the title of column 8
        const char16_t *message, *title;
        MsgIcon icon;
    } cases[] = {
        // clang-format off
        {"an empty stratum sheet", 3, {}, "Width30", u"No data found on 'Stratum 3'", u"No data",
         MsgIcon::None},
        {"a first record without stratum", 0, {{"", "1", "1", "1", "1", "1", "1", "1", "1"},
         {"1", "1", "1", "1", "1", "1", "1", "1", "1"}}, "Width30", u"No data found on 'Single'",
         u"No data", MsgIcon::None},
        {"a missing width column", 0, TwoTransects, "Width35", u"The width30 column was not found",
         u"Column not found", MsgIcon::None},
        {"a flag that is no number", 0, {{"1", "1", "1", "1", "1", "1", "1", "1", "1"},
         {"1", "1", "1", "1", "2", "1", "", "1", "1"}}, "Width30",
         u"13 : Type mismatch - Snag Procedure 'CalculateSubtotals'", u"Error", MsgIcon::Exclamation},
        // clang-format on
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        select(0);
        fillSheet(*w, 0, TwoTransects);
        subtotalsAndStats(); // subtotals of an earlier run
        fillSheet(*w, c.sheet, c.records);
        w->grdStratum[std::size_t(c.sheet)]->setText(0, 8, QString::fromLatin1(c.width30));
        select(c.sheet);
        script.message(QString::fromUtf16(c.message), QString::fromUtf16(c.title), c.icon);
        EXPECT_EQ(subtotalsAndStats(), u"cancel"_s);
        EXPECT_TRUE(script.done());
        EXPECT_EQ(w->grdSubtotal[0]->rows(), 2);
        expectShown(rowOf(*w->grdSubtotal[0], 1, 0, 7) + rowOf(*w->grdSubtotal[1], 1, 0, 7),
                    "_ _ _ _ _ _ _ _ | _ _ _ _ _ _ _ _");
    }
}

// ---- The rating ------------------------------------------------------------------------

TEST_F(SnagCompute, RefusedCostCategoriesAreAskedAgain) {
    statistics();
    for (const QString& refused : {u"2.5"_s, u"six"_s})
        script.input(CostPrompt, CostTitle, refused)
            .message(u"Please enter a value 1-6"_s, u"Error"_s, MsgIcon::None);
    script.input(CostPrompt, CostTitle, u"  6 "_s);
    QString result;
    w->ComputeOptimal(result);
    EXPECT_EQ(result, u""_s);
    // Subsegment10's variance and plots needed (worked in the rating's tests), and
    // metric category 6: Transect40 costs 15.64, 2.12 + 15.6 shows 17.7.
    expectShown({w->grdOptimal[0]->text(1, 5), w->grdOptimal[1]->text(1, 2),
                 w->grdOptimal[2]->text(16, 2), w->grdOptimal[2]->text(16, 3),
                 w->lblLowestVariance->text()},
                "14400 39.2 15.64 17.7 14400");
}

TEST_F(SnagCompute, CancelAtTheCostPromptKeepsTheResultsOfTheRunBefore) {
    statistics();
    script.input(CostPrompt, CostTitle, u"1"_s);
    QString result;
    w->ComputeOptimal(result);
    script.input(CostPrompt, CostTitle, u"9"_s)
        .message(u"Please enter a value 1-6"_s, u"Error"_s, MsgIcon::None)
        .input(CostPrompt, CostTitle, u"   "_s);
    w->ComputeOptimal(result);
    EXPECT_EQ(result, u"cancel"_s);
    expectShown({w->lblLowestVariance->text(), w->lblLowestTotalCost->text(),
                 w->grdOptimal[0]->text(1, 5), w->grdOptimal[2]->text(1, 6)},
                "14400 0.375 14400 $24.00");
}

// ---- The chosen plot dimensions -----------------------------------------------------------

TEST_F(SnagCompute, SingleAsksTheLandscapeAreaUntilANumberOrCancel) {
    rating();
    const QString prompt = u"Please enter the Stratum Size"_s;
    script.input(prompt, SizeTitle, u"big"_s).input(prompt, SizeTitle, u"2,500"_s);
    w->DefaultSingle();
    expectShown(textsOf(w->txtPlotDimensions, w->txtAverageDensity, w->txtStdDev, w->txtSampleSize,
                        w->txtSimpleLandscapeArea),
                "Segment30 1.25 0.8 32 2500");
    // Segment20 imposed by the menu; the area prompt cancelled.
    impose(w->mnuSingle, 6);
    w->txtSimpleLandscapeArea->clear();
    script.input(prompt, SizeTitle, u""_s);
    w->DefaultSingle();
    expectShown(textsOf(w->txtPlotDimensions, w->txtAverageDensity, w->txtStdDev, w->txtSampleSize,
                        w->txtSimpleLandscapeArea),
                "Segment20 0.5 1 16 _");
}

TEST_F(SnagCompute, StratifiedFillsItsRowAndAsksEveryEmptySize) {
    rating();
    impose(w->mnuStratum1, 6); // another stratum's choice does not count
    w->txtNumStrata->setText(u"3"_s);
    w->txtStratifiedStratumSize[0]->setText(u"80"_s);
    script.input(u"Please enter the Stratum 2 Size"_s, SizeTitle, u""_s)
        .input(u"Please enter the Stratum 3 Size"_s, SizeTitle, u"x"_s)
        .input(u"Please enter the Stratum 3 Size"_s, SizeTitle, u"40.25"_s);
    std::int16_t stratum = 2;
    w->DefaultStratified(stratum);
    EXPECT_TRUE(script.done());
    expectShown(textsOf(w->txtStratifiedStratum[1], w->txtStratifiedPlotDimensions[1],
                        w->txtStratifiedAvgDensity[1], w->txtStratifiedStdDev[1],
                        w->txtStratifiedSampleSize[1], w->txtStratifiedStratum[0]),
                "2 Segment30 1.25 0.8 32 _");
    // Stratum 3's 40.25 goes half to even.
    expectShown(textsOf(w->txtStratifiedStratumSize[0], w->txtStratifiedStratumSize[1],
                        w->txtStratifiedStratumSize[2], w->txtStratifiedStratumSize[3]),
                "80 _ 40.2 _");
    // Stratum 1 takes its own choice; without a number of strata its row is
    // written, then the sizes fail.
    w->txtNumStrata->setText(u"abc"_s);
    errorReport(u"13 : Type mismatch - Snag Procedure 'DefaultStratified'");
    stratum = 1;
    w->DefaultStratified(stratum);
    EXPECT_EQ(w->txtStratifiedPlotDimensions[0]->text(), u"Segment20"_s);
}

// ---- The density and sample size sheets ---------------------------------------------------

TEST_F(SnagCompute, TheSimpleSheetShowsNothingOldWhereAStepFails) {
    QLineEdit* boxes[] = {w->txtPlotDimensions, w->txtAverageDensity,      w->txtStdDev,
                          w->txtSampleSize,     w->txtSimpleLandscapeArea, w->txtSimpleTvalue};
    const char* inputs[] = {"Segment10", "2", "1.5", "64", "1000", "1.67"};
    for (int i = 0; i < 6; ++i)
        boxes[i]->setText(QString::fromLatin1(inputs[i]));
    w->CalcSimpleSheet();
    w->txtSampleSize->clear();
    w->CalcSimpleSheet();
    expectShown(simpleResults(), "250 0.025 80 3600 80 _ 80 80 0");
    // 64 plots of 0.025 ha cover more than a landscape of 1 ha.
    w->txtSampleSize->setText(u"64"_s);
    w->txtSimpleLandscapeArea->setText(u"1"_s);
    errorReport(u"5 : Invalid procedure call or argument - Snag Procedure 'CalcSimpleSheet'");
    w->CalcSimpleSheet();
    expectShown(simpleResults(), "250 0.025 80 3600 80 _ _ _ _");
}

TEST_F(SnagCompute, FewerStrataEmptyTheRowsNoLongerInUse) {
    threeStrata();
    w->cmdCalcStratified_Click();
    w->SampleSize();
    ASSERT_EQ(w->grdSampleSize[0]->text(3, 3), u"Section10"_s);
    // A new two-strata analysis: stratum 3's boxes keep their texts, box 4 has a
    // size from earlier still.
    stratumRow(0, "1 600 Segment10 2 1.5 40");
    stratumRow(1, "2 400 Section20 3 2 25");
    w->txtNumStrata->setText(u"2"_s);
    w->txtStratifiedStratumSize[3]->setText(u"2500"_s);
    w->cmdCalcStratified_Click();
    expectShown(stratifiedRow(1) + stratifiedRow(2), "1000 0.1 30 400 0.4 | _ _ _ _ _");
    expectShown(textsOf(w->lblStratifiedMeanEquations[2], w->lblStratifiedVarianceEquations[2],
                        w->lblStratifiedX, w->lblStratifiedPrecision),
                "_ _ 60 16.4");
    // The sample size page keeps no figure of stratum 3 either; the allocation
    // grids still number their rows.
    w->SampleSize();
    expectShown(rowOf(*w->grdSampleSize[0], 3, 0, 6) + rowOf(*w->grdSampleSize[1], 3, 0, 6) +
                    rowOf(*w->grdOptimalAllocation, 3, 0, 3) +
                    rowOf(*w->grdProportionalAllocation, 3, 0, 3),
                "_ _ _ _ _ _ _ | _ _ _ _ _ _ _ | _ 3 _ _ | _ 3 _ _");
}

TEST_F(SnagCompute, AStratifiedErrorIsReportedAndTheLabelsBeforeItStay) {
    threeStrata();
    w->cmdCalcStratified_Click();
    w->txtStratifiedSampleSize[1]->clear();
    errorReport(u"13 : Type mismatch - Snag Procedure 'CalcStratifiedSheet'");
    w->cmdCalcStratified_Click();
    // Mean equation 1 (49) written, its variance failed, row 3 not reached.
    expectShown(textsOf(w->lblStratifiedMeanEquations[1], w->lblStratifiedVarianceEquations[1],
                        w->lblStratifiedX, w->lblStratifiedPrecision) +
                    stratifiedRow(2),
                "49 _ _ _ | _ _ _ _ _");
}

} // namespace
} // namespace vernalt::test
