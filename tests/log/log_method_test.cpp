// Switching the method and the metric of the log window: in place, or by
// rebuilding the window after the user's Yes.
#include "log/log_window_fixture.h"

#include "platform/settings.h"
#include "platform/twips.h"

#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

const QString kChangeMethod = u"Do you want to clear this analysis and change methods?"_s;
const QString kChangeFormula =
    u"Do you want to clear this analysis and reload the current dataset?"_s;

class LogMethod : public LogWindowTest {
  protected:
    // A small line-intersect data file in the database's folder.
    QString writeDataFile() {
        const QString path = db_.folder() + u"/logs.csv"_s;
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("Stratum,Location,Transect,Segment,Subsegment,Species,Intersect,LED,Condition,"
                "Length\n1,1,1,1,1,DF,1,10,2,5\n1,1,1,1,2,DF,1,12,2,6\n");
        return path;
    }
    // Chooses the item on an analysis read from a file, answering its question,
    // and returns the window afterwards.
    frmMainLog* answer(QAction* item, const QString& question, MsgResult reply) {
        const bool method = question == kChangeMethod;
        prompts_.message(question, method ? u"Change method"_s : u"Change formula"_s, MsgIcon::None,
                         reply);
        item->trigger();
        return live();
    }
};

TEST_F(LogMethod, WithoutADataFileTheMethodSwitchesInPlaceWithoutAQuestion) {
    frmMainLog* w = open();
    ASSERT_NE(w, nullptr);
    w->mnuSPM->trigger();
    EXPECT_EQ(live(), w);
    EXPECT_EQ(w->windowTitle(), u"Vernalt - Log Analysis with SPM"_s);
    EXPECT_FALSE(w->mnuLIM->isChecked());
    EXPECT_TRUE(w->mnuSPM->isChecked());
    EXPECT_FALSE(w->mnuTally->isEnabled());
    EXPECT_FALSE(w->frmLandscapeArea->isHidden());
    w->mnuCombo->trigger();
    EXPECT_EQ(w->windowTitle(), u"Vernalt - Log Analysis with LIM and SPM"_s);
    EXPECT_TRUE(w->mnuCombo->isChecked());
    EXPECT_FALSE(w->mnuSPM->isChecked());
    EXPECT_FALSE(w->ssTabCombo->isHidden());
    EXPECT_TRUE(w->ssTabMain->isHidden());

    w->mnuLIM->trigger();
    EXPECT_EQ(w->windowTitle(), u"Vernalt - Log Analysis with LIM"_s);
    EXPECT_TRUE(w->mnuTally->isEnabled());
    EXPECT_TRUE(w->ssTabCombo->isHidden());
    EXPECT_FALSE(w->ssTabMain->isHidden());
    // Nothing hides the landscape area again.
    EXPECT_FALSE(w->frmLandscapeArea->isHidden());
}

TEST_F(LogMethod, TheCheckedMethodAgainDoesNothingNotEvenResetTheFlag) {
    frmMainLog* w = open();
    DataFilePath = u"/somewhere/logs.csv"_s;
    MethodReloadPending = true;
    w->mnuLIM->trigger();
    EXPECT_TRUE(MethodReloadPending);
    EXPECT_TRUE(w->mnuLIM->isChecked());
    EXPECT_EQ(live(), w);
}

TEST_F(LogMethod, NoOnALoadedAnalysisSwitchesInPlaceAndKeepsTheData) {
    frmMainLog* w = open();
    DataFilePath = u"/somewhere/logs.csv"_s;
    w->grdOptimal[0]->setText(1, 0, u"4.2"_s);
    w->setStatusText(u"Status: Data file read"_s);
    EXPECT_EQ(answer(w->mnuSPM, kChangeMethod, MsgResult::No), w);
    EXPECT_EQ(w->windowTitle(), u"Vernalt - Log Analysis with SPM"_s);
    EXPECT_TRUE(w->mnuSPM->isChecked());
    EXPECT_EQ(w->grdOptimal[0]->text(1, 0), u"4.2"_s);
    EXPECT_EQ(w->statusText(), u"Status: Data file read"_s);
}

