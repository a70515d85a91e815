#include "platform/tab_control.h"

#include "platform/twips.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QShortcut>
#include <QTest>
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
    tabs.tabButton(1)->click();
    tabs.setCurrentIndex(7); // no such page
    tabs.setCurrentIndex(-1);
    EXPECT_EQ(previous, (std::vector<int>{0, 3}));
    EXPECT_EQ(tabs.currentIndex(), 1);
}

TEST(TabControl, PagesOutOfRangeAreNone) {
    TabControl empty(3);
    empty.stepPage(1); // no page to go to
    EXPECT_EQ(empty.currentIndex(), -1);
    EXPECT_EQ(empty.tabButton(0), nullptr);
    TabControl tabs(3);
    tabs.addTab(u"Optimal"_s);
    tabs.setTabText(1, u"Formula"_s);
    tabs.setTabText(-1, u"Formula"_s);
    EXPECT_EQ(tabs.tabText(0), u"Optimal"_s);
    EXPECT_EQ(tabs.tabText(1), QString());
    EXPECT_EQ(tabs.tabButton(-1), nullptr);
}

// A window with a tab control of four pages and a box beside it, shown and active.
struct TabWindow {
    TabWindow() {
        for (int p = 0; p < 4; ++p)
            tabs->addTab(u"Page "_s + QString::number(p + 1));
        window.show();
        window.activateWindow();
        QApplication::processEvents();
    }
    QWidget window;
    TabControl* tabs = new TabControl(2, &window);
    QLineEdit* box = new QLineEdit(&window); // the Ctrl keys work from any control of the window
};

// A key pressed on page `from`, and the page it shows.
struct KeyCase {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int from, to;
};

// Presses each key as a keyboard gives it (QTest sends it through the shortcut
// map first, as the window system's keys are sent), in the box or on the shown
// page's tab; the page then shown has its tab focused.
void expectPages(TabWindow& w, std::initializer_list<KeyCase> cases, bool onTab) {
    for (const KeyCase& c : cases) {
        w.tabs->setCurrentIndex(c.from);
        QWidget* target = onTab ? static_cast<QWidget*>(w.tabs->tabButton(c.from)) : w.box;
        target->setFocus();
        QTest::keyClick(target, c.key, c.modifiers);
        EXPECT_EQ(w.tabs->currentIndex(), c.to) << c.name;
        EXPECT_TRUE(w.tabs->tabButton(c.to)->hasFocus()) << c.name;
    }
}

TEST(TabControl, CtrlKeysChangeThePageFromAnywhereInTheWindow) {
    TabWindow w;
    const auto ctrl = Qt::ControlModifier;
    expectPages(
        w,
        {
            {"Ctrl+Tab", Qt::Key_Tab, ctrl, 0, 1},
            {"Ctrl+Tab past the last page", Qt::Key_Tab, ctrl, 3, 0},
            {"Ctrl+PgDn", Qt::Key_PageDown, ctrl, 3, 0},
            {"Ctrl+PgUp", Qt::Key_PageUp, ctrl, 1, 0},
            {"Ctrl+Shift+Tab", Qt::Key_Tab, ctrl | Qt::ShiftModifier, 2, 1},
            {"Ctrl+Shift+Tab from the first page", Qt::Key_Tab, ctrl | Qt::ShiftModifier, 0, 3},
            // What X11 delivers for Ctrl+Shift+Tab: Backtab with Ctrl and Shift.
            {"Ctrl+Shift+Backtab", Qt::Key_Backtab, ctrl | Qt::ShiftModifier, 2, 1},
        },
        false);
}

// On X11 the shortcut map is offered two readings of Ctrl+Shift+Tab: the Tab key
// at its base level (Ctrl+Shift+Tab) and at its shifted level, Backtab, with
// Shift taken as part of the key (Ctrl+Backtab). A shortcut that matches
// neither never fires there; two shortcuts that match one each make the key
// ambiguous, and neither fires. Exactly one must match, and step back.
TEST(TabControl, CtrlShiftTabMatchesExactlyOneShortcutAsX11OffersIt) {
    TabWindow w;
    const QKeySequence offered[] = {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
                                    QKeySequence(Qt::CTRL | Qt::Key_Backtab)};
    std::vector<QShortcut*> matching;
    for (QShortcut* s : w.tabs->findChildren<QShortcut*>())
        for (const QKeySequence& key : offered)
            if (key.matches(s->key()) == QKeySequence::ExactMatch)
                matching.push_back(s);
    ASSERT_EQ(matching.size(), 1u);
    w.tabs->setCurrentIndex(2);
    emit matching[0]->activated();
    EXPECT_EQ(w.tabs->currentIndex(), 1);
}

