#include "settings/frmLogLengths.h"

#include "fake_windows.h"
#include "support/scripted_prompts.h"
#include "support/temp_database.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace vernalt::test {
namespace {

using namespace Qt::StringLiterals;

const QString Table = u"LogLengths"_s;
const QString Metric = u"Metric"_s;
const QString English = u"English"_s;

class LogLengthsWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        setLogLengths(Metric, {12.5, 25, 50, 100});
        setLogLengths(English, {50, 100, 200, 400});
        gLogForm = &log;
    }
    void TearDown() override {
        if (frmLogLengths* w = frmLogLengths::instance())
            w->close();
        flushDeletes();
        gLogForm = nullptr;
    }
    TempDatabase database;
    ScriptedPrompts script; // any prompt not scripted fails the test
    FakeLogWindow log;
};

TEST_F(LogLengthsWindow, ShowsTheStoredLengthsAndOKWritesThemAndTheLogWindowReloads) {
    frmLogLengths* w = frmLogLengths::showWindow();
    EXPECT_EQ(w->txtMetric[3]->text(), u"100"_s);
    EXPECT_EQ(w->txtEnglish[2]->text(), u"200"_s);
    w->txtMetric[1]->setText(u"30"_s);
    w->txtEnglish[3]->setText(u"328.1"_s);
    w->cmdOK_Click();
    flushDeletes();
    EXPECT_EQ(frmLogLengths::instance(), nullptr);
    EXPECT_DOUBLE_EQ(storedSize(Table, Metric, 1), 30);
    EXPECT_DOUBLE_EQ(storedSize(Table, English, 3), 328.1);
    EXPECT_DOUBLE_EQ(storedSize(Table, Metric, 0), 12.5);
    EXPECT_EQ(log.reloads, 1);
    EXPECT_EQ(frmLogLengths::showWindow()->txtMetric[1]->text(), u"30"_s);
}

TEST_F(LogLengthsWindow, ARefusedBoxLeavesTheTableUnchanged) {
    frmLogLengths* w = frmLogLengths::showWindow();
    w->txtMetric[0]->setText(u"20"_s); // a good box before the bad one is not written either
    w->txtEnglish[2]->setText(u"two hundred"_s);
    script.message(u"Section (English) must be a positive number."_s, u"Log Lengths"_s,
                   MsgIcon::Exclamation);
    w->cmdOK_Click();
    EXPECT_TRUE(script.done());
    flushDeletes();
    EXPECT_EQ(frmLogLengths::instance(), w);
    EXPECT_DOUBLE_EQ(storedSize(Table, Metric, 0), 12.5);
    EXPECT_DOUBLE_EQ(storedSize(Table, English, 2), 200);
    EXPECT_EQ(log.reloads, 0);
}

TEST_F(LogLengthsWindow, AMissingRowLeavesItsBoxEmptyAndOKAsksForIt) {
    db::exec(u"DELETE FROM LogLengths WHERE Measurement = 'English' AND \"Index\" = 1"_s);
    db::exec(u"INSERT INTO LogLengths (Measurement, \"Index\", PlotSize) VALUES "
             "('English', 7, 999)"_s); // outside the four levels: not shown
    frmLogLengths* w = frmLogLengths::showWindow();
    EXPECT_EQ(w->txtEnglish[1]->text(), QString());
    script.message(u"Segment (English) must be a positive number."_s, u"Log Lengths"_s,
                   MsgIcon::Exclamation);
    w->cmdOK_Click();
    EXPECT_TRUE(script.done());
    w->txtEnglish[1]->setText(u"100"_s);
    gLogForm = nullptr; // with the log window closed the table is still written
    w->cmdOK_Click();
    EXPECT_DOUBLE_EQ(storedSize(Table, English, 1), 100);
    EXPECT_EQ(log.reloads, 0);
}

TEST_F(LogLengthsWindow, EscWritesNothingAsCancelDoes) {
    frmLogLengths* w = frmLogLengths::showWindow();
    w->txtMetric[2]->setText(u"99"_s);
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(w->txtMetric[2], &esc); // as Cancel does
    flushDeletes();
    EXPECT_EQ(frmLogLengths::instance(), nullptr);
    EXPECT_DOUBLE_EQ(storedSize(Table, Metric, 2), 50);
    EXPECT_EQ(log.reloads, 0);
}

} // namespace
} // namespace vernalt::test
