// Reading back what the program printed to a PDF file: the page count, the
// size of the first page, and the first page rendered by poppler's pdftoppm.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSizeF>
#include <QString>

namespace vernalt::test {

struct PdfFacts {
    int pages = -1;    // the /Count of the page tree, -1 if none
    QSizeF firstPage;  // width and height of the first /MediaBox, in points
    int images = 0;    // image objects in the file
    QSizeF firstImage; // /Width and /Height of the first image
};

PdfFacts readPdf(const QString& path);

// The first page rendered at `dpi` by pdftoppm; a null image when it fails.
QImage renderFirstPage(const QString& path, int dpi);

// The smallest rectangle holding every pixel of `image` that is not white.
QRect inkBounds(const QImage& image);

} // namespace vernalt::test
