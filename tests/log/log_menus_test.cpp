// The option menus, command buttons and text events of the log window.
#include "log/log_window_fixture.h"

#include "print/frmPrintPreview.h"

#include <QAction>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

using LogMenus = LogWindowTest;

// The limits and the graph are worked out by the page both windows share
// (tests/shell/stat_test_graph_test.cpp); here the boxes' handlers hand over.
TEST_F(LogMenus, TheStatisticalTestBoxesWriteTheLimitsAndRedraw) {
    frmMainLog* w = open();
    ASSERT_NE(w, nullptr);
    w->txtEstimatedValue->setText(u"100"_s);
    w->txtBound->setText(u"12.5"_s);
    EXPECT_EQ(w->lblStatTestUpperLimit->text(), u"112.5"_s);
    EXPECT_EQ(w->lblStatTestLowerLimit->text(), u"87.5"_s);
    EXPECT_EQ(w->statusText(), u"Status: Statistics Graphed"_s);
    // The target takes no part in the limits; it only redraws.
    w->txtTargetValue->setText(u"500"_s);
    EXPECT_EQ(w->lblStatTestUpperLimit->text(), u"112.5"_s);
    ASSERT_TRUE(w->picStatTest->graph().has_value());
    EXPECT_EQ(w->picStatTest->graph()->maximum, 500);
}

TEST_F(LogMenus, TheAnalysisInputsAreMirroredOnTheFormulaAndSampleSizePages) {
    frmMainLog* w = open();
    w->txtTvalue->setText(u"2.00"_s);
    w->txtPrecisionLevel->setText(u".1"_s);
    w->txtQualifyingLogs->setText(u"all"_s);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(w->lblTValue[i]->text(), u"2.00"_s);
        EXPECT_EQ(w->lblPrecisionLevel[i]->text(), u".1"_s);
        EXPECT_EQ(w->lblQualifyingLogs[i]->text(), u"all"_s);
    }
}

TEST_F(LogMenus, ALevelClickTogglesItAndEmptiesTheResultGrids) {
    frmMainLog* w = open();
    w->mnuVolume->trigger();
    w->grdOptimal[2]->setText(1, 1, u"3.3"_s);
    w->grdOptimal2[4]->setText(2, 0, u"150"_s);
    w->grdSampleSize[1]->setText(1, 1, u"9"_s);
    w->grdProportionalAllocation->setText(1, 0, u"12"_s);
    w->LevelMeanMetric[0][3] = u"39.3"_s; // a fixed level would show it as the estimate
    w->LevelMeanEnglish[2][1] = u"15.9"_s;
    w->mnuUseLength[1]->trigger();
    EXPECT_FALSE(w->mnuUseLength[1]->isChecked());
    EXPECT_TRUE(w->grdOptimal[2]->text(1, 1).isEmpty());
    EXPECT_TRUE(w->grdOptimal2[4]->text(2, 0).isEmpty());
    EXPECT_TRUE(w->grdSampleSize[1]->text(1, 1).isEmpty());
    EXPECT_TRUE(w->grdProportionalAllocation->text(1, 0).isEmpty());
    EXPECT_TRUE(w->LevelMeanMetric[0][3].isEmpty());
    EXPECT_TRUE(w->LevelMeanEnglish[2][1].isEmpty());
    // The headers are written again.
    EXPECT_EQ(w->grdOptimal[2]->text(0, 2), u"Volume (m^3/ha)"_s);
    EXPECT_EQ(w->grdProportionalAllocation->text(0, 1), u"Stratum Number"_s);
    w->mnuUseLength[1]->trigger();
    EXPECT_TRUE(w->mnuUseLength[1]->isChecked());

    w->mnuUseLength[0]->trigger();
    w->mnuUseLength[3]->trigger();
    w->grdOptimal[0]->setText(1, 0, u"1"_s);
    w->mnuAllLengths->trigger();
    for (QAction* a : w->mnuUseLength)
        EXPECT_TRUE(a->isChecked());
    EXPECT_EQ(w->grdOptimal[0]->text(1, 0), u"1"_s); // All Lengths clears nothing
}

