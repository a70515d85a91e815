// The two layouts of the log window and the clearing of the Combination pages.
#include "log/log_window_fixture.h"

#include "platform/settings.h"
#include "platform/twips.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

using LogLayouts = LogWindowTest;

struct LayoutSeen {
    bool comboTab, mainTab, comboTitle, formula, comboFormula, lengths, species, settings;
    bool operator==(const LayoutSeen&) const = default;
};

LayoutSeen seen(const frmMainLog* w) {
    return {!w->ssTabCombo->isHidden(),
            !w->ssTabMain->isHidden(),
            !w->lblComboTitle->isHidden(),
            w->mnuFormula->menuAction()->isVisible(),
            w->mnuComboFormula->menuAction()->isVisible(),
            w->mnuLengthAnalysis->menuAction()->isVisible(),
            w->mnuSpecies->menuAction()->isVisible(),
            w->mnuSettings->menuAction()->isVisible()};
}

constexpr LayoutSeen kSingle{false, true, false, true, false, true, true, true};
constexpr LayoutSeen kCombination{true, false, true, false, true, false, false, false};

TEST_F(LogLayouts, EachLayoutShowsItsPagesAndMenusAndRepeatingChangesNothing) {
    frmMainLog* w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(seen(w), kSingle);
    w->ShowCombo();
    EXPECT_EQ(seen(w), kCombination);
    w->ShowCombo();
    EXPECT_EQ(seen(w), kCombination);
    w->HideCombo();
    EXPECT_EQ(seen(w), kSingle);
    w->HideCombo();
    EXPECT_EQ(seen(w), kSingle);
    // File, Measurement, Method and Help stay in both.
    for (QMenu* m : {w->mnuFile, w->mnuMeasurement, w->mnuMethod, w->mnuHelp})
        EXPECT_TRUE(m->menuAction()->isVisible());
}

TEST_F(LogLayouts, ALayoutChangeKeepsContentsAndPages) {
    frmMainLog* w = open();
    w->ssTabMain->setCurrentIndex(frmMainLog::PageOptimal);
    w->txtTvalue->setText(u"2.0"_s);
    w->ShowCombo();
    w->HideCombo();
    EXPECT_EQ(w->ssTabMain->currentIndex(), int(frmMainLog::PageOptimal));
    EXPECT_EQ(w->txtTvalue->text(), u"2.0"_s);
}

TEST_F(LogLayouts, ClearAllEmptiesTheThreeFramesAndPutsTheTValueBack) {
    frmMainLog* w = open();
    ASSERT_NE(w, nullptr);
    for (std::size_t h = 0; h < 4; ++h) {
        for (auto* boxes : {&w->txtStratum, &w->txtTransectLength, &w->txtStratumSize,
                            &w->txtEstimates, &w->txtVariance, &w->txtStratumWeight,
                            &w->txtSampleSize, &w->txtStratifiedMeans, &w->txtStratifiedVariance})
            (*boxes)[h]->setText(u"7"_s);
        w->cboTransectName[h]->setCurrentIndex(2);
        w->txtSSVariableVariance[h]->setText(u"3.5"_s); // on the page, outside the frames
    }
    w->txtComboFormula->setText(u"12"_s);
    w->txtTotalSize->setText(u"28"_s);
    w->txtComboTvalue->setText(u"2.66"_s);
    w->txtSSTvalue->setText(u"2"_s);
    w->grdComboSSOptimalAllocation->setText(1, 2, u"9"_s);
    w->grdComboSSProportionalAllocation->setText(4, 3, u"120"_s);
    w->lblComboSSOptTotalTransectLength->setText(u"480"_s);
    const QString captionBefore = w->lblCombo[4]->text();

    w->ClearAll();

    for (std::size_t h = 0; h < 4; ++h) {
        for (auto* boxes : {&w->txtStratum, &w->txtTransectLength, &w->txtStratumSize,
                            &w->txtEstimates, &w->txtVariance, &w->txtStratumWeight,
                            &w->txtSampleSize, &w->txtStratifiedMeans, &w->txtStratifiedVariance})
            EXPECT_TRUE((*boxes)[h]->text().isEmpty());
        EXPECT_EQ(w->cboTransectName[h]->currentIndex(), -1);
        EXPECT_EQ(w->txtSSVariableVariance[h]->text(), u"3.5"_s);
    }
    EXPECT_TRUE(w->txtComboFormula->text().isEmpty());
    EXPECT_TRUE(w->txtTotalSize->text().isEmpty());
    EXPECT_EQ(w->txtComboTvalue->text(), u"1.67"_s);
    EXPECT_EQ(w->txtSSTvalue->text(), u"2"_s);
    for (Grid* g : {w->grdComboSSOptimalAllocation, w->grdComboSSProportionalAllocation}) {
        EXPECT_EQ(g->rows(), 5);
        EXPECT_EQ(g->cols(), 4);
        for (int r = 1; r < 5; ++r)
            for (int c = 0; c < 4; ++c)
                EXPECT_TRUE(g->text(r, c).isEmpty());
    }
    // Titles keep their captions; the total length is a result of the emptied page.
    EXPECT_TRUE(w->lblComboSSOptTotalTransectLength->text().isEmpty());
    EXPECT_EQ(w->lblCombo[4]->text(), captionBefore);
}

