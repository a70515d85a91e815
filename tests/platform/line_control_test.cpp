#include "platform/line_control.h"

#include "platform/twips.h"

#include <gtest/gtest.h>

namespace vernalt::test {
namespace {

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
