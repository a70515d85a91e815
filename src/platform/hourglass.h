// The hourglass pointer while a long step runs (an import, a metric run);
// message boxes are shown with the normal pointer.
#pragma once

#include <QApplication>
#include <QCursor>
#include <vector>

namespace vernalt {

// The normal pointer for the life of this object, whatever hourglasses are on
// (prompts() shows every prompt under one); they are shown again after.
class NormalPointer {
  public:
    NormalPointer() {
        while (const QCursor* c = QApplication::overrideCursor()) {
            lifted_.push_back(*c);
            QApplication::restoreOverrideCursor();
        }
    }
    ~NormalPointer() {
        for (auto c = lifted_.rbegin(); c != lifted_.rend(); ++c)
            QApplication::setOverrideCursor(*c);
    }
    NormalPointer(const NormalPointer&) = delete;
    NormalPointer& operator=(const NormalPointer&) = delete;

  private:
    std::vector<QCursor> lifted_; // from the top one down
};

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
    Hourglass(const Hourglass&) = delete;
    Hourglass& operator=(const Hourglass&) = delete;

  private:
    bool on_ = true;
};

} // namespace vernalt
