// The snag window's menus, clicked as the user does: the optimal-selection
// arrays, the widths, the unit systems (and the plot sizes they read), the boxes
// mirrored on two pages, and the windows the items open.
#include "data_sheet.h"
#include "snag_window_fixture.h"
#include "support/texts.h"

#include "platform/database.h"
#include "settings/frmPlotSizes.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

class SnagMenus : public SnagWindowTest {
  protected:
    frmMainSnag* w = open();

    // Every click, even on the item already checked, says the choice was overridden.
    void select(int sheet, int item) {
        script.message(u"The Optimal plot selection has been overridden. You may need to return "
                       u"to the Optimal page, highlight the appropriate stratum circle, and click "
                       u"Compute to view new results."_s,
                       u"Optimal plot selection overridden"_s, MsgIcon::None);
        w->selectionItems(sheet)[std::size_t(item)]->trigger();
    }
    QList<int> checked(int sheet) {
        QList<int> out;
        for (int n = 0; n < 17; ++n)
            if (w->selectionItems(sheet)[std::size_t(n)]->isChecked())
                out.append(n);
        return out;
    }
};

TEST_F(SnagMenus, ASelectionClickChecksOneItemOfItsOwnArray) {
    EXPECT_EQ(checked(4), QList<int>{0}) << "every array starts on Automatic";
    for (int sheet = 0; sheet < 5; ++sheet)
        select(sheet, sheet + 2);
    select(0, 2);
    for (int sheet = 0; sheet < 5; ++sheet)
        EXPECT_EQ(checked(sheet), QList<int>{sheet + 2}) << sheet;
    select(3, 0); // Automatic clears the other sixteen, and stays checked
    select(3, 0);
    EXPECT_EQ(checked(3), QList<int>{0});
    // A choice survives a change of units, under its new name.
    w->mnuEnglish->trigger();
    EXPECT_EQ(checked(2), QList<int>{4});
    EXPECT_EQ(w->mnuStratum2[4]->text(), u"Subsegment132"_s);
}

TEST_F(SnagMenus, AWidthClickedTwiceIsCheckedAgainAndAllWidthsChecksTheFour) {
    const std::array<QAction*, 4> items = w->widthItems();
    for (QAction* item : items) // no message, even with all four cleared
        item->trigger();
    items[1]->trigger();
    EXPECT_EQ(QList<bool>({items[0]->isChecked(), items[1]->isChecked()}),
              QList<bool>({false, true}));
    for (int i = 0; i < 2; ++i) {
        w->mnuAllWidths->trigger();
        for (QAction* item : items)
            EXPECT_TRUE(item->isChecked()) << i;
        EXPECT_FALSE(w->mnuAllWidths->isChecked()) << "never checks itself";
    }
}

TEST_F(SnagMenus, EachMirroredBoxIsCopiedUnchangedToBothPages) {
    const std::tuple<QLineEdit*, std::array<QLabel*, 2>, QString> cases[] = {
        {w->txtOptimalTvalue, w->lblTValue, u"1.6449"_s},
        {w->txtOptimalPrecisionLevel, w->lblPrecisionLevel, u".1"_s},
        {w->txtStratum, w->lblStratum, u" 1,5 $"_s},
        {w->txtStratum, w->lblStratum, QString()}};
    for (const auto& [box, labels, typed] : cases) {
        box->setText(u"x"_s);
        box->setText(typed);
        EXPECT_EQ(textsOf(labels[0], labels[1]), QStringList({typed, typed}));
    }
}

TEST_F(SnagMenus, SwitchingUnitsEmptiesEveryResultAndKeepsTheData) {
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
    w->mnuWidth30->setChecked(false);

    w->mnuEnglish->trigger();
    EXPECT_TRUE(w->mnuEnglish->isChecked() && !w->mnuMetric->isChecked());
    expectShown({w->lblSimpleX->text(), w->lblAvgAcres->text(), w->lblLowestVariance->text(),
                 w->lblLowestTotalCost->text(), w->lblStratifiedX->text(),
                 w->lblCavityPercentUse[0]->text(), w->grdOptimal[0]->text(1, 4),
                 w->grdOptimal[2]->text(1, 6), w->grdStats[0]->text(1, 1),
                 w->grdSubtotal[0]->text(1, 0), w->grdSampleSize[1]->text(1, 4),
                 w->grdOptimalAllocation->text(1, 1)},
                "_ _ _ _ _ _ | _ _ _ _ _ _");
    // The names, sizes and area factor are the new system's; the data, the boxes
    // and the check marks stay.
    expectShown({w->grdOptimal[0]->text(1, 0), w->grdOptimal[0]->text(16, 1), w->mnuWidth40->text(),
                 w->grdStratum[0]->text(4, 5), w->txtSimpleLandscapeArea->text()},
                "Subsegment33 52800 132 4 1000");
    EXPECT_EQ(w->AreaFactor, 43560);
    EXPECT_EQ(w->txtAverageDensity->text(), density);
    EXPECT_FALSE(w->mnuWidth30->isChecked());
}

TEST_F(SnagMenus, EditedPlotSizesReachTheNamesAndGrids) {
    db::exec(u"UPDATE PlotSizes SET PlotSize = 187.5 WHERE Measurement = 'Metric' AND "
             u"\"Index\" = 2"_s);
    db::exec(u"UPDATE PlotSizes SET Width = 15 WHERE Measurement = 'Metric' AND \"Index\" = 1"_s);
    static_cast<SnagWindowApi*>(w)->UpdateDimensionLabels();
    expectShown({w->grdOptimal[0]->text(3, 1), w->mnuWidth20->text(), w->mnuSingle[6]->text(),
                 w->grdOptimal[1]->text(6, 0)},
                "188 15 Segment15 Segment15");
    EXPECT_EQ(w->grdSubtotal[0]->text(0, 5), u"Segment Width15"_s);
}

TEST_F(SnagMenus, APlotSizeIndexOutsideTheSixteenIsReported) {
    db::exec(u"UPDATE PlotSizes SET \"Index\" = 16 WHERE Measurement = 'English' AND "
             u"\"Index\" = 15"_s);
    script.message(u"9 : Subscript out of range - Snag Procedure 'SetDimensions'"_s, u"Error"_s,
                   MsgIcon::Exclamation);
    w->mnuEnglish->trigger();
    EXPECT_EQ(w->DimensionSizes[14], 39600); // read before the failing row
    EXPECT_EQ(w->DimensionSizes[15], 4000);  // kept from metric
    EXPECT_EQ(w->mnuSingle[15]->text(), u"Transect99"_s);
}

// The windows these items show are tested on their own; here, that the items
// reach them.
TEST_F(SnagMenus, CustomDimensionsAndExitReachTheirWindows) {
    w->mnuSizeSettings->trigger();
    ASSERT_NE(frmPlotSizes::instance(), nullptr);
    EXPECT_TRUE(frmPlotSizes::instance()->isVisible());
    QPointer<frmMainSnag> alive = w;
    w->mnuFileExit->trigger();
    flushDeletes();
    EXPECT_TRUE(alive.isNull());
}

} // namespace
} // namespace vernalt::test
