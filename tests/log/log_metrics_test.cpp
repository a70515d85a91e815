// The metrics of the log window on records put into the database: the fields
// each metric reads under each method, the criteria on them, the error report
// and the tally of a named column (the stratum sheets: log_import_test). The values
// themselves are worked in log_metric_values_test and log_selection_test.
#include "log_window_fixture.h"

#include <QGroupBox>

namespace vernalt::test {
namespace {

using LogMetrics = LogWindowTest;

// The Qualify cell of the first record; nothing when the sheet has none.
QString qualify(const frmMainLog* w) {
    const Grid* g = w->grdStratum[0];
    return g->rows() > 1 ? g->text(1, w->mnuLIM->isChecked() ? 11 : 12) : QString();
}

TEST_F(LogMetrics, EachMetricReadsItsFieldsUnderEachMethod) {
    using F = void (frmMainLog::*)();
    const F den = &frmMainLog::FormulaDen, len = &frmMainLog::FormulaLeng,
            pc = &frmMainLog::FormulaPC, vol = &frmMainLog::FormulaVol, wt = &frmMainLog::FormulaWt;
    const char *all = "0|0|0|9999", *some = "12.3|5|2|9999", *noCondition = "0|0|-|9999";
    const struct {
        const char* design; // "LIM", "SPM", or "SPM ft" in English units
        F metric;
        const char *criteria, *log, *shown; // the Qualify cell and the Formula page's caption
    } cases[] = {
        {"LIM", den, "", "", "|Formula"},   // cancelled: nothing runs
        {"LIM", den, "2|", "", "|Formula"}, // at each prompt
        {"LIM", den, "2|0|", "", "|Formula"},
        {"LIM", den, "2|0|0|", "", "|Formula"},
        {"LIM", den, all, "Length=12.34", "0.081|Density"},      // cleaned first: 1 / 12.3
        {"LIM", den, all, "Length=null;Qualify=7", "7|Density"}, // 1 / 0: the stored value
        {"LIM", den, all, "Species=9999", "0|Density"},          // the excluded species
        {"LIM", den, some, "LED=12.3;Length=10", "0.1|Density"}, // 1 / 10
        {"LIM", den, some, "LED=n/a;Length=10", "0|Density"},    // no LED counts nowhere
        {"LIM", den, "0|0.0|0|9999", "Length=null;Qualify=7", "0|Density"}, // fails a minimum of 0
        {"LIM", den, some, "LED=20;Length=10;Condition=3", "0|Density"},
        {"LIM", den, some, "LED=20;Length=10;Condition=null", "0.1|Density"}, // reads 0
        {"SPM", den, "0|1|0|9999", "", "1|Density"},
        {"SPM", den, "0|1|0|9999", "Endpoint=0", "0|Density"},
        {"SPM", den, "0|1|0|9999", "EstimLength=null", "0|Density"}, // reads 0: below 1
        {"SPM", den, "0|0.0|0|9999", "EstimLength=null", "1|Density"},
        {"LIM", len, all, "Length=null", "1|Length"}, // a minimum of "0" is none
        {"SPM", len, all, "Length=12.34", "12.3|Length"},
        {"LIM", pc, all, "Intersect=12.34", "12.3|Percent Cover"},
        {"SPM", pc, all, "Large=20;Small=10;Length=4", "0.6|Percent Cover"},      // 0.15 m x 4
        {"SPM ft", pc, all, "Large=10;Small=6;Length=10", "6.67|Percent Cover"},  // 0.667 ft x 10
        {"SPM ft", pc, all, "Large=12;Small=null;Length=3", "1.5|Percent Cover"}, // 0.5 ft x 3
        {"LIM", vol, all, "Intersect=12.34", "152|Volume"}, // the stored value squared: 152.28
        {"LIM", vol, all, "Intersect=null", "0|Volume"},
        {"SPM", vol, all, "Large=30;Small=20;Length=5", "0.245|Volume"},
        {"LIM", wt, noCondition, "Intersect=12.34;Condition=1", "60.5|Weight"},   // 12.3^2 x 0.4
        {"LIM", wt, noCondition, "Intersect=12.5;Condition=null", "46.9|Weight"}, // x 0.3
        {"SPM", wt, noCondition, "Large=30;Small=20;Length=5;Condition=2", "0.074|Weight"},
    };
    frmMainLog* w = open();
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.design) + ' ' + c.log);
        checkDesign(w, c.design);
        db::exec(u"DELETE FROM LIM"_s);
        db::exec(u"DELETE FROM SPM"_s);
        addLog(w, QLatin1String(c.log));
        criteria(w, c.criteria);
        (w->*c.metric)();
        EXPECT_EQ(qualify(w) + u'|' + w->ssTabMain->tabText(frmMainLog::PageFormula),
                  QLatin1String(c.shown));
    }
}

