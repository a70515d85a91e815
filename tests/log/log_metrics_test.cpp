// The per-log values of the six metrics on the log window's data sheets.
#include "log_metrics_fixture.h"
#include "platform/grid.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

class LogMetrics : public LogMetricsTest {
  protected:
    // A LIM log in the next subsegment, so that the sheet shows the logs in the
    // order they were added.
    void lim(LimLog l) {
        l.subsegment = ++next_;
        add(l);
    }
    void spm(SpmLog l) {
        l.subsegment = ++next_;
        add(l);
    }
    QString status() const { return w->statusText(); }
    QString caption() const { return w->ssTabMain->tabText(frmMainLog::PageFormula); }

  private:
    int next_ = 0;
};

LimLog limLength(const QVariant& length) {
    LimLog l;
    l.length = length;
    return l;
}

// ---- Density ---------------------------------------------------------------------------------

TEST_F(LogMetrics, LimDensityIsOneOverTheLength) {
    lim(limLength(8));
    lim(limLength(3));
    lim(limLength(16));
    LimLog noLength = limLength(QVariant());
    noLength.qualify = 7; // kept: the log has no density
    lim(noLength);
    LimLog excluded = limLength(8);
    excluded.species = u"9999"_s;
    lim(excluded);
    LimLog ledOut = limLength(8);
    ledOut.led = 9999;
    lim(ledOut);
    LimLog cleaned = limLength(12.34);
    cleaned.location = u"A,B"_s;
    lim(cleaned);
    connectSheet(0);
    w->cmdWildLife->setEnabled(false);
    w->cmdSummaryStatistics->setEnabled(false);

    everyLog();
    w->FormulaDen();

    const QString expected[] = {u"0.125"_s, u"0.333"_s, u"0.062"_s, u"7"_s,
                                u"0"_s,     u"0"_s,     u"0.081"_s};
    for (int r = 1; r <= 7; ++r)
        EXPECT_EQ(qualify(r), expected[r - 1]) << "row " << r;
    EXPECT_EQ(cell(0, 7, kLimLocation), u"AB"_s);
    EXPECT_EQ(cell(0, 7, kLimLength), u"12.3"_s);
    EXPECT_EQ(caption(), u"Density"_s);
    EXPECT_EQ(status(), u"Status: Density Calculated"_s);
    EXPECT_TRUE(w->cmdWildLife->isEnabled());
    EXPECT_TRUE(w->cmdSummaryStatistics->isEnabled());
}

TEST_F(LogMetrics, EachCriterionExcludes) {
    LimLog l = limLength(10); // 0.1 when it counts
    l.species = u"abc"_s;
    l.led = 12.3;
    lim(l); // the LED equal to the minimum counts
    l.led = 12.2;
    lim(l);
    l.led = 20;
    l.length = 4.9;
    lim(l);
    l.length = QVariant(); // no length fails a minimum of 5
    lim(l);
    l.length = 10;
    l.condition = 3;
    lim(l);
    l.condition = QVariant(); // no condition reads 0
    lim(l);
    l.condition = 1;
    l.species = u"ABC"_s; // species codes are case-sensitive
    lim(l);
    l.species = u"abc"_s;
    lim(l);
    l.led = u"n/a"_s; // a LED that is not a number counts nowhere
    lim(l);
    connectSheet(0);
    useSingleSpecies();

    criteria(u"12.3"_s, u"5"_s, u"2"_s, u"abc"_s);
    w->FormulaDen();

    const QString expected[] = {u"0.1"_s, u"0"_s, u"0"_s,   u"0"_s, u"0"_s,
                                u"0.1"_s, u"0"_s, u"0.1"_s, u"0"_s};
    for (int r = 1; r <= 9; ++r)
        EXPECT_EQ(qualify(r), expected[r - 1]) << "row " << r;
}

TEST_F(LogMetrics, ACancelledPromptChangesNothing) {
    lim(limLength(8));
    connectSheet(0);
    const QString before = caption();
    script.input(kLedPrompt, u"LED"_s, u"2"_s);
    script.input(kLengthPrompt, u"Length"_s, u""_s);
    w->FormulaDen();
    EXPECT_EQ(qualify(1), u""_s);
    EXPECT_EQ(caption(), before);
    EXPECT_EQ(status(), u"Status: No data read"_s);
}

