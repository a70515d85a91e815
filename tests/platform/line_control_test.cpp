#include "platform/line_control.h"

#include "platform/twips.h"

#include <QImage>
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

// At 15 twips per pixel a line from (1500, 300) to (300, 1500) twips runs from
// pixel (100, 20) to (20, 100): it passes (60, 60), not (40, 40).
TEST(LineControl, DrawsTheLineBetweenItsEndsOnly) {
    QWidget parent;
    parent.resize(120, 120);
    parent.setAutoFillBackground(true);
    QPalette palette = parent.palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    parent.setPalette(palette);
    LineControl line(&parent);
    line.setX1(1500);
    line.setY1(300);
    line.setX2(300);
    line.setY2(1500);
    const QImage shot = parent.grab().toImage();
    for (const QPoint p : {QPoint(100, 20), QPoint(60, 60), QPoint(20, 100)})
        EXPECT_EQ(shot.pixelColor(p), QColor(Qt::black)) << p.x() << ", " << p.y();
    for (const QPoint p : {QPoint(40, 40), QPoint(80, 80), QPoint(10, 10)})
        EXPECT_EQ(shot.pixelColor(p), QColor(Qt::white)) << p.x() << ", " << p.y();
}

} // namespace
} // namespace vernalt::test
