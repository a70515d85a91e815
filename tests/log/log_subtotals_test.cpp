// Subtotals per sampling unit: the pure sums, then "Calculate Statistics" on a
// hand-made data sheet.
#include "log/log_subtotals.h"

#include "log_estimate_support.h"
#include "log_window_fixture.h"
#include "platform/grid.h"
#include "platform/value.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <array>
#include <gtest/gtest.h>
#include <vector>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

LogSheetColumns columnsOf(const GridModel& g) {
    LogSheetColumns c;
    c.value = sheetColumn(g, logValueColumnName(), true);
    for (int k = 0; k < LogLevelCount; ++k)
        c.levels[std::size_t(k)] = sheetColumn(g, logLevelColumnName(k), false);
    c.stratum = sheetColumn(g, u"stratum"_s, false);
    return c;
}

// Sums a data sheet of records written "stratum|transect|section|segment|subsegment|value".
LogSubtotals sums(const QStringList& records) {
    GridModel g;
    fillSheet(g, {});
    g.setRows(int(records.size()) + 1);
    for (int r = 0; r < records.size(); ++r) {
        const QStringList cells = records[r].split(u'|');
        for (int c = 0; c < 6; ++c)
            g.setText(r + 1, c, cells[c]);
    }
    return logSubtotals(g, columnsOf(g));
}

using Units = std::vector<double>;

// ---- Sums per unit ------------------------------------------------------------------------------

