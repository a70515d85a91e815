// Subtotals per sampling unit and statistics per plot dimension of the snag
// window, from records of table Snags shown on its data sheets: the grids they
// fill, the width check marks that choose the plot dimensions, the marks read as
// they are shown, and every fault that leaves no subtotals behind.
#include "snag_window_support.h"
#include "support/texts.h"

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

// Two transects; subsegment 3 ends transect 1 and starts transect 2. The sheet
// shows Segment = subsegment / 2 and Section = segment field / 2, rounded up:
//   id  transect  section  segment  subsegment  marks
//   1   1         1        1        1           1 1 1 1
//   2   1         1        1        1           0 1 1 1
//   3   1         1        1        2           0 0 1 1
//   4   1         1        2        3           0 1 0 1
//   5   2         1        2        3           1 1 1 1
//   6   2         1        2        4           0 0 0 1
//   7   2         2        3        5           0 0 1 1
const std::vector<Placed> TwoTransects = {
    {1, 1, 1, {"1", "1", "1", "1"}}, {1, 1, 1, {"0", "1", "1", "1"}},
    {1, 1, 2, {"0", "0", "1", "1"}}, {1, 2, 3, {"0", "1", "0", "1"}},
    {2, 2, 3, {"1", "1", "1", "1"}}, {2, 2, 4, {"0", "0", "0", "1"}},
    {2, 3, 5, {"0", "0", "1", "1"}},
};

class SnagStats : public SnagSheetTest {
  protected:
    // CalculateSubtotals then, unless it cancelled, CalculateStats; the result text.
    QString run() {
        QString result;
        w->CalculateSubtotals(result);
        if (result != u"cancel"_s)
            w->CalculateStats();
        return result;
    }
    // Rows 1 and below of a grid, columns `from` to `to`, "_" for an empty cell.
    static QStringList body(const Grid* g, int from, int to) {
        QStringList rows;
        for (int r = 1; r < g->rows(); ++r) {
            QStringList cells = rowOf(*g, r, from, to);
            for (QString& c : cells)
                if (c.isEmpty())
                    c = u"_"_s;
            rows << cells.join(u' ');
        }
        return rows;
    }
    // Mean, deviation and count of a statistics row, "_" for an empty cell.
    QString stats(int g, int row) { return body(w->grdStats[std::size_t(g)], 1, 3)[row - 1]; }
};

TEST_F(SnagStats, SubtotalsThenMeanDeviationAndCountOfEachPlotDimension) {
    insertPlaced(TwoTransects);
    EXPECT_EQ(run(), QString());
    EXPECT_EQ(w->status(), u"Status: Subtotals calculated"_s);
    // Grid 0: six subsegment units (subsegment 3 of each transect is a unit of
    // its own) and four segment units; grid 1: three sections and two transects.
    EXPECT_EQ(body(w->grdSubtotal[0], 0, 7),
              QStringList({u"1 2 2 2 1 2 3 3"_s, u"0 0 1 1 0 1 0 1"_s, u"0 1 0 1 1 1 1 2"_s,
                           u"1 1 1 1 0 0 1 1"_s, u"0 0 0 1 _ _ _ _"_s, u"0 0 1 1 _ _ _ _"_s}));
    EXPECT_EQ(body(w->grdSubtotal[1], 0, 7),
              QStringList({u"1 3 3 4 1 3 3 4"_s, u"1 1 1 2 1 1 2 3"_s, u"0 0 1 1 _ _ _ _"_s}));
    EXPECT_EQ(w->grdSubtotal[0]->text(0, 4), u"Segment Width10"_s) << "headers kept";

    // mean = sum / N, deviation with divisor N - 1, both display-rounded.
    EXPECT_EQ(stats(0, 1), u"0.333 0.516 6"_s); // 1 0 0 1 0 0: sqrt((2 - 6/9) / 5)
    EXPECT_EQ(stats(0, 4), u"1.17 0.408 6"_s);  // 2 1 1 1 1 1: sqrt((9 - 49/6) / 5)
    EXPECT_EQ(stats(0, 7), u"1.25 1.26 4"_s);   // 3 0 1 1: sqrt((11 - 25/4) / 3)
    EXPECT_EQ(stats(1, 2), u"1.33 1.53 3"_s);   // 3 1 0: sqrt((10 - 16/3) / 2)
    EXPECT_EQ(stats(1, 5), u"1 0 2"_s);         // 1 1
    EXPECT_EQ(stats(1, 8), u"3.5 0.707 2"_s);   // 4 3: sqrt(0.5)
    // grdOptimal(0) row p + 1 holds the shown mean and deviation of plot dimension p.
    EXPECT_EQ(rowOf(*w->grdOptimal[0], 4, 2, 3), QStringList({u"1.17"_s, u"0.408"_s}));
    EXPECT_EQ(rowOf(*w->grdOptimal[0], 10, 2, 3), QStringList({u"1.33"_s, u"1.53"_s}));
    const std::array<int, 17> counts = {0, 6, 6, 6, 6, 4, 4, 4, 4, 3, 3, 3, 3, 2, 2, 2, 2};
    EXPECT_EQ(w->PlotCounts, counts);
}