TEST_F(LogMethod, YesRebuildsTheWindowInTheNewMethod) {
    frmMainLog* w = open();
    DataFilePath = u"/somewhere/logs.csv"_s;
    w->setStatusText(u"Status: Data file read"_s);
    frmMainLog* rebuilt = answer(w->mnuSPM, kChangeMethod, MsgResult::Yes);
    ASSERT_NE(rebuilt, nullptr);
    EXPECT_NE(rebuilt, w);
    EXPECT_EQ(rebuilt->windowTitle(), u"Vernalt - Log Analysis with SPM"_s);
    EXPECT_TRUE(rebuilt->mnuSPM->isChecked());
    EXPECT_FALSE(rebuilt->mnuLIM->isChecked());
    EXPECT_FALSE(rebuilt->frmLandscapeArea->isHidden());
    EXPECT_FALSE(rebuilt->mnuTally->isEnabled());
    EXPECT_EQ(rebuilt->statusText(), u"Status: No data read"_s);
    EXPECT_TRUE(rebuilt->mnuFormula->menuAction()->isEnabled());
    EXPECT_FALSE(MethodReloadPending);
    EXPECT_FALSE(gSwitchboard->isVisible());
    flushDeletes();
    EXPECT_TRUE(w == nullptr || live() != w);
    // The old window saved LIM; the new one saves SPM when it closes.
    rebuilt->close();
    flushDeletes();
    EXPECT_EQ(getSetting(u"LogSettings"_s, u"SPMmethod"_s), u"True"_s);
    EXPECT_EQ(getSetting(u"LogSettings"_s, u"LIMmethod"_s), u"False"_s);
}

TEST_F(LogMethod, YesToCombinationRebuildsTheWindowInTheCombinationLayout) {
    frmMainLog* w = open();
    DataFilePath = u"/somewhere/logs.csv"_s;
    frmMainLog* rebuilt = answer(w->mnuCombo, kChangeMethod, MsgResult::Yes);
    ASSERT_NE(rebuilt, nullptr);
    EXPECT_NE(rebuilt, w);
    EXPECT_EQ(rebuilt->windowTitle(), u"Vernalt - Log Analysis with LIM and SPM"_s);
    EXPECT_FALSE(rebuilt->ssTabCombo->isHidden());
    EXPECT_TRUE(rebuilt->mnuComboFormula->menuAction()->isVisible());
    EXPECT_FALSE(rebuilt->mnuFormula->menuAction()->isVisible());
}

TEST_F(LogMethod, EachMetricCaptionsTheFormulaPageAndTheTestAxis) {
    struct Case {
        QAction* frmMainLog::*item;
        QString caption, statY;
    } cases[] = {
        {&frmMainLog::mnuVolume, u"Volume"_s, u"Log volume (m^3/ha)"_s},
        {&frmMainLog::mnuLength, u"Length"_s, u"Total Length (m/ha)"_s},
        {&frmMainLog::mnuPercentCover, u"Percent Cover"_s, u"Percent Cover"_s},
        {&frmMainLog::mnuWeight, u"Weight"_s, u"Weight (metric tons/ha)"_s},
        {&frmMainLog::mnuTally, u"Tally"_s, u"Logs per hectare"_s}, // unchanged
    };
    for (const Case& c : cases) {
        frmMainLog* w = open();
        ASSERT_NE(w, nullptr);
        DataFilePath = u"/somewhere/logs.csv"_s; // the first metric needs no question
        EXPECT_EQ(w->ssTabMain->tabText(frmMainLog::PageFormula), u"Formula"_s);
        (w->*(c.item))->trigger();
        EXPECT_EQ(live(), w);
        EXPECT_EQ(w->ssTabMain->tabText(frmMainLog::PageFormula), c.caption);
        EXPECT_EQ(w->lblStatY->text(), c.statY) << c.caption.toStdString();
        for (QAction* a : w->formulaItems())
            EXPECT_EQ(a->isChecked(), a == w->*(c.item));
        w->close();
        flushDeletes();
    }
}

TEST_F(LogMethod, LengthShowsTheMeanLengthButtons) {
    frmMainLog* w = open();
    ASSERT_FALSE(w->cmdDisplayMean[3]->isEnabled());
    w->mnuLength->trigger();
    for (QPushButton* b : w->cmdDisplayMean) {
        EXPECT_TRUE(b->isEnabled());
        EXPECT_FALSE(b->isHidden());
    }
}

TEST_F(LogMethod, AnotherMetricAnsweredNoKeepsEverything) {
    frmMainLog* w = open();
    DataFilePath = u"/somewhere/logs.csv"_s;
    w->mnuVolume->trigger();
    EXPECT_EQ(answer(w->mnuWeight, kChangeFormula, MsgResult::No), w);
    EXPECT_EQ(w->ssTabMain->tabText(frmMainLog::PageFormula), u"Volume"_s);
    EXPECT_TRUE(w->mnuVolume->isChecked());
    EXPECT_FALSE(w->mnuWeight->isChecked());
    EXPECT_FALSE(FormulaReloadPending);
}

