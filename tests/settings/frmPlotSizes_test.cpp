#include "settings/frmPlotSizes.h"

#include "fake_windows.h"
#include "support/scripted_prompts.h"
#include "support/temp_database.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace vernalt::test {
namespace {

using namespace Qt::StringLiterals;

const QString Metric = u"Metric"_s;
const QString English = u"English"_s;

class PlotSizesWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        defaults_ = table(); // a new file's rows, checked by hand in the database tests
        // Some odd starting table: every area 1 and every width 2.
        std::array<double, 16> ones;
        ones.fill(1);
        setPlotSizes(Metric, ones, {2, 2, 2, 2});
        setPlotSizes(English, ones, {2, 2, 2, 2});
        gSnagForm = &snag;
    }
    void TearDown() override {
        if (frmPlotSizes* w = frmPlotSizes::instance())
            w->close();
        flushDeletes();
        gSnagForm = nullptr;
    }
    static frmPlotSizes* open() { return frmPlotSizes::showWindow(); }
    static QStringList lengths(frmPlotSizes* w) {
        return {w->txtSubsegmentMetricLength->text(),  w->txtSegmentMetricLength->text(),
                w->txtSectionMetricLength->text(),     w->txtTransectMetricLength->text(),
                w->txtSubsegmentEnglishLength->text(), w->txtSegmentEnglishLength->text(),
                w->txtSectionEnglishLength->text(),    w->txtTransectEnglishLength->text()};
    }
    // Every row of PlotSizes as "measurement index area width".
    static QString table() {
        QSqlQuery q = db::select(u"SELECT group_concat(Measurement || ' ' || \"Index\" || ' ' || "
                                 u"PlotSize || ' ' || Width, ', ') FROM (SELECT * FROM PlotSizes "
                                 u"ORDER BY Measurement, \"Index\")"_s);
        return q.next() ? q.value(0).toString() : QString();
    }
    QString defaults_;

    TempDatabase database;
    ScriptedPrompts script; // any prompt not scripted fails the test
    FakeSnagWindow snag;
};

TEST_F(PlotSizesWindow, DefaultsWrittenGiveTheDefaultAreasAndShowAgain) {
    frmPlotSizes* w = open();
    w->cmdDefaults_Click();
    w->cmdOK_Click();
    flushDeletes();
    EXPECT_EQ(frmPlotSizes::instance(), nullptr);
    EXPECT_EQ(table(), defaults_);
    EXPECT_EQ(snag.updates, 1);
    EXPECT_EQ(snag.firstDimensionName, u"Subsegment10"_s);
    w = open();
    EXPECT_EQ(lengths(w), (QStringList{u"12.5"_s, u"25"_s, u"50"_s, u"100"_s, u"50"_s, u"100"_s,
                                       u"200"_s, u"400"_s}));
    EXPECT_EQ(w->txtSegmentEnglishWidth->text(), u"66"_s);
    w->txtSubsegmentMetricWidth->setText(u"15"_s);
    w->cmdOK_Click();
    EXPECT_DOUBLE_EQ(storedSize(u"PlotSizes"_s, Metric, 0), 187.5); // 15 x 12.5
    EXPECT_DOUBLE_EQ(storedSize(u"PlotSizes"_s, Metric, 12), 1500); // 15 x 100
    EXPECT_DOUBLE_EQ(storedWidth(Metric, 8), 15);
    EXPECT_EQ(snag.firstDimensionName, u"Subsegment15"_s);
}

TEST_F(PlotSizesWindow, AFirstWidthOfZeroOrNoneLeavesTheLengthsEmpty) {
    // The lengths themselves are worked out by derivedLengthText; here a width
    // stored as 0 or as null reaches it without a prompt.
    const std::array<double, 16> areas{125, 250, 375, 500};
    setPlotSizes(Metric, areas, {0, 20, 30, 40});
    setPlotSizes(English, areas, {QVariant(), 66, 99, 132});
    frmPlotSizes* w = open();
    for (const QString& length : lengths(w))
        EXPECT_EQ(length, QString());
    EXPECT_EQ(w->txtSubsegmentMetricWidth->text(), u"0"_s);
}

// Which texts a box refuses is tested with isPositiveNumber; here the refusal
// names the box, writes nothing and keeps the window open.
TEST_F(PlotSizesWindow, ARefusedBoxLeavesTheTableAndTheWindowAsTheyWere) {
    frmPlotSizes* w = open();
    w->cmdDefaults_Click();
    w->txtTransectEnglishWidth->setText(u"0"_s);
    script.message(u"Transect (Width - English) must be a positive number."_s, u"Plot Sizes"_s,
                   MsgIcon::Exclamation);
    w->cmdOK_Click();
    EXPECT_TRUE(script.done());
    flushDeletes();
    EXPECT_EQ(frmPlotSizes::instance(), w);
    EXPECT_DOUBLE_EQ(storedSize(u"PlotSizes"_s, Metric, 5), 1);
    EXPECT_DOUBLE_EQ(storedWidth(English, 5), 2);
    EXPECT_EQ(snag.updates, 0);
}

TEST_F(PlotSizesWindow, EscWritesNothingAsCancelDoesEvenAfterRestoreDefaults) {
    frmPlotSizes* w = open();
    w->txtSegmentMetricLength->setText(u"77"_s);
    EXPECT_EQ(open(), w); // choosing it again keeps one window, not loaded again
    EXPECT_EQ(w->txtSegmentMetricLength->text(), u"77"_s);
    w->cmdDefaults_Click();
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(w->txtSegmentMetricLength, &esc); // as Cancel does
    flushDeletes();
    EXPECT_EQ(frmPlotSizes::instance(), nullptr);
    EXPECT_DOUBLE_EQ(storedSize(u"PlotSizes"_s, Metric, 0), 1);
    EXPECT_DOUBLE_EQ(storedWidth(Metric, 0), 2);
    EXPECT_EQ(snag.updates, 0);
}

TEST_F(PlotSizesWindow, OKWithTheSnagWindowClosedStillWritesTheTableAndRestoresMissingRows) {
    db::exec(u"DELETE FROM PlotSizes WHERE Measurement = 'English' AND \"Index\" = 7"_s);
    frmPlotSizes* w = open();
    gSnagForm = nullptr;
    w->cmdDefaults_Click();
    w->cmdOK_Click();
    flushDeletes();
    EXPECT_EQ(frmPlotSizes::instance(), nullptr);
    EXPECT_EQ(table(), defaults_);
    EXPECT_EQ(snag.updates, 0);
}

TEST_F(PlotSizesWindow, AFailedWriteLeavesEveryRowAsItWas) {
    // The last row written (English, plot dimension 15) is refused by the database.
    db::exec(u"CREATE TRIGGER refuse BEFORE UPDATE ON PlotSizes WHEN NEW.Measurement = "
             "'English' AND NEW.\"Index\" = 15 BEGIN SELECT RAISE(ABORT, 'refused'); END"_s);
    frmPlotSizes* w = open();
    w->cmdDefaults_Click();
    script.message(u"3146 : refused - Plot Sizes Procedure 'cmdOK_Click'"_s, u"Error"_s,
                   MsgIcon::Exclamation);
    w->cmdOK_Click();
    flushDeletes();
    EXPECT_EQ(frmPlotSizes::instance(), w);
    EXPECT_DOUBLE_EQ(storedSize(u"PlotSizes"_s, Metric, 0), 1);
    EXPECT_DOUBLE_EQ(storedSize(u"PlotSizes"_s, English, 14), 1);
    EXPECT_EQ(snag.updates, 0);
}

} // namespace
} // namespace vernalt::test
