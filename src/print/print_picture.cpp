#include "print/print_picture.h"

#include <QPainter>
#include <QPrinter>

namespace vernalt {

QSizeF naturalSize(const QSizeF& pixels, const QSizeF& screenDpi, const QSizeF& dpi) {
    const double screenX = screenDpi.width() > 0 ? screenDpi.width() : 96.0;
    const double screenY = screenDpi.height() > 0 ? screenDpi.height() : 96.0;
    return {pixels.width() / screenX * dpi.width(), pixels.height() / screenY * dpi.height()};
}

bool printPicture(QPrinter& printer, const QImage& picture, QPageLayout::Orientation orientation,
                  const QSizeF& screenDpi) {
    // Set every time, so a portrait print after a landscape one is portrait again.
    if (!printer.setPageOrientation(orientation))
        return false;
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::LosslessImageRendering);
    if (!picture.isNull()) {
        const QSizeF size = naturalSize(picture.deviceIndependentSize(), screenDpi,
                                        QSizeF(printer.logicalDpiX(), printer.logicalDpiY()));
        painter.drawImage(QRectF(QPointF(0, 0), size), picture);
    }
    if (!painter.end())
        return false;
    return printer.printerState() != QPrinter::Error;
}

} // namespace vernalt