TEST_F(LogLayouts, ResizingGrowsTheSheetsAndKeepsTheirButtonsAtTheBottom) {
    frmMainLog* w = open();
    ASSERT_NE(w, nullptr);
    w->resize(twipsToPixelsX(12000), twipsToPixelsY(10000));
    const QRect outer = w->frameGeometry();
    const double W = pixelsToTwipsX(outer.width());
    const double H = pixelsToTwipsY(outer.height());
    EXPECT_EQ(w->ssTabMain->width(), twipsToPixelsX(W - 375));
    // The sizes themselves are worked in the resize tests; here the wiring to the controls.
    EXPECT_EQ(w->grdStratum[4]->height(), twipsToPixelsY(H - 2415));
    EXPECT_EQ(w->grdSubtotals->height(), twipsToPixelsY(H - 1935));
    EXPECT_EQ(w->grdFormulaStratified->width(), twipsToPixelsX(W - 1020));
    EXPECT_EQ(w->ssTabFormula->width(), twipsToPixelsX(W - 765));
    // The buttons under the sheets, placed from the pages' top below the tab strip.
    const int buttonsTop = w->cmdFormulaApply->y();
    EXPECT_EQ(w->cmdSort3->y(), buttonsTop);
    EXPECT_EQ(w->cmdDisplayMean[4]->y(), buttonsTop);
    EXPECT_GT(buttonsTop, w->grdStratum[0]->geometry().bottom());
}

TEST_F(LogLayouts, SpmWinsOverCombinationAndCombinationIsSavedFalse) {
    saveSettingBool(u"LogSettings"_s, u"LIMmethod"_s, false);
    saveSettingBool(u"LogSettings"_s, u"SPMmethod"_s, true);
    saveSettingBool(u"LogSettings"_s, u"ComboMethod"_s, true);
    frmMainLog* w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(w->frmLandscapeArea->isHidden());
    w->close();
    flushDeletes();
    EXPECT_EQ(getSetting(u"LogSettings"_s, u"SPMmethod"_s), u"True"_s);
    EXPECT_EQ(getSetting(u"LogSettings"_s, u"ComboMethod"_s), u"False"_s);
}

// At the minimum size every caption of ssTabMain is whole, and every control of
// every page lies inside its page, under the two rows of tabs.
TEST_F(LogLayouts, AtTheMinimumSizeEveryTabAndControlIsSeen) {
    frmMainLog* w = open();
    ASSERT_NE(w, nullptr);
    w->resize(w->minimumSize());
    for (int i = 0; i < w->ssTabMain->count(); ++i) {
        const QAbstractButton* tab = w->ssTabMain->tabButton(i);
        EXPECT_GE(tab->width(), tab->fontMetrics().horizontalAdvance(tab->text()))
            << tab->text().toStdString();
    }
    for (int p = 0; p < w->ssTabMain->count(); ++p) {
        QWidget* page = w->ssTabMain->page(p);
        w->ssTabMain->setCurrentIndex(p);
        for (QWidget* c : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            EXPECT_LE(c->geometry().bottom(), page->height())
                << "page " << p << ": " << c->metaObject()->className();
    }
}

} // namespace
} // namespace vernalt::test
