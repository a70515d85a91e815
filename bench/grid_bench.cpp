// Filling and showing a data sheet of a million records of 23 columns: time,
// peak memory of the process (VmHWM) and the memory the cells cost.
#include "bench_support.h"

#include "platform/grid.h"

#include <QAccessible>
#include <QApplication>
#include <QHeaderView>
#include <QPersistentModelIndex>
#include <QScrollBar>
#include <QStringList>
#include <benchmark/benchmark.h>
#include <fstream>
#include <string>
#include <vector>

using namespace Qt::StringLiterals;
using vernalt::Grid;
using vernalt::GridModel;

namespace {

constexpr int Columns = 23;

QString titles() {
    QStringList t;
    for (int c = 0; c < Columns; ++c)
        t << u"^Field "_s + QString::fromLatin1(std::to_string(c));
    return t.join(u'|');
}

// Mostly numbers; the stratum, location and species columns are texts from
// small sets, as in an imported survey file.
void fillSheet(GridModel& m, int records) {
    static const QString strata[] = {u"North"_s, u"South"_s, u"East"_s, u"West"_s};
    static const QString species[] = {u"PSME"_s, u"ABGR"_s, u"THPL"_s, u"TSHE"_s,
                                      u"PIPO"_s, u"LAOC"_s, u"PICO"_s, u"ABLA"_s};
    QStringList locations;
    for (int i = 0; i < 50; ++i)
        locations << u"Unit "_s + QString::fromLatin1(std::to_string(i));
    m.setFixedCols(0);
    m.setFormatString(titles());
    m.fillRows(records + 1, [&](int r) {
        m.setNumber(r, 0, r);
        m.setText(r, 1, strata[r % 4]);
        m.setText(r, 2, locations[r % 50]);
        m.setText(r, 3, species[r % 8]);
        for (int c = 4; c < Columns; ++c)
            m.setNumber(r, c, r * 0.25 + c);
    });
}

void BM_FillMillionRecords(benchmark::State& state) {
    const int records = int(state.range(0));
    const double before = vernalt::bench::procStatusKb("VmRSS:");
    double cellsKb = 0;
    for (auto _ : state) {
        GridModel m;
        fillSheet(m, records);
        cellsKb = vernalt::bench::procStatusKb("VmRSS:") - before;
        benchmark::DoNotOptimize(m.rows());
    }
    state.counters["VmHWM_MB"] = vernalt::bench::procStatusKb("VmHWM:") / 1024;
    state.counters["sheet_MB"] = cellsKb / 1024;
    state.counters["bytes_per_cell"] = cellsKb * 1024 / (double(records) * Columns);
}
BENCHMARK(BM_FillMillionRecords)->Arg(1000000)->Iterations(1)->Unit(benchmark::kMillisecond);

// Texts as an import reads them: numbers given as their text are kept as numbers.
void BM_FillFromTexts(benchmark::State& state) {
    const int records = int(state.range(0));
    QStringList pool;
    for (int i = 0; i < 1000; ++i)
        pool << QString::fromLatin1(std::to_string(i))
             << QString::fromLatin1(std::to_string(i) + ".25")
             << QString::fromLatin1(std::to_string(i) + ".0");
    for (auto _ : state) {
        GridModel m;
        m.setFixedCols(0);
        m.setFormatString(titles());
        m.fillRows(records + 1, [&](int r) {
            for (int c = 0; c < Columns; ++c)
                m.setText(r, c, pool[(r + c) % pool.size()]);
        });
        benchmark::DoNotOptimize(m.rows());
    }
    state.SetItemsProcessed(state.iterations() * records * Columns);
}
BENCHMARK(BM_FillFromTexts)->Arg(100000)->Unit(benchmark::kMillisecond);

// A view on a million records: jumping to a place and painting one screenful.
void BM_ViewPageOfMillion(benchmark::State& state) {
    Grid g;
    fillSheet(*g.grid(), 1000000);
    g.setRowHeight(0, 630);
    g.resize(1000, 700);
    g.show();
    QApplication::processEvents();
    int step = 0;
    for (auto _ : state) {
        QScrollBar* bar = g.verticalScrollBar();
        bar->setValue(int((std::int64_t(bar->maximum()) * (step++ * 7919 % 1000)) / 1000));
        benchmark::DoNotOptimize(g.viewport()->grab());
    }
    state.counters["VmHWM_MB"] = vernalt::bench::procStatusKb("VmHWM:") / 1024;
}
BENCHMARK(BM_ViewPageOfMillion)->Unit(benchmark::kMillisecond);

// A new survey replacing a sheet (in its grid view) after every cell has been
// held: emptied to its fixed row, then filled again, as an import does. The
// second argument 1 holds the cells as a screen reader does (an accessible
// interface per cell, each keeping a persistent index), 0 as bare persistent
// indexes. Only the emptying and refilling is timed.
void BM_RefillHeldSheet(benchmark::State& state) {
    const int records = int(state.range(0));
    const bool accessible = state.range(1) != 0;
    Grid g;
    GridModel& m = *g.grid();
    if (accessible) {
        QAccessible::setActive(true);
        g.show();
        QApplication::processEvents();
    }
    for (auto _ : state) {
        state.PauseTiming();
        fillSheet(m, records);
        std::vector<QPersistentModelIndex> held;
        if (accessible) {
            QAccessibleTableInterface* table =
                QAccessible::queryAccessibleInterface(&g)->tableInterface();
            for (int r = 0; r < m.rows(); ++r)
                for (int c = 0; c < m.cols(); ++c)
                    benchmark::DoNotOptimize(table->cellAt(r, c));
        } else {
            held.reserve(std::size_t(m.rows()) * Columns);
            for (int r = 0; r < m.rows(); ++r)
                for (int c = 0; c < m.cols(); ++c)
                    held.emplace_back(m.index(r, c));
        }
        state.ResumeTiming();
        m.clear();
        m.setRows(1);
        fillSheet(m, records);
    }
    state.counters["cells"] = double(records) * Columns;
}
BENCHMARK(BM_RefillHeldSheet)
    ->ArgsProduct({{300, 1000, 3000}, {0, 1}})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
