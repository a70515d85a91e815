// Subtotals and statistics per plot dimension of the snag window, on sheets
// written straight into the data grids.
#include "data_sheet.h"
#include "snag_window_fixture.h"

#include <QAction>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

// Two transects of stratum 1; subsegment 3 ends transect 1 and starts transect 2.
const std::vector<SheetRecord> TwoTransects = {
    {"1", "1", "1", "1", "1", "1", "1", "1", "1"}, {"1", "1", "1", "1", "1", "0", "1", "1", "1"},
    {"1", "1", "1", "1", "2", "0", "0", "1", "1"}, {"1", "1", "1", "2", "3", "0", "1", "0", "1"},
    {"1", "2", "1", "2", "3", "1", "1", "1", "1"}, {"1", "2", "1", "2", "4", "0", "0", "0", "1"},
    {"1", "2", "2", "3", "5", "0", "0", "1", "1"},
};

// A grid's rows 1 and below, cells joined by " " and rows by " / ", "-" for an
// empty cell.
QString body(const Grid* g, int firstCol, int lastCol) {
    QStringList rows;
    for (int r = 1; r < g->rows(); ++r) {
        QStringList cells;
        for (int c = firstCol; c <= lastCol; ++c)
            cells << (g->text(r, c).isEmpty() ? u"-"_s : g->text(r, c));
        rows << cells.join(u' ');
    }
    return rows.join(u" / "_s);
}

class SnagStats : public SnagWindowTest {
  protected:
    frmMainSnag* w = open();

    // CalculateSubtotals then, unless it cancelled, CalculateStats; the result text.
    QString run() {
        QString result;
        w->CalculateSubtotals(result);
        if (result != u"cancel"_s)
            w->CalculateStats();
        return result;
    }
    void expectStats(int g, int row, const char* mean, const char* sd, const char* n) {
        EXPECT_EQ(w->grdStats[g]->text(row, 1), QString::fromLatin1(mean)) << g << " " << row;
        EXPECT_EQ(w->grdStats[g]->text(row, 2), QString::fromLatin1(sd)) << g << " " << row;
        EXPECT_EQ(w->grdStats[g]->text(row, 3), QString::fromLatin1(n)) << g << " " << row;
    }
    void expectNoStats(int g, int row) { expectStats(g, row, "", "", ""); }
};

TEST_F(SnagStats, SubtotalsThenMeanSdAndCountOfEachPlotDimension) {
    fillSheet(*w, 0, TwoTransects);
    EXPECT_EQ(run(), u""_s);
    EXPECT_EQ(w->status(), u"Status: Subtotals calculated"_s);
    // Subsegments (6 units: subsegment 3 of transect 1 and of transect 2 are two)
    // and segments (4 units) in grid 0.
    ASSERT_EQ(w->grdSubtotal[0]->rows(), 7);
    EXPECT_EQ(body(w->grdSubtotal[0], 0, 3),
              u"1 2 2 2 / 0 0 1 1 / 0 1 0 1 / 1 1 1 1 / 0 0 0 1 / 0 0 1 1"_s);
    EXPECT_EQ(body(w->grdSubtotal[0], 4, 7),
              u"1 2 3 3 / 0 1 0 1 / 1 1 1 2 / 0 0 1 1 / - - - - / - - - -"_s);
    // Sections (3 units) and transects (2 units) in grid 1.
    ASSERT_EQ(w->grdSubtotal[1]->rows(), 4);
    EXPECT_EQ(body(w->grdSubtotal[1], 0, 3), u"1 3 3 4 / 1 1 1 2 / 0 0 1 1"_s);
    EXPECT_EQ(body(w->grdSubtotal[1], 4, 7), u"1 3 3 4 / 1 1 2 3 / - - - -"_s);
    // Headers stay as SetLabels wrote them.
    EXPECT_EQ(w->grdSubtotal[0]->text(0, 4), u"Segment Width10"_s);

    // Worked out from the subtotals above: mean = sum / N, sd with divisor N - 1,
    // both through the display rounding.
    expectStats(0, 1, "0.333", "0.516", "6"); // 1 0 0 1 0 0: sd sqrt(4/15)
    expectStats(0, 4, "1.17", "0.408", "6");  // 2 1 1 1 1 1: sd sqrt(1/6)
    expectStats(0, 7, "1.25", "1.26", "4");   // 3 0 1 1: sd sqrt(4.75/3)
    expectStats(1, 2, "1.33", "1.53", "3");   // 3 1 0: sd sqrt(7/3)
    expectStats(1, 5, "1", "0", "2");         // 1 1
    expectStats(1, 8, "3.5", "0.707", "2");   // 4 3
    EXPECT_EQ(w->grdStats[0]->text(4, 0), u"Subsegment40"_s);

    const int counts[17] = {0, 6, 6, 6, 6, 4, 4, 4, 4, 3, 3, 3, 3, 2, 2, 2, 2};
    for (int i = 1; i <= 16; ++i)
        EXPECT_EQ(w->PlotCounts[std::size_t(i)], counts[i]) << i;
    // grdOptimal(0) row p + 1 holds the shown mean and sd of plot dimension p.
    EXPECT_EQ(w->grdOptimal[0]->text(4, 2), u"1.17"_s);
    EXPECT_EQ(w->grdOptimal[0]->text(10, 3), u"1.53"_s); // Section20
}

