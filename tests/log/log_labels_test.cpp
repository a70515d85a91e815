// The captions and headers that the log window writes for its unit system,
// method and metric.
#include "log/log_window_fixture.h"

#include "platform/twips.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

using LogLabels = LogWindowTest;

TEST_F(LogLabels, TheLoadCaptionsTheMetricSystem) {
    frmMainLog* w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->lblOptimalAllocation->text(), u"Total Transect Length Required (m) ="_s);
    EXPECT_EQ(w->lblComboSSProportionalAllocation->text(),
              u"Total Transect Length Required (m) ="_s);
    EXPECT_EQ(w->frmLandscapeArea->title(), u"Landscape Area (hectares)"_s);
    EXPECT_EQ(w->frmStratifiedStratumSize->title(), u"Stratum Size (hectares)"_s);
    EXPECT_EQ(w->lblTotalSize->text(), u"Total hectares"_s);
    EXPECT_EQ(w->lblCombo[14]->text(), u"Plot Length (meters)"_s);
    EXPECT_EQ(w->lblCombo[4]->text(), u"Parameter Estimates (logs/ha)"_s);
    EXPECT_EQ(w->lblComboFormula->text(), u"Density (logs/ha)"_s);
    EXPECT_EQ(w->grdOptimalAllocation->text(0, 3), u"Transect Length Required (m)"_s);
    EXPECT_EQ(w->grdComboSSOptimalAllocation->text(0, 3), u"Sample Size (m)"_s);
    // Before a metric is chosen the line-intersect sheets get an empty title.
    EXPECT_EQ(w->grdFormulaSimple->cols(), 7);
    EXPECT_EQ(w->grdFormulaSimple->text(0, 1), u"Length (m)"_s);
    EXPECT_TRUE(w->grdFormulaSimple->text(0, 4).isEmpty());
    EXPECT_EQ(w->grdFormulaStratified->cols(), 11);
    EXPECT_EQ(w->grdFormulaSimple->grid()->rowHeight(0), 630);
    EXPECT_EQ(w->grdFormulaSimple->grid()->colWidth(0), 1195);
    EXPECT_EQ(w->grdFormulaSimple->grid()->colWidth(3), 1192);
    EXPECT_EQ(w->grdOptimalAllocation->grid()->colWidth(2), 944);
}

TEST_F(LogLabels, EnglishRelabelsEveryUnitAndTheChosenMetric) {
    frmMainLog* w = open();
    w->mnuVolume->trigger();
    w->SetMetricLabels(); // as the metric procedure does after choosing its caption
    EXPECT_EQ(w->lblOptimal->text(),
              u"Optimal Transect Length for Estimating Log Volume (m^3/ha)"_s);
    EXPECT_EQ(w->grdOptimal[2]->text(0, 2), u"Volume (m^3/ha)"_s);
    EXPECT_EQ(w->grdSampleSize[0]->cols(), 6);
    EXPECT_EQ(w->grdSampleSize[1]->text(0, 1), u"Volume (m^3/ha)"_s);

    w->mnuEnglish->trigger();
    EXPECT_TRUE(w->mnuEnglish->isChecked());
    EXPECT_FALSE(w->mnuMetric->isChecked());
    EXPECT_EQ(w->LevelLengths, (std::array<float, 4>{50, 100, 200, 400}));
    EXPECT_EQ(w->lblTransectLength[4]->text(), u"50"_s);
    EXPECT_EQ(w->lblOptimal->text(),
              u"Optimal Transect Length for Estimating Log Volume (ft^3/ac)"_s);
    EXPECT_EQ(w->lblFormula->text(), u"Log Volume (ft^3/ac) Estimates"_s);
    EXPECT_EQ(w->lblSampleSizeHeader->text(),
              u"Sample Size Determination for Estimating Log Volume on a Stratified Watershed"_s);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(w->grdOptimal[std::size_t(i)]->text(0, 1), u"Std. Dev."_s);
        EXPECT_EQ(w->grdOptimal2[std::size_t(i)]->text(0, 4), u"Volume (m^3/ha)"_s);
    }
    EXPECT_EQ(w->grdFormulaSimple->text(0, 4), u"Volume (ft^3/ac)"_s);
    EXPECT_EQ(w->lblCombo[3]->text(), u"  Stratum Size   (acres)"_s);
    EXPECT_EQ(w->lblComboFormula->text(), u"Density (logs/ac)"_s);
    EXPECT_EQ(w->frmLandscapeArea->title(), u"Landscape Area (acres)"_s);
    // English first on the Formula page.
    EXPECT_EQ(w->lblSimpleEnglishTitle->x(), twipsToPixelsX(-100));
    EXPECT_EQ(w->lblSimpleMetricTitle->x(), twipsToPixelsX(5500));

    w->mnuMetric->trigger();
    EXPECT_EQ(w->lblSimpleMetricTitle->x(), twipsToPixelsX(0));
    EXPECT_EQ(w->lblSimpleMetricTitle->y(), twipsToPixelsY(480));
    EXPECT_EQ(w->grdOptimal[0]->text(0, 1), u"Standard Deviation"_s);
    EXPECT_EQ(w->LevelLengths, (std::array<float, 4>{12.5f, 25, 50, 100}));
}

