// Marking the strip widths of generated snag records ("Multiple": five data
// sheets and every record of table Snags) and a cavity-use run over the first
// data sheet. Reports time and the peak resident memory of the process.
#include "bench_support.h"

#include "platform/database.h"
#include "platform/grid.h"
#include "platform/prompts.h"
#include "platform/value.h"
#include "snag/frmMainSnag.h"

#include <QApplication>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

using namespace Qt::StringLiterals;
using namespace vernalt;

namespace {

// Records spread over four strata, 32 subsegments per transect, with distances,
// classes, DBHs and heights that pass and fail the criteria in turn.
void generate(int rows) {
    db::exec(u"DELETE FROM Snags"_s);
    db::Transaction t;
    db::BulkStatement insert(
        u"INSERT INTO Snags (id, STRATUM, LOCATION, Transect, Segment, Subsegment, DISTANCE, "
        u"SPECIES, CLASS, DBH, HEIGHT, CAVITY, FORAGE, FOREST, DISTRICT, SUBWATERSHED, "
        u"OBSERVER, DATE) VALUES (?, ?, 'L7', ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 'Forest', "
        u"'District', 'Creek', 'AB', '6/1/04')"_s);
    const QString species[] = {u"PSME"_s, u"12"_s, u"ABGR"_s};
    for (int i = 1; i <= rows; ++i) {
        insert.bind(0, i);
        insert.bind(1, i % 4 + 1);
        insert.bind(2, i / 64 + 1);
        insert.bind(3, (i % 32) / 2 + 1);
        insert.bind(4, i % 32 + 1);
        insert.bind(5, double(i % 250) / 10); // 0 to 24.9 m
        insert.bind(6, species[i % 3]);
        insert.bind(7, i % 6);
        insert.bind(8, 5.0 + i % 40);
        insert.bind(9, 1.0 + i % 30);
        insert.bind(10, i % 3);
        insert.bind(11, i % 2);
        insert.run();
    }
    t.commit();
}

// The sheets' queries and one grid row per record, as the window connects them.
void connectSheets(frmMainSnag& w) {
    for (int k = 0; k < 5; ++k) {
        const QString condition = k == 0 ? QString() : u"WHERE stratum="_s + numberText(k);
        w.datDataSet[std::size_t(k)].RecordSource =
            u"SELECT STRATUM,LOCATION,Transect, ROUND(([segment]+0.999)/2,0) AS Section, "
            u"ROUND(([subsegment]+0.999)/2,0) AS Segment, Subsegment,WIDTH10,WIDTH20,WIDTH30,"
            u"WIDTH40,DISTANCE,SPECIES,CLASS,DBH,HEIGHT,CAVITY,FORAGE,QUALIFYING,FOREST,"
            u"DISTRICT,SUBWATERSHED,OBSERVER,DATE FROM Snags "_s +
            condition + u" ORDER BY transect, subsegment, id;"_s;
        QSqlQuery count = db::select(u"SELECT COUNT(*) FROM Snags "_s + condition);
        count.next();
        GridModel& g = *w.grdStratum[std::size_t(k)]->grid();
        g.setFixedCols(0);
        g.clear();
        g.setRows(count.value(0).toInt() + 1);
        g.setFormatString(u"^Stratum|^Location|^Transect|^Section|^Segment|^Subsegment|^Width10|"
                          u"^Width20|^Width30|^Width40|^Distance|^Species|^Class|^DBH|^Height|"
                          u"^Cavity|^Forage|^Qualifying|^Forest|^District|^Subwatershed|"
                          u"^Observer|^Date"_s);
    }
}

struct Setup {
    QTemporaryDir dir;
    // Use codes are answered "1".
    bench::TitledAnswers answers{{{u"DBH"_s, u"10"_s},
                                  {u"Height"_s, u"2"_s},
                                  {u"Decay Class"_s, u"4"_s},
                                  {u"Species"_s, u"9999"_s}},
                                 u"1"_s};
    std::unique_ptr<frmMainSnag> w;
    explicit Setup(int rows) {
        db::setPath(dir.filePath(u"dataset.db"_s));
        setPrompts(&answers);
        generate(rows);
        w = std::make_unique<frmMainSnag>();
    }
    ~Setup() {
        w.reset();
        setPrompts(nullptr);
        db::close();
    }
};

void BM_MultipleFill(benchmark::State& state) {
    Setup s(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        connectSheets(*s.w);
        state.ResumeTiming();
        s.w->cmdFormMulti_Click(0);
    }
    state.counters["records"] = double(state.range(0));
    state.counters["messages"] = s.answers.messages;
    state.counters["peak_MiB"] = bench::peakMemoryMiB();
}
BENCHMARK(BM_MultipleFill)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// A second fill with other criteria: only the records whose marks change are written.
void BM_MultipleAgain(benchmark::State& state) {
    Setup s(int(state.range(0)));
    connectSheets(*s.w);
    s.w->cmdFormMulti_Click(0);
    for (auto _ : state) {
        state.PauseTiming();
        connectSheets(*s.w);
        s.answers.answers[u"DBH"_s] = u"12"_s;
        state.ResumeTiming();
        s.w->cmdFormMulti_Click(0);
    }
    state.counters["records"] = double(state.range(0));
    state.counters["peak_MiB"] = bench::peakMemoryMiB();
}
BENCHMARK(BM_MultipleAgain)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_CavityUse(benchmark::State& state) {
    Setup s(int(state.range(0)));
    connectSheets(*s.w);
    s.w->cmdFormMulti_Click(0);
    for (auto _ : state)
        s.w->cmdCavity_Click(0);
    state.counters["records"] = double(state.range(0));
    state.counters["messages"] = s.answers.messages;
    state.counters["peak_MiB"] = bench::peakMemoryMiB();
}
BENCHMARK(BM_CavityUse)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    return vernalt::bench::runWindowBenchmarks(argc, argv);
}