TEST_F(SnagStats, OnlyTheCheckedWidthsTakePart) {
    insertPlaced(TwoTransects);
    // A click clears a checked width; "All Widths" checks the four again.
    w->mnuWidth20->trigger();
    w->mnuWidth40->trigger();
    run();
    // Subsegment30: 2 1 0 1 0 1, sd sqrt((7 - 25/6) / 5); Transect30: 3 2.
    EXPECT_EQ(QStringList({stats(0, 1), stats(0, 2), stats(0, 3), stats(0, 4), stats(1, 7)}),
              QStringList({u"0.333 0.516 6"_s, u"_ _ _"_s, u"0.833 0.753 6"_s, u"_ _ _"_s,
                           u"2.5 0.707 2"_s}));
    EXPECT_EQ(w->PlotCounts[2], 0);
    EXPECT_EQ(rowOf(*w->grdOptimal[0], 2, 2, 3), QStringList({QString(), QString()}));
    w->mnuWidth10->trigger();
    w->mnuWidth30->trigger();
    w->mnuWidth20->trigger(); // a second click checks it again
    run();
    // Subsegment20: 2 0 1 1 0 0, sd sqrt((6 - 16/6) / 5).
    EXPECT_EQ(QStringList({stats(0, 1), stats(0, 2), stats(0, 3)}),
              QStringList({u"_ _ _"_s, u"0.667 0.816 6"_s, u"_ _ _"_s}));
    w->mnuAllWidths->trigger();
    run();
    EXPECT_EQ(QStringList({stats(0, 1), stats(0, 4)}),
              QStringList({u"0.333 0.516 6"_s, u"1.17 0.408 6"_s}));
}

// Records without subsegment numbers belong to no subsegment or segment (the
// sheet's segment is half the subsegment): those plot dimensions get no
// statistics; sections and transects still do.
TEST_F(SnagStats, ALevelWithoutUnitsHasNoStatistics) {
    insertPlaced(TwoTransects);
    for (int r = 1; r <= 7; ++r) {
        sheet(0).setText(r, 4, QString());
        sheet(0).setText(r, 5, QString());
    }
    run();
    EXPECT_EQ(QStringList({stats(0, 1), stats(0, 8), stats(1, 2), stats(1, 5)}),
              QStringList({u"_ _ _"_s, u"_ _ _"_s, u"1.33 1.53 3"_s, u"1 0 2"_s}));
    EXPECT_EQ(w->PlotCounts[1] + w->PlotCounts[8], 0);
}

// The marks are read as the sheet shows them, cleaned and display-rounded:
// "1,0" is 10 (a thousands separator), "$1" is 1, 0.33333 is 0.333.
TEST_F(SnagStats, MarksAreReadCleanedAndRounded) {
    insertPlaced({{1, 1, 1, {"1", "0", "1", "1"}}, {1, 1, 1, {"1", "0", "1", "1"}}});
    GridModel& g = sheet(0);
    const std::array<std::array<const char*, 4>, 2> shown = {
        {{"1,0", "0.33333", " 2 ", "1"}, {"$1", "0.33333", "1", "1"}}};
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 4; ++c)
            g.setText(r + 1, 6 + c, QString::fromLatin1(shown[std::size_t(r)][std::size_t(c)]));
    run();
    EXPECT_EQ(body(w->grdSubtotal[0], 0, 3), QStringList({u"11 0.666 3 2"_s}));
    EXPECT_EQ(stats(0, 2), u"0.666 0 1"_s);
}

TEST_F(SnagStats, WhatStopsTheSubtotalsLeavesNone) {
    const QString noSingle = u"No data found on 'Single'"_s;
    struct Case {
        const char* what;
        std::vector<Placed> records;
        std::function<void(GridModel&)> edit; // of sheet 0 after it is filled
        QString message, title;
        MsgIcon icon;
    } cases[] = {
        {"records never marked (\"Multiple\" not run)",
         {{1, 1, 1, {"", "", "", ""}}},
         {},
         u"13 : Type mismatch - Snag Procedure 'CalculateSubtotals'"_s,
         u"Error"_s,
         MsgIcon::Exclamation},
        {"a mark that is no number on the last row", TwoTransects,
         [](GridModel& g) { g.setText(7, 9, u"yes"_s); },
         u"13 : Type mismatch - Snag Procedure 'CalculateSubtotals'"_s, u"Error"_s,
         MsgIcon::Exclamation},
        {"a first record without stratum", TwoTransects,
         [](GridModel& g) { g.setText(1, 0, QString()); }, noSingle, u"No data"_s, MsgIcon::None},
        {"a missing width column", TwoTransects,
         [](GridModel& g) { g.setText(0, 8, u"Width35"_s); }, u"The width30 column was not found"_s,
         u"Column not found"_s, MsgIcon::None},
        {"a missing level column", TwoTransects, [](GridModel& g) { g.setText(0, 3, u"Part"_s); },
         u"9 : Subscript out of range - Snag Procedure 'CalculateSubtotals'"_s, u"Error"_s,
         MsgIcon::Exclamation},
        {"an empty sheet", {}, {}, noSingle, u"No data"_s, MsgIcon::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        insertPlaced(TwoTransects);
        ASSERT_EQ(run(), QString()); // subtotals and statistics of an earlier run
        insertPlaced(c.records);
        if (c.edit)
            c.edit(sheet(0));
        w->setStatus(u"Status: Data file read"_s);
        script.message(c.message, c.title, c.icon);
        EXPECT_EQ(run(), u"cancel"_s);
        EXPECT_TRUE(script.done());
        EXPECT_EQ(body(w->grdSubtotal[0], 0, 7), QStringList{u"_ _ _ _ _ _ _ _"_s});
        EXPECT_EQ(body(w->grdSubtotal[1], 0, 7), QStringList{u"_ _ _ _ _ _ _ _"_s});
        EXPECT_EQ(w->status(), u"Status: Data file read"_s);
    }
}

} // namespace
} // namespace vernalt::test
