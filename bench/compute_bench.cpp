// Subtotals and statistics of a generated data sheet of 10 thousand to 1 million
// records (CalculateSubtotals + CalculateStats), and a whole Compute run on it
// with the prompts answered. Reports time and the peak resident memory.
#include "bench_support.h"

#include "platform/database.h"
#include "platform/grid.h"
#include "platform/prompts.h"
#include "snag/frmMainSnag.h"

#include <QApplication>
#include <QRadioButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>

using namespace Qt::StringLiterals;
using namespace vernalt;

namespace {

// Answers the number of strata, the cost category and the stratum size; any
// message is counted (and there should be none).
class FixedAnswers : public bench::CountingPrompts {
  public:
    QString inputBox(const QString& prompt, const QString& title, const QString&) override {
        if (title == u"Number of Strata"_s)
            return u"1"_s;
        if (title == u"General Cost Per Sample"_s)
            return u"3"_s;
        if (title == u"Stratum Size"_s)
            return u"5000"_s;
        std::fprintf(stderr, "unexpected prompt: %s\n", qPrintable(prompt));
        return {};
    }
    void noteMessage(const QString& text) override {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
};

// Sheet 0 as the query orders it: transects of 32 subsegments with two records
// each, one stratum per transect, marks 0 and 1 varying by record.
void fillSheet(frmMainSnag& w, int records) {
    GridModel& g = *w.grdStratum[0]->grid();
    g.clear();
    g.setFixedCols(0);
    g.setFormatString(u"^Stratum|^Location|^Transect|^Section|^Segment|^Subsegment|^Width10|"
                      u"^Width20|^Width30|^Width40|^Distance|^Species|^Class|^DBH|^Height|"
                      u"^Cavity|^Forage|^Qualifying|^Forest|^District|^Subwatershed|"
                      u"^Observer|^Date"_s);
    const QString species[] = {u"PSME"_s, u"ABGR"_s, u"THPL"_s};
    g.fillRows(records + 1, [&](int r) {
        const int i = r - 1;
        const int transect = i / 64 + 1;
        const int subsegment = (i % 64) / 2 + 1;
        const int segment = (subsegment + 1) / 2;
        const int section = (segment + 1) / 2;
        const unsigned h = unsigned(i) * 2654435761u;
        g.setNumber(r, 0, transect % 4 + 1);
        g.setText(r, 1, u"L7"_s);
        g.setNumber(r, 2, transect);
        g.setNumber(r, 3, section);
        g.setNumber(r, 4, segment);
        g.setNumber(r, 5, subsegment);
        for (int w = 0; w < 4; ++w)
            g.setNumber(r, 6 + w, (h >> (8 + 3 * w)) % 4 <= unsigned(w) ? 1 : 0);
        g.setNumber(r, 10, double(i % 250) / 10);
        g.setText(r, 11, species[i % 3]);
        g.setNumber(r, 12, i % 6);
        g.setNumber(r, 13, 5 + i % 40);
        g.setNumber(r, 14, 1 + i % 30);
    });
}

struct Setup {
    QTemporaryDir dir;
    FixedAnswers answers;
    std::unique_ptr<frmMainSnag> w;
    explicit Setup(int records) {
        db::setPath(dir.filePath(u"dataset.db"_s));
        setPrompts(&answers);
        w = std::make_unique<frmMainSnag>();
        fillSheet(*w, records);
        w->optStratum[0]->setChecked(true);
    }
    ~Setup() {
        w.reset();
        setPrompts(nullptr);
        db::close();
    }
};

void BM_SubtotalsAndStats(benchmark::State& state) {
    Setup s(int(state.range(0)));
    for (auto _ : state) {
        QString result;
        s.w->CalculateSubtotals(result);
        s.w->CalculateStats();
        benchmark::DoNotOptimize(result);
    }
    state.counters["records"] = double(state.range(0));
    state.counters["subsegments"] = double(s.w->PlotCounts[1]);
    state.counters["messages"] = s.answers.messages;
    state.counters["peak_MiB"] = bench::peakMemoryMiB();
}
BENCHMARK(BM_SubtotalsAndStats)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond);

// The Compute button: subtotals, statistics, the optimal choice and the single sheet.
void BM_WholeCompute(benchmark::State& state) {
    Setup s(int(state.range(0)));
    for (auto _ : state)
        s.w->cmdSubtotals_Click();
    state.counters["records"] = double(state.range(0));
    state.counters["messages"] = s.answers.messages;
    state.counters["peak_MiB"] = bench::peakMemoryMiB();
}
BENCHMARK(BM_WholeCompute)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return vernalt::bench::runWindowBenchmarks(argc, argv);
}
