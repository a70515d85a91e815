// The two layouts of the log window, and its pages at the minimum size.
#include "log/log_window_fixture.h"

#include <QMenu>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

using LogLayouts = LogWindowTest;

// What is shown as flags: the combination tabs, the main tabs, the combination
// title, the menus Formula, Combination formula, Length Analysis, Species and
// Settings; then File, Measurement, Method and Help, shown in both.
QString seen(const frmMainLog* w) {
    QString flags;
    for (const QWidget* c :
         std::initializer_list<const QWidget*>{w->ssTabCombo, w->ssTabMain, w->lblComboTitle})
        flags += c->isHidden() ? u'0' : u'1';
    for (const QMenu* m : {w->mnuFormula, w->mnuComboFormula, w->mnuLengthAnalysis, w->mnuSpecies,
                           w->mnuSettings, w->mnuFile, w->mnuMeasurement, w->mnuMethod, w->mnuHelp})
        flags += m->menuAction()->isVisible() ? u'1' : u'0';
    return flags;
}

TEST_F(LogLayouts, EachLayoutShowsItsPagesAndMenusAndKeepsTheContents) {
    frmMainLog* w = open();
    w->ssTabMain->setCurrentIndex(frmMainLog::PageOptimal);
    w->txtTvalue->setText(u"2.0"_s);
    const QString single = u"010101111111"_s, combination = u"101010001111"_s;
    EXPECT_EQ(seen(w), single);
    for (int twice = 0; twice < 2; ++twice) {
        w->ShowCombo();
        EXPECT_EQ(seen(w), combination);
    }
    for (int twice = 0; twice < 2; ++twice) {
        w->HideCombo();
        EXPECT_EQ(seen(w), single);
    }
    EXPECT_EQ(w->ssTabMain->currentIndex(), int(frmMainLog::PageOptimal));
    EXPECT_EQ(w->txtTvalue->text(), u"2.0"_s);
}

// At the minimum size every caption of ssTabMain is whole, and every control of
// every page lies inside its page, under the two rows of tabs.
TEST_F(LogLayouts, AtTheMinimumSizeEveryTabAndControlIsSeen) {
    frmMainLog* w = open();
    w->resize(w->minimumSize());
    for (int p = 0; p < w->ssTabMain->count(); ++p) {
        const QAbstractButton* tab = w->ssTabMain->tabButton(p);
        EXPECT_GE(tab->width(), tab->fontMetrics().horizontalAdvance(tab->text())) << p;
        w->ssTabMain->setCurrentIndex(p);
        QWidget* page = w->ssTabMain->page(p);
        for (QWidget* c : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            EXPECT_LE(c->geometry().bottom(), page->height())
                << "page " << p << ": " << c->metaObject()->className();
    }
}

} // namespace
} // namespace vernalt::test