TEST_F(LogLabels, PercentCoverKeepsTheMetricLayoutInEnglish) {
    frmMainLog* w = open();
    w->mnuPercentCover->trigger();
    w->mnuEnglish->trigger();
    EXPECT_EQ(w->lblSimpleMetricTitle->x(), twipsToPixelsX(0));
    EXPECT_EQ(w->grdOptimal2[0]->text(0, 4), u" "_s);
}

TEST_F(LogLabels, StripPlotsGetTheStripPlotHeaders) {
    frmMainLog* w = open();
    w->mnuSPM->trigger();
    w->SetMetricLabels(); // no metric yet: only the column counts change
    EXPECT_EQ(w->grdFormulaSimple->cols(), 8);
    EXPECT_EQ(w->grdFormulaStratified->cols(), 12);
    EXPECT_EQ(w->grdFormulaSimple->grid()->colWidth(0), 1043);
    EXPECT_EQ(w->grdFormulaSimple->grid()->colWidth(7), 1042);

    w->mnuTally->setEnabled(true);
    w->mnuWeight->trigger();
    w->SetMetricLabels();
    EXPECT_EQ(w->grdFormulaSimple->text(0, 3), u"Average (kg/plot)"_s);
    EXPECT_EQ(w->grdSampleSize[0]->text(0, 3), u"Section Name"_s);
    EXPECT_EQ(w->grdSampleSize[1]->text(0, 0), u"Section StDev (kg/plot)"_s);
    EXPECT_EQ(w->grdSampleSize[1]->grid()->colWidth(6), 1190);
}

TEST_F(LogLabels, TheCombinedMetricMenuCaptionsTheCombinationPages) {
    frmMainLog* w = open();
    w->mnuCombo->trigger();
    w->mnuComboWeight->trigger();
    EXPECT_TRUE(w->mnuComboWeight->isChecked());
    EXPECT_FALSE(w->mnuComboDensity->isChecked());
    EXPECT_EQ(w->lblCombo[4]->text(), u"Weight Estimates (metric tons/ha)"_s);
    EXPECT_EQ(w->lblCombo[5]->text(), u"Weight Variance (metric tons/ha)^2"_s);
    EXPECT_EQ(w->lblComboFormula->text(), u"Weight (metric tons/ha)"_s);
    // A change of unit system carries the combined metric along.
    w->mnuEnglish->trigger();
    EXPECT_EQ(w->lblComboFormula->text(), u"Weight (tons/ac)"_s);
    w->mnuComboPercentCover->trigger();
    EXPECT_EQ(w->lblComboFormula->text(), u"Percent Cover (st)"_s);
}

TEST_F(LogLabels, AConnectedSheetNamesTheColumnsOfEveryDataSheet) {
    frmMainLog* w = open();
    w->datDataSet[0].RecordSource = u"SELECT Stratum, Length, Qualify FROM LIM"_s;
    w->datDataSet[0].Fields = {u"Stratum"_s, u"Length"_s, u"Qualify"_s};
    w->grdStratum[1]->setCols(3);
    w->grdStratum[0]->setCols(3);
    w->SetMetricLabels();
    for (Grid* g : w->grdStratum) {
        EXPECT_EQ(g->grid()->formatString(), u"^Stratum|^Length|^Qualify"_s);
        for (int c = 0; c < 3; ++c)
            EXPECT_EQ(g->text(0, c), w->datDataSet[0].Fields[c]) << "header cells hold bare names";
    }
    EXPECT_EQ(w->grdStratum[0]->rows(), 2);
    EXPECT_EQ(w->grdStratum[0]->grid()->fixedRows(), 1);
    EXPECT_EQ(w->grdOptimal[3]->grid()->colWidth(4), 1343);
    EXPECT_EQ(w->grdOptimal2[0]->grid()->colWidth(0), 1343);
}

} // namespace
} // namespace vernalt::test
