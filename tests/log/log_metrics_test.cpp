// The per-log values of the six metrics on the log window's data sheets.
#include "log_metrics_fixture.h"
#include "platform/grid.h"

#include <QGroupBox>
#include <QPushButton>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

class LogMetrics : public LogMetricsTest {
  protected:
    // One log and the value its Qualify column should show.
    template <class Log> struct Case {
        const char* name;
        Log log;
        QString expected;
    };
    template <class Log> using Cases = std::vector<Case<Log>>;

    // Each log in the next subsegment, so that the sheet shows them in the order given.
    template <class Log> void put(Log l) {
        l.subsegment = ++next_;
        add(l);
    }
    // Adds the logs, shows them all on sheet 0 and runs the metric (its prompts already
    // scripted).
    template <class Log, class Run> void compute(const Cases<Log>& cases, Run runFormula) {
        for (const Case<Log>& c : cases)
            put(c.log);
        connectSheet(0);
        runFormula();
        expectQualify(cases);
    }
    template <class Log> void expectQualify(const Cases<Log>& cases) {
        int row = 0;
        for (const Case<Log>& c : cases) {
            SCOPED_TRACE(c.name);
            EXPECT_EQ(qualify(++row), c.expected);
        }
    }
    QString caption() const { return w->ssTabMain->tabText(frmMainLog::PageFormula); }
    void expectDone(const QString& tab, const QString& status) {
        EXPECT_EQ(caption(), tab);
        EXPECT_EQ(w->statusText(), status);
    }

  private:
    int next_ = 0;
};

// ---- Density ---------------------------------------------------------------------------------

TEST_F(LogMetrics, LimDensityIsOneOverTheLength) {
    w->cmdWildLife->setEnabled(false);
    w->cmdSummaryStatistics->setEnabled(false);
    everyLog();
    compute<LimLog>(
        {{"length 8", {.length = 8}, u"0.125"_s},
         {"length 3", {.length = 3}, u"0.333"_s},
         {"1/16 = 0.0625 goes to the even neighbour", {.length = 16}, u"0.062"_s},
         {"no length keeps the stored value", {.length = QVariant(), .qualify = 7}, u"7"_s},
         {"species 9999 is excluded", {.species = u"9999"_s, .length = 8}, u"0"_s},
         {"LED 9999 is excluded", {.led = 9999, .length = 8}, u"0"_s},
         {"cleaned first: 1/12.3", {.location = u"A,B"_s, .length = 12.34}, u"0.081"_s}},
        [this] { w->FormulaDen(); });
    EXPECT_EQ(cell(0, 7, kLimLocation), u"AB"_s);
    EXPECT_EQ(cell(0, 7, kLimLength), u"12.3"_s);
    expectDone(u"Density"_s, u"Status: Density Calculated"_s);
    EXPECT_TRUE(w->cmdWildLife->isEnabled());
    EXPECT_TRUE(w->cmdSummaryStatistics->isEnabled());
}

TEST_F(LogMetrics, EachCriterionExcludes) {
    // Criteria: LED >= 12.3, length >= 5, condition <= 2, species "abc" only; 1/10 = 0.1.
    auto log = [](QVariant led, QVariant length = 10, QVariant condition = 1,
                  QVariant species = u"abc"_s) {
        return LimLog{.species = species, .led = led, .condition = condition, .length = length};
    };
    useSingleSpecies();
    criteria(u"12.3"_s, u"5"_s, u"2"_s, u"abc"_s);
    compute<LimLog>({{"LED equal to the minimum counts", log(12.3), u"0.1"_s},
                     {"LED below", log(12.2), u"0"_s},
                     {"length below", log(20, 4.9), u"0"_s},
                     {"no length fails a minimum of 5", log(20, QVariant()), u"0"_s},
                     {"condition above", log(20, 10, 3), u"0"_s},
                     {"no condition reads 0", log(20, 10, QVariant()), u"0.1"_s},
                     {"species codes are case-sensitive", log(20, 10, 1, u"ABC"_s), u"0"_s},
                     {"species matches", log(20), u"0.1"_s},
                     {"a LED that is not a number counts nowhere", log(u"n/a"_s), u"0"_s}},
                    [this] { w->FormulaDen(); });
}

