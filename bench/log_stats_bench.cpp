// "Calculate Statistics" of the log window on a generated data sheet of 10
// thousand to 1 million records (subtotals per unit and statistics per level),
// and the serial correlation at the subsegment level. Reports time and the
// peak resident memory.
#include "bench_support.h"

#include "log/frmMainLog.h"
#include "platform/database.h"
#include "platform/grid.h"
#include "platform/prompts.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>

using namespace Qt::StringLiterals;
using namespace vernalt;

namespace {

// Answers the correlation's level; the result and any other message are counted.
class FixedAnswers : public bench::CountingPrompts {
  public:
    QString inputBox(const QString&, const QString& title, const QString&) override {
        if (title == u"Correlation Length"_s)
            return u"Subsegment"_s;
        return {};
    }
    void noteMessage(const QString& text) override {
        if (!text.startsWith(u"r="_s))
            std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
};

// Sheet 0 as the SPM query orders it: transects of 8 subsegments with eight
// records each, one stratum per 100 transects; per-log values with a few
// thousand distinct texts, as volumes give.
void fillSheet(frmMainLog& w, int records) {
    GridModel& g = *w.grdStratum[0]->grid();
    g.clear();
    g.setFixedCols(0);
    g.setFixedRows(1);
    g.setFormatString(u"^Stratum|^Location|^Transect|^Section|^Segment|^Subsegment|^LED|"
                      u"^Endpoint|^Large|^Small|^Length|^Condition|^Qualify|^Use|^Species|"
                      u"^PercentLength|^EstimLength"_s);
    g.fillRows(records + 1, [&](int r) {
        const int i = r - 1;
        const int transect = i / 64 + 1;
        const int subsegment = (i % 64) / 8 + 1;
        const unsigned h = unsigned(i) * 2654435761u;
        g.setNumber(r, 0, transect / 100 % 4 + 1);
        g.setText(r, 1, u"L7"_s);
        g.setNumber(r, 2, transect);
        g.setNumber(r, 3, (subsegment + 3) / 4);
        g.setNumber(r, 4, (subsegment + 1) / 2);
        g.setNumber(r, 5, subsegment);
        g.setNumber(r, 10, 1 + (h >> 8) % 300 / 10.0);
        g.setNumber(r, 12, double((h >> 12) % 5000) / 1000.0);
        g.setText(r, 14, u"PSME"_s);
    });
}

struct Setup {
    QTemporaryDir dir;
    FixedAnswers answers;
    std::unique_ptr<frmMainLog> w;
    explicit Setup(int records) {
        db::setPath(dir.filePath(u"dataset.db"_s));
        setPrompts(&answers);
        w = std::make_unique<frmMainLog>();
        w->LevelLengths = {12.5f, 25, 50, 100};
        w->ssTabMain->setTabText(frmMainLog::PageFormula, u"Volume"_s);
        w->txtTvalue->setText(u"1.67"_s);
        w->txtPrecisionLevel->setText(u".2"_s);
        fillSheet(*w, records);
        w->optDataFound[0]->setChecked(true);
    }
    ~Setup() {
        w.reset();
        setPrompts(nullptr);
        db::close();
    }
};

void BM_LogSummaryStatistics(benchmark::State& state) {
    Setup s(int(state.range(0)));
    for (auto _ : state) {
        bool cancel = false;
        s.w->CalculateSummaryStatistics(cancel);
        s.w->CalculateStats(cancel);
        benchmark::DoNotOptimize(cancel);
    }
    state.counters["records"] = double(state.range(0));
    state.counters["subsegments"] = s.w->lblNum[0]->text().toDouble();
    state.counters["messages"] = s.answers.messages;
    state.counters["peak_MiB"] = bench::peakMemoryMiB();
}
BENCHMARK(BM_LogSummaryStatistics)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond);

// The Correlation button: the summary chain again, then the pairs and r.
void BM_LogCorrelation(benchmark::State& state) {
    Setup s(int(state.range(0)));
    for (auto _ : state)
        s.w->cmdCorrelation_Click();
    state.counters["records"] = double(state.range(0));
    state.counters["messages"] = s.answers.messages;
    state.counters["peak_MiB"] = bench::peakMemoryMiB();
}
BENCHMARK(BM_LogCorrelation)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return vernalt::bench::runWindowBenchmarks(argc, argv);
}
