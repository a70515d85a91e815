// Two small controls of the snag window: a tab control whose tabs stand in rows
// (ten pages do not fit one row at the window's width), and a straight line
// whose end points are set in twips.
#pragma once

#include <QString>
#include <QWidget>
#include <vector>

class QAbstractButton;
class QButtonGroup;
class QGridLayout;
class QStackedWidget;

namespace vernalt {

class TabControl : public QWidget {
    Q_OBJECT
  public:
    // Tabs fill rows of `tabsPerRow`; each row is `rowTwips` high.
    explicit TabControl(int tabsPerRow, QWidget* parent = nullptr, int rowTwips = 300);

    // Adds a page with its tab caption; returns the page, a plain widget whose
    // children are placed by position.
    QWidget* addTab(const QString& caption);
    QWidget* page(int index) const;
    int count() const { return int(buttons_.size()); }

    int currentIndex() const { return current_; }
    // Shows a page; emits clicked(previous) when the page changes.
    void setCurrentIndex(int index);

    QString tabText(int index) const;
    void setTabText(int index, const QString& text);

    // Height of the rows of tabs, in twips: a page's top edge lies this far below
    // the top of the tab control.
    int stripTwips() const;

  signals:
    // The shown page changed (by a click on a tab or by the program); the
    // argument is the page shown before.
    void clicked(int previousTab);

  private:
    void relayout();
    int tabsPerRow_;
    int rowTwips_;
    int current_ = -1;
    std::vector<QAbstractButton*> buttons_;
    QButtonGroup* group_;
    QStackedWidget* stack_;
    QGridLayout* strip_;
};

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