TEST_F(LogMetrics, ACancelledPromptChangesNothing) {
    const QString before = caption();
    script.input(kLedPrompt, u"LED"_s, u"2"_s);
    script.input(kLengthPrompt, u"Length"_s, u""_s);
    compute<LimLog>({{"untouched", {.length = 8}, u""_s}}, [this] { w->FormulaDen(); });
    expectDone(before, u"Status: No data read"_s);
}

TEST_F(LogMetrics, StripDensityCountsLogsWithEndpointOne) {
    useSpm();
    Cases<SpmLog> cases = {
        {"endpoint 1", {}, u"1"_s},
        {"endpoint 0", {.endpoint = 0}, u"0"_s},
        {"no endpoint", {.endpoint = QVariant()}, u"0"_s},
        {"no EstimLength, minimum 1", {.estimLength = QVariant()}, u"0"_s},
        {"EstimLength 0.5, minimum 1", {.estimLength = 0.5}, u"0"_s},
    };
    criteria(u"0"_s, u"1"_s, u"0"_s, u"9999"_s);
    compute(cases, [this] { w->FormulaDen(); });

    cases[3] = {"no EstimLength passes a minimum of 0", cases[3].log, u"1"_s};
    cases[4] = {"EstimLength 0.5, minimum 0", cases[4].log, u"1"_s};
    criteria(u"0"_s, u"0.0"_s, u"0"_s, u"9999"_s);
    w->FormulaDen();
    expectQualify(cases);
}

TEST_F(LogMetrics, ApplyAndSortRewritesTheFourStrata) {
    for (int stratum : {1, 2, 2, 3})
        put(LimLog{.stratum = stratum, .length = 4});
    connectSheet(0);
    connectStrata();
    w->grdStratum[0]->setText(1, kLimQualify, u"untouched"_s);
    w->DataSheetIndex = 2;
    everyLog();
    w->FormulaDen();

    EXPECT_EQ(qualify(1, 0), u"untouched"_s);
    for (auto [row, k] : {std::pair{1, 1}, {1, 2}, {2, 2}, {1, 3}})
        EXPECT_EQ(qualify(row, k), u"0.25"_s) << "stratum " << k << " row " << row;
    EXPECT_EQ(w->grdStratum[4]->rows(), 1);
    EXPECT_EQ(w->statusText(), u"Status: Density Calculated"_s);

    // Run again from the button: each stratum is read from its first record again.
    for (int k = 1; k <= 3; ++k)
        w->grdStratum[std::size_t(k)]->setText(1, kLimQualify, QString());
    everyLog();
    w->FormulaDen();
    EXPECT_EQ(qualify(1, 3), u"0.25"_s);
}

TEST_F(LogMetrics, ASheetLargerThan32767RecordsIsComputedToTheEnd) {
    {
        db::Transaction t;
        QSqlQuery insert = db::prepare(
            u"INSERT INTO LIM (Stratum, Transect, Subsegment, Species, LED, Condition, Length, "
            "Qualify) VALUES (1, 1, ?, '1', 10, 1, ?, 0)"_s);
        for (int i = 1; i <= 40000; ++i) {
            insert.addBindValue(i);
            insert.addBindValue(i == 40000 ? 8 : 4);
            db::run(insert);
        }
        t.commit();
    }
    connectSheet(0);
    w->grdStratum[0]->setRows(2); // a sheet given too few rows grows
    everyLog();
    w->FormulaDen();
    ASSERT_EQ(w->grdStratum[0]->rows(), 40001);
    EXPECT_EQ(qualify(32768), u"0.25"_s);
    EXPECT_EQ(qualify(40000), u"0.125"_s);
}

// ---- Length and percent cover -------------------------------------------------------------------

TEST_F(LogMetrics, LengthCountsOneLogPerLine) {
    everyLog();
    compute<LimLog>({{"a log", {.length = 8}, u"1"_s},
                     {"no length counts too", {.length = QVariant()}, u"1"_s},
                     {"LED 9999 is excluded", {.led = 9999, .length = 8}, u"0"_s}},
                    [this] { w->FormulaLeng(); });
    expectDone(u"Length"_s, u"Status: Length Calculated"_s);
}

