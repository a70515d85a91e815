// The option menus, command buttons and text events of the log window.
#include "log/log_window_fixture.h"

#include <QMenu>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

using LogMenus = LogWindowTest;

// The per-area means go with the level grids: a level fixed through Optimal
// Selection would show an old mean as the estimate.
TEST_F(LogMenus, ALevelClickTogglesItAndEmptiesTheResultGridsAndMeans) {
    frmMainLog* w = open();
    w->mnuVolume->trigger();
    w->grdOptimal[2]->setText(1, 1, u"3.3"_s);
    w->grdOptimal2[4]->setText(2, 0, u"150"_s);
    w->grdSampleSize[1]->setText(1, 1, u"9"_s);
    w->grdProportionalAllocation->setText(1, 0, u"12"_s);
    w->LevelMeanMetric[0][3] = u"39.3"_s;
    w->LevelMeanEnglish[2][1] = u"15.9"_s;
    w->mnuUseLength[1]->trigger();
    EXPECT_FALSE(w->mnuUseLength[1]->isChecked());
    EXPECT_EQ(w->grdOptimal[2]->text(1, 1) + w->grdOptimal2[4]->text(2, 0) +
                  w->grdSampleSize[1]->text(1, 1) + w->grdProportionalAllocation->text(1, 0) +
                  w->LevelMeanMetric[0][3] + w->LevelMeanEnglish[2][1],
              QString());
    EXPECT_EQ(w->grdOptimal[2]->text(0, 2), u"Volume (m^3/ha)"_s); // the headers written again
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

// The results are in the units of their run: a switch empties them all, the
// data sheets and typed boxes stay.
TEST_F(LogMenus, SwitchingUnitsEmptiesTheResultsAndKeepsTheData) {
    frmMainLog* w = open();
    w->mnuVolume->trigger();
    w->grdSubtotals->setText(0, 0, u"Subsegment_12.5"_s);
    w->grdOptimal[1]->setText(1, 2, u"39.3"_s);
    w->LevelMeanMetric[1][1] = u"39.3"_s;
    w->grdComboSSOptimalAllocation->setText(1, 3, u"250"_s);
    QLabel* labels[] = {w->lblAvg[2], w->lblSimpleMetricFormula, w->lblStratifiedUpperLimit,
                        w->lblPropTotalTransectLength, w->lblPercentUse};
    for (QLabel* l : labels)
        l->setText(u"4"_s);
    w->grdStratum[0]->setText(0, 0, u"Stratum"_s);
    w->txtLandscapeArea[1]->setText(u"60"_s);
    w->mnuEnglish->trigger();
    QString left = w->grdSubtotals->text(0, 0) + w->grdOptimal[1]->text(1, 2) +
                   w->LevelMeanMetric[1][1] + w->grdComboSSOptimalAllocation->text(1, 3);
    for (QLabel* l : labels)
        left += l->text();
    EXPECT_EQ(left, QString());
    EXPECT_EQ(w->grdOptimal[1]->text(0, 2), u"Volume (ft^3/ac)"_s);
    EXPECT_EQ(w->grdStratum[0]->text(0, 0) + w->txtLandscapeArea[1]->text(), u"Stratum60"_s);
    // English again: the results are in English units already and stay.
    w->lblAvg[2]->setText(u"4"_s);
    w->mnuEnglish->trigger();
    EXPECT_EQ(w->lblAvg[2]->text(), u"4"_s);
}

TEST_F(LogMenus, WithoutADataFileNoFormulaAndWithoutAMetricTheButtonsAskForOne) {
    frmMainLog* w = open();
    EXPECT_FALSE(w->mnuFormula->menuAction()->isEnabled());
    w->grdOptimal[0]->setText(1, 0, u"5"_s);
    for (QPushButton* b : {w->cmdFormulaApply, w->cmdSummaryStatistics}) {
        prompts_.message(u"Please select a formula from the drop-down menu above."_s, u"Error"_s,
                         MsgIcon::None);
        b->setEnabled(true);
        b->click();
    }
    EXPECT_TRUE(w->grdOptimal[0]->text(1, 0).isEmpty());
    closeWindow(w);
    DataFilePath = u"/data/snags.csv"_s; // opened by either window
    EXPECT_TRUE(open()->mnuFormula->menuAction()->isEnabled());
}

} // namespace
} // namespace vernalt::test
