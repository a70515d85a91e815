// The snag window's menu items and mirrored boxes that the whole analysis does
// not click: the optimal selection of every sheet, Custom Dimensions and the
// relabelling after edited plot sizes, the guidelines, About, Exit and the
// boxes copied to the other pages.
#include "snag_window_fixture.h"
#include "support/texts.h"

#include "settings/frmGuidelines.h"
#include "settings/frmPlotSizes.h"
#include "shell/frmAbout.h"
#include "shell/frmDataSet.h"
#include "shell/frmSwitchboard.h"

#include "platform/grid.h"
#include "platform/settings.h"

#include <QTimer>

namespace vernalt::test {
namespace {

const QString OverrideText =
    u"The Optimal plot selection has been overridden. You may need to return to the Optimal "
    u"page, highlight the appropriate stratum circle, and click Compute to view new results."_s;
const QString OverrideTitle = u"Optimal plot selection overridden"_s;

// The checked items of the five selection arrays, "2 0 0 7 0" for one item each.
QString checkedItems(frmMainSnag& w) {
    QStringList out;
    for (int sheet = 0; sheet < 5; ++sheet) {
        QStringList items;
        for (int n = 0; n < 17; ++n)
            if (w.selectionItems(sheet)[std::size_t(n)]->isChecked())
                items << QString::number(n);
        out << items.join(u',');
    }
    return out.join(u' ');
}

using SnagMenus = SnagWindowTest;

// Every click says the choice was overridden, the checked item and "Automatic"
// included; the item clicked last is the one checked, in its own array only.
TEST_F(SnagMenus, AnOptimalSelectionChecksOneItemOfItsOwnSheet) {
    const struct {
        const char* what;
        std::vector<std::pair<int, int>> clicks; // sheet, item
        const char* checked;
    } cases[] = {
        {"every array starts on Automatic", {}, "0 0 0 0 0"},
        {"each array has its own handler", {{0, 2}, {1, 3}, {2, 4}, {3, 5}, {4, 6}}, "2 3 4 5 6"},
        {"Automatic clears the other sixteen", {{3, 12}, {3, 0}}, "0 0 0 0 0"},
        {"the checked item clicked again stays checked", {{4, 16}, {4, 16}}, "0 0 0 0 16"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        frmMainSnag* w = open();
        for (const auto& [sheet, item] : c.clicks) {
            script.message(OverrideText, OverrideTitle, MsgIcon::None);
            w->selectionItems(sheet)[std::size_t(item)]->trigger();
        }
        EXPECT_TRUE(script.done());
        EXPECT_EQ(checkedItems(*w), QString::fromLatin1(c.checked));
    }
    // A choice survives a change of units, and its item is renamed.
    frmMainSnag* w = open();
    script.message(OverrideText, OverrideTitle, MsgIcon::None);
    w->mnuStratum2[7]->trigger();
    w->mnuEnglish->trigger();
    EXPECT_EQ(checkedItems(*w), u"0 0 7 0 0"_s);
    EXPECT_EQ(w->mnuStratum2[7]->text(), u"Segment99"_s);
    // A click on the unit system in use keeps it and writes its captions again.
    w->grdOptimal[2]->clear();
    w->mnuEnglish->trigger();
    EXPECT_TRUE(w->mnuEnglish->isChecked() && !w->mnuMetric->isChecked());
    EXPECT_EQ(w->grdOptimal[2]->text(16, 0), u"Transect132"_s);
}

// Custom Dimensions shows the one plot-sizes window; its OK makes this window
// read the sizes again and rename every plot dimension. Width 2 becomes 15 and
// the transects 0.25 long, so the areas are 15 x 12.5 = 187.5 and 10, 15, 30
// and 40 x 0.25 = 2.5, 3.75, 7.5 and 10, held as whole numbers rounded half to
// even: 188, 2, 4, 8, 10.
TEST_F(SnagMenus, EditedPlotSizesRenameAndResizeEveryPlotDimension) {
    frmSwitchboard board; // the first window loaded
    frmMainSnag* w = open();
    gSnagForm = w;
    w->mnuSizeSettings->trigger();
    frmPlotSizes* sizes = frmPlotSizes::instance();
    ASSERT_NE(sizes, nullptr);
    sizes->txtSegmentMetricWidth->setText(u"15"_s);
    w->mnuSizeSettings->trigger();
    ASSERT_EQ(frmPlotSizes::instance(), sizes) << "no second copy";
    EXPECT_EQ(sizes->txtSegmentMetricWidth->text(), u"15"_s);
    sizes->txtTransectMetricLength->setText(u"0.25"_s);
    sizes->cmdOK->click();
    flushDeletes();
    EXPECT_EQ(frmPlotSizes::instance(), nullptr);

    expectShown(textsOf(w->mnuWidth10, w->mnuWidth20, w->mnuSingle[2], w->mnuStratum3[6],
                        w->mnuStratum4[14]),
                "10 15 Subsegment15 Segment15 Transect15");
    expectShown(columnOf(*w->grdOptimal[0], 1, 1, 16),
                "125 188 375 500 250 375 750 1000 500 750 1500 2000 2 4 8 10");
    expectShown(columnOf(*w->grdOptimal[2], 0, 1, 4), "Subsegment10 Subsegment15 Subsegment30");
    EXPECT_EQ(QStringList({w->grdOptimal[1]->text(14, 0), w->grdOptimal[1]->text(14, 1),
                           w->grdStats[1]->text(6, 0), w->grdSubtotal[0]->text(0, 5),
                           w->grdSubtotal[1]->text(0, 5)}),
              QStringList({u"Transect15"_s, u"4"_s, u"Transect15"_s, u"Segment Width15"_s,
                           u"Transect Width15"_s}));

    // In English units the English widths and areas: width 2 of 50 ft over the
    // 50 ft subsegments is 2500 ft^2.
    w->mnuEnglish->trigger();
    w->mnuSizeSettings->trigger();
    frmPlotSizes::instance()->txtSegmentEnglishWidth->setText(u"50"_s);
    frmPlotSizes::instance()->cmdOK->click();
    flushDeletes();
    expectShown(textsOf(w->mnuWidth20, w->mnuSingle[2]), "50 Subsegment50");
    expectShown(columnOf(*w->grdOptimal[0], 1, 1, 3), "1650 2500 4950");

    // Leaving the window takes an open plot-sizes window with it.
    w->mnuSizeSettings->trigger();
    const QPointer<frmPlotSizes> again = frmPlotSizes::instance();
    unloadWindow(w);
    flushDeletes();
    EXPECT_TRUE(again.isNull());
}

// The guidelines come in the window's unit system: the first row of the cost
// table names Subsegment10 in metric units, Subsegment33 in English ones.
TEST_F(SnagMenus, TheGuidelinesShowTheCostsInTheWindowsUnits) {
    frmMainSnag* w = open();
    gSnagForm = w;
    for (const auto& [english, first] :
         {std::pair{false, u"Subsegment10"_s}, std::pair{true, u"Subsegment33"_s}}) {
        if (english)
            w->mnuEnglish->trigger();
        w->mnuGuidelines->trigger();
        frmGuidelines* g = frmGuidelines::instance();
        ASSERT_TRUE(g && g->isVisible());
        EXPECT_EQ(g->grdGuidelines->grid()->text(2, 0), first);
        g->close();
        flushDeletes();
    }
}

TEST_F(SnagMenus, AboutIsShownModalOverTheWindow) {
    frmMainSnag* w = open();
    w->show();
    QWidget* parent = nullptr;
    bool modal = false;
    QTimer::singleShot(0, w, [&] {
        if (auto* about = w->findChild<frmAbout*>()) {
            parent = about->parentWidget();
            modal = about->isModal();
            about->cmdOK->click();
        }
    });
    w->mnuHelpAbout->trigger();
    EXPECT_TRUE(parent == w && modal);
    EXPECT_TRUE(w->isVisible());
}

// Exit unloads the window, which saves its unit system, unloads the windows
// opened after the switchboard and shows the switchboard.
TEST_F(SnagMenus, ExitUnloadsTheWindowAndShowsTheSwitchboard) {
    auto* board = new frmSwitchboard;
    gSwitchboard = board;
    QPointer<frmMainSnag> w = open();
    // The data-set window a clean import loads, hidden: it goes with the window.
    const QPointer<frmDataSet> dataSet = frmDataSet::load(database.file());
    w->show();
    board->hide();
    w->mnuEnglish->trigger();
    w->mnuFileExit->trigger();
    flushDeletes();
    EXPECT_TRUE(w.isNull() && dataSet.isNull());
    EXPECT_EQ(loadedWindows(), QList<QWidget*>{board});
    EXPECT_TRUE(board->isVisible());
    EXPECT_EQ(getSetting(u"SnagSettings"_s, u"EnglishMeasurement"_s, u"-"_s), u"True"_s);
    EXPECT_EQ(getSetting(u"SnagSettings"_s, u"MetricMeasurement"_s, u"-"_s), u"False"_s);
    delete board;
}

// The t-value, precision and stratum boxes of the Optimal page are copied,
// unchanged, to their labels on the Densities and Sample Size pages.
TEST_F(SnagMenus, TheOptimalBoxesAreCopiedUnchangedToBothPages) {
    frmMainSnag* w = open();
    const struct {
        QLineEdit* frmMainSnag::*box;
        std::array<QLabel*, 2> frmMainSnag::*labels;
        QString typed;
    } cases[] = {
        {&frmMainSnag::txtOptimalTvalue, &frmMainSnag::lblTValue, u"1.6449"_s},
        {&frmMainSnag::txtOptimalPrecisionLevel, &frmMainSnag::lblPrecisionLevel, u".1"_s},
        {&frmMainSnag::txtStratum, &frmMainSnag::lblStratum, u" 1,5 $"_s},
        {&frmMainSnag::txtStratum, &frmMainSnag::lblStratum, QString()},
    };
    for (const auto& c : cases) {
        (w->*c.labels)[0]->setText(u"old"_s);
        (w->*c.labels)[1]->setText(u"old"_s);
        (w->*c.box)->setText(u"x"_s);
        (w->*c.box)->setText(c.typed);
        EXPECT_EQ(textsOf((w->*c.labels)[0], (w->*c.labels)[1]), QStringList({c.typed, c.typed}));
    }
    EXPECT_TRUE(w->ssTabMain->page(frmMainSnag::PageDensities)->isAncestorOf(w->lblStratum[0]));
    EXPECT_TRUE(w->ssTabMain->page(frmMainSnag::PageSampleSize)->isAncestorOf(w->lblStratum[1]));
}

} // namespace
} // namespace vernalt::test
