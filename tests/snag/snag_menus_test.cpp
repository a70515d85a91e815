// The snag window's menu items and mirrored text boxes, clicked as the user does.
#include "snag_window_fixture.h"

#include "print/frmPrintPreview.h"
#include "settings/frmPlotSizes.h"
#include "shell/frmAbout.h"
#include "shell/frmSwitchboard.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

const QString OverrideText =
    u"The Optimal plot selection has been overridden. You may need to return to the Optimal "
    u"page, highlight the appropriate stratum circle, and click Compute to view new results."_s;
const QString OverrideTitle = u"Optimal plot selection overridden"_s;

// The indices of the checked items of a selection array.
QList<int> checkedItems(const std::array<QAction*, 17>& items) {
    QList<int> out;
    for (int n = 0; n < 17; ++n)
        if (items[std::size_t(n)]->isChecked())
            out.append(n);
    return out;
}

using SnagSelectionMenus = SnagWindowTest;

// Every click, even on the item already checked, says the choice was overridden;
// the item clicked last is the one checked, in its own array only.
TEST_F(SnagSelectionMenus, AClickChecksOneItemOfItsOwnArrayAndSaysSo) {
    struct Case {
        const char* name;
        QList<std::pair<int, int>> clicks; // sheet, item
        QList<int> checked;                // per sheet
    };
    const Case cases[] = {
        {"every array starts on Automatic", {}, {0, 0, 0, 0, 0}},
        {"one item", {{3, 7}}, {0, 0, 0, 7, 0}},
        {"each array has its own handler",
         {{0, 2}, {1, 3}, {2, 4}, {3, 5}, {4, 6}},
         {2, 3, 4, 5, 6}},
        {"Automatic clears the other sixteen", {{3, 12}, {3, 0}}, {0, 0, 0, 0, 0}},
        {"the checked item clicked again stays checked", {{0, 6}, {0, 6}}, {6, 0, 0, 0, 0}},
        {"Automatic clicked again stays checked", {{0, 6}, {0, 0}, {0, 0}}, {0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        frmMainSnag* w = open();
        for (const auto& [sheet, item] : c.clicks) {
            script.message(OverrideText, OverrideTitle, MsgIcon::None);
            w->selectionItems(sheet)[std::size_t(item)]->trigger();
        }
        EXPECT_TRUE(script.done());
        for (int sheet = 0; sheet < 5; ++sheet)
            EXPECT_EQ(checkedItems(w->selectionItems(sheet)), QList<int>{c.checked[sheet]})
                << sheet;
    }
}

TEST_F(SnagSelectionMenus, TheItemsNameThePlotsAndAChoiceSurvivesAChangeOfUnits) {
    frmMainSnag* w = open();
    for (int sheet = 0; sheet < 5; ++sheet)
        EXPECT_EQ(w->selectionItems(sheet)[0]->text(), u"Automatic"_s) << sheet;
    EXPECT_EQ(w->mnuSingle[1]->text(), u"Subsegment10"_s);
    EXPECT_EQ(w->mnuStratum4[16]->text(), u"Transect40"_s);
    script.message(OverrideText, OverrideTitle, MsgIcon::None);
    w->mnuStratum2[7]->trigger();
    w->mnuEnglish->trigger();
    EXPECT_EQ(checkedItems(w->mnuStratum2), QList<int>{7});
    EXPECT_EQ(w->mnuStratum2[7]->text(), u"Segment99"_s);
}

using SnagWidthMenus = SnagWindowTest;

// No message either way, even with all four cleared; "All Widths" checks the four
// but never itself, also when all are checked already.
TEST_F(SnagWidthMenus, AWidthClickedTwiceIsCheckedAgainAndAllWidthsChecksTheFour) {
    frmMainSnag* w = open();
    const std::array<QAction*, 4> items = w->widthItems();
    for (std::size_t k = 0; k < 4; ++k) {
        items[k]->trigger();
        for (std::size_t j = 0; j < 4; ++j)
            EXPECT_EQ(items[j]->isChecked(), j != k) << k << j;
        items[k]->trigger();
        EXPECT_TRUE(items[k]->isChecked()) << k;
    }
    for (QAction* item : items)
        item->trigger();
    for (QAction* item : items)
        EXPECT_FALSE(item->isChecked());
    for (int i = 0; i < 2; ++i) {
        w->mnuAllWidths->trigger();
        for (QAction* item : items)
            EXPECT_TRUE(item->isChecked()) << i;
        EXPECT_FALSE(w->mnuAllWidths->isChecked()) << i;
    }
}

using SnagMirroredLabels = SnagWindowTest;

TEST_F(SnagMirroredLabels, EachBoxIsCopiedUnchangedToBothPages) {
    struct Case {
        const char* name;
        QLineEdit* frmMainSnag::*box;
        std::array<QLabel*, 2> frmMainSnag::*labels;
        QString typed;
    };
    const Case cases[] = {
        {"t-value", &frmMainSnag::txtOptimalTvalue, &frmMainSnag::lblTValue, u"2.66"_s},
        {"t-value, not rounded", &frmMainSnag::txtOptimalTvalue, &frmMainSnag::lblTValue,
         u"1.6449"_s},
        {"precision", &frmMainSnag::txtOptimalPrecisionLevel, &frmMainSnag::lblPrecisionLevel,
         u".1"_s},
        {"stratum, not cleaned", &frmMainSnag::txtStratum, &frmMainSnag::lblStratum, u" 1,5 $"_s},
        {"emptied", &frmMainSnag::txtStratum, &frmMainSnag::lblStratum, QString()},
    };
    frmMainSnag* w = open();
    for (std::size_t k = 0; k < 2; ++k) // the labels start empty
        EXPECT_EQ(w->lblTValue[k]->text() + w->lblPrecisionLevel[k]->text() +
                      w->lblStratum[k]->text(),
                  QString())
            << k;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        (w->*c.labels)[0]->setText(u"old"_s);
        (w->*c.labels)[1]->setText(u"old"_s);
        (w->*c.box)->setText(u"x"_s);
        (w->*c.box)->setText(c.typed);
        EXPECT_EQ((w->*c.labels)[0]->text(), c.typed);
        EXPECT_EQ((w->*c.labels)[1]->text(), c.typed);
    }
    // The Densities page holds index 0, the Sample Size page index 1.
    EXPECT_TRUE(w->ssTabMain->page(frmMainSnag::PageDensities)->isAncestorOf(w->lblTValue[0]));
    EXPECT_TRUE(w->ssTabMain->page(frmMainSnag::PageSampleSize)->isAncestorOf(w->lblTValue[1]));

    // Clear All mirrors the restored defaults.
    w->txtOptimalTvalue->setText(u"2.66"_s);
    w->txtStratum->setText(u"2"_s);
    w->ClearAll();
    EXPECT_EQ(w->lblTValue[1]->text() + u'|' + w->lblPrecisionLevel[0]->text() + u'|' +
                  w->lblStratum[0]->text(),
              u"1.67|.2|"_s);
}

TEST_F(SnagMirroredLabels, ANewNumberOfStrataDecidesTheStratifiedButtonAgain) {
    frmMainSnag* w = open();
    w->show();
    w->ssTabMain->setCurrentIndex(frmMainSnag::PageDensities);
    w->ssTabFormula->setCurrentIndex(1);
    w->txtStratifiedPlotDimensions[0]->setText(u"Segment20"_s);
    w->txtStratifiedPlotDimensions[1]->setText(u"Section10"_s);
    const std::pair<const char*, bool> cases[] = {
        {"2", true}, {"3", false}, {"1", true}, {"2.0", false}, {"5", false}};
    for (const auto& [typed, enabled] : cases) {
        w->txtNumStrata->setText(QString::fromLatin1(typed));
        EXPECT_TRUE(w->cmdCalcStratified->isVisible()) << typed;
        EXPECT_EQ(w->cmdCalcStratified->isEnabled(), enabled) << typed;
    }
    w->txtNumStrata->clear();
    EXPECT_FALSE(w->cmdCalcStratified->isEnabled());
    EXPECT_EQ(w->status(), u"WARNING: The number of strata has not been set"_s);
}

using SnagHandOvers = SnagWindowTest;

TEST_F(SnagHandOvers, PrintPreviewShowsAPictureOfThisWindow) {
    frmMainSnag* w = open();
    w->show();
    EXPECT_EQ(w->mnuPrint->text(), u"Print Preview"_s);
    w->mnuPrint->trigger();
    auto* preview = qobject_cast<frmPrintPreview*>(loadedWindows().last());
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->lblFormToPrint->text(), u"Main2"_s);
    EXPECT_TRUE(!preview->picPrintPreview->picture().isNull() && preview->isVisible());
    EXPECT_TRUE(!preview->isModal() && preview->parentWidget() == nullptr) << "a window of its own";
    unload(w); // takes the preview with it
    EXPECT_FALSE(loadedWindows().contains(preview));
}

