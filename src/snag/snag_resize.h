// Where the snag window puts its resizable controls for an outer window size
// W x H in twips (arithmetic in single precision, no rounding).
#pragma once

#include <QList>
#include <QRect>

namespace vernalt {

struct SnagResizeLayout {
    float tabWidth, tabHeight;           // ssTabMain: W - 375, H - 1215
    float sheetButtonsTop;               // the four buttons of each data sheet: H - 1710
    float stratumWidth, stratumHeight;   // grdStratum(k): W - 765, H - 3375
    float statsTop;                      // grdStats(0), (1): H - 4440
    float subtotal0Height;               // grdSubtotal(0): (H - 5265) / 2 - 52
    float subtotal1Top, subtotal1Height; // grdSubtotal(1): (H - 5265) / 2 + 652, same height
    float correlationTop;                // cmdCorrelation: H - 1920
    float cavityTop;                     // frmSingleCavity(k): H - 2670
    float allocationTop;                 // the two allocation frames: H - 3615
};

SnagResizeLayout snagResizeLayout(float W, float H);

// True when the top strip of a window placed at `frame` (its title bar, where the
// user grabs it) shows on one of the screens: at least 40 x 10 pixels of it.
bool titleBarOnSomeScreen(const QRect& frame, const QList<QRect>& screens);

} // namespace vernalt
