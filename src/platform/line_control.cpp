#include "platform/line_control.h"

#include "platform/twips.h"

#include <QPainter>
#include <algorithm>

namespace vernalt {

LineControl::LineControl(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineControl::setX1(double twips) {
    x1_ = twips;
    place();
}
void LineControl::setX2(double twips) {
    x2_ = twips;
    place();
}
void LineControl::setY1(double twips) {
    y1_ = twips;
    place();
}
void LineControl::setY2(double twips) {
    y2_ = twips;
    place();
}

void LineControl::place() {
    const int left = twipsToPixelsX(std::min(x1_, x2_));
    const int top = twipsToPixelsY(std::min(y1_, y2_));
    const int right = twipsToPixelsX(std::max(x1_, x2_));
    const int bottom = twipsToPixelsY(std::max(y1_, y2_));
    setGeometry(left, top, std::max(1, right - left + 1), std::max(1, bottom - top + 1));
    update();
}

void LineControl::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(QPen(palette().color(QPalette::WindowText), 1));
    const QPoint a(twipsToPixelsX(x1_) - x(), twipsToPixelsY(y1_) - y());
    const QPoint b(twipsToPixelsX(x2_) - x(), twipsToPixelsY(y2_) - y());
    p.drawLine(a, b);
}

} // namespace vernalt

#include "moc_line_control.cpp"