// Units per level: subsegment, segment, section, transect.
TEST(LogSubtotals, SumsPerUnit) {
    const struct {
        const char* name;
        QStringList records;
        std::array<Units, 4> units;
    } cases[] = {
        {"runs of equal keys are units",
         {u"1|1|1|1|1|1"_s, u"1|1|1|1|1|2"_s, u"1|1|1|1|2|3"_s, u"1|1|1|1|2|4"_s, u"1|1|1|1|2|5"_s},
         {Units{3, 12}, Units{15}, Units{15}, Units{15}}},
        // Subsegment 8 ends transect 1 and the records of transect 2 start again at 8;
        // then stratum 2 repeats transect 2.
        {"a transect or stratum change ends a unit",
         {u"1|1|4|4|8|1"_s, u"1|2|4|4|8|2"_s, u"2|2|4|4|8|4"_s},
         {Units{1, 2, 4}, Units{1, 2, 4}, Units{1, 2, 4}, Units{1, 2, 4}}},
        {"each value is rounded for display before it is added",
         {u"1|1|1|1|1|0.33333"_s, u"1|1|1|1|1|0.33333"_s},
         {Units{0.666}, Units{0.666}, Units{0.666}, Units{0.666}}},
        {"an empty key belongs to no unit of its level",
         {u"1|1|1|1|1|1"_s, u"1|1|1|1||10"_s, u"1|1|1|1|2|100"_s, u"1|1|1|1||1000"_s},
         {Units{1, 100}, Units{1111}, Units{1111}, Units{1111}}},
        {"a value that is no number adds nothing",
         {u"1|1|1|1|1|2"_s, u"1|1|1|1|1|"_s, u"1|1|1|1|1|n/a"_s, u"1|1|1|1|1|$1,000"_s},
         {Units{1002}, Units{1002}, Units{1002}, Units{1002}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const LogSubtotals s = sums(c.records);
        for (std::size_t level = 0; level < 4; ++level)
            EXPECT_EQ(s.units[level], c.units[level]) << "level " << level;
    }
}

TEST(LogSubtotals, TheLastValueColumnAndTheFirstKeyColumnAreRead) {
    GridModel g;
    fillSheet(g, {{u"1", u"1", u"1", u"1", u"1", u"5"}});
    g.setCols(8);
    g.setText(0, 6, u"  QUALIFY  "_s); // widened by blanks, as the sheets show it
    g.setText(1, 6, u"7"_s);
    g.setText(0, 7, u"subsegment"_s);
    EXPECT_EQ(sheetColumn(g, logValueColumnName(), true), 6);
    EXPECT_EQ(sheetColumn(g, logLevelColumnName(0), false), 4);
    EXPECT_EQ(sheetColumn(g, u"species"_s, false), -1);
    EXPECT_EQ(logSubtotals(g, columnsOf(g)).units[0], (Units{7}));
}

TEST(LogSubtotals, HeadersNameTheLevelAndItsLength) {
    EXPECT_EQ(subtotalHeader(0, 12.5f), u"Subsegment_12.5"_s);
    EXPECT_EQ(subtotalHeader(3, 400.0f), u"Transect_400"_s);
    EXPECT_EQ(subtotalHeader(1, 0.3f), u"Segment_0.3"_s);
}

// ---- The window --------------------------------------------------------------------------------

class LogSummary : public LogWindowTest {
  protected:
    frmMainLog* window() {
        frmMainLog* w = open();
        w->LevelLengths = {12.5f, 25, 50, 100};
        w->ssTabMain->setTabText(frmMainLog::PageFormula, u"Tally"_s);
        return w;
    }
    static QString cell(frmMainLog* w, int r, int c) { return w->grdSubtotals->text(r, c); }
};

TEST_F(LogSummary, SumsTheChosenSheetPerUnitOfEachLevel) {
    frmMainLog* w = window();
    fillSheet(*w->grdStratum[2]->grid(), twoTransects());
    w->optDataFound[2]->setChecked(true);
    bool cancel = false;
    w->CalculateSummaryStatistics(cancel);
    EXPECT_FALSE(cancel);
    EXPECT_EQ(w->DataSheetIndex, 2);
    EXPECT_EQ(w->lblDataSheet->text(), u"Stratum 2 (Tally)"_s);
    EXPECT_EQ(w->statusText(), u"Status: Summary Statistics calculated"_s);
    const GridModel& g = *w->grdSubtotals->grid();
    EXPECT_EQ((QList<int>{g.rows(), g.cols(), g.fixedRows(), g.fixedCols()}),
              (QList<int>{9, 4, 1, 0}));
    EXPECT_EQ(
        rowOf(w->grdSubtotals, 0).mid(0, 4),
        (QStringList{u"Subsegment_12.5"_s, u"Segment_25"_s, u"Section_50"_s, u"Transect_100"_s}));
    EXPECT_GE(g.colWidth(0), 1300) << "widened when the font needs it";
    EXPECT_GE(g.colWidth(2), 1050);
    for (int k = 0; k < 4; ++k) // no header is cut off
        EXPECT_LT(w->grdSubtotals->fontMetrics().horizontalAdvance(cell(w, 0, k)),
                  w->grdSubtotals->columnWidth(k));
    const char16_t* expected[8][4] = {{u"1", u"3", u"10", u"10"}, {u"2", u"7", u"26", u"26"},
                                      {u"3", u"11", u"", u""},    {u"4", u"15", u"", u""},
                                      {u"5", u"", u"", u""},      {u"6", u"", u"", u""},
                                      {u"7", u"", u"", u""},      {u"8", u"", u"", u""}};
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(cell(w, r + 1, c), QString::fromUtf16(expected[r][c])) << r << c;
}

TEST_F(LogSummary, ASheetWithoutDataCancelsAndKeepsTheSubtotals) {
    frmMainLog* w = window();
    fillSheet(*w->grdStratum[0]->grid(), twoTransects());
    bool cancel = false;
    w->CalculateSummaryStatistics(cancel);
    ASSERT_EQ(cell(w, 1, 0), u"1"_s);

    fillSheet(*w->grdStratum[1]->grid(), {});
    w->optDataFound[1]->setChecked(true);
    prompts_.message(u"No data found on 'Stratum 1'"_s, u"No data"_s, MsgIcon::None);
    w->CalculateSummaryStatistics(cancel);
    EXPECT_TRUE(cancel);
    EXPECT_EQ(w->grdSubtotals->rows(), 9);
    EXPECT_EQ(cell(w, 1, 0), u"1"_s);
    EXPECT_EQ(cell(w, 0, 1), u"Segment_25"_s);
}

TEST_F(LogSummary, AMissingColumnIsSaidAndLeavesCancelAlone) {
    const struct {
        const char* name;
        int column;
        QString header, message, title;
        MsgIcon icon;
    } cases[] = {
        {"the value column", 5, u"Length"_s, u"The qualify column was not found"_s,
         u"Column not found"_s, MsgIcon::None},
        {"a key column", 2, u"Sect"_s,
         u"9 : Subscript out of range - Log Procedure 'CalculateSummaryStatistics'"_s, u"Error"_s,
         MsgIcon::Exclamation},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        frmMainLog* w = window();
        GridModel& g = *w->grdStratum[0]->grid();
        fillSheet(g, twoTransects());
        g.setText(0, c.column, c.header);
        prompts_.message(c.message, c.title, c.icon);
        bool cancel = false;
        w->CalculateSummaryStatistics(cancel);
        EXPECT_FALSE(cancel);
        EXPECT_EQ(cell(w, 1, 0), u""_s);
        w->close();
        flushDeletes();
    }
}

TEST_F(LogSummary, StatisticsFollowOnTheSheetsOptimalPage) {
    frmMainLog* w = window();
    fillSheet(*w->grdStratum[0]->grid(), twoTransects());
    w->mnuMetric->setChecked(true);
    w->mnuLIM->setChecked(false);
    w->mnuSPM->setChecked(true);
    w->mnuUseLength[3]->setChecked(false);
    w->txtTvalue->setText(u"1.67"_s);
    w->txtPrecisionLevel->setText(u".2"_s);
    // Old figures of the transect level, which is not in use now.
    w->grdOptimal[0]->setText(4, 0, u"99"_s);
    w->LevelMeanMetric[0][4] = u"99"_s;
    bool cancel = false;
    w->CalculateSummaryStatistics(cancel);
    w->CalculateStats(cancel);

    EXPECT_EQ(w->ssTabOptimal->currentIndex(), 0);
    EXPECT_EQ(w->statusText(), u"Status: Stats calculated for Single/Combined (Tally)"_s);
    // Segments 3, 7, 11, 15: mean 9, s = sqrt(80 / 3) = 5.164 shown 5.16.
    EXPECT_EQ((QStringList{w->lblNum[1]->text(), w->lblAvg[1]->text(), w->lblStdDev[1]->text()}),
              (QStringList{u"4"_s, u"9"_s, u"5.16"_s}));
    // F = 10000 / (4 x 25) = 100: 900 per hectare, 364.5 per acre shown 364 (half
    // to even); variance 516^2.
    // n = (1.67 x 5.16)^2 / 1.8^2 = 74.25698 / 3.24 = 22.9188; distance 572.97;
    // 1000 - 4 x 25 = 900 remain.
    EXPECT_EQ(rowOf(w->grdOptimal[0], 2).mid(0, 5),
              (QStringList{u"9"_s, u"5.16"_s, u"900"_s, u"266256"_s, u"22.9"_s}));
    EXPECT_EQ(rowOf(w->grdOptimal2[0], 2).mid(0, 5),
              (QStringList{u"573"_s, u"1000"_s, u"4"_s, u"900"_s, u"364"_s}));
    EXPECT_EQ((QStringList{w->LevelMeanMetric[0][2], w->LevelMeanEnglish[0][2]}),
              (QStringList{u"900"_s, u"364"_s}));
    // The level not in use shows nothing, not its old figures.
    EXPECT_EQ(w->lblNum[3]->text(), u""_s);
    EXPECT_EQ(w->grdOptimal[0]->text(4, 0), u""_s);
    EXPECT_EQ(w->LevelMeanMetric[0][4], u""_s);
}

TEST_F(LogSummary, ANonNumericTValueIsReported) {
    frmMainLog* w = window();
    fillSheet(*w->grdStratum[0]->grid(), twoTransects());
    w->txtTvalue->setText(u"abc"_s);
    w->txtPrecisionLevel->setText(u".2"_s);
    prompts_.message(u"13 : Type mismatch - Log Procedure 'CalculateStats'"_s, u"Error"_s,
                     MsgIcon::Exclamation);
    bool cancel = false;
    w->CalculateSummaryStatistics(cancel);
    w->CalculateStats(cancel);
    EXPECT_EQ(w->lblNum[0]->text(), u""_s);
}

TEST_F(LogSummary, CancelLeavesTheOptimalPagesAlone) {
    frmMainLog* w = window();
    w->grdOptimal[0]->setText(1, 0, u"7"_s);
    bool cancel = true;
    w->CalculateStats(cancel);
    EXPECT_EQ(w->grdOptimal[0]->text(1, 0), u"7"_s);
}

} // namespace
} // namespace vernalt::test
