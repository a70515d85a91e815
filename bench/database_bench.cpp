// Bulk writes and reads on dataset.db: an import of generated snag records through
// one prepared statement in one transaction, and reading them back sorted as a
// data sheet does. Reports time and the peak resident memory of the process.
#include "bench_support.h"

#include "platform/database.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

const QString kInsert =
    u"INSERT INTO \"Snags\" (\"id\", \"STRATUM\", \"LOCATION\", \"Transect\", \"Segment\", "
    u"\"Subsegment\", \"WIDTH10\", \"WIDTH20\", \"WIDTH30\", \"WIDTH40\", \"DISTANCE\", "
    u"\"SPECIES\", \"CLASS\", \"DBH\", \"HEIGHT\", \"CAVITY\", \"FORAGE\", \"QUALIFYING\", "
    u"\"FOREST\", \"DISTRICT\", \"SUBWATERSHED\", \"OBSERVER\", \"DATE\") "
    u"VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"_s;

// Snag records of the kind an import writes: the numbers as the text of the file.
template <class Statement, class Bind, class Run>
void importSnags(int rows, Statement& insert, Bind bind, Run run) {
    const QString fields[] = {u"1"_s, u"0"_s, u"1"_s,  u"12.5"_s,  u"3.25"_s,
                              u"2"_s, u"0"_s, u"AB"_s, u"6/1/04"_s};
    for (int i = 1; i <= rows; ++i) {
        int k = 0;
        const auto add = [&](const QString& v) { bind(insert, k++, v); };
        bind(insert, k++, QString::number(i));
        add(QString::number(i % 4 + 1));
        add(u"L7"_s);
        add(QString::number(i / 64 + 1));
        add(QString::number(i % 16 + 1));
        add(QString::number(i % 32 + 1));
        for (int w = 0; w < 4; ++w)
            add(fields[w < 2 ? 0 : 1]);
        add(fields[4]);
        add(u"PSME"_s);
        add(fields[5]);
        add(fields[3]);
        add(u"20"_s);
        add(fields[2]);
        add(fields[6]);
        add(fields[0]);
        add(u"Forest"_s);
        add(u"District"_s);
        add(u"Creek"_s);
        add(fields[7]);
        add(fields[8]);
        run(insert);
    }
}

// Through QSqlQuery: prepare() and run().
void importSnagsQt(int rows) {
    using namespace vernalt;
    db::Transaction t;
    db::exec(u"DELETE FROM \"Snags\""_s);
    QSqlQuery insert = db::prepare(kInsert);
    importSnags(
        rows, insert, [](QSqlQuery& q, int, const QString& v) { q.addBindValue(v); },
        [](QSqlQuery& q) { db::run(q); });
    t.commit();
}

// Through BulkStatement.
void importSnagsBulk(int rows) {
    using namespace vernalt;
    db::Transaction t;
    db::exec(u"DELETE FROM \"Snags\""_s);
    db::BulkStatement insert(kInsert);
    importSnags(
        rows, insert, [](db::BulkStatement& b, int k, const QString& v) { b.bind(k, v); },
        [](db::BulkStatement& b) { b.run(); });
    t.commit();
}

template <void (*Import)(int)> void BM_Import(benchmark::State& state) {
    QTemporaryDir dir;
    vernalt::db::setPath(dir.filePath(u"dataset.db"_s));
    const int rows = static_cast<int>(state.range(0));
    for (auto _ : state)
        Import(rows);
    state.SetItemsProcessed(state.iterations() * rows);
    state.counters["peak_MiB"] = vernalt::bench::peakMemoryMiB();
    vernalt::db::close();
}
BENCHMARK(BM_Import<importSnagsQt>)
    ->Name("ImportSnags/QSqlQuery")
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Import<importSnagsBulk>)
    ->Name("ImportSnags/BulkStatement")
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond);

void BM_ReadSortedSheet(benchmark::State& state) {
    QTemporaryDir dir;
    vernalt::db::setPath(dir.filePath(u"dataset.db"_s));
    const int rows = static_cast<int>(state.range(0));
    importSnagsBulk(rows);
    for (auto _ : state) {
        QSqlQuery q = vernalt::db::select(
            u"SELECT * FROM \"Snags\" WHERE \"STRATUM\" = ? ORDER BY \"Transect\", "
            u"\"Subsegment\", \"id\""_s,
            {2});
        double sum = 0;
        while (q.next())
            sum += q.value(13).toDouble();
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * rows / 4);
    state.counters["peak_MiB"] = vernalt::bench::peakMemoryMiB();
    vernalt::db::close();
}
BENCHMARK(BM_ReadSortedSheet)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
