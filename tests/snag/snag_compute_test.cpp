// The Compute chain of the snag window (number of strata, subtotals, statistics,
// rating, the chosen plot dimensions) and the density and sample size sheets:
// what the whole-analysis test does not reach, refusals, cancels, error reports
// and stale results. The figures are worked out in the plain-function tests;
// the whole analysis shows the stratified and sample size sheets' faults.
#include "data_sheet.h"
#include "snag_window_fixture.h"
#include "support/texts.h"

namespace vernalt::test {
namespace {

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
    // CalculateSubtotals then, unless it cancelled, CalculateStats; the result text.
    QString subtotalsAndStats() {
        QString result;
        w->CalculateSubtotals(result);
        if (result != u"cancel"_s)
            w->CalculateStats();
        return result;
    }
    // A rating with two costs (Segment30 $9.50 the cheaper, Section30 $10.00) and
    // the statistics of Segment20 and Segment30.
    void rating() {
        for (int i = 1; i <= 16; ++i)
            w->grdOptimal[2]->setText(i, 6, i == 7 ? u"$9.50"_s : i == 11 ? u"$10.00"_s : u""_s);
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
};

TEST_F(SnagCompute, TheStratifiedButtonIsGatedWhenTheBoxOrThePageChanges) {
    // No number of strata: the stratified sheet warns; opening "Densities" does not.
    w->ssTabFormula->setCurrentIndex(1);
    EXPECT_EQ(w->status(), u"WARNING: The number of strata has not been set"_s);
    w->setStatus(u"Status: Data file read"_s);
    w->ssTabMain->setCurrentIndex(frmMainSnag::PageDensities);
    EXPECT_EQ(w->status(), u"Status: Data file read"_s);
    w->txtStratifiedPlotDimensions[0]->setText(u"Segment20"_s);
    w->txtStratifiedPlotDimensions[1]->setText(u"Section10"_s);
    w->txtNumStrata->setText(u"2"_s);
    EXPECT_TRUE(w->cmdCalcStratified->isEnabled());
    // A third row counts once "Densities" is opened again.
    w->txtNumStrata->setText(u"3"_s);
    w->txtStratifiedPlotDimensions[2]->setText(u"Transect40"_s);
    EXPECT_FALSE(w->cmdCalcStratified->isEnabled());
    w->ssTabMain->setCurrentIndex(frmMainSnag::PageOptimal);
    w->ssTabMain->setCurrentIndex(frmMainSnag::PageDensities);
    EXPECT_TRUE(w->cmdCalcStratified->isEnabled());
    w->ssTabFormula->setCurrentIndex(0);
    EXPECT_TRUE(w->cmdCalcStratified->isHidden()) << "the simple page hides it";
}

TEST_F(SnagCompute, AFailingStepOrACancelLeavesNoResultsOfTheRunBefore) {
    fillSheet(*w, 0, TwoTransects);
    askStrata("2");
    askCost("1");
    askSize(0, "");
    w->cmdSubtotals_Click();
    ASSERT_EQ(w->grdOptimal[0]->text(16, 2), u"3.5"_s); // transects 4 and 3
    // An empty sheet: no statistics, no cost prompt, and nothing of the run before,
    // the lowest figures of the emptied optimal grids included.
    select(2);
    noData(u"Stratum 2");
    w->cmdSubtotals_Click();
    expectShown({w->grdStats[0]->text(1, 1), w->grdOptimal[0]->text(1, 2),
                 w->grdOptimal[0]->text(16, 2), w->grdOptimal[2]->text(1, 2),
                 w->grdSubtotal[0]->text(1, 0), w->lblLowestVariance->text(),
                 w->lblLowestTotalCost->text()},
                "_ _ _ _ _ _ _");
    // No number of strata: no subtotals, no status, headers and plot sizes written again.
    select(0);
    w->setStatus(QString());
    askStrata("");
    w->cmdSubtotals_Click();
    EXPECT_EQ(w->lblSubtotals->text(), u"Subtotals from Single"_s);
    EXPECT_EQ(w->grdSubtotal[1]->text(0, 0), u"Section Width10"_s);
    expectShown({w->status(), w->grdStats[0]->text(0, 1), w->grdOptimal[2]->text(1, 1)},
                "_ Average 125");
}

TEST_F(SnagCompute, MoreSegmentsThanSubsegmentsAndEachWidthsOwnCheckMark) {
    // No subsegment numbers: no subsegment unit at all, three segments.
    fillSheet(*w, 0,
              {{"1", "1", "1", "1", "", "1", "1", "0", "1"},
               {"1", "1", "1", "2", "", "0", "1", "0", "1"},
               {"1", "1", "2", "3", "", "1", "1", "1", "1"}});
    EXPECT_EQ(subtotalsAndStats(), u""_s);
    ASSERT_EQ(w->grdSubtotal[0]->rows(), 4);
    // Segments of width 10: 1 0 1, mean 2/3, sd sqrt(1/3).
    expectShown(columnOf(*w->grdSubtotal[0], 0, 1, 3) + columnOf(*w->grdSubtotal[0], 4, 1, 3) +
                    columnOf(*w->grdStats[0], 3, 1, 8) + rowOf(*w->grdStats[0], 5, 1, 2),
                "_ _ _ 1 0 1 | _ _ _ _ 3 3 3 3 0.667 0.577");
    // Subsegment15 ends in "5" but takes part only when width 15 is checked.
    w->WidthTexts = {u"5"_s, u"15"_s, u"25"_s, u"35"_s};
    w->SetLabels();
    fillSheet(*w, 0, TwoTransects);
    for (QAction* a : w->widthItems())
        a->setChecked(a == w->mnuWidth10);
    EXPECT_EQ(subtotalsAndStats(), u""_s);
    // Width 5 subsegments 1 0 0 1 0 0: mean 1/3, sd sqrt(4/15); transects 1 1.
    expectShown(rowOf(*w->grdStats[0], 1, 1, 3) + rowOf(*w->grdStats[1], 5, 1, 3) +
                    columnOf(*w->grdStats[0], 3, 1, 8) + columnOf(*w->grdStats[1], 3, 1, 8),
                "0.333 0.516 6 1 0 2 | 6 _ _ _ 4 _ _ _ | 3 _ _ _ 2 _ _ _");
}

TEST_F(SnagCompute, WhatCancelsTheSubtotalsLeavesNone) {
    struct Case {
        int sheet;
        std::vector<SheetRecord> records;
        const char* width30; // the title of column 8
        const char16_t *message, *title;
    } cases[] = {
        // clang-format off
        {3, {}, "Width30", u"No data found on 'Stratum 3'", u"No data"},
        // A first record without stratum; a width column missing; a flag that is no number.
        {0, {{"", "1", "1", "1", "1", "1", "1", "1", "1"}}, "Width30", u"No data found on 'Single'", u"No data"},
        {0, TwoTransects, "Width35", u"The width30 column was not found", u"Column not found"},
        {0, {{"1", "1", "1", "1", "2", "1", "", "1", "1"}}, "Width30",
         u"13 : Type mismatch - Snag Procedure 'CalculateSubtotals'", u"Error"},
        // clang-format on
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sheet);
        select(0);
        fillSheet(*w, 0, TwoTransects);
        subtotalsAndStats(); // subtotals of an earlier run
        fillSheet(*w, c.sheet, c.records);
        w->grdStratum[std::size_t(c.sheet)]->setText(0, 8, QString::fromLatin1(c.width30));
        select(c.sheet);
        message(c.message, c.title, c.title[0] == u'E' ? MsgIcon::Exclamation : MsgIcon::None);
        EXPECT_EQ(subtotalsAndStats(), u"cancel"_s);
        EXPECT_TRUE(script.done());
        EXPECT_EQ(w->grdSubtotal[0]->rows(), 2);
        expectShown(rowOf(*w->grdSubtotal[0], 1, 0, 7) + rowOf(*w->grdSubtotal[1], 1, 0, 7),
                    "_ _ _ _ _ _ _ _ | _ _ _ _ _ _ _ _");
    }
}

// The row a sheet's menu imposes, else the cheapest (Segment30), and every empty
// area asked; the refusals are the whole analysis's.
TEST_F(SnagCompute, TheChosenPlotDimensionFillsItsSheetAndEveryEmptyAreaIsAsked) {
    rating();
    impose(w->mnuSingle, 6); // Segment20; the area prompt cancelled
    askSize(0, "");
    w->DefaultSingle();
    expectShown(textsOf(w->txtPlotDimensions, w->txtAverageDensity, w->txtStdDev, w->txtSampleSize,
                        w->txtSimpleLandscapeArea),
                "Segment20 0.5 1 16 _");
    impose(w->mnuStratum1, 6); // another stratum's choice does not count
    w->txtNumStrata->setText(u"3"_s);
    w->txtStratifiedStratumSize[0]->setText(u"80"_s);
    askSize(2, "");
    askSize(3, "40.25");
    std::int16_t stratum = 2;
    w->DefaultStratified(stratum);
    // Stratum 3's 40.25 goes half to even.
    expectShown(textsOf(w->txtStratifiedStratum[1], w->txtStratifiedPlotDimensions[1],
                        w->txtStratifiedAvgDensity[1], w->txtStratifiedStdDev[1],
                        w->txtStratifiedSampleSize[1], w->txtStratifiedStratum[0],
                        w->txtStratifiedStratumSize[0], w->txtStratifiedStratumSize[1],
                        w->txtStratifiedStratumSize[2], w->txtStratifiedStratumSize[3]),
                "2 Segment30 1.25 0.8 32 _ | 80 _ 40.2 _");
    // Stratum 1 takes its own choice; without a number of strata its row is
    // written, then the sizes fail.
    w->txtNumStrata->setText(u"abc"_s);
    errorReport(u"13 : Type mismatch - Snag Procedure 'DefaultStratified'");
    stratum = 1;
    w->DefaultStratified(stratum);
    EXPECT_EQ(w->txtStratifiedPlotDimensions[0]->text(), u"Segment20"_s);
}

} // namespace
} // namespace vernalt::test