// A sheet of more records than a 16-bit row number holds is computed to its
// last record: 1 / 4 each, 1 / 8 the last.
TEST_F(LogMetrics, ASheetOfMoreThan32767RecordsIsComputedToItsLastRow) {
    frmMainLog* w = open();
    db::exec(u"WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 40000) "
             u"INSERT INTO LIM (Stratum, Transect, Segment, Subsegment, Species, LED, Condition, "
             u"Length, Qualify) SELECT 1, 1, 1, i, '1', 10, 1, CASE i WHEN 40000 THEN 8 ELSE 4 "
             u"END, 0 FROM n"_s);
    criteria(w, "0|0|0|9999");
    w->FormulaDen();
    const Grid* g = w->grdStratum[0];
    EXPECT_EQ(QString::number(g->rows()) + u'|' + g->text(32767, 11) + u'|' + g->text(32768, 11) +
                  u'|' + g->text(40000, 11),
              u"40001|0.25|0.25|0.125"_s);
}

// Under strip plots choosing a metric first estimates each log's whole length
// from its class, without a word, and the minimum length reads that estimate:
// 4 / 0.5 = 8 meets a minimum of 6.
TEST_F(LogMetrics, StripPlotMetricsReadTheEstimatedLengths) {
    frmMainLog* w = open();
    w->mnuSPM->trigger();
    addLog(w, u"PercentLength=5;Length=4;EstimLength=null"_s);
    w->mnuDensity->trigger();
    criteria(w, "0|6|0|9999");
    w->FormulaDen();
    EXPECT_EQ(qualify(w) + u'|' + w->grdStratum[0]->text(1, 16), u"1|8"_s);
}

TEST_F(LogMetrics, ATextDiameterEndsTheRunWithTheErrorReport) {
    frmMainLog* w = open();
    for (const char* d : {"10", "big", "10"})
        addLog(w, u"Intersect="_s + QLatin1String(d));
    criteria(w, "0|0|0|9999");
    prompts_.message(u"13 : Type mismatch - Log Procedure 'FormulaVol'"_s, u"Error"_s,
                     MsgIcon::Exclamation);
    w->FormulaVol();
    // 10^2; the text left as stored, and the run ends.
    EXPECT_EQ(columnOf(*w->grdStratum[0], 11, 1, 3).join(u' ') + u'|' + w->status(),
              u"100 0 |Status: No data read"_s);
    EXPECT_FALSE(w->cmdSummaryStatistics->isEnabled());
}

TEST_F(LogMetrics, TheTallyOfANamedColumn) {
    frmMainLog* w = open();
    addLog(w, u"Qualify=5;Tally 1=12.34"_s);
    const auto ask = [&](const QString& name, int notFound = 0) {
        prompts_.input(u"Please enter the column name that you would like to have tallied"_s,
                       u"Tally Column"_s, name);
        for (int k = 0; k < notFound; ++k)
            prompts_.message(u"The column name '"_s + name + u"' was not found"_s,
                             u"Column not found"_s, MsgIcon::None);
    };
    ask(QString()); // cancelled: nothing runs
    w->FormulaTally();
    EXPECT_TRUE(w->status() == u"Status: No data read"_s && w->frmLandscapeArea->isHidden());
    ask(u"TALLY 1"_s); // in any case, after the relabelling the run does first
    w->FormulaTally();
    EXPECT_EQ(rowText(w->grdStratum[0], 1, 13).section(u'|', 11) + u'|' + w->status(),
              u"12.3|12.3|Status: Tallies calculated"_s);
    EXPECT_FALSE(w->frmLandscapeArea->isHidden()) << "a tally is per area of its strip";

    // Under the stratum sheets a missing name is reported once per stratum.
    w->mnuTally->setChecked(true);
    ask(u"Tally 9"_s, 4);
    w->cmdSort1_Click();
}

} // namespace
} // namespace vernalt::test
