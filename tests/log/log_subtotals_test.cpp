// Subtotals per sampling unit: the pure sums, then "Calculate Statistics" and
// "Correlation", which read them, on a hand-made data sheet.
#include "log/log_subtotals.h"
#include "log/log_window_fixture.h"
#include "platform/value.h"
#include "shell/adjacent_pairs.h"
#include "shell/correlation.h"

#include <QRadioButton>

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

// The units of each level (subsegment, segment, section, transect) joined by
// blanks, the levels by "|".
QString units(const LogSubtotals& s) {
    QStringList levels;
    for (const std::vector<double>& level : s.units) {
        QStringList u;
        for (double x : level)
            u << numberText(x);
        levels << u.join(u' ');
    }
    return levels.join(u'|');
}

// Records "stratum|transect|section|segment|subsegment|value", separated by blanks.
TEST(LogSubtotals, SumsPerUnit) {
    const struct {
        const char *name, *records, *units;
    } cases[] = {
        {"runs of equal keys are units",
         "1|1|1|1|1|1 1|1|1|1|1|2 1|1|1|1|2|3 1|1|1|1|2|4 1|1|1|1|2|5", "3 12|15|15|15"},
        // Subsegment 8 ends transect 1 and the records of transect 2 start again at 8;
        // then stratum 2 repeats transect 2.
        {"a transect or stratum change ends a unit", "1|1|4|4|8|1 1|2|4|4|8|2 2|2|4|4|8|4",
         "1 2 4|1 2 4|1 2 4|1 2 4"},
        {"each value is rounded for display before it is added",
         "1|1|1|1|1|0.33333 1|1|1|1|1|0.33333", "0.666|0.666|0.666|0.666"},
        {"an empty key belongs to no unit of its level",
         "1|1|1|1|1|1 1|1|1|1||10 1|1|1|1|2|100 1|1|1|1||1000", "1 100|1111|1111|1111"},
        {"a value that is no number adds nothing; $1,000 is 1000",
         "1|1|1|1|1|2 1|1|1|1|1| 1|1|1|1|1|n/a 1|1|1|1|1|$1,000", "1002|1002|1002|1002"},
    };
    for (const auto& c : cases) {
        GridModel g;
        fillSheet(g, QString::fromLatin1(c.records).split(u' '));
        EXPECT_EQ(units(logSubtotals(g, columnsOf(g))), QLatin1String(c.units)) << c.name;
    }
}

TEST(LogSubtotals, TheLastValueColumnAndTheFirstKeyColumnAreRead) {
    GridModel g;
    fillSheet(g, {u"1|1|1|1|1|5"_s});
    g.setCols(8);
    g.setText(0, 6, u"  QUALIFY  "_s); // widened by blanks, as the sheets show it
    g.setText(1, 6, u"7"_s);
    g.setText(0, 7, u"subsegment"_s);
    EXPECT_EQ(logSubtotals(g, columnsOf(g)).units[0], (std::vector<double>{7}));
}

TEST(LogSubtotals, ALevelEndsAtTheFirstCellWithoutANumber) {
    GridModel g;
    fillSheet(g, {u"|||||"_s, u"||||2|"_s, u"||||x|"_s, u"||||4|"_s});
    g.setNumber(1, 4, 1.5);
    EXPECT_EQ(levelSubtotals(g, 4), (std::vector<double>{1.5, 2}));
    EXPECT_TRUE(levelSubtotals(g, 6).empty()) << "a level the grid has no column for";
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

// A sheet without data leaves the subtotals of the sheet before, headers and all.
TEST_F(LogSummary, SumsTheChosenSheetPerUnitAndKeepsThemForASheetWithoutData) {
    frmMainLog* w = window();
    fillSheet(*w->grdStratum[2]->grid(), twoTransects());
    w->optDataFound[2]->setChecked(true);
    EXPECT_FALSE(calculate(w, false));
    EXPECT_EQ(w->lblDataSheet->text(), u"Stratum 2 (Tally)"_s);
    const QString sums =
        u"Subsegment_12.5|Segment_25|Section_50|Transect_100 2|7|26|26 4|15|| 8|||"_s;
    const auto shown = [w]() -> QString {
        return rowOf(w->grdSubtotals, 0, 4) + u' ' + rowOf(w->grdSubtotals, 2, 4) + u' ' +
               rowOf(w->grdSubtotals, 4, 4) + u' ' + rowOf(w->grdSubtotals, 8, 4);
    };
    EXPECT_EQ(shown(), sums);
    for (int k = 0; k < 4; ++k) // no header is cut off
        EXPECT_LT(w->grdSubtotals->fontMetrics().horizontalAdvance(w->grdSubtotals->text(0, k)),
                  w->grdSubtotals->columnWidth(k));

    fillSheet(*w->grdStratum[1]->grid(), {});
    w->optDataFound[1]->setChecked(true);
    prompts_.message(u"No data found on 'Stratum 1'"_s, u"No data"_s, MsgIcon::None);
    EXPECT_TRUE(calculate(w, false));
    EXPECT_EQ(shown(), sums);
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
        closeWindow(w);
    }
}

// The figures are worked in log_stats_test and the end-to-end runs; here what
// the window keeps and empties.
TEST_F(LogSummary, StatisticsEmptyALevelNotInUseAndACancelledRunKeepsThem) {
    frmMainLog* w = window();
    w->mnuUseLength[3]->setChecked(false);
    w->grdOptimal[0]->setText(4, 0, u"99"_s);
    w->LevelMeanMetric[0][4] = u"99"_s;
    bool cancel = true;
    w->CalculateStats(cancel);
    EXPECT_EQ(w->grdOptimal[0]->text(4, 0), u"99"_s);
    calculate(w);
    EXPECT_EQ(w->statusText(), u"Status: Stats calculated for Single/Combined (Tally)"_s);
    EXPECT_EQ(w->lblNum[1]->text(), u"4"_s);
    EXPECT_EQ(w->lblNum[3]->text() + w->grdOptimal[0]->text(4, 0) + w->LevelMeanMetric[0][4],
              u""_s);

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
