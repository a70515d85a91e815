// A tab control whose tabs stand in rows, so that every caption stays visible
// however many pages there are (ten pages do not fit one row at an analysis
// window's width). A page's controls are placed by position, in twips.
//
// By keyboard it behaves as Qt's tab widgets do: the shown page's tab is one
// stop of the tab order, the arrow keys move to the neighbouring tabs, and
// Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PgDn and Ctrl+PgUp change the page from
// anywhere in the window. Screen readers see a page tab list of page tabs.
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
    // The tab of a page; null for no such page.
    QAbstractButton* tabButton(int index) const;

    // Height of the rows of tabs, in twips: a page's top edge lies this far below
    // the top of the tab control.
    int stripTwips() const;

    // Shows the page `steps` after the shown one (before it when negative),
    // going round at the ends, and puts the focus on its tab.
    void stepPage(int steps);

  signals:
    // The shown page changed (by a click on a tab or by the program); the
    // argument is the page shown before.
    void clicked(int previousTab);

  private:
    void relayout();
    void setFocusableTab(int index);
    int tabsPerRow_;
    int rowTwips_;
    int current_ = -1;
    std::vector<QAbstractButton*> buttons_;
    QButtonGroup* group_;
    QStackedWidget* stack_;
    QWidget* strip_;
    QGridLayout* stripLayout_;
};

} // namespace vernalt