TEST_F(LogMetrics, StripLengthIsTheRecordedLength) {
    useSpm();
    everyLog();
    compute<SpmLog>(
        {{"length cleaned to 12.3", {.length = 12.34}, u"12.3"_s},
         {"counts through its EstimLength, but has no length", {.length = QVariant()}, u"0"_s},
         {"the endpoint matters for density only", {.endpoint = 0, .length = 4}, u"4"_s}},
        [this] { w->FormulaLeng(); });
}

TEST_F(LogMetrics, LimPercentCoverIsTheIntersect) {
    everyLog();
    compute<LimLog>({{"the intersect, cleaned", {.intersect = 12.34}, u"12.3"_s},
                     {"no intersect", {.intersect = QVariant()}, u"0"_s}},
                    [this] { w->FormulaPC(); });
    expectDone(u"Percent Cover"_s, u"Status: Percent Cover Calculated"_s);
}

TEST_F(LogMetrics, StripPercentCoverIsTheMeanDiameterTimesTheLengthInTheUnitsChosen) {
    useSpm();
    useEnglish();
    everyLog();
    compute<SpmLog>(
        {{"8 / 12 = 0.667 ft, times 10", {.large = 10, .small = 6, .length = 10}, u"6.67"_s},
         {"15 / 12 = 1.25 ft, times 4", {.large = 20, .small = 10, .length = 4}, u"5"_s},
         {"no small end: 6 / 12 = 0.5, times 3",
          {.large = 12, .small = QVariant(), .length = 3},
          u"1.5"_s}},
        [this] { w->FormulaPC(); });
    w->mnuEnglish->setChecked(false);
    w->mnuMetric->setChecked(true);
    everyLog();
    w->FormulaPC();
    EXPECT_EQ(qualify(1), u"0.8"_s); // 8 cm = 0.08 m, times 10
}

// ---- Volume and weight
// ---------------------------------------------------------------------------

TEST_F(LogMetrics, VolumeSquaresTheStoredIntersect) {
    criteria(u"0"_s, u"0"_s, u"3"_s, u"9999"_s);
    compute<LimLog>(
        {{"12.5^2 = 156.25", {.intersect = 12.5}, u"156"_s},
         {"12.34^2 = 152.28", {.intersect = 12.34}, u"152"_s},
         {"no intersect", {.intersect = QVariant()}, u"0"_s},
         {"LED 9999 is excluded", {.intersect = 12.5, .led = 9999}, u"0"_s},
         {"condition 4 is above the maximum of 3", {.intersect = 12.5, .condition = 4}, u"0"_s}},
        [this] { w->FormulaVol(); });
    expectDone(u"Volume"_s, u"Status: Volume Calculated"_s);
}

TEST_F(LogMetrics, WeightAsksNoConditionAndTakesTheFactorOfTheDecayClass) {
    everyLog(false);
    // 12.5^2 = 156.25: * 0.4 = 62.5, * 0.3 = 46.875; 12.3^2 * 0.4 = 60.516
    compute<LimLog>(
        {{"decay 1", {.intersect = 12.5, .condition = 1}, u"62.5"_s},
         {"decay 2", {.intersect = 12.5, .condition = 2}, u"46.9"_s},
         {"no decay class", {.intersect = 12.5, .condition = QVariant()}, u"46.9"_s},
         {"decay 0", {.intersect = 12.5, .condition = 0}, u"46.9"_s},
         {"the cleaned intersect", {.intersect = 12.34, .condition = 1}, u"60.5"_s},
         {"species 9999 is excluded", {.species = u"9999"_s, .intersect = 12.34}, u"0"_s}},
        [this] { w->FormulaWt(); });
    expectDone(u"Weight"_s, u"Status: Weights calculated"_s);
}

TEST_F(LogMetrics, ATextDiameterEndsTheRunWithTheErrorReport) {
    w->cmdSummaryStatistics->setEnabled(false);
    everyLog();
    errorBox(u"13 : Type mismatch - Log Procedure 'FormulaVol'"_s);
    compute<LimLog>({{"10^2", {.intersect = 10}, u"100"_s},
                     {"text: left as stored, and the run ends", {.intersect = u"big"_s}, u"0"_s},
                     {"not reached", {.intersect = 10}, u""_s}},
                    [this] { w->FormulaVol(); });
    expectDone(u"Volume"_s, u"Status: No data read"_s);
    EXPECT_FALSE(w->cmdSummaryStatistics->isEnabled());
}

