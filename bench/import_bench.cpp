// Importing generated snag data files of 10 thousand, 100 thousand and one
// million records: the import into table Snags, the filling of data sheet 0,
// the whole File, Open of the snag window, and for comparison the sqlite3
// shell's own .import of the same file. Each reports the peak resident memory
// of the process so far (VmHWM); run one size per process to read it per size:
//   import_bench --benchmark_filter='/1000000'
#include "bench_support.h"
#include "snag_data_file.h"

#include "data/csv_import.h"
#include "data/sheet_queries.h"
#include "platform/database.h"
#include "platform/grid.h"
#include "platform/prompts.h"
#include "snag/frmMainSnag.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <map>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

using namespace vernalt;

data::CsvImportOptions snagOptions() {
    data::CsvImportOptions o;
    o.table = u"Snags"_s;
    o.textColumns = {u"LOCATION"_s, u"FOREST"_s, u"DISTRICT"_s, u"SUBWATERSHED"_s,
                     u"OBSERVER"_s, u"DATE"_s,   u"SPECIES"_s};
    return o;
}

void useDatabase(const char* name) {
    db::setPath(bench::folder().filePath(QString::fromLatin1(name)));
}

// The data file into table Snags, all or nothing.
void BM_ImportCsv(benchmark::State& state) {
    const QString file = bench::snagDataFile(int(state.range(0)));
    useDatabase("import.db");
    for (auto _ : state)
        benchmark::DoNotOptimize(data::importCsv(file, snagOptions()).rows);
    bench::reportRecords(state);
    db::close();
}

// Data sheet 0 filled from the table: the counts of the five sheets, then the
// records of sheet 0 in order, as the window fills it (fillSnagSheet: records in
// the table's order placed by a sort of their keys) or through the sheet's
// query sorted by the database.
template <bool bySql> void BM_FillSheet0(benchmark::State& state) {
    const QString file = bench::snagDataFile(int(state.range(0)));
    useDatabase("fill.db");
    data::importCsv(file, snagOptions());
    const QString format = data::snagSheetFormat({u"10"_s, u"20"_s, u"30"_s, u"40"_s});
    for (auto _ : state) {
        GridModel g;
        g.setFixedCols(0);
        g.setRows(data::snagSheetCounts()[0] + 1);
        g.setFormatString(format);
        if (bySql)
            benchmark::DoNotOptimize(data::fillGridFromQuery(g, data::snagSheetQuery(true, 0)));
        else
            benchmark::DoNotOptimize(data::fillSnagSheet(g, true, 0));
    }
    bench::reportRecords(state);
    db::close();
}

// File, Open of the snag window: the import, the reset of the window and the
// five sheets with sheet 0 filled.
void BM_FileOpen(benchmark::State& state) {
    bench::OpenFilePrompts answers;
    answers.file = bench::snagDataFile(int(state.range(0)));
    setPrompts(&answers);
    useDatabase("window.db");
    auto w = std::make_unique<frmMainSnag>();
    for (auto _ : state)
        w->mnuFileOpen_Click();
    bench::reportRecords(state);
    w.reset();
    setPrompts(nullptr);
    db::close();
}

// The sqlite3 shell's own .import of the same file, into a table with the
// columns of Snags but its record number (the file has none), in one
// transaction. Timed from the start of the shell to its end.
void BM_Sqlite3Import(benchmark::State& state) {
    const QString file = bench::snagDataFile(int(state.range(0)));
    const QString dbFile = bench::folder().filePath(u"shell.db"_s);
    useDatabase("shell.db");
    db::exec(u"DROP TABLE IF EXISTS SnagsCsv"_s);
    db::exec(u"CREATE TABLE SnagsCsv (STRATUM REAL, LOCATION TEXT, Transect REAL, Segment REAL, "
             u"Subsegment REAL, WIDTH10 REAL, WIDTH20 REAL, WIDTH30 REAL, WIDTH40 REAL, "
             u"DISTANCE REAL, SPECIES TEXT, CLASS REAL, DBH REAL, HEIGHT REAL, CAVITY REAL, "
             u"FORAGE REAL, QUALIFYING REAL, FOREST TEXT, DISTRICT TEXT, SUBWATERSHED TEXT, "
             u"OBSERVER TEXT, DATE TEXT)"_s);
    db::close();
    const QByteArray commands =
        "DELETE FROM SnagsCsv;\n.import --csv --skip 1 '" + file.toUtf8() + "' SnagsCsv\n";
    for (auto _ : state) {
        QProcess shell;
        QElapsedTimer clock;
        clock.start();
        shell.start(u"sqlite3"_s, {dbFile});
        if (!shell.waitForStarted()) {
            state.SkipWithError("sqlite3 cannot be started");
            return;
        }
        shell.write(commands);
        shell.closeWriteChannel();
        shell.waitForFinished(-1);
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
        if (shell.exitCode() != 0)
            state.SkipWithError(shell.readAllStandardError().constData());
    }
    bench::reportRecords(state);
}

BENCHMARK(BM_ImportCsv)->Apply(bench::recordSizes);
BENCHMARK(BM_FillSheet0<false>)->Name("BM_FillSheet0")->Apply(bench::recordSizes);
BENCHMARK(BM_FillSheet0<true>)->Name("BM_FillSheet0BySql")->Apply(bench::recordSizes);
BENCHMARK(BM_FileOpen)->Apply(bench::recordSizes);
BENCHMARK(BM_Sqlite3Import)->Apply(bench::recordSizes)->UseManualTime();

} // namespace

int main(int argc, char** argv) {
    return vernalt::bench::runWindowBenchmarks(argc, argv);
}
