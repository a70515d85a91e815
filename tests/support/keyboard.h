// A keyboard user's walk through an analysis window: Ctrl+Tab from page to
// page, and on each page the Tab key from the page's tab through the page and
// back to the tab, as a screen reader announces each stop.
#pragma once

#include "platform/grid.h"
#include "platform/tab_control.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QSet>
#include <QTabBar>
#include <gtest/gtest.h>

namespace vernalt::test {

// A key pressed where the focus is.
inline void press(QKeyCombination key) {
    QWidget* target = QApplication::focusWidget();
    ASSERT_NE(target, nullptr);
    QKeyEvent event(QEvent::KeyPress, key.key(), key.keyboardModifiers());
    QCoreApplication::sendEvent(target, &event);
}

// What a screen reader calls a widget.
inline QString accessibleName(QObject* o) {
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(o);
    return i ? i->text(QAccessible::Name) : QString();
}

// The stops of the Tab key from `start` until it comes back there; with a trap
// on the way (200 presses without coming back) the last stop is null.
inline QList<QWidget*> tabWalk(QWidget* start) {
    start->setFocus(Qt::TabFocusReason);
    QList<QWidget*> stops;
    for (int k = 0; k < 200; ++k) {
        press(Qt::Key_Tab);
        if (QApplication::focusWidget() == start)
            return stops;
        stops << QApplication::focusWidget();
    }
    return stops << nullptr;
}

// Every page of `tabs`, reached by Ctrl+Tab: the Tab key goes from the page's
// tab past every shown and enabled button, box and grid of the page (of a group
// of option buttons, the checked one) and back to the tab, and each box on the
// way has a name of its own on its page.
inline void expectEveryPageWalkable(TabControl* tabs) {
    tabs->window()->activateWindow();
    QApplication::processEvents();
    tabs->tabButton(tabs->currentIndex())->setFocus();
    for (int n = 0; n < tabs->count(); ++n) {
        const int before = tabs->currentIndex();
        press(Qt::CTRL | Qt::Key_Tab);
        const int p = tabs->currentIndex();
        ASSERT_EQ(p, (before + 1) % tabs->count());
        const std::string page = tabs->tabText(p).toStdString();
        const QList<QWidget*> stops = tabWalk(tabs->tabButton(p));
        ASSERT_TRUE(stops.isEmpty() || stops.last()) << "Tab is trapped on page " << page;
        for (QWidget* w : tabs->page(p)->findChildren<QWidget*>()) {
            const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
                                 qobject_cast<QComboBox*>(w) || qobject_cast<Grid*>(w) ||
                                 qobject_cast<QTabBar*>(w);
            const auto* option = qobject_cast<QRadioButton*>(w);
            if (control && w->isVisibleTo(tabs) && w->isEnabled() &&
                w->focusPolicy() != Qt::NoFocus && (!option || option->isChecked())) {
                EXPECT_TRUE(stops.contains(w)) << page << ": " << accessibleName(w).toStdString();
            }
        }
        QSet<QString> names;
        for (QWidget* w : stops)
            if (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w)) {
                const QString name = accessibleName(w);
                EXPECT_FALSE(name.isEmpty() || names.contains(name))
                    << page << ": a box without a name of its own: \"" << name.toStdString() << '"';
                names << name;
            }
    }
}

} // namespace vernalt::test
