#include "print/window_capture.h"

#include <QApplication>
#include <QPalette>
#include <array>
#include <gtest/gtest.h>

namespace vernalt::test {
namespace {

TEST(SplitColor, RedIsTheLowByteAndASystemColourIsLookedUp) {
    const QPalette saved = QApplication::palette();
    QPalette known = saved;
    known.setColor(QPalette::Window, QColor(200, 201, 202)); // the button face
    QApplication::setPalette(known);
    const auto parts = [](std::uint32_t color) {
        const ColorParts p = SplitColor(color).value_or(ColorParts{-1, -1, -1});
        return std::array{p.red, p.green, p.blue};
    };
    EXPECT_EQ(parts(0x00336699u), (std::array{0x99, 0x66, 0x33}));
    EXPECT_EQ(parts(0x12C0FFEEu), (std::array{0xEE, 0xFF, 0xC0})); // a stray top byte is ignored
    EXPECT_EQ(parts(SystemButtonFace), (std::array{200, 201, 202}));
    EXPECT_FALSE(SplitColor(NoColor).has_value());
    QApplication::setPalette(saved);
}

const QRgb Key = qRgb(240, 240, 240);
const QRgb Red = qRgb(255, 0, 0);
const QRgb Green = qRgb(0, 255, 0);
const QRgb Blue = qRgb(0, 0, 255);
const QRgb Black = qRgb(0, 0, 0);

QImage filled(int w, int h, QRgb colour) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

TEST(TransparentCopy, KeyPixelsShowTheBackgroundUnderTheTarget) {
    QImage source = filled(3, 2, Key); // K R K
    source.setPixel(1, 0, Red);        // K K G
    source.setPixel(2, 1, Green);
    QImage background = filled(8, 8, Blue);
    background.setPixel(2, 1, Green);
    QImage dest = filled(8, 8, Black);
    // (0, 0)-(2, 1) takes in its edges: all 3 x 2 pixels, onto (2, 1)-(4, 2)
    TransparentCopy(dest, background, source, QRect(QPoint(0, 0), QPoint(2, 1)), 2, 1, Key);
    const struct {
        int x, y;
        QRgb colour;
    } expected[] = {{2, 1, Green}, {3, 1, Red},   {4, 1, Blue},  {2, 2, Blue}, {3, 2, Blue},
                    {4, 2, Green}, {1, 1, Black}, {5, 2, Black}, {3, 3, Black}};
    for (const auto& e : expected)
        EXPECT_EQ(dest.pixel(e.x, e.y), e.colour) << e.x << ", " << e.y;

    // A rectangle larger than the source, reaching past the destination's edge:
    // only what lies in both images is copied.
    TransparentCopy(dest, dest, filled(2, 4, Red), QRect(0, 0, 20, 20), 5, 6, Key);
    EXPECT_EQ(dest.pixel(6, 7), Red);
    EXPECT_EQ(dest.pixel(7, 6), Black);
}

} // namespace
} // namespace vernalt::test
