// Subtotals per sampling unit: the pure sums, then "Calculate Statistics" and
// "Correlation", which read them, on a hand-made data sheet.
#include "log/log_correlation.h"
#include "log/log_subtotals.h"
#include "log_window_fixture.h"
#include "platform/value.h"
#include "shell/adjacent_pairs.h"
#include "shell/correlation.h"

#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

// A data sheet as the sheet queries lay it out, from records written
// "stratum|transect|section|segment|subsegment|value".
void fillSheet(GridModel& g, const QStringList& records) {
    g.clear();
    g.setFixedCols(0);
    g.setRows(int(records.size()) + 1);
    g.setCols(6);
    const QStringList headers =
        u"Stratum|Transect|Section|Segment|Subsegment|Qualify"_s.split(u'|');
    for (int r = 0; r <= records.size(); ++r)
        for (int c = 0; c < 6; ++c)
            g.setText(r, c, (r == 0 ? headers : records[r - 1].split(u'|'))[c]);
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
// Where runs of keys end is the shared units' (tests/shell/sampling_units_test).
TEST(LogSubtotals, SumsPerUnit) {
    const struct {
        const char *name, *records, *units;
    } cases[] = {
        {"runs of equal keys are units",
         "1|1|1|1|1|1 1|1|1|1|1|2 1|1|1|1|2|3 1|1|1|1|2|4 1|1|1|1|2|5", "3 12|15|15|15"},
        {"each value is rounded for display before it is added",
         "1|1|1|1|1|0.33333 1|1|1|1|1|0.33333", "0.666|0.666|0.666|0.666"},
        {"a value that is no number adds nothing; $1,000 is 1000",
         "1|1|1|1|1|2 1|1|1|1|1| 1|1|1|1|1|n/a 1|1|1|1|1|$1,000", "1002|1002|1002|1002"},
    };
    for (const auto& c : cases) {
        GridModel g;
        fillSheet(g, QString::fromLatin1(c.records).split(u' '));
        EXPECT_EQ(units(logSubtotals(g, logSheetColumns(g))), QLatin1String(c.units)) << c.name;
    }
}

// The last value column and the first key column are read; grdSubtotals is read
// back down to the first cell without a number.
TEST(LogSubtotals, TheColumnsReadAndTheSubtotalsReadBack) {
    GridModel g;
    fillSheet(g, {u"1|1|1|1|1|5"_s});
    g.setCols(8);
    g.setText(0, 6, u"  QUALIFY  "_s); // widened by blanks, as the sheets show it
    g.setText(1, 6, u"7"_s);
    g.setText(0, 7, u"subsegment"_s);
    EXPECT_EQ(logSubtotals(g, logSheetColumns(g)).units[0], (std::vector<double>{7}));
    fillSheet(g, {u"|||||"_s, u"||||2|"_s, u"||||x|"_s, u"||||4|"_s});
    g.setNumber(1, 4, 1.5);
    EXPECT_EQ(levelSubtotals(g, 4), (std::vector<double>{1.5, 2}));
    EXPECT_TRUE(levelSubtotals(g, 6).empty()) << "a level the grid has no column for";
}

// A header names the level and its length as the user typed it; the
// coefficient shows like every shown figure (a negative keeps 4 decimals).
TEST(LogSubtotals, HeadersAndTheCorrelationText) {
    EXPECT_EQ(subtotalHeader(1, 0.3f), u"Segment_0.3"_s);
    EXPECT_EQ(logCorrelationText(0.85674), u"r=0.857\r\nr^2=0.734"_s);
    EXPECT_EQ(logCorrelationText(-0.85674), u"r=-0.8567\r\nr^2=0.734"_s);
}

class LogSummary : public LogWindowTest {
  protected:
    static QStringList records() {
        return u"1|1|1|1|1|0.5/1|1|1|1|1|0.5/1|1|1|1|2|2/1|1|1|2|3|3/1|1|1|2|4|4/"
               u"1|2|1|1|1|5/1|2|1|1|2|6/1|2|1|2|3|7/1|2|1|2|4|8"_s.split(u'/');
    }
    // Two transects of four subsegments in stratum 1, values 1 to 8 by subsegment
    // (two records in subsegment 1 of transect 1: 0.5 and 0.5). Segments of two
    // subsegments hold 3, 7, 11 and 15.
    frmMainLog* window() {
        frmMainLog* w = open();
        w->LevelLengths = {12.5f, 25, 50, 100};
        w->ssTabMain->setTabText(frmMainLog::PageFormula, u"Tally"_s);
        w->mnuTally->setChecked(true);
        fillSheet(*w->grdStratum[0]->grid(), records());
        w->txtTvalue->setText(u"1.67"_s); // as after opening a data file
        w->txtPrecisionLevel->setText(u".2"_s);
        return w;
    }
};

// A sheet without data leaves the subtotals of the sheet before, headers and all;
// a level not in use has no statistics.
TEST_F(LogSummary, SubtotalsPerUnitKeptForASheetWithoutData) {
    frmMainLog* w = window();
    w->mnuUseLength[3]->setChecked(false);
    w->LevelMeanMetric[0][4] = u"99"_s;
    w->cmdSummaryStatistics->setEnabled(true);
    w->cmdSummaryStatistics->click();
    EXPECT_EQ(w->lblDataSheet->text(), u"Single/Combined (Tally)"_s);
    const auto shown = [w]() -> QString {
        return rowText(w->grdSubtotals, 0, 4) + u' ' + rowText(w->grdSubtotals, 2, 4) + u' ' +
               rowText(w->grdSubtotals, 4, 4) + u' ' + rowText(w->grdSubtotals, 8, 4);
    };
    const QString sums =
        u"Subsegment_12.5|Segment_25|Section_50|Transect_100 2|7|26|26 4|15|| 8|||"_s;
    EXPECT_EQ(shown(), sums);
    EXPECT_EQ(w->lblNum[1]->text() + w->lblNum[3]->text() + w->LevelMeanMetric[0][4], u"4"_s);

    fillSheet(*w->grdStratum[1]->grid(), {});
    w->optDataFound[1]->setChecked(true);
    prompts_.message(u"No data found on 'Stratum 1'"_s, u"No data"_s, MsgIcon::None);
    w->cmdSummaryStatistics->click();
    EXPECT_EQ(shown(), sums);
    EXPECT_EQ(w->grdOptimal[0]->text(2, 0) + u'|' + w->grdOptimal[1]->text(2, 0) + u'|' +
                  w->lblNum[1]->text(),
              u"9||"_s)
        << "no statistics, and none of another sheet";
}

// The statistics of a sheet go to its own page of the Optimal grids. Segments
// 3, 7, 11, 15 of 25 m: mean 9, s = sqrt(80 / 3) = 5.164 shown 5.16; F = 10000 /
// (4 x 25) = 100: 900 per hectare, 900 x 0.405 = 364.5 per acre shown 364 (half
// to even), variance 516^2 = 266256; units needed from the shown s, (1.67 x
// 5.16)^2 / (0.2 x 9)^2 = 74.256 / 3.24 = 22.918, 22.918 x 25 = 573 m; 1000 -
// 4 x 25 = 900 m still to survey.
TEST_F(LogSummary, StatisticsOfEachSheetOnItsOptimalPage) {
    frmMainLog* w = window();
    w->cmdSummaryStatistics->setEnabled(true);
    const auto segments = [w](std::size_t sheet) -> QString {
        return rowText(w->grdOptimal[sheet], 2, 5) + u' ' + rowText(w->grdOptimal2[sheet], 2, 5) +
               u' ' + w->LevelMeanMetric[sheet][2] + u'|' + w->LevelMeanEnglish[sheet][2] + u' ' +
               QString::number(w->ssTabOptimal->currentIndex()) + u' ' + w->status();
    };
    const QString figures = u"9|5.16|900|266256|22.9 573|1000|4|900|364 900|364"_s;
    w->cmdSummaryStatistics->click();
    EXPECT_EQ(segments(0), figures + u" 0 Status: Stats calculated for Single/Combined (Tally)"_s);

    // The same records on the sheet of stratum 2: its page, the Single/Combined
    // page as it was.
    w->grdOptimal[0]->setText(2, 0, u"old"_s);
    fillSheet(*w->grdStratum[2]->grid(), records());
    w->optDataFound[2]->setChecked(true);
    w->cmdSummaryStatistics->click();
    EXPECT_EQ(segments(2), figures + u" 2 Status: Stats calculated for Stratum 2 (Tally)"_s);
    EXPECT_EQ(w->grdOptimal[0]->text(2, 0), u"old"_s);
}

// A sheet without its value column is said; one without a level's column
// ends the step with its error; no subtotals either way. A t-value that is no
// number ends the statistics.
TEST_F(LogSummary, AMissingColumnOrATValueThatIsNoNumber) {
    const struct {
        int column;
        const char *header, *t, *message;
        const char* shown; // the first two subtotals, the count of subsegments
    } cases[] = {
        {5, "Length", "1.67", "The qualify column was not found", "||"},
        {2, "Sect", "1.67",
         "9 : Subscript out of range - Log Procedure 'CalculateSummaryStatistics'", "||"},
        {5, "Qualify", "abc", "13 : Type mismatch - Log Procedure 'CalculateStats'", "1|3|"},
    };
    frmMainLog* w = window();
    w->cmdSummaryStatistics->setEnabled(true);
    for (const auto& c : cases) {
        fillSheet(*w->grdStratum[0]->grid(), records());
        w->grdStratum[0]->setText(0, c.column, QLatin1String(c.header));
        w->txtTvalue->setText(QLatin1String(c.t));
        const QString message = QLatin1String(c.message);
        const bool error = message.contains(u" : "_s);
        prompts_.message(message, error ? u"Error"_s : u"Column not found"_s,
                         error ? MsgIcon::Exclamation : MsgIcon::None);
        w->cmdSummaryStatistics->click();
        EXPECT_EQ(QString(rowText(w->grdSubtotals, 1, 2) + u'|' + w->lblNum[0]->text()),
                  QLatin1String(c.shown))
            << c.header;
    }
}

TEST_F(LogSummary, CorrelationPairsAdjacentUnitsWithinEachTransect) {
    const QString ask = correlationLevelPrompt(), title = u"Correlation Length"_s;
    frmMainLog* w = window();
    // Two pairs of segments (3, 7 and 11, 15) are too few.
    prompts_.input(ask, title, u"SEGMENT"_s)
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

    // A cancel keeps the statistics the button refreshed first; a sheet without
    // data is said and no length is asked.
    w->lblNum[0]->clear();
    prompts_.input(ask, title, QString());
    w->cmdCorrelation->click();
    EXPECT_EQ(w->lblNum[0]->text(), u"8"_s);
    fillSheet(*w->grdStratum[0]->grid(), {});
    prompts_.message(u"No data found on 'Single/Combined'"_s, u"No data"_s, MsgIcon::None);
    w->cmdCorrelation->click();
}

} // namespace
} // namespace vernalt::test
