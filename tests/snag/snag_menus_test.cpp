// The snag window's menus, clicked as the user does: the optimal-selection
// arrays, the widths, the unit systems (and the plot sizes they read), the boxes
// mirrored on two pages, and the windows the items open.
#include "snag_window_fixture.h"
#include "support/texts.h"

#include "platform/database.h"
#include "settings/frmPlotSizes.h"

namespace vernalt::test {
namespace {

class SnagMenus : public SnagWindowTest {
  protected:
    frmMainSnag* w = open();

    // Every click, even on the item already checked, says the choice was overridden.
    void select(int sheet, int item) {
        overridden();
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
    EXPECT_TRUE(!items[0]->isChecked() && items[1]->isChecked());
    w->mnuAllWidths->trigger();
    for (QAction* item : items)
        EXPECT_TRUE(item->isChecked());
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

// Edited rows of table PlotSizes reach the names, grids and menus; a row beyond
// the sixteen is reported. "Custom Dimensions" shows the window that edits them.
TEST_F(SnagMenus, PlotSizesFromTheTable) {
    db::exec(u"UPDATE PlotSizes SET PlotSize = 187.5 WHERE Measurement = 'Metric' AND "
             u"\"Index\" = 2"_s);
    db::exec(u"UPDATE PlotSizes SET Width = 15 WHERE Measurement = 'Metric' AND \"Index\" = 1"_s);
    db::exec(u"UPDATE PlotSizes SET \"Index\" = 16 WHERE Measurement = 'English' AND "
             u"\"Index\" = 15"_s);
    static_cast<SnagWindowApi*>(w)->UpdateDimensionLabels();
    expectShown({w->grdOptimal[0]->text(3, 1), w->mnuWidth20->text(), w->mnuSingle[6]->text(),
                 w->grdOptimal[1]->text(6, 0)},
                "188 15 Segment15 Segment15");
    EXPECT_EQ(w->grdSubtotal[0]->text(0, 5), u"Segment Width15"_s);
    errorReport(u"9 : Subscript out of range - Snag Procedure 'SetDimensions'");
    w->mnuEnglish->trigger();
    EXPECT_EQ(w->DimensionSizes[14], 39600); // read before the failing row
    EXPECT_EQ(w->DimensionSizes[15], 4000);  // kept from metric
    EXPECT_EQ(w->mnuSingle[15]->text(), u"Transect99"_s);
    w->mnuSizeSettings->trigger();
    ASSERT_TRUE(frmPlotSizes::instance() && frmPlotSizes::instance()->isVisible());
}

} // namespace
} // namespace vernalt::test
