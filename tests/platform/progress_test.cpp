// The feedback of a long step: the progress text, how often it is shown, the
// panel's text given back at the end, and the pointer during and after.
#include "platform/progress.h"

#include "support/pointer.h"
#include "support/scripted_prompts.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

TEST(ProgressText, CountsWithThousandsSeparators) {
    const std::tuple<qint64, qint64, const char*> cases[] = {
        {0, 999, "Status: Importing 0 of 999 records"},
        {1000, 20000, "Status: Importing 1,000 of 20,000 records"},
        {250000, 1000000, "Status: Importing 250,000 of 1,000,000 records"},
        {1234567, 12345678, "Status: Importing 1,234,567 of 12,345,678 records"},
    };
    for (const auto& [done, total, text] : cases)
        EXPECT_EQ(progressText(u"Importing"_s, done, total), QString::fromLatin1(text)) << text;
}

// Progress looked at every 10 records of a step of at least 100, with no wait
// between showings.
class ProgressTest : public ::testing::Test {
  protected:
    void SetUp() override { progressPace() = {100, 10, 0}; }
    void TearDown() override {
        progressPace() = usual_;
        EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the normal pointer after the step";
    }
    QLabel panel{u"Status: Data Read"_s};

  private:
    ProgressPace usual_ = progressPace();
};

TEST_F(ProgressTest, ShownEveryTenRecordsThenThePanelGetsItsTextBack) {
    Progress progress(&panel);
    EXPECT_EQ(pointer(), Qt::WaitCursor);
    const std::pair<qint64, const char*> steps[] = {
        {0, "Status: Data Read"}, // nothing done yet
        {9, "Status: Data Read"},
        {10, "Status: Marking 10 of 200 records"},
        {19, "Status: Marking 10 of 200 records"},
        {25, "Status: Marking 25 of 200 records"},
        {3, "Status: Marking 3 of 200 records"}, // the next part starts again from 0
    };
    for (const auto& [done, shown] : steps) {
        progress.step(u"Marking"_s, done, 200);
        EXPECT_EQ(panel.text(), QString::fromLatin1(shown)) << done;
    }
    progress.end();
    EXPECT_EQ(panel.text(), u"Status: Data Read"_s);
    EXPECT_EQ(pointer(), Qt::ArrowCursor);
    progress.step(u"Marking"_s, 100, 200);
    EXPECT_EQ(panel.text(), u"Status: Data Read"_s) << "nothing is shown after the end";
}

TEST_F(ProgressTest, AShortStepOrAnEagerCallerShowsNothing) {
    {
        Progress progress(&panel);
        progress.step(u"Importing"_s, 50, 99); // fewer records than the pace's 100
        EXPECT_EQ(panel.text(), u"Status: Data Read"_s);
    }
    progressPace().intervalMs = 60'000; // a minute between showings
    Progress progress(&panel);
    progress.step(u"Importing"_s, 50, 200);
    EXPECT_EQ(panel.text(), u"Status: Data Read"_s);
}

TEST_F(ProgressTest, TheCallersOwnStatusStaysAtTheEnd) {
    Progress progress(&panel);
    progress.step(u"Importing"_s, 10, 200);
    panel.setText(u"Status: Data Imported"_s);
    progress.end();
    EXPECT_EQ(panel.text(), u"Status: Data Imported"_s);
}

TEST_F(ProgressTest, PendingEventsRunWhileTheProgressShows) {
    auto* gone = new QLabel;
    QPointer<QLabel> panelGone(gone);
    Progress progress(gone);
    bool ran = false;
    QMetaObject::invokeMethod(
        qApp, [&] { ran = true; }, Qt::QueuedConnection);
    delete gone; // the window closed under the step
    progress.step(u"Importing"_s, 10, 200);
    EXPECT_TRUE(ran);
    EXPECT_TRUE(panelGone.isNull());
}

// prompts() lifts the step's hourglass for each prompt (hourglass.h), and
// brings it back after while the step goes on.
TEST_F(ProgressTest, AMessageBoxShowsTheNormalPointer) {
    ScriptedPrompts script;
    script.message(u"Data read"_s, u"T"_s, MsgIcon::None).message(u"Done"_s, u"T"_s, MsgIcon::None);
    Progress progress(&panel);
    prompts().message(u"Data read"_s, u"T"_s);
    EXPECT_EQ(pointer(), Qt::WaitCursor) << "the hourglass again after the box";
    progress.end();
    prompts().message(u"Done"_s, u"T"_s);
    EXPECT_EQ(pointer(), Qt::ArrowCursor) << "not again once the step is over";
    EXPECT_EQ(script.pointers, (std::vector{Qt::ArrowCursor, Qt::ArrowCursor}));
}

} // namespace
} // namespace vernalt::test
