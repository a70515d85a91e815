// A straight line between two points given in twips of its parent: a control
// that draws nothing else and lets every mouse event through.
#pragma once

#include <QWidget>

namespace vernalt {

// A line between (X1, Y1) and (X2, Y2), in twips of its parent.
class LineControl : public QWidget {
    Q_OBJECT
  public:
    explicit LineControl(QWidget* parent = nullptr);
    double X1() const { return x1_; }
    double X2() const { return x2_; }
    double Y1() const { return y1_; }
    double Y2() const { return y2_; }
    void setX1(double twips);
    void setX2(double twips);
    void setY1(double twips);
    void setY2(double twips);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void place();
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

} // namespace vernalt
