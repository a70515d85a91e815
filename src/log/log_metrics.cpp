// The per-log values of the log window: each metric procedure asks its criteria,
// copies the records of the data sheets into their grids (every value cleaned
// and display-rounded) and writes each log's value, or 0 for a log that does
// not count, into the sheet's Qualify column. "Calculate Statistics" later sums
// that column per sampling unit. Nothing here writes the database.
#include "log/frmMainLog.h"

#include "log/log_criteria.h"
#include "log/log_metric_values.h"
#include "log/log_records.h"
#include "log/log_selection.h"
#include "platform/errors.h"
#include "platform/grid.h"
#include "platform/progress.h"
#include "platform/prompts.h"
#include "platform/value.h"
#include "shell/cleaning.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <cmath>
#include <vector>

using namespace Qt::StringLiterals;

namespace vernalt {

namespace {

enum class Metric { Density, Length, PercentCover, Volume, Weight };

// What sets the five metrics of the frame apart.
struct MetricInfo {
    Metric metric;
    QString caption; // of the Formula page
    QString status;
    QString procedure;
};

const MetricInfo& metricInfo(Metric m) {
    static const MetricInfo infos[] = {
        {Metric::Density, u"Density"_s, u"Status: Density Calculated"_s, u"FormulaDen"_s},
        {Metric::Length, u"Length"_s, u"Status: Length Calculated"_s, u"FormulaLeng"_s},
        {Metric::PercentCover, u"Percent Cover"_s, u"Status: Percent Cover Calculated"_s,
         u"FormulaPC"_s},
        {Metric::Volume, u"Volume"_s, u"Status: Volume Calculated"_s, u"FormulaVol"_s},
        {Metric::Weight, u"Weight"_s, u"Status: Weights calculated"_s, u"FormulaWt"_s},
    };
    return infos[int(m)];
}

// Positions of the fields the metrics read, by name in any case; -1 when the
// record set has no such field (reading it then raises 3265).
struct FieldPositions {
    int species, led, condition, length, estimLength, endpoint, intersect, large, small;
    explicit FieldPositions(const LogRecords& r)
        : species(r.position(u"Species"_s)), led(r.position(u"LED"_s)),
          condition(r.position(u"Condition"_s)), length(r.position(u"Length"_s)),
          estimLength(r.position(u"EstimLength"_s)), endpoint(r.position(u"Endpoint"_s)),
          intersect(r.position(u"Intersect"_s)), large(r.position(u"Large"_s)),
          small(r.position(u"Small"_s)) {}
};

bool isNoValue(const Value& v) {
    return v.isNull() || v.isEmpty() || (v.isText() && v.text().isEmpty());
}

std::optional<double> numberOf(const Value& v) {
    if (!v.isNumber())
        return std::nullopt;
    return v.number();
}

// A field in a formula: a text that is not a number is a type mismatch (13).
double operand(const Value& v) {
    return v.toDouble();
}

// A decay class as the weight factor reads it: a text is no class 1.
double decayClass(const Value& v) {
    return v.isNumber() ? v.number() : 0;
}

struct MetricRun {
    Metric metric;
    bool lim; // the line-intersect fields and formulas; otherwise the strip-plot ones
    bool metricUnits;
    LogCriteria criteria;
};

bool qualifies(const LogRecords& r, const FieldPositions& p, const MetricRun& run) {
    LogFields f;
    f.species = r.nzZero(p.species).text();
    f.led = numberOf(r.nzZero(p.led));
    if (run.criteria.maxCondition)
        f.condition = numberOf(r.nzZero(p.condition));
    f.length = run.lim ? numberOf(r.nzMissing(p.length)) : numberOf(r.nzZero(p.estimLength));
    if (run.criteria.needEndpoint)
        f.endpoint = numberOf(r.nzZero(p.endpoint));
    return logQualifies(f, run.criteria);
}

// The value of a log that counts.
double logValue(const LogRecords& r, const FieldPositions& p, const MetricRun& run) {
    const auto spm = [&](auto formula) {
        return formula(operand(r.nzZero(p.large)), operand(r.nzZero(p.small)),
                       operand(r.nzZero(p.length)));
    };
    const bool m = run.metricUnits;
    switch (run.metric) {
    case Metric::Density:
        return run.lim ? limDensity(operand(r.nzZero(p.length))) : 1;
    case Metric::Length:
        return run.lim ? 1 : spmLength(operand(r.nzZero(p.length)));
    case Metric::PercentCover:
        if (run.lim)
            return operand(r.nzZero(p.intersect));
        return spm([m](double l, double s, double len) { return spmPercentCover(l, s, len, m); });
    case Metric::Volume:
        if (run.lim) {
            const Value& d = r.raw(p.intersect);
            return limVolume(isNoValue(d) ? std::nullopt : std::optional<double>(operand(d)));
        }
        return spm([m](double l, double s, double len) { return spmVolume(l, s, len, m); });
    case Metric::Weight: {
        const double k = decayClass(r.nzZero(p.condition));
        if (run.lim)
            return limWeight(operand(r.nzZero(p.intersect)), k);
        return spm([m, k](double l, double s, double len) { return spmWeight(l, s, len, k, m); });
    }
    }
    return 0;
}

// Writes a cleaned field into a grid cell; a null leaves the cell as it is.
void setCell(GridModel& g, int row, int col, const Value& v) {
    if (v.isNumber())
        g.setNumber(row, col, v.number());
    else if (v.isText())
        g.setText(row, col, v.text());
}

// Copies the records of sheet k, from its first, into its grid, record n into
// row n, every non-null field cleaned into the column of its position; then
// calls `perRecord(row, records)`. The grid grows to hold every record and
// field. An unconnected sheet has no records.
template <class PerRecord> void copySheet(frmMainLog& w, int k, PerRecord&& perRecord) {
    const QString& source = w.datDataSet[std::size_t(k)].RecordSource;
    if (source.trimmed().isEmpty())
        return;
    LogRecords r(source);
    GridModel& g = *w.grdStratum[std::size_t(k)]->grid();
    if (g.cols() < r.fieldCount())
        g.setCols(r.fieldCount());
    const int cols = std::min(g.cols(), r.fieldCount());
    const auto copy = [&](int row) {
        for (int c = 0; c < cols; ++c)
            setCell(g, row, c, r.cleaned(c));
        perRecord(row, r);
    };
    bool more = true;
    int last = 0; // the last row written
    g.fillRows(g.rows(), [&](int row) {
        if (row < 1 || !more)
            return;
        more = r.next();
        if (more) {
            copy(row);
            last = row;
        }
    });
    // Records beyond the rows the sheet was given: the grid grows by doubling.
    const int given = g.rows();
    while (more && r.next()) {
        const int row = last + 1;
        if (row >= g.rows())
            g.setRows(std::max(2 * g.rows(), row + 1));
        copy(row);
        last = row;
    }
    if (g.rows() > given && last + 1 > given)
        g.setRows(last + 1);
}

// The progress of a run over sheets first..last: the records their grids were
// given, and the records done so far.
class SheetsProgress {
  public:
    SheetsProgress(frmMainLog& w, int first, int last) : progress_(w.sbStatusBar[0]) {
        for (int k = first; k <= last; ++k)
            if (!w.datDataSet[std::size_t(k)].RecordSource.trimmed().isEmpty())
                total_ += std::max(0, w.grdStratum[std::size_t(k)]->rows() - 1);
    }
    void record() {
        static const QString calculating = u"Calculating"_s;
        ++done_;
        progress_.step(calculating, done_, std::max(total_, done_));
    }
    void end() { progress_.end(); }

