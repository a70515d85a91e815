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
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

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
