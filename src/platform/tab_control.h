// A tab control whose tabs stand in rows, so that every caption stays visible
// however many pages there are (ten pages do not fit one row at an analysis
// window's width). A page's controls are placed by position, in twips.
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

} // namespace vernalt
