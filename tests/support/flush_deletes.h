// Runs the deletions that closing a window scheduled (windows delete themselves
// on close), so that a test sees the window gone.
#pragma once

#include <QCoreApplication>
#include <QEvent>

namespace vernalt::test {

inline void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace vernalt::test