  private:
    Progress progress_;
    qint64 total_ = 0, done_ = 0;
};

// The metric frame: criteria, the sheet query and labels, the values per log,
// the buttons and the status.
void runMetric(frmMainLog& w, Metric metric) {
    const MetricInfo& info = metricInfo(metric);
    trapped(prompts(), logProcedure(info.procedure), [&] {
        MetricRun run{metric, w.mnuLIM->isChecked(), w.mnuMetric->isChecked(), {}};
        const std::optional<LogCriteria> criteria = askLogCriteria(w, metric != Metric::Weight);
        if (!criteria)
            return;
        run.criteria = *criteria;
        run.criteria.needEndpoint = metric == Metric::Density && !run.lim;

        w.ConnectDataSet();
        w.ssTabMain->setTabText(frmMainLog::PageFormula, info.caption);
        if (w.mnuMetric->isChecked())
            w.SetMetricLabels();
        else
            w.SetEnglishLabels();

        const int first = w.DataSheetIndex < 1 ? 0 : 1;
        const int lastSheet = w.DataSheetIndex < 1 ? 0 : 4;
        SheetsProgress progress(w, first, lastSheet);
        for (int k = first; k <= lastSheet; ++k) {
            GridModel& g = *w.grdStratum[std::size_t(k)]->grid();
            std::vector<int> qualifyColumns;
            std::optional<FieldPositions> p;
            copySheet(w, k, [&](int row, const LogRecords& r) {
                progress.record();
                if (!p) {
                    p.emplace(r);
                    for (int c = 0; c < std::min(g.cols(), r.fieldCount()); ++c)
                        if (r.fieldNames()[c].toLower() == u"qualify"_s)
                            qualifyColumns.push_back(c);
                }
                if (qualifyColumns.empty())
                    return;
                const auto write = [&] {
                    const double v = qualifies(r, *p, run) ? logValue(r, *p, run) : 0;
                    for (int c : qualifyColumns)
                        g.setNumber(row, c, v);
                };
                // The density skips a log whose value overflows or divides by 0:
                // its Qualify cell keeps the stored value just copied.
                if (metric == Metric::Density)
                    skipOn({err::Overflow, err::DivisionByZero}, write);
                else
                    write();
            });
        }
        progress.end();

        w.cmdSummaryStatistics->setEnabled(true);
        if (metric == Metric::Density)
            w.cmdWildLife->setEnabled(true);
        w.setStatus(info.status);
    });
}

} // namespace

void frmMainLog::FormulaDen() {
    runMetric(*this, Metric::Density);
}

void frmMainLog::FormulaLeng() {
    runMetric(*this, Metric::Length);
}

void frmMainLog::FormulaPC() {
    runMetric(*this, Metric::PercentCover);
}

void frmMainLog::FormulaVol() {
    runMetric(*this, Metric::Volume);
}

void frmMainLog::FormulaWt() {
    runMetric(*this, Metric::Weight);
}

// Tally: the positive counts of a column the user names, copied into the
// Qualify column of each sheet; no criteria.
void frmMainLog::FormulaTally() {
    trapped(prompts(), logProcedure(u"FormulaTally"_s), [this] {
        const QString answer = prompts().inputBox(
            u"Please enter the column name that you would like to have tallied"_s,
            u"Tally Column"_s, QString());
        if (answer.isEmpty())
            return;
        ConnectDataSet();
        ssTabMain->setTabText(PageFormula, u"Tally"_s);
        if (mnuMetric->isChecked())
            SetMetricLabels();
        else
            SetEnglishLabels();

        const QString wanted = answer.toLower();
        const int first = DataSheetIndex < 1 ? 0 : 1;
        const int lastSheet = DataSheetIndex < 1 ? 0 : 4;
        for (int k = first; k <= lastSheet; ++k) {
            {
                SheetsProgress progress(*this, k, k); // ends before any message
                copySheet(*this, k, [&](int, const LogRecords&) { progress.record(); });
            }
            GridModel& g = *grdStratum[std::size_t(k)]->grid();
            // The last column of each name; column 0 when there is none.
            int qualify = 0, tally = 0;
            for (int c = 0; c < g.cols(); ++c) {
                const QString header = g.text(0, c).toLower();
                if (header == u"qualify"_s)
                    qualify = c;
                if (header == wanted)
                    tally = c;
            }
            if (g.text(0, qualify).toLower() != u"qualify"_s) {
                prompts().message(u"The 'qualify' column was not found"_s, u"Column not found"_s);
                return;
            }
            if (g.text(0, tally).toLower() != wanted) {
                prompts().message(u"The column name '"_s + answer + u"' was not found"_s,
                                  u"Column not found"_s);
                continue;
            }
            g.fillRows(g.rows(), [&](int row) {
                if (row >= 1)
                    g.setNumber(row, qualify, tallyValue(g, row, tally));
            });
        }

        cmdSummaryStatistics->setEnabled(true);
        frmLandscapeArea->setVisible(true);
        setStatus(u"Status: Tallies calculated"_s);
    });
}

} // namespace vernalt