TEST_F(LogMetrics, StripDensityCountsLogsWithEndpointOne) {
    useSpm();
    SpmLog s;
    spm(s); // Endpoint 1: "1"
    s.endpoint = 0;
    spm(s);
    s.endpoint = QVariant();
    spm(s);
    s.endpoint = 1;
    s.estimLength = QVariant(); // no EstimLength passes a minimum of 0
    spm(s);
    s.estimLength = 0.5;
    spm(s); // below 1
    connectSheet(0);

    criteria(u"0"_s, u"1"_s, u"0"_s, u"9999"_s);
    w->FormulaDen();
    const QString withMinimumOne[] = {u"1"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s};
    for (int r = 1; r <= 5; ++r)
        EXPECT_EQ(qualify(r), withMinimumOne[r - 1]) << "row " << r;

    criteria(u"0"_s, u"0.0"_s, u"0"_s, u"9999"_s);
    w->FormulaDen();
    const QString withMinimumZero[] = {u"1"_s, u"0"_s, u"0"_s, u"1"_s, u"1"_s};
    for (int r = 1; r <= 5; ++r)
        EXPECT_EQ(qualify(r), withMinimumZero[r - 1]) << "row " << r;
}

TEST_F(LogMetrics, ApplyAndSortRewritesTheFourStrata) {
    for (int stratum : {1, 2, 2, 3}) {
        LimLog l = limLength(4);
        l.stratum = stratum;
        lim(l);
    }
    connectSheet(0);
    connectStrata();
    w->grdStratum[0]->setText(1, kLimQualify, u"untouched"_s);
    w->DataSheetIndex = 2;

    everyLog();
    w->FormulaDen();

    EXPECT_EQ(qualify(1, 0), u"untouched"_s);
    EXPECT_EQ(qualify(1, 1), u"0.25"_s);
    EXPECT_EQ(qualify(1, 2), u"0.25"_s);
    EXPECT_EQ(qualify(2, 2), u"0.25"_s);
    EXPECT_EQ(qualify(1, 3), u"0.25"_s);
    EXPECT_EQ(w->grdStratum[4]->rows(), 1);
    EXPECT_EQ(status(), u"Status: Density Calculated"_s);

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

TEST_F(LogMetrics, LengthCountsOneLogPerLineAndTheLengthPerStrip) {
    lim(limLength(8));
    lim(limLength(QVariant())); // counts with the answer "0"
    LimLog excluded = limLength(8);
    excluded.led = 9999;
    lim(excluded);
    connectSheet(0);
    everyLog();
    w->FormulaLeng();
    EXPECT_EQ(qualify(1), u"1"_s);
    EXPECT_EQ(qualify(2), u"1"_s);
    EXPECT_EQ(qualify(3), u"0"_s);
    EXPECT_EQ(caption(), u"Length"_s);
    EXPECT_EQ(status(), u"Status: Length Calculated"_s);
}

TEST_F(LogMetrics, StripLengthIsTheRecordedLength) {
    useSpm();
    SpmLog s;
    s.length = 12.34;
    spm(s);
    s.length = QVariant(); // counts through its EstimLength, but has no length
    spm(s);
    s.length = 4;
    s.endpoint = 0; // the endpoint matters for density only
    spm(s);
    connectSheet(0);
    everyLog();
    w->FormulaLeng();
    EXPECT_EQ(qualify(1), u"12.3"_s);
    EXPECT_EQ(qualify(2), u"0"_s);
    EXPECT_EQ(qualify(3), u"4"_s);
}

TEST_F(LogMetrics, PercentCoverByMethodAndUnits) {
    LimLog l;
    l.intersect = 12.34;
    lim(l);
    l.intersect = QVariant();
    lim(l);
    connectSheet(0);
    everyLog();
    w->FormulaPC();
    EXPECT_EQ(qualify(1), u"12.3"_s);
    EXPECT_EQ(qualify(2), u"0"_s);
    EXPECT_EQ(caption(), u"Percent Cover"_s);
    EXPECT_EQ(status(), u"Status: Percent Cover Calculated"_s);

    db::exec(u"DELETE FROM LIM"_s);
    useSpm();
    SpmLog s;
    s.large = 10, s.small = 6, s.length = 10;
    spm(s);
    s.large = 20, s.small = 10, s.length = 4;
    spm(s);
    s.large = 12, s.small = QVariant(), s.length = 3;
    spm(s);
    connectSheet(0);
    useEnglish();
    everyLog();
    w->FormulaPC();
    EXPECT_EQ(qualify(1), u"6.67"_s); // 8 / 12 = 0.667 ft, times 10
    EXPECT_EQ(qualify(3), u"1.5"_s);  // no small end: 6 / 12 = 0.5, times 3
    w->mnuEnglish->setChecked(false);
    w->mnuMetric->setChecked(true);
    everyLog();
    w->FormulaPC();
    EXPECT_EQ(qualify(1), u"0.8"_s); // 8 cm = 0.08 m, times 10
}

// ---- Volume and weight
// ----------------------------------------------------------------------------

TEST_F(LogMetrics, VolumeSquaresTheStoredIntersect) {
    LimLog l;
    l.intersect = 12.5;
    lim(l);
    l.intersect = 12.34;
    lim(l);
    l.intersect = QVariant();
    lim(l);
    l.intersect = 12.5;
    l.led = 9999;
    lim(l);
    l.led = 10;
    l.condition = 4; // above the maximum of 3
    lim(l);
    connectSheet(0);
    criteria(u"0"_s, u"0"_s, u"3"_s, u"9999"_s);
    w->FormulaVol();
    const QString expected[] = {u"156"_s, u"152"_s, u"0"_s, u"0"_s, u"0"_s};
    for (int r = 1; r <= 5; ++r)
        EXPECT_EQ(qualify(r), expected[r - 1]) << "row " << r;
    EXPECT_EQ(caption(), u"Volume"_s);
    EXPECT_EQ(status(), u"Status: Volume Calculated"_s);
}

TEST_F(LogMetrics, WeightAsksNoConditionAndTakesTheFactorOfTheDecayClass) {
    LimLog l;
    l.intersect = 12.5;
    for (const QVariant& decay : {QVariant(1), QVariant(2), QVariant(), QVariant(0)}) {
        l.condition = decay;
        lim(l);
    }
    l.intersect = 12.34;
    l.condition = 1;
    lim(l);
    l.species = u"9999"_s;
    lim(l);
    connectSheet(0);
    everyLog(false);
    w->FormulaWt();
    // 12.5^2 = 156.25: * 0.4 = 62.5, * 0.3 = 46.875; 12.3^2 * 0.4 = 60.516
    const QString expected[] = {u"62.5"_s, u"46.9"_s, u"46.9"_s, u"46.9"_s, u"60.5"_s, u"0"_s};
    for (int r = 1; r <= 6; ++r)
        EXPECT_EQ(qualify(r), expected[r - 1]) << "row " << r;
    EXPECT_EQ(caption(), u"Weight"_s);
    EXPECT_EQ(status(), u"Status: Weights calculated"_s);
}

TEST_F(LogMetrics, ATextDiameterEndsTheRunWithTheErrorReport) {
    LimLog l;
    l.intersect = 10;
    lim(l);
    l.intersect = u"big"_s;
    lim(l);
    l.intersect = 10;
    lim(l);
    connectSheet(0);
    w->cmdSummaryStatistics->setEnabled(false);
    everyLog();
    errorBox(u"13 : Type mismatch - Log Procedure 'FormulaVol'"_s);
    w->FormulaVol();
    EXPECT_EQ(qualify(1), u"100"_s);
    EXPECT_EQ(qualify(3), u""_s); // not reached
    EXPECT_EQ(status(), u"Status: No data read"_s);
    EXPECT_FALSE(w->cmdSummaryStatistics->isEnabled());
    EXPECT_EQ(caption(), u"Volume"_s);
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
    for (const QVariant& t : {QVariant(3), QVariant(2.5), QVariant(9999), QVariant(0), QVariant(-2),
                              QVariant(), QVariant(12.34), QVariant(u"many"_s)}) {
        LimLog l;
        l.tally1 = t;
        l.qualify = 5; // replaced in every row
        lim(l);
    }
    connectSheet(0);
    answer(u"tally 1"_s);
    w->FormulaTally();
    const QString expected[] = {u"3"_s, u"2.5"_s, u"0"_s,    u"0"_s,
                                u"0"_s, u"0"_s,   u"12.3"_s, u"0"_s};
    for (int r = 1; r <= 8; ++r)
        EXPECT_EQ(qualify(r), expected[r - 1]) << "row " << r;
    EXPECT_EQ(cell(0, 7, kLimTally1), u"12.3"_s);
    EXPECT_EQ(caption(), u"Tally"_s);
    EXPECT_EQ(status(), u"Status: Tallies calculated"_s);
    EXPECT_FALSE(w->frmLandscapeArea->isHidden());
    EXPECT_TRUE(w->cmdSummaryStatistics->isEnabled());
}

TEST_F(LogTallyColumn, ARelabelLeavesBareHeadersThatTheColumnLookupsFind) {
    LimLog l;
    l.tally1 = 7;
    lim(l);
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
    lim(LimLog{});
    connectSheet(0);
    answer(u" tally 1"_s);
    notFound(u" tally 1"_s);
    w->FormulaTally();
    EXPECT_EQ(qualify(1), u"0"_s); // the copied stored value
    EXPECT_EQ(status(), u"Status: Tallies calculated"_s);
}

TEST_F(LogTallyColumn, AMissingNameIsReportedOncePerStratum) {
    LimLog l;
    l.tally1 = 4;
    lim(l);
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
    lim(LimLog{});
    connectSheet(0);
    answer(u""_s);
    w->FormulaTally();
    EXPECT_EQ(qualify(1), u""_s);
    EXPECT_EQ(status(), u"Status: No data read"_s);
}

} // namespace
} // namespace vernalt::test
