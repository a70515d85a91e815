// The pointer the program shows: the shape of the override cursor on top, or
// the arrow when there is none.
#pragma once

#include <QApplication>
#include <QCursor>

namespace vernalt::test {

inline Qt::CursorShape pointer() {
    const QCursor* c = QApplication::overrideCursor();
    return c ? c->shape() : Qt::ArrowCursor;
}

} // namespace vernalt::test