TEST_F(SnagStats, EachDimensionFollowsItsOwnWidthsCheckMark) {
    // Width texts of which one ends another: Subsegment15 ends in "5" but takes
    // part only when width 15 is checked.
    w->WidthTexts = {u"5"_s, u"15"_s, u"25"_s, u"35"_s};
    w->SetLabels();
    fillSheet(*w, 0, TwoTransects);
    for (QAction* a : w->widthItems())
        a->setChecked(false);
    w->mnuWidth10->setChecked(true);
    run();
    EXPECT_EQ(w->grdStats[0]->text(2, 0), u"Subsegment15"_s);
    expectStats(0, 1, "0.333", "0.516", "6");
    for (int row : {2, 3, 4, 6, 7, 8})
        expectNoStats(0, row);
    expectStats(1, 5, "1", "0", "2");
    expectNoStats(1, 6);
}

TEST_F(SnagStats, MoreUnitsInTheSecondLevelGrowTheGridAndNoUnitIsSkipped) {
    // No subsegment numbers: no subsegment unit at all, three segments.
    fillSheet(*w, 0,
              {{"1", "1", "1", "1", "", "1", "1", "0", "1"},
               {"1", "1", "1", "2", "", "0", "1", "0", "1"},
               {"1", "1", "2", "3", "", "1", "1", "1", "1"}});
    EXPECT_EQ(run(), u""_s);
    ASSERT_EQ(w->grdSubtotal[0]->rows(), 4);
    EXPECT_EQ(body(w->grdSubtotal[0], 0, 3), u"- - - - / - - - - / - - - -"_s);
    EXPECT_EQ(body(w->grdSubtotal[0], 4, 7), u"1 1 0 1 / 0 1 0 1 / 1 1 1 1"_s);
    for (int row = 1; row <= 4; ++row)
        expectNoStats(0, row);
    for (int p = 0; p < 4; ++p)
        EXPECT_EQ(w->PlotCounts[std::size_t(p + 1)], 0);
    expectStats(0, 5, "0.667", "0.577", "3");
    expectStats(0, 6, "1", "0", "3");
    expectStats(1, 5, "2", "0", "1");
}

TEST_F(SnagStats, WhatCancelsLeavesNoSubtotals) {
    struct Case {
        const char* what;
        int sheet;
        std::vector<SheetRecord> records;
        const char* width30; // the title of column 8
        const char *message, *title;
        MsgIcon icon;
    } cases[] = {
        {"an empty stratum sheet",
         3,
         {},
         "Width30",
         "No data found on 'Stratum 3'",
         "No data",
         MsgIcon::None},
        {"a first record without stratum",
         0,
         {{"", "1", "1", "1", "1", "1", "1", "1", "1"},
          {"1", "1", "1", "1", "1", "1", "1", "1", "1"}},
         "Width30",
         "No data found on 'Single'",
         "No data",
         MsgIcon::None},
        {"a missing width column", 0, TwoTransects, "Width35", "The width30 column was not found",
         "Column not found", MsgIcon::None},
        {"a flag that is no number",
         0,
         {{"1", "1", "1", "1", "1", "1", "1", "1", "1"},
          {"1", "1", "1", "1", "2", "1", "", "1", "1"}},
         "Width30",
         "13 : Type mismatch - Snag Procedure 'CalculateSubtotals'",
         "Error",
         MsgIcon::Exclamation},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        w->optStratum[0]->setChecked(true);
        fillSheet(*w, 0, TwoTransects);
        run(); // subtotals of an earlier run
        fillSheet(*w, c.sheet, c.records);
        w->grdStratum[std::size_t(c.sheet)]->setText(0, 8, QString::fromLatin1(c.width30));
        w->optStratum[std::size_t(c.sheet)]->setChecked(true);
        script.message(QString::fromLatin1(c.message), QString::fromLatin1(c.title), c.icon);
        EXPECT_EQ(run(), u"cancel"_s);
        EXPECT_TRUE(script.done());
        EXPECT_EQ(w->grdSubtotal[0]->rows(), 2);
        EXPECT_EQ(body(w->grdSubtotal[0], 0, 7), u"- - - - - - - -"_s) << "nothing half-written";
        EXPECT_EQ(body(w->grdSubtotal[1], 0, 7), u"- - - - - - - -"_s);
    }
}

} // namespace
} // namespace vernalt::test
