#include "platform/tab_control.h"

#include "platform/twips.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QButtonGroup>
#include <QGridLayout>
#include <QKeyEvent>
#include <QShortcut>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace vernalt {

namespace {

// The rows of tabs.
class TabStrip : public QWidget {
    Q_OBJECT
  public:
    using QWidget::QWidget;
};

// One tab: the arrow keys move to the neighbouring tabs and show their pages.
class TabButton : public QToolButton {
    Q_OBJECT
  public:
    TabButton(TabControl* tabs, QWidget* parent) : QToolButton(parent), tabs_(tabs) {}

  protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (e->modifiers() & ~Qt::KeypadModifier)
            return QToolButton::keyPressEvent(e);
        const int last = tabs_->count() - 1;
        const int current = tabs_->currentIndex();
        int next = -1;
        switch (e->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up:
            next = std::max(0, current - 1);
            break;
        case Qt::Key_Right:
        case Qt::Key_Down:
            next = std::min(last, current + 1);
            break;
        case Qt::Key_Home:
            next = 0;
            break;
        case Qt::Key_End:
            next = last;
            break;
        default:
            return QToolButton::keyPressEvent(e);
        }
        tabs_->stepPage(next - current);
    }

  private:
    TabControl* tabs_;
};

// A tab as a screen reader sees it: a page tab, selected while its page shows.
class PageTabAccessible : public QAccessibleWidget {
  public:
    explicit PageTabAccessible(QAbstractButton* tab)
        : QAccessibleWidget(tab, QAccessible::PageTab) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && tab()->accessibleName().isEmpty())
            return tab()->text();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.selectable = true;
        s.selected = tab()->isChecked();
        return s;
    }
    QStringList actionNames() const override {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override {
        if (name == pressAction())
            tab()->click();
        else
            QAccessibleWidget::doAction(name);
    }

  private:
    QAbstractButton* tab() const { return static_cast<QAbstractButton*>(widget()); }
};

QAccessibleInterface* tabFactory(const QString& className, QObject* object) {
    if (className == QLatin1StringView(TabButton::staticMetaObject.className()))
        return new PageTabAccessible(static_cast<TabButton*>(object));
    if (className == QLatin1StringView(TabStrip::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<TabStrip*>(object), QAccessible::PageTabList);
    return nullptr;
}

// Tells a screen reader that a tab became selected or stopped being so (Qt
// drops the event at once when no screen reader listens).
void reportSelection(QAbstractButton* tab) {
    QAccessible::State changed;
    changed.selected = true;
    QAccessibleStateChangeEvent event(tab, changed);
    QAccessible::updateAccessibility(&event);
}

} // namespace

TabControl::TabControl(int tabsPerRow, QWidget* parent, int rowTwips)
    : QWidget(parent), tabsPerRow_(std::max(1, tabsPerRow)), rowTwips_(rowTwips),
      group_(new QButtonGroup(this)) {
    QAccessible::installFactory(tabFactory); // Qt keeps one of each

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // The tabs first: screen readers and the Tab key meet them before the pages.
    strip_ = new TabStrip(this);
    stripLayout_ = new QGridLayout(strip_);
    stripLayout_->setContentsMargins(0, 0, 0, 0);
    stripLayout_->setSpacing(0);
    layout->addWidget(strip_);
    stack_ = new QStackedWidget(this);
    stack_->setFrameShape(QFrame::StyledPanel);
    stack_->setFrameShadow(QFrame::Raised);
    layout->addWidget(stack_, 1);
    group_->setExclusive(true);
    connect(group_, &QButtonGroup::idClicked, this, [this](int id) { setCurrentIndex(id); });

    // The keys of Qt's tab widgets, wherever the focus is in the window.
    // Ctrl+Shift+Tab reaches the shortcut map as Backtab with Ctrl and Shift,
    // which it matches as Ctrl+Shift+Tab (and, on X11, also as Ctrl+Backtab):
    // one binding, Ctrl+Shift+Tab, and never both, which would make it ambiguous.
    const std::pair<QKeySequence, int> keys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1},
    };
    for (const auto& [key, steps] : keys) {
        auto* shortcut = new QShortcut(key, this);
        connect(shortcut, &QShortcut::activated, this, [this, steps] { stepPage(steps); });
    }
}

