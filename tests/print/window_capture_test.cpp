#include "print/window_capture.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPalette>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

// ---- SplitColor -----------------------------------------------------------

TEST(SplitColor, SplitsRgbValuesAndLooksUpSystemColours) {
    const QPalette saved = QApplication::palette();
    QPalette known = saved;
    known.setColor(QPalette::Window, QColor(200, 201, 202));
    known.setColor(QPalette::Base, QColor(250, 251, 252));
    QApplication::setPalette(known);
    const struct {
        const char* name;
        std::uint32_t color;
        int red, green, blue;
    } cases[] = {
        // 0x00BBGGRR: red is the lowest byte.
        {"black", 0x00000000u, 0, 0, 0},
        {"white", 0x00FFFFFFu, 255, 255, 255},
        {"pure red", 0x000000FFu, 255, 0, 0},
        {"pure blue", 0x00FF0000u, 0, 0, 255},
        {"mixed", 0x00336699u, 0x99, 0x66, 0x33},
        // the top byte of an RGB value without the high bit is ignored
        {"stray top byte", 0x12C0FFEEu, 0xEE, 0xFF, 0xC0},
        {"button face is the window background", SystemButtonFace, 200, 201, 202},
        {"window colour is the text box background", 0x80000005u, 250, 251, 252},
        {"an unknown system colour is black", 0x800000FFu, 0, 0, 0},
    };
    for (const auto& c : cases) {
        const ColorParts p = SplitColor(c.color).value_or(ColorParts{-1, -1, -1});
        EXPECT_EQ((std::array{p.red, p.green, p.blue}), (std::array{c.red, c.green, c.blue}))
            << c.name;
    }
    EXPECT_FALSE(SplitColor(NoColor).has_value());
    QApplication::setPalette(saved);
}

// ---- TransparentCopy ------------------------------------------------------

const QRgb Key = qRgb(240, 240, 240);
const QRgb Red = qRgb(255, 0, 0);
const QRgb Green = qRgb(0, 255, 0);
const QRgb Blue = qRgb(0, 0, 255);

QImage filled(int w, int h, QRgb colour) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

TEST(TransparentCopy, RectangleIncludesItsEdgesAndTheDestinationKeepsItsFormat) {
    QImage dest(200, 100, QImage::Format_RGB888);
    dest.fill(Blue);
    const QImage source = filled(120, 60, Red);
    TransparentCopy(dest, dest, source, QRect(), 0, 0, Key); // an empty rectangle
    EXPECT_EQ(dest.pixel(0, 0), Blue);
    TransparentCopy(dest, dest, source, QRect(QPoint(0, 0), QPoint(100, 50)), 0, 0, Key);
    EXPECT_EQ(dest.format(), QImage::Format_RGB888);
    EXPECT_EQ(dest.pixel(0, 0), Red);
    EXPECT_EQ(dest.pixel(100, 50), Red);  // 101 x 51 pixels copied
    EXPECT_EQ(dest.pixel(101, 50), Blue); // one past the right edge
    EXPECT_EQ(dest.pixel(100, 51), Blue); // one past the bottom edge
}

TEST(TransparentCopy, TransparentPixelsShowTheBackgroundUnderTheTarget) {
    QImage source = filled(3, 2, Key);
    source.setPixel(1, 0, Red);
    source.setPixel(2, 1, Green);
    QImage background = filled(8, 8, Blue);
    background.setPixel(2, 1, Green); // under the target spot's first pixel
    background.setPixel(3, 2, Red);   // under the target's (1, 1)
    QImage dest = filled(8, 8, qRgb(9, 9, 9));
    TransparentCopy(dest, background, source, source.rect(), 2, 1, Key);

    EXPECT_EQ(dest.pixel(2, 1), Green);         // transparent: background at (2, 1)
    EXPECT_EQ(dest.pixel(3, 1), Red);           // source pixel
    EXPECT_EQ(dest.pixel(4, 1), Blue);          // transparent: background
    EXPECT_EQ(dest.pixel(2, 2), Blue);          // transparent: background
    EXPECT_EQ(dest.pixel(3, 2), Red);           // transparent: background's red
    EXPECT_EQ(dest.pixel(4, 2), Green);         // source pixel
    EXPECT_EQ(dest.pixel(0, 0), qRgb(9, 9, 9)); // outside the target: untouched
}

