// What a screen reader calls the widgets of a window.
#pragma once

#include "platform/grid.h"
#include "platform/tab_control.h"

#include <QAccessible>
#include <QMap>
#include <QSet>
#include <gtest/gtest.h>

namespace vernalt::test {

// The accessible name of a widget, as a screen reader reads it.
inline QString nameOf(QObject* o) {
    return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name);
}

// Every grid of `window` has a name, and a name of its own among the grids of
// the page of `tabs` it stands on (grids on no page count as one more page).
inline void expectEveryGridNamedOnItsPage(QWidget* window, const TabControl* tabs) {
    QMap<int, QSet<QString>> names;
    for (Grid* g : window->findChildren<Grid*>()) {
        int page = -1;
        for (int p = 0; p < tabs->count(); ++p)
            if (tabs->page(p)->isAncestorOf(g))
                page = p;
        const QString name = nameOf(g);
        EXPECT_FALSE(name.isEmpty() || names[page].contains(name))
            << "page " << page << ": \"" << name.toStdString() << '"';
        names[page] << name;
    }
}

} // namespace vernalt::test