TEST_F(LogMethod, AnotherMetricAnsweredYesRebuildsTheWindowAtItsSize) {
    frmMainLog* w = open();
    DataFilePath = writeDataFile();
    w->mnuVolume->trigger();
    w->resize(w->width() + 90, w->height() + 60);
    const QSize size = w->size();
    frmMainLog* rebuilt = answer(w->mnuWeight, kChangeFormula, MsgResult::Yes);
    ASSERT_NE(rebuilt, nullptr);
    EXPECT_NE(rebuilt, w);
    EXPECT_EQ(rebuilt->size(), size);
    EXPECT_EQ(rebuilt->ssTabMain->tabText(frmMainLog::PageFormula), u"Weight"_s);
    EXPECT_TRUE(rebuilt->mnuWeight->isChecked());
    EXPECT_EQ(rebuilt->lblStatY->text(), u"Weight (metric tons/ha)"_s);
    // The optimal inputs start as after File, Open.
    EXPECT_EQ(rebuilt->txtTvalue->text(), u"1.67"_s);
    EXPECT_EQ(rebuilt->txtPrecisionLevel->text(), u".2"_s);
    EXPECT_TRUE(rebuilt->txtQualifyingLogs->text().isEmpty());
    EXPECT_FALSE(FormulaReloadPending);
    EXPECT_FALSE(gSwitchboard->isVisible());
}

TEST_F(LogMethod, PercentCoverCountsAsTheSameMetricAsItsKey) {
    frmMainLog* w = open();
    DataFilePath = u"/somewhere/logs.csv"_s;
    w->mnuPercentCover->trigger();
    w->mnuPercentCover->trigger(); // no question: "Percent Cover" names "PercentCover"
    EXPECT_EQ(w->ssTabMain->tabText(frmMainLog::PageFormula), u"Percent Cover"_s);
}

// The Single/Combined sheet with a header row "Length" and the given cells.
void fillLengthSheet(frmMainLog* w, const QStringList& lengths, const QString& name = u"Length"_s) {
    Grid* g = w->grdStratum[0];
    g->setFormatString(u"^Stratum|^"_s + name);
    g->setRows(int(lengths.size()) + 1);
    g->setFixedRows(1);
    for (int r = 0; r < lengths.size(); ++r) {
        g->setText(r + 1, 0, u"1"_s);
        g->setText(r + 1, 1, lengths[r]);
    }
}

TEST_F(LogMethod, DensityUnderLineIntersectNeedsLogLengths) {
    struct Case {
        const char* name;
        QString header;
        QStringList lengths;
        QString message, title; // empty: density is applied
    } cases[] = {
        {"no length column",
         u"Diameter"_s,
         {u"5"_s},
         u"The length column was not found"_s,
         u"Column not found"_s},
        {"only zeros and blanks",
         u"Length"_s,
         {u"0"_s, QString(), u"-2"_s},
         u"Log Density using LIM is not possible without log lengths"_s,
         u"ERROR"_s},
        {"one length above 0", u"Length"_s, {u"0"_s, u"3.5"_s}, QString(), QString()},
        {"a text counts as a length", u"LENGTH"_s, {u"0"_s, u"n/a"_s}, QString(), QString()},
    };
    for (const Case& c : cases) {
        frmMainLog* w = open();
        ASSERT_NE(w, nullptr);
        fillLengthSheet(w, c.lengths, c.header);
        if (!c.message.isEmpty())
            prompts_.message(c.message, c.title, MsgIcon::None);
        w->mnuDensity->trigger();
        EXPECT_EQ(w->mnuDensity->isChecked(), c.message.isEmpty()) << c.name;
        EXPECT_EQ(w->ssTabMain->tabText(frmMainLog::PageFormula),
                  c.message.isEmpty() ? u"Density"_s : u"Formula"_s)
            << c.name;
        w->close();
        flushDeletes();
    }
}

TEST_F(LogMethod, DensityUnderStripPlotsSkipsTheLengthsCheck) {
    frmMainLog* w = open();
    w->mnuSPM->trigger();
    w->mnuDensity->trigger();
    EXPECT_TRUE(w->mnuDensity->isChecked());
    EXPECT_TRUE(w->cmdWildLife->isEnabled());
    EXPECT_EQ(w->lblStatY->text(), u"Logs per hectare"_s);
}

TEST_F(LogMethod, PercentCoverInEnglishStripPlotsWidensTheFilledSheets) {
    frmMainLog* w = open();
    w->mnuSPM->trigger();
    w->mnuEnglish->trigger();
    w->grdStratum[2]->setCols(17);
    w->grdStratum[2]->setColWidth(12, 900);
    w->mnuPercentCover->trigger();
    EXPECT_EQ(w->grdStratum[2]->grid()->colWidth(12), 1600);
    EXPECT_EQ(w->grdStratum[0]->cols(), 1); // a sheet not filled keeps its one column
}

} // namespace
} // namespace vernalt::test
