// Subtotals per sampling unit: the pure sums, then "Calculate Statistics" and
// "Correlation", which read them, on a hand-made data sheet.
#include "log/log_subtotals.h"
#include "shell/adjacent_pairs.h"
#include "shell/correlation.h"

#include "log_estimate_support.h"
#include "log_window_fixture.h"
#include "platform/grid.h"

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

using Units = std::vector<double>;

// Units per level: subsegment, segment, section, transect; the records are
// written "stratum|transect|section|segment|subsegment|value".
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
        GridModel g;
        fillSheet(g, {});
        g.setRows(int(c.records.size()) + 1);
        for (int r = 0; r < c.records.size(); ++r)
            for (int col = 0; col < 6; ++col)
                g.setText(r + 1, col, c.records[r].split(u'|')[col]);
        const LogSubtotals s = logSubtotals(g, columnsOf(g));
        for (std::size_t level = 0; level < 4; ++level)
            EXPECT_EQ(s.units[level], c.units[level]) << c.name << ", level " << level;
    }
}

TEST(LogSubtotals, TheLastValueColumnAndTheFirstKeyColumnAreRead) {
    GridModel g;
    fillSheet(g, {{u"1", u"1", u"1", u"1", u"1", u"5"}});
    g.setCols(8);
    g.setText(0, 6, u"  QUALIFY  "_s); // widened by blanks, as the sheets show it
    g.setText(1, 6, u"7"_s);
    g.setText(0, 7, u"subsegment"_s);
    EXPECT_EQ(logSubtotals(g, columnsOf(g)).units[0], (Units{7}));
}

TEST(LogSubtotals, ALevelEndsAtTheFirstCellWithoutANumber) {
    GridModel g;
    g.setRows(5);
    g.setCols(2);
    g.setNumber(1, 1, 1.5);
    g.setText(2, 1, u"2"_s);
    g.setText(3, 1, u"x"_s);
    g.setText(4, 1, u"4"_s);
    EXPECT_EQ(levelSubtotals(g, 1), (Units{1.5, 2}));
    EXPECT_TRUE(levelSubtotals(g, 2).empty()) << "a level the grid has no column for";
}

class LogSummary : public LogWindowTest {
  protected:
    frmMainLog* window() {
        frmMainLog* w = open();
        w->LevelLengths = {12.5f, 25, 50, 100};
        w->ssTabMain->setTabText(frmMainLog::PageFormula, u"Tally"_s);
        fillSheet(*w->grdStratum[0]->grid(), twoTransects());
        w->txtTvalue->setText(u"1.67"_s); // as after opening a data file
        w->txtPrecisionLevel->setText(u".2"_s);
        return w;
    }
    // "Calculate Statistics": the subtotals, then the statistics; true when cancelled.
    static bool calculate(frmMainLog* w, bool stats = true) {
        bool cancel = false;
        w->CalculateSummaryStatistics(cancel);
        if (stats)
            w->CalculateStats(cancel);
        return cancel;
    }
};

TEST_F(LogSummary, SumsTheChosenSheetPerUnitOfEachLevelAndKeepsThemForASheetWithoutData) {
    frmMainLog* w = window();
    fillSheet(*w->grdStratum[2]->grid(), twoTransects());
    w->optDataFound[2]->setChecked(true);
    EXPECT_FALSE(calculate(w, false));
    EXPECT_EQ(w->lblDataSheet->text(), u"Stratum 2 (Tally)"_s);
    EXPECT_EQ(w->grdSubtotals->rows(), 9);
    const QString headers = u"Subsegment_12.5|Segment_25|Section_50|Transect_100"_s;
    EXPECT_EQ(rowOf(w->grdSubtotals, 0, 4), headers);
    for (int k = 0; k < 4; ++k) // no header is cut off
        EXPECT_LT(w->grdSubtotals->fontMetrics().horizontalAdvance(w->grdSubtotals->text(0, k)),
                  w->grdSubtotals->columnWidth(k));
    EXPECT_EQ(rowOf(w->grdSubtotals, 2, 4), u"2|7|26|26"_s);
    EXPECT_EQ(rowOf(w->grdSubtotals, 4, 4), u"4|15||"_s);
    EXPECT_EQ(rowOf(w->grdSubtotals, 8, 4), u"8|||"_s);

    fillSheet(*w->grdStratum[1]->grid(), {});
    w->optDataFound[1]->setChecked(true);
    prompts_.message(u"No data found on 'Stratum 1'"_s, u"No data"_s, MsgIcon::None);
    EXPECT_TRUE(calculate(w, false));
    EXPECT_EQ(w->grdSubtotals->rows(), 9);
    EXPECT_EQ(rowOf(w->grdSubtotals, 0, 4), headers);
    EXPECT_EQ(rowOf(w->grdSubtotals, 2, 4), u"2|7|26|26"_s);
}