QWidget* TabControl::addTab(const QString& caption) {
    const int index = count();
    auto* button = new TabButton(this, strip_);
    button->setText(caption);
    button->setCheckable(true);
    button->setAutoRaise(false);
    button->setFocusPolicy(Qt::NoFocus);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    button->setFixedHeight(twipsToPixelsY(rowTwips_));
    // The shown page's tab is marked by its colour, not a bold caption: "Summary
    // Statistics" in bold does not fit a fifth of the window's width. The tab
    // with the focus has the highlight colour all round.
    button->setStyleSheet(u"QToolButton { border: 1px solid palette(mid); border-bottom: none;"
                          " border-top-left-radius: 3px; border-top-right-radius: 3px;"
                          " background: palette(button); padding: 0px 4px; }"
                          " QToolButton:checked { background: palette(window);"
                          " border-top: 2px solid palette(highlight); }"
                          " QToolButton:focus { border: 1px solid palette(highlight);"
                          " border-top: 2px solid palette(highlight); }"_s);
    group_->addButton(button, index);
    buttons_.push_back(button);
    auto* page = new QWidget;
    page->setAccessibleName(caption);
    stack_->addWidget(page);
    relayout();
    if (current_ < 0) {
        current_ = 0;
        button->setChecked(true);
        setFocusableTab(0);
    }
    return page;
}

void TabControl::relayout() {
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const int row = int(i) / tabsPerRow_;
        const int col = int(i) % tabsPerRow_;
        stripLayout_->addWidget(buttons_[i], row, col);
    }
}

// Only the shown page's tab is a stop of the tab order, as in Qt's tab bars.
void TabControl::setFocusableTab(int index) {
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        buttons_[i]->setFocusPolicy(int(i) == index ? Qt::TabFocus : Qt::NoFocus);
}

QWidget* TabControl::page(int index) const {
    return stack_->widget(index);
}

void TabControl::setCurrentIndex(int index) {
    if (index < 0 || index >= count())
        return;
    const int previous = current_;
    QAbstractButton* shown = buttons_[std::size_t(index)];
    // The first page shows from the first addTab on: there is always a previous one.
    const bool tabHadFocus = buttons_[std::size_t(previous)]->hasFocus();
    shown->setChecked(true);
    setFocusableTab(index);
    stack_->setCurrentIndex(index);
    current_ = index;
    if (tabHadFocus)
        shown->setFocus(Qt::TabFocusReason);
    if (previous != index) {
        reportSelection(buttons_[std::size_t(previous)]);
        reportSelection(shown);
        emit clicked(previous);
    }
}

void TabControl::stepPage(int steps) {
    if (count() == 0)
        return;
    setCurrentIndex(((current_ + steps) % count() + count()) % count());
    // The page's handler may have shown another page: the focus goes to the
    // tab of the page that shows.
    if (isVisible())
        buttons_[std::size_t(current_)]->setFocus(Qt::TabFocusReason);
}

QString TabControl::tabText(int index) const {
    if (index < 0 || index >= count())
        return {};
    return buttons_[std::size_t(index)]->text();
}

void TabControl::setTabText(int index, const QString& text) {
    if (index < 0 || index >= count())
        return;
    buttons_[std::size_t(index)]->setText(text);
    page(index)->setAccessibleName(text);
}

QAbstractButton* TabControl::tabButton(int index) const {
    return index < 0 || index >= count() ? nullptr : buttons_[std::size_t(index)];
}

int TabControl::stripTwips() const {
    const int rows = (count() + tabsPerRow_ - 1) / tabsPerRow_;
    return std::max(1, rows) * rowTwips_;
}

} // namespace vernalt

#include "moc_tab_control.cpp"
#include "tab_control.moc"
