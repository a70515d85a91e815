// The snag window's unit system: the two unit menus, the plot sizes read from
// table PlotSizes and the menu captions that carry them.
#include "data_sheet.h"
#include "snag_window_fixture.h"

#include "platform/database.h"
#include "snag/plot_dimensions.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <tuple>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

using SnagUnits = SnagWindowTest;

const std::array<std::int32_t, 16> MetricSizes = {125, 250,  375,  500,  250,  500,  750,  1000,
                                                  500, 1000, 1500, 2000, 1000, 2000, 3000, 4000};
const std::array<std::int32_t, 16> EnglishSizes = {1650,  3300,  4950,  6600,  3300,  6600,
                                                   9900,  13200, 6600,  13200, 19800, 26400,
                                                   13200, 26400, 39600, 52800};

QStringList captions(const std::array<QAction*, 4>& items) {
    QStringList out;
    for (QAction* a : items)
        out << a->text();
    return out;
}

TEST_F(SnagUnits, EnglishThenMetricFromTheDefaultRows) {
    frmMainSnag* w = open();
    w->mnuWidth30->setChecked(false);
    w->mnuEnglish->trigger();
    EXPECT_FALSE(w->mnuWidth30->isChecked()) << "check marks survive the switch";
    EXPECT_FALSE(w->mnuMetric->isChecked());
    EXPECT_TRUE(w->mnuEnglish->isChecked());
    EXPECT_EQ(w->AreaFactor, 43560);
    EXPECT_EQ(w->DimensionSizes, EnglishSizes);
    EXPECT_EQ(w->WidthTexts, (WidthTextArray{u"33"_s, u"66"_s, u"99"_s, u"132"_s}));
    EXPECT_EQ(captions(w->widthItems()), (QStringList{u"33"_s, u"66"_s, u"99"_s, u"132"_s}));
    EXPECT_EQ(w->selectionItems(4)[0]->text(), u"Automatic"_s);
    EXPECT_EQ(w->selectionItems(4)[16]->text(), u"Transect132"_s);

    w->mnuMetric->trigger();
    EXPECT_TRUE(w->mnuMetric->isChecked());
    EXPECT_FALSE(w->mnuEnglish->isChecked());
    EXPECT_EQ(w->AreaFactor, 10000);
    EXPECT_EQ(w->DimensionSizes, MetricSizes);
    EXPECT_EQ(captions(w->widthItems()), (QStringList{u"10"_s, u"20"_s, u"30"_s, u"40"_s}));
    EXPECT_EQ(w->mnuStratum4[11]->text(), u"Section30"_s);
}

TEST_F(SnagUnits, SwitchingUnitsEmptiesEveryResult) {
    frmMainSnag* w = open();
    fillSheet(*w, 0,
              {{"1", "1", "1", "1", "1", "1", "0", "1", "1"},
               {"1", "1", "1", "1", "2", "0", "1", "1", "1"},
               {"1", "1", "1", "2", "3", "1", "1", "0", "1"},
               {"1", "1", "1", "2", "4", "1", "0", "1", "1"}});
    script.input(u"Please enter the number of strata"_s, u"Number of Strata"_s, u"1"_s)
        .input(u"Enter the numeric code for the General Cost per Sample category (found under "
               u"the View menu) you would like to use for this stratum."_s,
               u"General Cost Per Sample"_s, u"1"_s)
        .input(u"Please enter the Stratum Size"_s, u"Stratum Size"_s, u"1000"_s);
    w->cmdSubtotals_Click();
    ASSERT_FALSE(w->lblSimpleX->text().isEmpty());
    // Results of the other pages, as their runs leave them.
    w->lblStratifiedX->setText(u"68.1"_s);
    w->grdSampleSize[1]->setText(1, 4, u"51.6"_s);
    w->grdOptimalAllocation->setText(1, 1, u"1"_s);
    w->lblCavityPercentUse[0]->setText(u"12.1"_s);
    const QString density = w->txtAverageDensity->text();

    w->mnuEnglish->trigger();
    const QLabel* labels[] = {w->lblSimpleX,         w->lblAvgAcres,    w->lblLowestVariance,
                              w->lblLowestTotalCost, w->lblStratifiedX, w->lblCavityPercentUse[0]};
    for (std::size_t i = 0; i < std::size(labels); ++i)
        EXPECT_EQ(labels[i]->text(), u""_s) << i;
    for (const auto& [g, r, c] : {std::tuple{w->grdOptimal[0], 1, 4},
                                  {w->grdOptimal[2], 1, 6},
                                  {w->grdStats[0], 1, 1},
                                  {w->grdSubtotal[0], 1, 0},
                                  {w->grdSampleSize[1], 1, 4},
                                  {w->grdOptimalAllocation, 1, 1}})
        EXPECT_EQ(g->text(r, c), u""_s) << r << " " << c;
    // The names and sizes are the new system's; the data and the boxes stay.
    EXPECT_EQ(w->grdOptimal[0]->text(1, 0), u"Subsegment33"_s);
    EXPECT_EQ(w->grdStratum[0]->text(4, 5), u"4"_s); // subsegment 4
    EXPECT_EQ(w->txtAverageDensity->text(), density);
    EXPECT_EQ(w->txtSimpleLandscapeArea->text(), u"1000"_s);
}

