#include "print/print_picture.h"

#include <gtest/gtest.h>

namespace vernalt::test {
namespace {

TEST(NaturalSize, KeepsTheSizeInInches) {
    const struct {
        const char* name;
        QSizeF pixels, screenDpi, dpi, expected;
    } cases[] = {
        // 192 x 96 pixels at 96 dpi are 2 x 1 inches: 2400 x 1200 dots at 1200 dpi
        {"96 dpi screen", {192, 96}, {96, 96}, {1200, 1200}, {2400, 1200}},
        // different dpi across and down: 300/100*72 = 216, 300/150*72 = 144
        {"uneven dpi", {300, 300}, {100, 150}, {72, 72}, {216, 144}},
        // an unknown screen dpi counts as 96: 48/96*300 = 150
        {"no screen dpi", {48, 48}, {0, 0}, {300, 300}, {150, 150}},
    };
    for (const auto& c : cases) {
        const QSizeF got = naturalSize(c.pixels, c.screenDpi, c.dpi);
        EXPECT_DOUBLE_EQ(got.width(), c.expected.width()) << c.name;
        EXPECT_DOUBLE_EQ(got.height(), c.expected.height()) << c.name;
    }
}

} // namespace
} // namespace vernalt::test