TEST_F(LogMenus, SwitchingUnitsEmptiesTheResultsAndKeepsTheData) {
    frmMainLog* w = open();
    w->mnuVolume->trigger();
    // Metric results, a data sheet and the typed boxes.
    w->grdSubtotals->setText(0, 0, u"Subsegment_12.5"_s); // a length in metres
    w->lblAvg[2]->setText(u"4"_s);
    w->grdOptimal[1]->setText(1, 2, u"39.3"_s);
    w->LevelMeanMetric[1][1] = u"39.3"_s;
    w->lblSimpleMetricFormula->setText(u"39.3"_s);
    w->lblStratifiedUpperLimit->setText(u"50"_s);
    w->lblPropTotalTransectLength->setText(u"1000"_s);
    w->grdComboSSOptimalAllocation->setText(1, 3, u"250"_s);
    w->lblPercentUse->setText(u"50"_s);
    w->grdStratum[0]->setText(0, 0, u"Stratum"_s);
    w->txtLandscapeArea[1]->setText(u"60"_s);
    w->mnuEnglish->trigger();
    EXPECT_TRUE(w->grdSubtotals->text(0, 0).isEmpty());
    EXPECT_TRUE(w->lblAvg[2]->text().isEmpty());
    EXPECT_TRUE(w->grdOptimal[1]->text(1, 2).isEmpty());
    EXPECT_TRUE(w->LevelMeanMetric[1][1].isEmpty());
    EXPECT_TRUE(w->lblSimpleMetricFormula->text().isEmpty());
    EXPECT_TRUE(w->lblStratifiedUpperLimit->text().isEmpty());
    EXPECT_TRUE(w->lblPropTotalTransectLength->text().isEmpty());
    EXPECT_TRUE(w->grdComboSSOptimalAllocation->text(1, 3).isEmpty());
    EXPECT_TRUE(w->lblPercentUse->text().isEmpty());
    EXPECT_EQ(w->grdOptimal[1]->text(0, 2), u"Volume (ft^3/ac)"_s);
    EXPECT_EQ(w->grdStratum[0]->text(0, 0), u"Stratum"_s);
    EXPECT_EQ(w->txtLandscapeArea[1]->text(), u"60"_s);
    // English again: the results are in English units already and stay.
    w->lblAvg[2]->setText(u"4"_s);
    w->mnuEnglish->trigger();
    EXPECT_EQ(w->lblAvg[2]->text(), u"4"_s);
}

TEST_F(LogMenus, SpeciesAndOptimalSelectionKeepOneItemChecked) {
    frmMainLog* w = open();
    EXPECT_TRUE(w->mnuMultipleSpecies->isChecked());
    w->mnuSingleSpecies->trigger();
    EXPECT_TRUE(w->mnuSingleSpecies->isChecked());
    EXPECT_FALSE(w->mnuMultipleSpecies->isChecked());
    w->mnuSingleSpecies->trigger();
    EXPECT_TRUE(w->mnuSingleSpecies->isChecked());

    for (int s = 0; s < 5; ++s) {
        std::array<QAction*, 5>& items = w->selectionItems(s);
        EXPECT_TRUE(items[0]->isChecked());
        EXPECT_EQ(items[3]->text(), u"Section"_s);
        items[3]->trigger();
        items[3]->trigger(); // a second click keeps it checked
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(items[std::size_t(i)]->isChecked(), i == 3) << s << i;
    }
    EXPECT_TRUE(w->mnuStratum2[3]->isChecked());
}

TEST_F(LogMenus, ButtonsWithoutAMetricAskForOne) {
    frmMainLog* w = open();
    w->grdOptimal[0]->setText(1, 0, u"5"_s);
    prompts_.message(u"Please select a formula from the drop-down menu above."_s, u"Error"_s,
                     MsgIcon::None);
    w->cmdFormulaApply_Click();
    EXPECT_TRUE(w->grdOptimal[0]->text(1, 0).isEmpty());
    prompts_.message(u"Please select a formula from the drop-down menu above."_s, u"Error"_s,
                     MsgIcon::None);
    w->cmdSummaryStatistics_Click();
}

TEST_F(LogMenus, TheFormulaMenuIsOnOnlyAfterADataFileWasOpened) {
    frmMainLog* w = open();
    EXPECT_FALSE(w->mnuFormula->menuAction()->isEnabled());
    w->close();
    flushDeletes();
    DataFilePath = u"/data/snags.csv"_s; // opened by either window
    w = open();
    EXPECT_TRUE(w->mnuFormula->menuAction()->isEnabled());
}

TEST_F(LogMenus, TheDesignStateOfTheButtonsAndMenus) {
    frmMainLog* w = open();
    EXPECT_FALSE(w->cmdFormulaApply->isEnabled());
    for (QPushButton* b : {w->cmdSort1, w->cmdSort2, w->cmdSort3, w->cmdSort4}) {
        EXPECT_FALSE(b->isEnabled());
        EXPECT_EQ(b->text(), u"Apply and Sort"_s);
    }
    EXPECT_FALSE(w->cmdSummaryStatistics->isEnabled());
    EXPECT_FALSE(w->cmdWildLife->isEnabled());
    EXPECT_TRUE(w->cmdCorrelation->isEnabled());
    EXPECT_TRUE(w->mnuComboDensity->isChecked());
}

TEST_F(LogMenus, PrintPreviewShowsAPictureOfThisWindow) {
    frmMainLog* w = open();
    EXPECT_EQ(w->mnuPrint->text(), u"Print Preview"_s);
    w->mnuPrint->trigger();
    auto* preview = qobject_cast<frmPrintPreview*>(loadedWindows().last());
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->lblFormToPrint->text(), u"Main"_s);
    EXPECT_FALSE(preview->picPrintPreview->picture().isNull());
    EXPECT_TRUE(preview->isVisible());
    unloadWindow(preview);
    flushDeletes();
}

TEST_F(LogMenus, TheCombinationTValueReportsTheConfidenceLevelsOnFocus) {
    frmMainLog* w = open();
    w->mnuCombo->trigger();
    w->activateWindow();
    w->txtComboTvalue->setFocus();
    QFocusEvent in(QEvent::FocusIn);
    QCoreApplication::sendEvent(w->txtComboTvalue, &in);
    EXPECT_EQ(w->statusText(),
              u"Confidence Level : t-value of 1.67 = 90%, 2.00 = 95% or 2.66 = 99%"_s);
}

} // namespace
} // namespace vernalt::test