TEST(TabControl, ArrowKeysOnTheShownTabMoveToItsNeighbours) {
    TabWindow w;
    expectPages(w,
                {
                    {"Right", Qt::Key_Right, Qt::NoModifier, 1, 2},
                    {"Down", Qt::Key_Down, Qt::NoModifier, 1, 2},
                    {"Right on the last tab", Qt::Key_Right, Qt::NoModifier, 3, 3},
                    {"Left", Qt::Key_Left, Qt::NoModifier, 2, 1},
                    {"Up", Qt::Key_Up, Qt::NoModifier, 2, 1},
                    {"Left on the first tab", Qt::Key_Left, Qt::NoModifier, 0, 0},
                    {"End", Qt::Key_End, Qt::NoModifier, 1, 3},
                    {"Home", Qt::Key_Home, Qt::NoModifier, 3, 0},
                    // Down goes to the next page, not to the tab under this one (Qt's own
                    // arrow keys in a group of buttons).
                    {"Down of the keypad", Qt::Key_Down, Qt::KeypadModifier, 1, 2},
                    {"Shift+End is no tab key", Qt::Key_End, Qt::ShiftModifier, 1, 1},
                    {"a letter", Qt::Key_A, Qt::NoModifier, 1, 1},
                },
                true);
}

TEST(TabControl, OnlyTheShownTabIsAStopAndKeepsTheFocusWhenClicked) {
    TabWindow w;
    w.tabs->tabButton(0)->setFocus();
    w.tabs->tabButton(2)->click(); // a click while the shown tab has the focus
    EXPECT_TRUE(w.tabs->tabButton(2)->hasFocus());
    for (int p = 0; p < w.tabs->count(); ++p)
        EXPECT_EQ(w.tabs->tabButton(p)->focusPolicy(), p == 2 ? Qt::TabFocus : Qt::NoFocus) << p;
    w.box->setFocus();
    w.tabs->setCurrentIndex(3); // by the program: the focus stays where it is
    EXPECT_TRUE(w.box->hasFocus());

    // A page stepped to before the window shows: the focus it opens with stays.
    QWidget hidden;
    auto* tabs = new TabControl(2, &hidden);
    tabs->addTab(u"One"_s);
    tabs->addTab(u"Two"_s);
    auto* box = new QLineEdit(&hidden);
    box->setFocus();
    tabs->stepPage(1);
    EXPECT_EQ(tabs->currentIndex(), 1);
    hidden.show();
    hidden.activateWindow();
    QApplication::processEvents();
    EXPECT_TRUE(box->hasFocus());
}

TEST(TabControl, ScreenReadersSeePageTabsThatTheyCanPress) {
    TabWindow w;
    w.tabs->setTabText(1, u"Formula"_s);
    for (int p = 0; p < w.tabs->count(); ++p) {
        QAccessibleInterface* tab = QAccessible::queryAccessibleInterface(w.tabs->tabButton(p));
        EXPECT_EQ(tab->role(), QAccessible::PageTab);
        EXPECT_EQ(tab->parent()->role(), QAccessible::PageTabList);
        EXPECT_TRUE(tab->state().selectable);
        EXPECT_EQ(tab->state().selected, p == 0);
        EXPECT_FALSE(tab->state().checked);
    }
    QAccessibleInterface* formula = QAccessible::queryAccessibleInterface(w.tabs->tabButton(1));
    EXPECT_EQ(formula->text(QAccessible::Name), u"Formula"_s);
    EXPECT_EQ(formula->text(QAccessible::Description), QString());
    EXPECT_EQ(w.tabs->page(1)->accessibleName(), u"Formula"_s) << "the page is renamed too";
    w.tabs->tabButton(1)->setAccessibleName(u"Formula page"_s);
    EXPECT_EQ(formula->text(QAccessible::Name), u"Formula page"_s);

    ASSERT_TRUE(formula->actionInterface());
    EXPECT_TRUE(formula->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction()));
    formula->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(w.tabs->currentIndex(), 1);
    formula->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
    EXPECT_TRUE(w.tabs->tabButton(1)->hasFocus());
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