// ---- Tally
// ---------------------------------------------------------------------------------------

class LogTallyColumn : public LogMetrics {
  protected:
    void answer(const QString& column) {
        script.input(u"Please enter the column name that you would like to have tallied"_s,
                     u"Tally Column"_s, column);
    }
    void notFound(const QString& column) {
        script.message(u"The column name '"_s + column + u"' was not found"_s,
                       u"Column not found"_s, MsgIcon::None);
    }
};

TEST_F(LogTallyColumn, PositiveCountsOfTheNamedColumn) {
    answer(u"tally 1"_s);
    // The stored Qualify of 5 is replaced in every row.
    compute<LimLog>({{"a count", {.qualify = 5, .tally1 = 3}, u"3"_s},
                     {"a fraction", {.qualify = 5, .tally1 = 2.5}, u"2.5"_s},
                     {"9999 is no count", {.qualify = 5, .tally1 = 9999}, u"0"_s},
                     {"zero", {.qualify = 5, .tally1 = 0}, u"0"_s},
                     {"negative", {.qualify = 5, .tally1 = -2}, u"0"_s},
                     {"empty", {.qualify = 5, .tally1 = QVariant()}, u"0"_s},
                     {"cleaned to 12.3", {.qualify = 5, .tally1 = 12.34}, u"12.3"_s},
                     {"text", {.qualify = 5, .tally1 = u"many"_s}, u"0"_s}},
                    [this] { w->FormulaTally(); });
    EXPECT_EQ(cell(0, 7, kLimTally1), u"12.3"_s);
    expectDone(u"Tally"_s, u"Status: Tallies calculated"_s);
    EXPECT_FALSE(w->frmLandscapeArea->isHidden());
    EXPECT_TRUE(w->cmdSummaryStatistics->isEnabled());
}

TEST_F(LogTallyColumn, ARelabelLeavesBareHeadersThatTheColumnLookupsFind) {
    put(LimLog{.tally1 = 7});
    connectSheet(0);
    w->SetEnglishLabels();
    w->SetMetricLabels();
    const Grid* g = w->grdStratum[0];
    const QStringList& fields = w->datDataSet[0].Fields;
    ASSERT_EQ(g->cols(), fields.size());
    for (int c = 0; c < g->cols(); ++c) {
        EXPECT_EQ(g->text(0, c), fields[c]);
        // The blanks around a name only widen its column.
        EXPECT_GE(g->columnWidth(c),
                  g->fontMetrics().horizontalAdvance(u"  "_s + fields[c] + u"  "_s))
            << fields[c].toStdString();
    }
    answer(u"TALLY 1"_s);
    w->FormulaTally(); // relabels again, then looks up "qualify" and "tally 1"
    EXPECT_EQ(g->text(0, kLimTally1), u"Tally 1"_s);
    EXPECT_EQ(qualify(1), u"7"_s);
}

TEST_F(LogTallyColumn, ANameWithALeadingBlankIsNotFound) {
    answer(u" tally 1"_s);
    notFound(u" tally 1"_s);
    compute<LimLog>({{"the copied stored value", {}, u"0"_s}}, [this] { w->FormulaTally(); });
    EXPECT_EQ(w->statusText(), u"Status: Tallies calculated"_s);
}

TEST_F(LogTallyColumn, AMissingNameIsReportedOncePerStratum) {
    put(LimLog{.tally1 = 4});
    connectSheet(0);
    connectStrata();
    w->DataSheetIndex = 1;
    answer(u"Tally 9"_s);
    for (int k = 1; k <= 4; ++k)
        notFound(u"Tally 9"_s);
    w->FormulaTally();
    answer(u"TALLY 1"_s);
    w->FormulaTally();
    EXPECT_EQ(qualify(1, 1), u"4"_s);
}

TEST_F(LogTallyColumn, AnEmptyAnswerChangesNothing) {
    answer(u""_s);
    compute<LimLog>({{"untouched", {}, u""_s}}, [this] { w->FormulaTally(); });
    EXPECT_EQ(w->statusText(), u"Status: No data read"_s);
}

} // namespace
} // namespace vernalt::test
