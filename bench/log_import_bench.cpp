// The log window's File, Open on generated line-intersect files of 10 thousand,
// 100 thousand and one million records (the import into table LIM with every
// Qualify 0, then data sheet 0 filled in order), and "Apply and Sort" (the four
// stratum sheets requeried and filled). Each reports the peak resident memory
// of the process so far (VmHWM); run one size per process to read it per size:
//   log_import_bench --benchmark_filter='/1000000'
#include "bench_support.h"

#include "data/csv_import.h"
#include "data/log_sheet_queries.h"
#include "data/sheet_queries.h"
#include "log/frmMainLog.h"
#include "platform/database.h"
#include "platform/grid.h"
#include "platform/prompts.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

using namespace vernalt;

// A file of `records` log records, written once per size: four strata, eight
// subsegments to a transect, a few logs per subsegment.
QString dataFile(int records) {
    static const char* const species[] = {"PSME", "ABGR", "THPL", "PIPO", "LAOC"};
    return bench::generatedFile(
        u"lim%1.csv"_s.arg(records),
        "Stratum,Location,Transect,Segment,Subsegment,Species,Intersect,LED,Condition,Length,"
        "Tally 1\n",
        records, [](int i, char* line, std::size_t size) {
            const int transect = i / 24 + 1;
            const int subsegment = i / 3 % 8 + 1;
            return std::snprintf(line, size, "%d,O'Brien %d,%d,%d,%d,%s,%.1f,%d,%d,%.1f,%d\n",
                                 transect % 4 + 1, transect % 9, transect, (subsegment + 1) / 2,
                                 subsegment, species[i % 5], 5 + (i * 37 % 400) / 10.0, 10 + i % 60,
                                 i % 5 + 1, 1 + (i * 13 % 300) / 10.0, i % 2);
        });
}

// The answer to the file dialog; the message of "Apply and Sort" without a
// chosen formula is answered OK.
class BenchPrompts : public Prompts {
  public:
    QString file;
    QString inputBox(const QString&, const QString&, const QString&) override { return {}; }
    MsgResult messageBox(const QString& text, const QString&, MsgIcon, MsgButtons, int) override {
        if (text != u"Please select a formula from the drop-down menu above."_s)
            std::fprintf(stderr, "unexpected message: %s\n", qPrintable(text));
        return MsgResult::Ok;
    }
    QString openFile(const QString&, const QString&) override { return file; }
    bool printerDialog(QPrinter&) override { return false; }
};

std::unique_ptr<frmMainLog> loadedWindow() {
    auto w = std::make_unique<frmMainLog>();
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    w->Form_Load();
    return w;
}

// File, Open: the import and sheet 0.
void BM_LogFileOpen(benchmark::State& state) {
    BenchPrompts answers;
    answers.file = dataFile(int(state.range(0)));
    setPrompts(&answers);
    db::setPath(bench::folder().filePath(u"open.db"_s));
    auto w = loadedWindow();
    for (auto _ : state)
        w->mnuFileOpen_Click();
    bench::reportRecords(state);
    w.reset();
    setPrompts(nullptr);
    db::close();
}

// The parts of File, Open alone: the import into LIM (one transaction), the
// Qualify column set to 0, and sheet 0 filled as the window fills it (the
// keys sorted, the records placed; fill_s) and through its query sorted by the
// database (fill_sql_s), one after the other.
void BM_LogImportParts(benchmark::State& state) {
    const QString file = dataFile(int(state.range(0)));
    db::setPath(bench::folder().filePath(u"parts.db"_s));
    data::CsvImportOptions o;
    o.table = u"LIM"_s;
    o.textColumns = {u"Species"_s, u"Location"_s};
    o.blankFieldIsEmpty = false;
    o.unquoteBeforeHeader = true;
    o.headerFirst = true;
    double import = 0, qualify = 0, fill = 0, fillSql = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        data::importCsv(file, o);
        import += double(clock.nsecsElapsed()) / 1e9;
        clock.restart();
        db::exec(u"UPDATE LIM SET Qualify = 0"_s);
        qualify += double(clock.nsecsElapsed()) / 1e9;
        clock.restart();
        for (const bool bySql : {false, true}) {
            GridModel g;
            g.setFixedCols(0);
            g.setRows(data::logSheetCounts(true)[0] + 1);
            g.setCols(16);
            if (bySql)
                data::fillGridFromQuery(g, data::logSheetQuery(true, 0));
            else
                data::fillLogSheet(g, true, 0);
            (bySql ? fillSql : fill) += double(clock.nsecsElapsed()) / 1e9;
            clock.restart();
        }
    }
    const double n = double(state.iterations());
    state.counters["import_s"] = import / n;
    state.counters["qualify_s"] = qualify / n;
    state.counters["fill_s"] = fill / n;
    state.counters["fill_sql_s"] = fillSql / n;
    bench::reportRecords(state);
    db::close();
}

// "Apply and Sort" on stratum 1 after an import, no formula chosen.
void BM_LogApplyAndSort(benchmark::State& state) {
    BenchPrompts answers;
    answers.file = dataFile(int(state.range(0)));
    setPrompts(&answers);
    db::setPath(bench::folder().filePath(u"sort.db"_s));
    auto w = loadedWindow();
    w->mnuFileOpen_Click();
    for (auto _ : state)
        w->cmdSort1_Click();
    bench::reportRecords(state);
    w.reset();
    setPrompts(nullptr);
    db::close();
}

BENCHMARK(BM_LogFileOpen)->Apply(bench::recordSizes);
BENCHMARK(BM_LogApplyAndSort)->Apply(bench::recordSizes);
BENCHMARK(BM_LogImportParts)->Apply(bench::recordSizes);

} // namespace

int main(int argc, char** argv) {
    return vernalt::bench::runWindowBenchmarks(argc, argv);
}
