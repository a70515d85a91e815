// Printing a picture of a window on one page, at the size it has on the screen.
#pragma once

#include <QImage>
#include <QPageLayout>
#include <QSizeF>

class QPrinter;

namespace vernalt {

// The size on a device of `dpi` dots per inch of a picture `pixels` screen pixels
// big on a screen of `screenDpi`: pixels / screenDpi * dpi, so it keeps its size
// in inches. A screen dpi of 0 or less counts as 96.
QSizeF naturalSize(const QSizeF& pixels, const QSizeF& screenDpi, const QSizeF& dpi);

// Prints `picture` on one page of `printer` in `orientation`, at the top left of
// the page at its natural size (not scaled to the page: what does not fit is cut
// at the page's edge), with smooth drawing. `screenDpi` is the dots per inch of
// the screen the picture was taken from. False when the printer could not start,
// draw or finish the document.
bool printPicture(QPrinter& printer, const QImage& picture, QPageLayout::Orientation orientation,
                  const QSizeF& screenDpi);

} // namespace vernalt