TEST_F(LogSummary, AMissingColumnIsSaidAndLeavesCancelAlone) {
    const struct {
        int column;
        QString header, message, title;
        MsgIcon icon;
    } cases[] = {
        {5, u"Length"_s, u"The qualify column was not found"_s, u"Column not found"_s,
         MsgIcon::None},
        {2, u"Sect"_s, u"9 : Subscript out of range - Log Procedure 'CalculateSummaryStatistics'"_s,
         u"Error"_s, MsgIcon::Exclamation},
    };
    for (const auto& c : cases) {
        frmMainLog* w = window();
        w->grdStratum[0]->setText(0, c.column, c.header);
        prompts_.message(c.message, c.title, c.icon);
        EXPECT_FALSE(calculate(w, false)) << c.column;
        EXPECT_EQ(w->grdSubtotals->text(1, 0), u""_s);
        w->close();
        flushDeletes();
    }
}

TEST_F(LogSummary, StatisticsFollowOnTheSheetsOptimalPage) {
    frmMainLog* w = window();
    w->mnuLIM->setChecked(false);
    w->mnuSPM->setChecked(true);
    w->mnuUseLength[3]->setChecked(false);
    // Old figures of the transect level, which is not in use now; a cancelled
    // run leaves them alone.
    w->grdOptimal[0]->setText(4, 0, u"99"_s);
    w->LevelMeanMetric[0][4] = u"99"_s;
    bool cancel = true;
    w->CalculateStats(cancel);
    EXPECT_EQ(w->grdOptimal[0]->text(4, 0), u"99"_s);
    calculate(w);

    EXPECT_EQ(w->statusText(), u"Status: Stats calculated for Single/Combined (Tally)"_s);
    // Segments 3, 7, 11, 15: mean 9, s = sqrt(80 / 3) = 5.164 shown 5.16.
    EXPECT_EQ(joinedTexts({w->lblNum[1], w->lblAvg[1], w->lblStdDev[1]}), u"4|9|5.16"_s);
    // F = 10000 / (4 x 25) = 100: 900 per hectare, 364.5 per acre shown 364 (half
    // to even); variance 516^2.
    // n = (1.67 x 5.16)^2 / 1.8^2 = 74.25698 / 3.24 = 22.9188; distance 572.97;
    // 1000 - 4 x 25 = 900 remain.
    EXPECT_EQ(rowOf(w->grdOptimal[0], 2, 5), u"9|5.16|900|266256|22.9"_s);
    EXPECT_EQ(rowOf(w->grdOptimal2[0], 2, 5), u"573|1000|4|900|364"_s);
    EXPECT_EQ(w->LevelMeanMetric[0][2] + u'|' + w->LevelMeanEnglish[0][2], u"900|364"_s);
    // The level not in use shows nothing, not its old figures.
    EXPECT_EQ(w->lblNum[3]->text() + w->grdOptimal[0]->text(4, 0) + w->LevelMeanMetric[0][4],
              u""_s);
}

TEST_F(LogSummary, ANonNumericTValueIsReported) {
    frmMainLog* w = window();
    w->txtTvalue->setText(u"abc"_s);
    prompts_.message(u"13 : Type mismatch - Log Procedure 'CalculateStats'"_s, u"Error"_s,
                     MsgIcon::Exclamation);
    calculate(w);
    EXPECT_EQ(w->lblNum[0]->text(), u""_s);
}

TEST_F(LogSummary, CorrelationPairsAdjacentUnitsWithinEachTransect) {
    const QString ask = correlationLevelPrompt(), title = u"Correlation Length"_s;
    frmMainLog* w = window();
    // Asked again until the answer is a level: two pairs of segments (3, 7 and
    // 11, 15) are too few.
    prompts_.input(ask, title, u"Transect"_s)
        .input(ask, title, u"SEGMENT"_s)
        .message(u"At least three pairs of adjacent units are needed to compute a correlation."_s,
                 u"Too few pairs"_s, MsgIcon::None);
    w->cmdCorrelation_Click();
    EXPECT_EQ(CorrelationPairs.rows(), 2);

    // Subsegments 1 to 4 and 5 to 8: 3 + 3 pairs (x, x + 1), r = 1; the pair
    // (4, 5) across the transects is none.
    prompts_.input(ask, title, u"Subsegment"_s)
        .message(u"r=1\r\nr^2=1"_s, QString(), MsgIcon::None);
    w->cmdCorrelation->click();
    EXPECT_EQ(CorrelationPairs.rows(), 6);

    // Cancel keeps the statistics just refreshed.
    w->lblNum[0]->clear();
    prompts_.input(ask, title, QString());
    w->cmdCorrelation_Click();
    EXPECT_EQ(w->lblNum[0]->text(), u"8"_s);

    // A sheet without data asks nothing.
    w->grdStratum[0]->clear();
    prompts_.message(u"No data found on 'Single/Combined'"_s, u"No data"_s, MsgIcon::None);
    w->cmdCorrelation_Click();
}

} // namespace
} // namespace vernalt::test