TEST_F(SnagHandOvers, CustomDimensionsShowsThePlotSizesWindowUntilTheWindowUnloads) {
    frmMainSnag* w = open();
    EXPECT_EQ(w->mnuSizeSettings->text(), u"Custom Dimensions"_s);
    w->mnuSizeSettings->trigger();
    frmPlotSizes* sizes = frmPlotSizes::instance();
    ASSERT_NE(sizes, nullptr);
    EXPECT_TRUE(sizes->isVisible() && sizes->parentWidget() == nullptr);
    unload(w);
    EXPECT_EQ(frmPlotSizes::instance(), nullptr);
}

TEST_F(SnagHandOvers, HelpAboutShowsTheAboutBoxOverTheWindow) {
    frmMainSnag* w = open();
    w->show();
    EXPECT_EQ(w->mnuHelpAbout->text(), u"&About "_s);
    QWidget* seenParent = nullptr;
    bool seenModal = false;
    QTimer::singleShot(0, w, [&] {
        auto* about = w->findChild<frmAbout*>();
        if (!about)
            return;
        seenParent = about->parentWidget();
        seenModal = about->isModal();
        about->cmdOK->click();
    });
    w->mnuHelpAbout->trigger();
    EXPECT_TRUE(seenParent == w && seenModal) << "modal over the window";
    EXPECT_TRUE(w->isVisible());
}

TEST_F(SnagHandOvers, ExitToMenuUnloadsTheWindowAndShowsTheSwitchboard) {
    auto* board = new frmSwitchboard;
    gSwitchboard = board;
    frmMainSnag* w = open();
    QPointer<frmMainSnag> alive = w;
    w->show();
    board->hide();
    w->mnuEnglish->trigger();
    EXPECT_EQ(w->mnuFileExit->text(), u"E&xit to Menu"_s);
    w->mnuFileExit->trigger();
    flushDeletes();
    EXPECT_TRUE(alive.isNull());
    EXPECT_FALSE(loadedWindows().contains(w));
    EXPECT_TRUE(board->isVisible());
    EXPECT_EQ(stored("SnagSettings", "EnglishMeasurement"), u"True"_s);
    delete board;
}

} // namespace
} // namespace vernalt::test
