#include "platform/tab_control.h"

#include "platform/twips.h"

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

TEST(TabControl, TenCaptionsStayWholeInTwoRowsAtAnAnalysisWindowsWidth) {
    TabControl tabs(5);
    for (const char* caption :
         {"Summary Statistics", "Optimal", "Formula", "Sample Size", "Statistical Test",
          "Single/Combined", "Stratum 1", "Stratum 2", "Stratum 3", "Stratum 4"})
        tabs.addTab(QString::fromLatin1(caption));
    // The main tab control of an analysis window at its minimum width: 9420 - 375 twips.
    tabs.resize(twipsToPixelsX(9045), twipsToPixelsY(6855));
    tabs.show();
    const QList<QToolButton*> buttons = tabs.findChildren<QToolButton*>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(buttons.size(), 10);
    for (QToolButton* b : buttons) {
        EXPECT_GE(b->width(), b->fontMetrics().horizontalAdvance(b->text()))
            << b->text().toStdString();
        EXPECT_LT(b->geometry().bottom(), twipsToPixelsY(tabs.stripTwips()));
    }
}

} // namespace
} // namespace vernalt::test
