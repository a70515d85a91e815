#include "platform/tab_control.h"

#include "platform/twips.h"
#include "support/keyboard.h"

#include <QLineEdit>
#include <QToolButton>
#include <gtest/gtest.h>
#include <vector>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

TEST(TabControl, TabsStandInRowsAbovePages) {
    TabControl tabs(5);
    for (int p = 0; p < 10; ++p)
        tabs.addTab(u"Page"_s);
    EXPECT_EQ(tabs.count(), 10);
    EXPECT_EQ(tabs.stripTwips(), 600); // two rows of 300 twips
    TabControl few(5);
    few.addTab(u"One"_s);
    EXPECT_EQ(few.stripTwips(), 300);
}

TEST(TabControl, ChangingThePageReportsThePreviousOne) {
    TabControl tabs(3);
    for (int p = 0; p < 4; ++p)
        tabs.addTab(u"Page"_s);
    EXPECT_EQ(tabs.currentIndex(), 0);
    std::vector<int> previous;
    QObject::connect(&tabs, &TabControl::clicked, &tabs, [&](int p) { previous.push_back(p); });
    tabs.setCurrentIndex(3);
    tabs.setCurrentIndex(3); // no change, no event
    tabs.setCurrentIndex(1);
    tabs.setCurrentIndex(7); // no such page
    EXPECT_EQ(previous, (std::vector<int>{0, 3}));
    EXPECT_EQ(tabs.currentIndex(), 1);
}

TEST(TabControl, KeysChangeThePageFromAnywhereAndScreenReadersSeePageTabs) {
    QWidget window;
    auto* tabs = new TabControl(2, &window);
    for (int p = 0; p < 4; ++p)
        tabs->addTab(u"Page"_s);
    auto* box = new QLineEdit(&window); // the Ctrl keys work from any control of the window
    window.show();
    window.activateWindow();
    QApplication::processEvents();
    // A key pressed in the box (Ctrl keys) or on the page's tab: the page it shows.
    const struct {
        QKeyCombination key;
        int from, to;
    } cases[] = {
        {Qt::CTRL | Qt::Key_Tab, 0, 1},
        {Qt::CTRL | Qt::Key_PageDown, 3, 0},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, 0, 3},
        {Qt::CTRL | Qt::Key_PageUp, 1, 0},
        {Qt::Key_Right, 1, 2},
        {Qt::Key_Left, 0, 0},
        {Qt::Key_End, 1, 3},
        {Qt::Key_Home, 3, 0},
    };
    for (const auto& c : cases) {
        tabs->setCurrentIndex(c.from);
        if (c.key.keyboardModifiers())
            box->setFocus();
        else
            tabs->tabButton(c.from)->setFocus();
        press(c.key);
        EXPECT_EQ(tabs->currentIndex(), c.to) << c.key.toCombined();
        EXPECT_TRUE(tabs->tabButton(c.to)->hasFocus()) << c.key.toCombined();
    }
    for (int p = 0; p < tabs->count(); ++p) {
        QAccessibleInterface* tab = QAccessible::queryAccessibleInterface(tabs->tabButton(p));
        EXPECT_EQ(tab->role(), QAccessible::PageTab);
        EXPECT_EQ(tab->parent()->role(), QAccessible::PageTabList);
        EXPECT_EQ(tab->state().selected, p == 0);
        EXPECT_FALSE(tab->state().checked);
    }
}

TEST(TabControl, TenCaptionsStayWholeInTwoRowsAtAnAnalysisWindowsWidth) {
    TabControl tabs(5);
    for (const char* caption :
         {"Summary Statistics", "Optimal", "Formula", "Sample Size", "Statistical Test",
          "Single/Combined", "Stratum 1", "Stratum 2", "Stratum 3", "Stratum 4"})
        tabs.addTab(QString::fromLatin1(caption));
    // The main tab control of an analysis window at its minimum width: 9420 - 375 twips.
    tabs.resize(twipsToPixelsX(9045), twipsToPixelsY(6855));
    tabs.show();
    for (int i = 0; i < tabs.count(); ++i) {
        const QAbstractButton* b = tabs.tabButton(i);
        EXPECT_GE(b->width(), b->fontMetrics().horizontalAdvance(b->text()))
            << b->text().toStdString();
        EXPECT_LT(b->geometry().bottom(), twipsToPixelsY(tabs.stripTwips()));
    }
}

} // namespace
} // namespace vernalt::test
