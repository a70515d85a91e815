// The busy pointer through each long step of the log window, on a small
// strip-plot survey: the hourglass whenever the step can be looked at (each
// showing of its progress, each change of a sheet or of the subtotals, each
// record it writes), the normal pointer at each of its prompts, the arrow
// again once it is over.
#include "log_window_fixture.h"
#include "platform/progress.h"
#include "shell/adjacent_pairs.h"
#include "support/pointer.h"

#include <QSqlDriver>
#include <QTimer>
#include <functional>
#include <sqlite3.h>
#include <vector>

namespace vernalt::test {
namespace {

// The pointer each time the event loop runs (a showing of the progress), a grid
// of the window changes or a record is written, while this lives.
class PointerDuringStep {
  public:
    explicit PointerDuringStep(frmMainLog& w) {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, &context_, [this] { note(); });
        timer_.start();
        std::vector<Grid*> grids(w.grdStratum.begin(), w.grdStratum.end());
        grids.push_back(w.grdSubtotals);
        for (Grid* g : grids) {
            const auto noted = [this] { note(); };
            QObject::connect(g->grid(), &QAbstractItemModel::modelReset, &context_, noted);
            QObject::connect(g->grid(), &QAbstractItemModel::dataChanged, &context_, noted);
        }
        const QVariant h = db::connection().driver()->handle();
        handle_ = *static_cast<sqlite3* const*>(h.constData());
        sqlite3_update_hook(handle_, &PointerDuringStep::written, this);
    }
    ~PointerDuringStep() { sqlite3_update_hook(handle_, nullptr, nullptr); }
    PointerDuringStep(const PointerDuringStep&) = delete;
    PointerDuringStep& operator=(const PointerDuringStep&) = delete;

    std::vector<Qt::CursorShape> seen;

  private:
    void note() { seen.push_back(pointer()); }
    static void written(void* self, int, const char*, const char*, sqlite3_int64) {
        static_cast<PointerDuringStep*>(self)->note();
    }
    QObject context_;
    QTimer timer_;
    sqlite3* handle_ = nullptr;
};

class LogBusy : public LogWindowTest {
  protected:
    void SetUp() override {
        LogWindowTest::SetUp();
        usual_ = progressPace();
        progressPace() = {0, 1, 0}; // the progress shown at every record
    }
    void TearDown() override {
        progressPace() = usual_;
        LogWindowTest::TearDown();
    }
    ProgressPace usual_;
};

// Twelve strip-plot logs along one transect, every other one an endpoint
// (density 1, 0, 1, ...), each of class 5 measured 4 long: an estimated 8,
// where 10 is stored.
TEST_F(LogBusy, TheHourglassForEachLongStepAndTheArrowAtItsPrompts) {
    frmMainLog* w = open();
    checkDesign(w, "SPM");
    for (int i = 0; i < 12; ++i)
        addLog(w, u"PercentLength=5;Length=4;Endpoint="_s + QString::number(1 - i % 2));
    w->FillSingleTab();
    // As after File, Open.
    w->txtTvalue->setText(u"1.67"_s);
    w->txtPrecisionLevel->setText(u".2"_s);
    for (QPushButton* b : {w->cmdFormulaApply, w->cmdSort1, w->cmdSummaryStatistics,
                           w->cmdCorrelation, w->cmdWildLife, w->cmdDisplayMean[0]})
        b->setEnabled(true);
    const auto criteriaAsked = [&] { criteria(w, "0|0|0|9999"); };
    const QString wildlifeAsk = u"Please enter the numeric code for the wildlife use category you "
                                u"would like to consider for this analysis."_s;
    const struct {
        const char* step;
        std::function<void()> script; // the prompts the step shows
        std::function<void()> run;
        std::size_t prompts;
    } cases[] = {
        {"Formula > Density", [] {}, [&] { w->mnuDensity->trigger(); }, 0},
        {"Set Criteria", criteriaAsked, [&] { w->cmdFormulaApply->click(); }, 4},
        {"Apply and Sort", criteriaAsked, [&] { w->cmdSort1->click(); }, 4},
        {"Calculate Statistics", [] {}, [&] { w->cmdSummaryStatistics->click(); }, 0},
        {"Correlation",
         [&] {
             // Subtotals 1, 0, 1, 0... of adjacent subsegments: r = -1.
             prompts_.input(correlationLevelPrompt(), u"Correlation Length"_s, u"Subsegment"_s)
                 .message(u"r=-1\r\nr^2=1"_s, QString(), MsgIcon::None);
         },
         [&] { w->cmdCorrelation->click(); }, 2},
        {"WildLife Use",
         [&] {
             criteriaAsked();
             prompts_.input(wildlifeAsk, u"Wildlife use code"_s, u"3"_s);
         },
         [&] { w->cmdWildLife->click(); }, 5},
        {"Calculate Mean Length",
         [&] {
             db::exec(u"UPDATE SPM SET EstimLength = 10"_s); // the estimates are written again
             prompts_.message(u"Mean = 8 m\r\nMedian = 8 m"_s, u"Mean Length"_s, MsgIcon::None);
         },
         [&] { w->cmdDisplayMean[0]->click(); }, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.step);
        c.script();
        prompts_.pointers.clear();
        std::vector<Qt::CursorShape> during;
        {
            PointerDuringStep sampled(*w);
            c.run();
            during = sampled.seen;
        }
        EXPECT_TRUE(prompts_.done());
        EXPECT_FALSE(during.empty());
        EXPECT_EQ(std::count(during.begin(), during.end(), Qt::WaitCursor),
                  qsizetype(during.size()));
        EXPECT_EQ(prompts_.pointers, std::vector(c.prompts, Qt::ArrowCursor));
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
}

} // namespace
} // namespace vernalt::test
