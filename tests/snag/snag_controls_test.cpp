#include "snag/snag_controls.h"

#include "platform/twips.h"

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

TEST(LineControl, CoversItsEndPoints) {
    QWidget parent;
    LineControl line(&parent);
    line.setY1(700);
    line.setY2(700);
    line.setX1(210);
    line.setX2(330);
    EXPECT_EQ(line.x(), twipsToPixelsX(210));
    EXPECT_EQ(line.y(), twipsToPixelsY(700));
    EXPECT_EQ(line.width(), twipsToPixelsX(330) - twipsToPixelsX(210) + 1);
    EXPECT_EQ(line.height(), 1);
}

} // namespace
} // namespace vernalt::test
