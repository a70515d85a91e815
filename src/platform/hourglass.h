// The hourglass pointer while a long step runs (an import, a metric run);
// message boxes are shown with the normal pointer.
#pragma once

#include <QApplication>
#include <QCursor>

namespace vernalt {

class Hourglass {
  public:
    Hourglass() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~Hourglass() { end(); }
    // Back to the normal pointer for good.
    void end() {
        if (on_)
            QApplication::restoreOverrideCursor();
        on_ = false;
    }
    // Runs `f` with the normal pointer, then shows the hourglass again.
    template <class F> void without(F&& f) {
        const bool was = on_;
        end();
        f();
        if (was) {
            QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
            on_ = true;
        }
    }
    Hourglass(const Hourglass&) = delete;
    Hourglass& operator=(const Hourglass&) = delete;

  private:
    bool on_ = true;
};

} // namespace vernalt
