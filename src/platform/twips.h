// Sizes and positions in twips (1440 per inch), converted with the screen's
// logical dots per inch so that layout tables can be used as written.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace vernalt {

inline constexpr int TwipsPerInch = 1440;

// Twips per pixel of the primary screen, horizontally and vertically, as whole
// numbers rounded half to even (15 at 96 dpi, 12 at 120 dpi).
int twipsPerPixelX();
int twipsPerPixelY();

// Twips to pixels and back (rounded to the nearest pixel).
int twipsToPixelsX(double twips);
int twipsToPixelsY(double twips);
double pixelsToTwipsX(int pixels);
double pixelsToTwipsY(int pixels);
QRect twipsRect(double left, double top, double width, double height);
QSize twipsSize(double width, double height);

// Places a child widget at a rectangle given in twips.
void placeTwips(QWidget* w, double left, double top, double width, double height);

// The minimum size of an analysis window: 9420 x 8070 twips divided by the whole
// twips-per-pixel factors with integer division (628 x 538 at 96 dpi).
QSize analysisMinimumSize();

} // namespace vernalt