TEST_F(SnagUnits, ClickingTheCheckedItemAgainRebuildsTheCaptions) {
    frmMainSnag* w = open();
    w->grdOptimal[2]->clear();
    w->mnuMetric->trigger();
    EXPECT_TRUE(w->mnuMetric->isChecked());
    EXPECT_FALSE(w->mnuEnglish->isChecked());
    EXPECT_EQ(w->grdOptimal[2]->text(16, 0), u"Transect40"_s);
    EXPECT_EQ(w->grdOptimal[2]->text(16, 1), u"4000"_s);
}

TEST_F(SnagUnits, EditedPlotSizesAfterUpdateDimensionLabels) {
    frmMainSnag* w = open();
    db::exec(u"UPDATE PlotSizes SET PlotSize = ? WHERE Measurement = 'Metric' AND \"Index\" = ?"_s,
             {187.5, 2});
    db::exec(u"UPDATE PlotSizes SET PlotSize = ? WHERE Measurement = 'Metric' AND \"Index\" = ?"_s,
             {2.5, 9});
    db::exec(u"UPDATE PlotSizes SET Width = ? WHERE Measurement = 'Metric' AND \"Index\" = ?"_s,
             {15, 1});
    SnagWindowApi* api = w;
    api->UpdateDimensionLabels();
    EXPECT_TRUE(api->isMetric());
    EXPECT_EQ(w->DimensionSizes[2], 188);
    EXPECT_EQ(w->DimensionSizes[9], 2);
    EXPECT_EQ(w->WidthTexts[1], u"15"_s);
    EXPECT_EQ(w->mnuWidth20->text(), u"15"_s);
    EXPECT_EQ(w->mnuSingle[6]->text(), u"Segment15"_s);
    EXPECT_EQ(w->grdOptimal[0]->text(3, 1), u"188"_s);
    EXPECT_EQ(w->grdOptimal[1]->text(10, 1), u"2"_s);
    EXPECT_EQ(w->grdOptimal[1]->text(6, 0), u"Segment15"_s);
    EXPECT_EQ(w->grdSubtotal[0]->text(0, 5), u"Segment Width15"_s);
}

TEST_F(SnagUnits, MissingRowsOfTheUnitSystemKeepTheOldValues) {
    frmMainSnag* w = open();
    db::exec(u"DELETE FROM PlotSizes WHERE Measurement = 'English'"_s);
    w->mnuEnglish->trigger();
    EXPECT_EQ(w->AreaFactor, 43560);
    EXPECT_EQ(w->DimensionSizes, MetricSizes);
    EXPECT_EQ(w->mnuSingle[16]->text(), u"Transect40"_s);
    // The captions are rebuilt, in English units, from the old values.
    EXPECT_EQ(w->grdOptimal[0]->text(0, 1), u"Plot Size (feet^2)"_s);
    EXPECT_EQ(w->grdOptimal[0]->text(16, 1), u"4000"_s);
}

TEST_F(SnagUnits, AnIndexOutsideTheSixteenIsReported) {
    frmMainSnag* w = open();
    db::exec(u"UPDATE PlotSizes SET \"Index\" = 16 WHERE Measurement = 'English' AND "
             u"\"Index\" = 15"_s);
    script.message(u"9 : Subscript out of range - Snag Procedure 'SetDimensions'"_s, u"Error"_s,
                   MsgIcon::Exclamation);
    w->mnuEnglish->trigger();
    EXPECT_TRUE(script.done());
    EXPECT_EQ(w->DimensionSizes[14], 39600); // read before the failing row
    EXPECT_EQ(w->DimensionSizes[15], 4000);  // kept from metric
    EXPECT_EQ(w->mnuSingle[15]->text(), u"Transect99"_s);
}

} // namespace
} // namespace vernalt::test
