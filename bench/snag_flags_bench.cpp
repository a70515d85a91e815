// Marking the strip widths of generated snag records ("Multiple": five data
// sheets and every record of table Snags) and a cavity-use run over the first
// data sheet. Reports time and the peak resident memory of the process.
#include "bench_support.h"

#include "platform/database.h"
#include "platform/grid.h"
#include "platform/progress.h"
#include "platform/prompts.h"
#include "platform/value.h"
#include "snag/frmMainSnag.h"
#include "snag/strip_flags.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <bit>
#include <cstdint>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;
using namespace vernalt;

namespace {

// Records spread over four strata, 32 subsegments per transect, with distances,
// classes, DBHs and heights that pass and fail the criteria in turn. Distances
// and DBHs have three decimals, so that many of them lie on a half of the
// display rounding (5.005, 9.995, 10.05).
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
        insert.bind(5, double(i % 25000) / 1000); // 0 to 24.999 m
        insert.bind(6, species[i % 3]);
        insert.bind(7, i % 6);
        insert.bind(8, 5.0 + double(i % 40000) / 1000);
        insert.bind(9, 1.0 + i % 30);
        insert.bind(10, i % 3);
        insert.bind(11, i % 2);
        insert.run();
    }
    t.commit();
}

// The sheets as File, Open leaves them: sheet 0 filled with every record, the
// stratum sheets connected to their queries.
void connectSheets(frmMainSnag& w) {
    w.FillSingleTab();
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

// ---- Multiple against one set-based UPDATE ---------------------------------------

// A field as the marks read it, in plain SQL: 0 for none, else ROUNDed to the
// decimals of its size (ROUND goes half away from zero on the binary value,
// where the program rounds half to even on the decimal text).
QString sqlRounded(const QString& field) {
    const QString v = u"IFNULL("_s + field + u", 0)"_s;
    return u"ROUND("_s + v + u", CASE WHEN "_s + v + u" >= 100 THEN 0 WHEN "_s + v +
           u" >= 10 THEN 1 WHEN "_s + v + u" >= 1 THEN 2 WHEN "_s + v +
           u" >= 0.01 THEN 3 ELSE 4 END)"_s;
}

// The peers of "Multiple": one UPDATE marking every record of the table with
// the bench's criteria (DBH 10, height 2, class 4, every species but 9999) in
// plain SQL, the values display-rounded with ROUND or (`rounded` false) taken as
// stored, the least any set-based marking costs.
QString setBasedUpdate(bool rounded) {
    const auto value = [rounded](const char16_t* field) {
        return rounded ? sqlRounded(QString::fromUtf16(field)) : QString::fromUtf16(field);
    };
    const QString meets = value(u"CLASS") + u" <= 4 AND "_s + value(u"DBH") + u" >= 10 AND "_s +
                          value(u"HEIGHT") + u" >= 2 AND IFNULL(SPECIES, '0') <> '9999'"_s;
    QString sql = u"UPDATE Snags SET "_s;
    const char16_t* widths[] = {u"WIDTH10", u"WIDTH20", u"WIDTH30", u"WIDTH40"};
    const double halfWidth[] = {5, 10, 15, 20};
    for (int k = 0; k < 4; ++k)
        sql += (k ? u", "_s : u""_s) + QString::fromUtf16(widths[k]) + u" = ("_s + meets +
               u" AND "_s + value(u"DISTANCE") + u" <= "_s + numberText(halfWidth[k]) + u')';
    return sql;
}

// The four metric marks of every record as bits, in the table's order.
std::vector<std::uint8_t> storedMarks() {
    std::vector<std::uint8_t> out;
    QSqlQuery q =
        db::select(u"SELECT WIDTH10, WIDTH20, WIDTH30, WIDTH40 FROM Snags ORDER BY rowid"_s);
    while (q.next()) {
        std::uint8_t bits = 0;
        for (int k = 0; k < 4; ++k)
            bits |= std::uint8_t((q.value(k).toDouble() == 1 ? 1 : 0) << k);
        out.push_back(bits);
    }
    return out;
}

// The marks the program's rules give each record, worked out one record at a time.
std::vector<std::uint8_t> markedByTheRules() {
    const auto value = [](const QVariant& v) {
        if (v.isNull())
            return Value::null();
        if (v.typeId() == QMetaType::QString)
            return Value(v.toString());
        return Value(v.toDouble());
    };
    const StripCriteria criteria{10, 2, 4, u"9999"_s, SpeciesRule::Exclude};
    std::vector<std::uint8_t> out;
    QSqlQuery q =
        db::select(u"SELECT DISTANCE, CLASS, DBH, HEIGHT, SPECIES FROM Snags ORDER BY rowid"_s);
    while (q.next()) {
        const StripRecord r = stripRecord(value(q.value(0)), value(q.value(1)), value(q.value(2)),
                                          value(q.value(3)), value(q.value(4)));
        const std::array<int, 4> marks = stripMarks(r, criteria, halfWidths(true));
        std::uint8_t bits = 0;
        for (int k = 0; k < 4; ++k)
            bits |= std::uint8_t(marks[std::size_t(k)] << k);
        out.push_back(bits);
    }
    return out;
}

// Marks that differ between two markings of the same records.
int differingMarks(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b) {
    if (a.size() != b.size())
        return -1;
    int n = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        n += std::popcount(unsigned(a[i] ^ b[i]));
    return n;
}

// Width cells of the five sheets that differ from the marks stored in the table
// for the record the row shows (each sheet's query gives its records in order).
int differingSheetMarks(frmMainSnag& w) {
    int n = 0;
    for (int k = 0; k < 5; ++k) {
        const GridModel& g = *w.grdStratum[std::size_t(k)]->grid();
        QSqlQuery q = db::select(w.datDataSet[std::size_t(k)].RecordSource);
        for (int row = 1; q.next(); ++row)
            for (int c = 6; c < 10; ++c)
                n += row >= g.rows() || g.text(row, c) != numberText(q.value(c).toDouble());
    }
    return n;
}

// "Multiple" and its set-based peers on the same generated table, taking turns
// from unmarked records, best of three each: the plain UPDATE (no rounding, the
// headline peer), the UPDATE with ROUND, and markTable (the UPDATE that
// "Multiple" runs, exact). Multiple starts from the sheets as File, Open leaves
// them. The ratios are Multiple / peer. Also counts the marks of each that
// differ from the rules worked out record by record (Multiple must have none),
// and the width cells of the sheets that differ from the table's marks.
void BM_MultipleAgainstUpdate(benchmark::State& state) {
    Setup s(int(state.range(0)));
    const auto unmark = [] {
        db::exec(u"UPDATE Snags SET WIDTH10 = NULL, WIDTH20 = NULL, WIDTH30 = NULL, "
                 u"WIDTH40 = NULL"_s);
    };
    // Runs `run` from unmarked records; its best time so far goes to `best`.
    const auto timed = [&](double& best, auto&& run) {
        unmark();
        QElapsedTimer t;
        t.start();
        run();
        best = std::min(best, double(t.nsecsElapsed()) / 1e6);
        return storedMarks();
    };
    const auto update = [](const QString& sql) {
        return [sql] {
            db::Transaction transaction;
            db::exec(sql);
            transaction.commit();
        };
    };
    const StripCriteria criteria{10, 2, 4, u"9999"_s, SpeciesRule::Exclude};
    const auto table = [&] {
        db::Transaction transaction;
        markTable(criteria, halfWidths(true),
                  {u"WIDTH10"_s, u"WIDTH20"_s, u"WIDTH30"_s, u"WIDTH40"_s},
                  {u"DISTANCE"_s, u"CLASS"_s, u"DBH"_s, u"HEIGHT"_s, u"SPECIES"_s});
        transaction.commit();
    };
    double plainMs = 1e300, roundMs = 1e300, tableMs = 1e300, multipleMs = 1e300;
    std::vector<std::uint8_t> byPlain, byRound, byTable, byMultiple;
    for (auto _ : state) {
        for (int round = 0; round < 3; ++round) {
            byPlain = timed(plainMs, update(setBasedUpdate(false)));
            byRound = timed(roundMs, update(setBasedUpdate(true)));
            byTable = timed(tableMs, table);
            connectSheets(*s.w);
            byMultiple = timed(multipleMs, [&] { s.w->cmdFormMulti_Click(0); });
        }
    }
    const std::vector<std::uint8_t> rules = markedByTheRules();
    state.SetLabel(QStringLiteral("Multiple / plain UPDATE = %1")
                       .arg(multipleMs / plainMs, 0, 'f', 2)
                       .toStdString());
    state.counters["records"] = double(state.range(0));
    state.counters["multiple_ms"] = multipleMs;
    state.counters["update_plain_ms"] = plainMs;
    state.counters["update_round_ms"] = roundMs;
    state.counters["mark_table_ms"] = tableMs;
    state.counters["ratio"] = multipleMs / plainMs;
    state.counters["ratio_round"] = multipleMs / roundMs;
    state.counters["sheet_marks_off"] = differingSheetMarks(*s.w);
    state.counters["table_ratio_plain"] = tableMs / plainMs;
    state.counters["multiple_marks_off"] = differingMarks(byMultiple, rules);
    state.counters["table_marks_off"] = differingMarks(byTable, rules);
    state.counters["plain_marks_off"] = differingMarks(byPlain, rules);
    state.counters["round_marks_off"] = differingMarks(byRound, rules);
    state.counters["messages"] = s.answers.messages;
}
BENCHMARK(BM_MultipleAgainstUpdate)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Iterations(1);

// The cost of the progress figure: "Multiple" on a shown window with the
// progress as the program shows it (every 100 ms, the window painted each
// time) against the same run with it never shown, taking turns, best of three.
void BM_ProgressOverhead(benchmark::State& state) {
    Setup s(int(state.range(0)));
    s.w->show();
    const ProgressPace usual = progressPace();
    double shownMs = 1e300, quietMs = 1e300;
    for (auto _ : state) {
        for (int round = 0; round < 3; ++round) {
            for (const bool shown : {true, false}) {
                progressPace().minTotal = shown ? usual.minTotal : qint64(1) << 62;
                connectSheets(*s.w);
                QElapsedTimer t;
                t.start();
                s.w->cmdFormMulti_Click(0);
                const double ms = double(t.nsecsElapsed()) / 1e6;
                (shown ? shownMs : quietMs) = std::min(shown ? shownMs : quietMs, ms);
            }
        }
    }
    progressPace() = usual;
    state.counters["shown_ms"] = shownMs;
    state.counters["quiet_ms"] = quietMs;
    state.counters["overhead_pct"] = 100 * (shownMs - quietMs) / quietMs;
}
BENCHMARK(BM_ProgressOverhead)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Iterations(1);

// One step of the progress, as every record calls it.
void BM_ProgressStep(benchmark::State& state) {
    Progress progress(nullptr);
    const QString doing = u"Marking"_s;
    qint64 done = 0;
    for (auto _ : state)
        progress.step(doing, ++done, qint64(1) << 40);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ProgressStep);

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
