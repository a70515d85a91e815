#include "platform/twips.h"

#include "platform/value.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace vernalt {

namespace {

// Twips per pixel for a logical dpi: 1440 / dpi rounded half to even, at least
// 1; 15 (96 dpi) when there is no screen to ask.
int twipsPerPixel(bool horizontal) {
    const QScreen* screen = qobject_cast<QGuiApplication*>(QCoreApplication::instance())
                                ? QGuiApplication::primaryScreen()
                                : nullptr;
    if (!screen)
        return 15;
    const double dpi = horizontal ? screen->logicalDotsPerInchX() : screen->logicalDotsPerInchY();
    if (!(dpi > 0))
        return 15;
    return std::max(1, int(toInt32(std::min(TwipsPerInch / dpi, double(TwipsPerInch)))));
}

int toPixels(double twips, int perPixel) {
    return int(toInt32(twips / perPixel));
}

} // namespace

int twipsPerPixelX() {
    return twipsPerPixel(true);
}
int twipsPerPixelY() {
    return twipsPerPixel(false);
}

int twipsToPixelsX(double twips) {
    return toPixels(twips, twipsPerPixelX());
}
int twipsToPixelsY(double twips) {
    return toPixels(twips, twipsPerPixelY());
}
double pixelsToTwipsX(int pixels) {
    return double(pixels) * twipsPerPixelX();
}
double pixelsToTwipsY(int pixels) {
    return double(pixels) * twipsPerPixelY();
}

QRect twipsRect(double left, double top, double width, double height) {
    const int x = twipsPerPixelX();
    const int y = twipsPerPixelY();
    return QRect(toPixels(left, x), toPixels(top, y), toPixels(width, x), toPixels(height, y));
}

QSize twipsSize(double width, double height) {
    return QSize(twipsToPixelsX(width), twipsToPixelsY(height));
}

void placeTwips(QWidget* w, double left, double top, double width, double height) {
    if (w)
        w->setGeometry(twipsRect(left, top, width, height));
}

QSize analysisMinimumSize() {
    return QSize(9420 / twipsPerPixelX(), 8070 / twipsPerPixelY());
}

} // namespace vernalt
