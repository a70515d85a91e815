// The per-log values of generated LIM and SPM records on the log window's first
// data sheet (density, volume, tally), wildlife use and the median length.
// Reports time and the peak resident memory of the process.
#include "bench_support.h"

#include "log/frmMainLog.h"
#include "platform/database.h"
#include "platform/grid.h"
#include "platform/prompts.h"
#include "platform/value.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;
using namespace vernalt;

namespace {

const QString kLimQuery =
    u"SELECT LIM.Stratum, LIM.Location, LIM.Transect, ROUND(([segment]+0.999)/2,0) AS Section, "
    u"ROUND(([subsegment]+0.999)/2,0) AS Segment, LIM.Subsegment, LIM.Species, LIM.[Intersect], "
    u"LIM.LED, LIM.Condition, LIM.Length, LIM.Qualify, LIM.[Tally 1], LIM.[Tally 2], "
    u"LIM.[Tally 3], LIM.[Tally 4] From LIM ORDER BY LIM.stratum, LIM.transect, "
    u"LIM.subsegment;"_s;
const QString kSpmQuery =
    u"SELECT Stratum, Location, Transect, ROUND(([segment]+0.999)/2,0) AS Section, "
    u"ROUND(([subsegment]+0.999)/2,0) AS Segment, Subsegment, LED, Endpoint, Large, Small, "
    u"Length, Condition, Qualify, Use, Species, PercentLength, EstimLength FROM SPM ORDER BY "
    u"stratum, transect, subsegment;"_s;

// Records over four strata, 32 subsegments per transect, with values that pass
// and fail the criteria in turn.
void generate(int rows) {
    db::exec(u"DELETE FROM LIM"_s);
    db::exec(u"DELETE FROM SPM"_s);
    db::Transaction t;
    db::BulkStatement lim(
        u"INSERT INTO LIM (id, Stratum, Location, Transect, Segment, Subsegment, Species, "
        u"\"Intersect\", LED, Condition, Length, Qualify, \"Tally 1\", \"Tally 2\") VALUES "
        u"(?, ?, 'L7', ?, ?, ?, ?, ?, ?, ?, ?, 0, ?, ?)"_s);
    db::BulkStatement spm(
        u"INSERT INTO SPM (id, Stratum, Location, Transect, Segment, Subsegment, LED, Endpoint, "
        u"Large, Small, Length, Condition, Qualify, Use, Species, EstimLength) VALUES "
        u"(?, ?, 'L7', ?, ?, ?, ?, ?, ?, ?, ?, ?, 0, ?, ?, ?)"_s);
    const QString species[] = {u"PSME"_s, u"12"_s, u"ABGR"_s};
    for (int i = 1; i <= rows; ++i) {
        lim.bind(0, i);
        lim.bind(1, i % 4 + 1);
        lim.bind(2, i / 64 + 1);
        lim.bind(3, (i % 32) / 2 + 1);
        lim.bind(4, i % 32 + 1);
        lim.bind(5, species[i % 3]);
        lim.bind(6, 5.0 + double(i % 400) / 10);
        lim.bind(7, 3.0 + i % 40);
        lim.bind(8, i % 6);
        lim.bind(9, 0.5 + double(i % 200) / 10);
        lim.bind(10, i % 5);
        lim.bind(11, i % 3);
        lim.run();
        spm.bind(0, i);
        spm.bind(1, i % 4 + 1);
        spm.bind(2, i / 64 + 1);
        spm.bind(3, (i % 32) / 2 + 1);
        spm.bind(4, i % 32 + 1);
        spm.bind(5, 3.0 + i % 40);
        spm.bind(6, i % 2);
        spm.bind(7, 10.0 + i % 30);
        spm.bind(8, 5.0 + i % 10);
        spm.bind(9, 0.5 + double(i % 200) / 10);
        spm.bind(10, i % 6);
        spm.bind(11, i % 4);
        spm.bind(12, species[i % 3]);
        spm.bind(13, 1.0 + double(i % 100) / 10);
        spm.run();
    }
    t.commit();
}

// Sheet 0 on the query of the method, one grid row per record.
void connectSheet(frmMainLog& w, bool lim) {
    frmMainLog::DataControl& d = w.datDataSet[0];
    d.RecordSource = lim ? kLimQuery : kSpmQuery;
    QSqlQuery q = db::select(d.RecordSource);
    d.Fields.clear();
    for (int i = 0; i < q.record().count(); ++i)
        d.Fields << q.record().fieldName(i);
    QSqlQuery count =
        db::select(lim ? u"SELECT COUNT(*) FROM LIM"_s : u"SELECT COUNT(*) FROM SPM"_s);
    count.next();
    GridModel& g = *w.grdStratum[0]->grid();
    g.clear();
    g.setFixedCols(0);
    g.setCols(int(d.Fields.size()));
    g.setRows(count.value(0).toInt() + 1);
    g.setFixedRows(1);
}

struct Setup {
    QTemporaryDir dir;
    // Lengths and use codes are answered "0".
    bench::TitledAnswers answers{{{u"LED"_s, u"5"_s},
                                  {u"Condition"_s, u"3"_s},
                                  {u"Species"_s, u"ABGR"_s},
                                  {u"Tally Column"_s, u"Tally 1"_s}},
                                 u"0"_s};
    std::unique_ptr<frmMainLog> w;
    explicit Setup(int rows, bool lim) {
        db::setPath(dir.filePath(u"dataset.db"_s));
        setPrompts(&answers);
        generate(rows);
        w = std::make_unique<frmMainLog>();
        w->show();
        w->mnuLIM->setChecked(lim);
        w->mnuSPM->setChecked(!lim);
        w->mnuCombo->setChecked(false);
    }
    ~Setup() {
        w.reset();
        setPrompts(nullptr);
        db::close();
    }
};

template <void (frmMainLog::*Metric)()> void BM_Metric(benchmark::State& state) {
    Setup s(int(state.range(0)), state.range(1) != 0);
    for (auto _ : state) {
        state.PauseTiming();
        connectSheet(*s.w, state.range(1) != 0);
        state.ResumeTiming();
        (s.w.get()->*Metric)();
    }
    state.counters["records"] = double(state.range(0));
    state.counters["messages"] = s.answers.messages;
    state.counters["peak_MiB"] = bench::peakMemoryMiB();
}
// Arguments: records, 1 for LIM or 0 for SPM.
BENCHMARK(BM_Metric<&frmMainLog::FormulaDen>)
    ->Name("LimDensity")
    ->Args({10'000, 1})
    ->Args({100'000, 1})
    ->Args({1'000'000, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(BM_Metric<&frmMainLog::FormulaDen>)
    ->Name("SpmDensity")
    ->Args({1'000'000, 0})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(BM_Metric<&frmMainLog::FormulaVol>)
    ->Name("SpmVolume")
    ->Args({1'000'000, 0})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(BM_Metric<&frmMainLog::FormulaTally>)
    ->Name("LimTally")
    ->Args({1'000'000, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// ---- "Set Criteria" after File, Open -------------------------------------------------

// A data file of `records` logs as a field crew writes one: four strata, eight
// subsegments to a transect, values with one decimal, some cells left empty.
QString logFile(bool lim, int records) {
    static const char* const species[] = {"df", "WH", "PP", "LP", "GF"};
    if (lim)
        return bench::generatedFile(
            u"lim%1.csv"_s.arg(records),
            "Stratum,Location,Transect,Segment,Subsegment,Species,Intersect,LED,Condition,"
            "Length,Tally 1,Tally 2\n",
            records, [](int i, char* line, std::size_t size) {
                const int transect = i / 24 + 1, subsegment = i / 3 % 8 + 1;
                return std::snprintf(line, size, "%d,L%d,%d,%d,%d,%s,%.1f,%.1f,%s,%.1f,%d,%d\n",
                                     transect % 4 + 1, transect % 9, transect, (subsegment + 1) / 2,
                                     subsegment, species[i % 5], 4 + (i * 37 % 560) / 10.0,
                                     5 + (i * 13 % 650) / 10.0,
                                     i % 31 == 0 ? ""
                                     : i % 2     ? "2"
                                                 : "4",
                                     0.5 + (i * 7 % 115) / 10.0, i % 4, i % 6);
            });
    return bench::generatedFile(
        u"spm%1.csv"_s.arg(records),
        "Stratum,Location,Transect,Segment,Subsegment,LED,Endpoint,Large,Small,Length,"
        "Condition,Use,Species,%Length\n",
        records, [](int i, char* line, std::size_t size) {
            const int transect = i / 24 + 1, subsegment = i / 3 % 8 + 1;
            return std::snprintf(line, size, "%d,S%d,%d,%d,%d,%.1f,%d,%.1f,%.1f,%.1f,%s,%d,%s,%d\n",
                                 transect % 4 + 1, transect % 9, transect, (subsegment + 1) / 2,
                                 subsegment, 5 + (i * 13 % 650) / 10.0, i % 7 ? 1 : 0,
                                 8 + (i * 37 % 520) / 10.0, 3 + (i * 11 % 50) / 10.0,
                                 0.5 + (i * 7 % 145) / 10.0,
                                 i % 31 == 0 ? ""
                                 : i % 2     ? "2"
                                             : "4",
                                 i % 4, species[i % 5], 10 + i % 91);
        });
}

// A database of its own and the criteria answered (LED 5, condition 3,
// species GF, every other prompt 0) for windows that import the generated files;
// the windows go before it.
struct ImportRun {
    QTemporaryDir dir;
    bench::TitledAnswers answers{
        {{u"LED"_s, u"5"_s}, {u"Condition"_s, u"3"_s}, {u"Species"_s, u"GF"_s}}, u"0"_s};
    ImportRun() {
        db::setPath(dir.filePath(u"dataset.db"_s));
        setPrompts(&answers);
    }
    ~ImportRun() {
        setPrompts(nullptr);
        db::close();
    }
    ImportRun(const ImportRun&) = delete;
    ImportRun& operator=(const ImportRun&) = delete;
};

// A window of the method that imported the generated file of `records` logs.
std::unique_ptr<frmMainLog> importedWindow(bool lim, int records) {
    auto w = std::make_unique<frmMainLog>();
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    w->Form_Load();
    if (!lim)
        w->mnuSPM_Click();
    w->OpenFile(logFile(lim, records));
    return w;
}

// Density by "Set Criteria" on sheet 0 of a window that imported the file, as
// the user runs it. Arguments: records, 1 for LIM or 0 for SPM.
void BM_SetCriteriaDensity(benchmark::State& state) {
    ImportRun run;
    auto w = importedWindow(state.range(1) != 0, int(state.range(0)));
    w->mnuDensity->setChecked(true);
    for (auto _ : state)
        w->cmdFormulaApply_Click();
    state.counters["records"] = double(state.range(0));
    state.counters["messages"] = run.answers.messages;
}
BENCHMARK(BM_SetCriteriaDensity)
    ->Args({100'000, 1})
    ->Args({100'000, 0})
    ->Args({1'000'000, 1})
    ->Args({1'000'000, 0})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// ---- Formula > Density then "Set Criteria", strip plots against line intersect ------------

// What the user does after File, Open: Formula > Density, then "Set Criteria".
// Returns the milliseconds it took.
double densityThenCriteria(frmMainLog& w) {
    QElapsedTimer clock;
    clock.start();
    w.mnuDensity_Click();
    w.cmdFormulaApply_Click();
    return double(clock.nsecsElapsed()) / 1e6;
}

// The least that writing an estimate into every strip-plot record can cost: one
// plain UPDATE of EstimLength over the whole table, from no estimate, committed.
double plainEstimateWrite() {
    db::exec(u"UPDATE SPM SET EstimLength = NULL"_s);
    QElapsedTimer clock;
    clock.start();
    db::Transaction t;
    db::exec(u"UPDATE SPM SET EstimLength = Length / 0.5"_s);
    t.commit();
    return double(clock.nsecsElapsed()) / 1e6;
}

// Both methods on the same number of records in one run, in turn (LIM, SPM,
// LIM, SPM...), so that a machine whose speed drifts slows both alike. Each
// strip-plot round starts, as after an import, with no estimated length.
// Reports the medians and the median of the round ratios SPM / LIM, and beside
// them the floor of that ratio: LIM's time plus the plain write of an estimate
// into every record, which the strip-plot metric menus must make.
// Arguments: records, rounds.
void BM_DensityThenCriteriaSpmOverLim(benchmark::State& state) {
    const int records = int(state.range(0));
    ImportRun run;
    auto lim = importedWindow(true, records);
    auto spm = importedWindow(false, records);
    std::vector<double> limMs, spmMs, writeMs, ratios, floors;
    for (auto _ : state) {
        for (int round = 0; round < state.range(1); ++round) {
            limMs.push_back(densityThenCriteria(*lim));
            db::exec(u"UPDATE SPM SET EstimLength = NULL"_s);
            spmMs.push_back(densityThenCriteria(*spm));
            writeMs.push_back(plainEstimateWrite());
            ratios.push_back(spmMs.back() / limMs.back());
            floors.push_back((limMs.back() + writeMs.back()) / limMs.back());
        }
    }
    state.counters["records"] = double(records);
    state.counters["messages"] = run.answers.messages;
    state.counters["LIM_ms"] = bench::median(limMs);
    state.counters["SPM_ms"] = bench::median(spmMs);
    state.counters["write_ms"] = bench::median(writeMs);
    state.counters["SPM/LIM"] = bench::median(ratios);
    state.counters["floor"] = bench::median(floors);
    std::printf("Density then Set Criteria on %d records: SPM %.0f ms, LIM %.0f ms (medians of %zu "
                "rounds), SPM/LIM %.2f (median of the round ratios)\n",
                records, bench::median(spmMs), bench::median(limMs), ratios.size(),
                bench::median(ratios));
    std::printf("  a plain UPDATE of EstimLength in every record: %.0f ms; LIM plus that write: "
                "%.2f of LIM (the least the strip plots can take)\n",
                bench::median(writeMs), bench::median(floors));
}
BENCHMARK(BM_DensityThenCriteriaSpmOverLim)
    ->Args({100'000, 5})
    ->Args({1'000'000, 5})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// One method alone, as a whole process times it against the other method:
// File, Open, then Formula > Density and "Set Criteria" once.
// Arguments: records, 1 for LIM or 0 for SPM.
void BM_DensityThenCriteria(benchmark::State& state) {
    ImportRun run;
    auto w = importedWindow(state.range(1) != 0, int(state.range(0)));
    for (auto _ : state)
        densityThenCriteria(*w);
    state.counters["records"] = double(state.range(0));
    state.counters["messages"] = run.answers.messages;
}
BENCHMARK(BM_DensityThenCriteria)
    ->Args({1'000'000, 1})
    ->Args({1'000'000, 0})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

void BM_WildlifeUse(benchmark::State& state) {
    Setup s(int(state.range(0)), false);
    connectSheet(*s.w, false);
    s.w->FormulaDen();
    for (auto _ : state)
        s.w->cmdWildLife_Click();
    state.counters["records"] = double(state.range(0));
    state.counters["messages"] = s.answers.messages;
    state.counters["peak_MiB"] = bench::peakMemoryMiB();
}
BENCHMARK(BM_WildlifeUse)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_Median(benchmark::State& state) {
    Setup s(int(state.range(0)), true);
    for (auto _ : state)
        benchmark::DoNotOptimize(s.w->Median(u"LIM"_s, u"Length"_s, 0));
    state.counters["records"] = double(state.range(0));
}
BENCHMARK(BM_Median)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    return vernalt::bench::runWindowBenchmarks(argc, argv);
}
