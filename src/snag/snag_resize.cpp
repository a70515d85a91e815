#include "snag/snag_resize.h"

namespace vernalt {

SnagResizeLayout snagResizeLayout(float W, float H) {
    SnagResizeLayout l{};
    l.tabWidth = W - 375.0f;
    l.tabHeight = H - 1215.0f;
    l.sheetButtonsTop = H - 1710.0f;
    l.stratumWidth = W - 765.0f;
    l.stratumHeight = H - 3375.0f;
    l.statsTop = H - 4440.0f;
    l.subtotal0Height = (H - 5265.0f) / 2.0f - 52.0f;
    l.subtotal1Top = (H - 5265.0f) / 2.0f + 652.0f;
    l.subtotal1Height = (H - 5265.0f) / 2.0f - 52.0f;
    l.correlationTop = H - 1920.0f;
    l.cavityTop = H - 2670.0f;
    l.allocationTop = H - 3615.0f;
    return l;
}

bool titleBarOnSomeScreen(const QRect& frame, const QList<QRect>& screens) {
    const QRect titleBar(frame.left(), frame.top(), frame.width(), 30);
    for (const QRect& screen : screens) {
        const QRect shown = titleBar.intersected(screen);
        if (shown.width() >= 40 && shown.height() >= 10)
            return true;
    }
    return false;
}

} // namespace vernalt