TEST(TransparentCopy, SameImageAsDestinationAndBackground) {
    QImage surface = filled(4, 1, qRgb(255, 255, 255));
    QImage source = filled(4, 1, Key);
    source.setPixel(1, 0, Red);
    source.setPixel(3, 0, Key);
    TransparentCopy(surface, surface, source, source.rect(), 0, 0, Key);
    EXPECT_EQ(surface.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(surface.pixel(1, 0), Red);
    EXPECT_EQ(surface.pixel(3, 0), qRgb(255, 255, 255));
}

TEST(TransparentCopy, OnlyTheColourNotTheAlphaDecides) {
    QImage source(1, 1, QImage::Format_ARGB32);
    source.setPixel(0, 0, qRgba(240, 240, 240, 255));
    QImage dest = filled(1, 1, Blue);
    TransparentCopy(dest, dest, source, source.rect(), 0, 0, qRgba(240, 240, 240, 0));
    EXPECT_EQ(dest.pixel(0, 0), Blue);
}

TEST(TransparentCopy, PartsOutsideTheImagesAreLeftOut) {
    QImage dest = filled(10, 10, Blue);
    const QImage source = filled(4, 4, Red);
    // a rectangle larger than the source, placed past the destination's corner
    TransparentCopy(dest, dest, source, QRect(0, 0, 20, 20), 8, 8, Key);
    EXPECT_EQ(dest.pixel(8, 8), Red);
    EXPECT_EQ(dest.pixel(9, 9), Red);
    EXPECT_EQ(dest.pixel(7, 7), Blue);
    // negative target: only the part inside the destination lands
    TransparentCopy(dest, dest, source, source.rect(), -2, -2, Key);
    EXPECT_EQ(dest.pixel(0, 0), Red);
    EXPECT_EQ(dest.pixel(1, 1), Red);
    EXPECT_EQ(dest.pixel(2, 2), Blue);
}

// ---- CaptureFormClient ----------------------------------------------------

QWidget* solid(QWidget* parent, const QColor& colour) {
    auto* w = new QWidget(parent);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, colour);
    w->setPalette(p);
    w->setAutoFillBackground(true);
    return w;
}

TEST(CaptureFormClient, LeavesOutTheMenuBar) {
    QMainWindow window;
    window.menuBar()->addAction(u"File"_s);
    window.setCentralWidget(solid(&window, QColor(Red)));
    window.resize(300, 200);
    window.show();
    const int menu = window.menuBar()->height();
    ASSERT_GT(menu, 0);

    const QImage picture = CaptureFormClient(&window);
    EXPECT_EQ(picture.deviceIndependentSize().toSize(), QSize(300, 200 - menu));
    EXPECT_EQ(picture.pixel(0, 0), Red);
    EXPECT_EQ(picture.pixel(picture.width() - 1, picture.height() - 1), Red);
}

TEST(CaptureFormClient, AWindowWithoutMenuIsCapturedWholeAndAreasAreCut) {
    EXPECT_TRUE(CaptureFormClient(nullptr).isNull());
    std::unique_ptr<QWidget> window(solid(nullptr, QColor(Green)));
    window->resize(120, 80);
    const QImage picture = CaptureFormClient(window.get());
    EXPECT_EQ(picture.deviceIndependentSize().toSize(), QSize(120, 80));
    EXPECT_EQ(picture.pixel(119, 79), Green);
    // An area is cut at the client edges.
    EXPECT_EQ(CaptureWindowImage(window.get(), QRect(110, 70, 30, 30)).size(), QSize(10, 10));
    EXPECT_TRUE(CaptureWindowImage(window.get(), QRect(200, 0, 10, 10)).isNull());
}

} // namespace
} // namespace vernalt::test
