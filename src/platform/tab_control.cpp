#include "platform/tab_control.h"

#include "platform/twips.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace vernalt {

TabControl::TabControl(int tabsPerRow, QWidget* parent, int rowTwips)
    : QWidget(parent), tabsPerRow_(std::max(1, tabsPerRow)), rowTwips_(rowTwips),
      group_(new QButtonGroup(this)), stack_(new QStackedWidget(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    strip_ = new QGridLayout;
    strip_->setContentsMargins(0, 0, 0, 0);
    strip_->setSpacing(0);
    layout->addLayout(strip_);
    stack_->setFrameShape(QFrame::StyledPanel);
    stack_->setFrameShadow(QFrame::Raised);
    layout->addWidget(stack_, 1);
    group_->setExclusive(true);
    connect(group_, &QButtonGroup::idClicked, this, [this](int id) { setCurrentIndex(id); });
}

QWidget* TabControl::addTab(const QString& caption) {
    const int index = count();
    auto* button = new QToolButton(this);
    button->setText(caption);
    button->setCheckable(true);
    button->setAutoRaise(false);
    button->setFocusPolicy(Qt::TabFocus);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    button->setFixedHeight(twipsToPixelsY(rowTwips_));
    // The shown page's tab is marked by its colour, not a bold caption: "Summary
    // Statistics" in bold does not fit a fifth of the window's width.
    button->setStyleSheet(u"QToolButton { border: 1px solid palette(mid); border-bottom: none;"
                          " border-top-left-radius: 3px; border-top-right-radius: 3px;"
                          " background: palette(button); padding: 0px 4px; }"
                          " QToolButton:checked { background: palette(window);"
                          " border-top: 2px solid palette(highlight); }"_s);
    group_->addButton(button, index);
    buttons_.push_back(button);
    auto* page = new QWidget;
    stack_->addWidget(page);
    relayout();
    if (current_ < 0) {
        current_ = 0;
        button->setChecked(true);
    }
    return page;
}

void TabControl::relayout() {
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const int row = int(i) / tabsPerRow_;
        const int col = int(i) % tabsPerRow_;
        strip_->addWidget(buttons_[i], row, col);
    }
}

QWidget* TabControl::page(int index) const {
    return stack_->widget(index);
}

void TabControl::setCurrentIndex(int index) {
    if (index < 0 || index >= count())
        return;
    const int previous = current_;
    buttons_[std::size_t(index)]->setChecked(true);
    stack_->setCurrentIndex(index);
    current_ = index;
    if (previous != index)
        emit clicked(previous);
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
}

int TabControl::stripTwips() const {
    const int rows = (count() + tabsPerRow_ - 1) / tabsPerRow_;
    return std::max(1, rows) * rowTwips_;
}

} // namespace vernalt

#include "moc_tab_control.cpp"
