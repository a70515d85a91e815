// The one-of-a-kind windows of the settings menus (plot sizes, log lengths,
// guidelines): each is shown modeless and without an owner, and choosing it
// again brings the open one forward instead of loading a second.
#pragma once

#include <QPointer>

namespace vernalt {

// Derive as `class frmX : public QWidget, public SingleWindow<frmX>` and make
// SingleWindow<frmX> a friend, so that it alone calls the private constructor.
template <class Window> class SingleWindow {
  public:
    // Shows the one window: loads it when it is not open, else only brings it
    // forward. Returns it.
    static Window* showWindow() {
        QPointer<Window>& w = open();
        if (!w)
            w = new Window();
        w->show();
        w->raise();
        w->activateWindow();
        return w;
    }
    // The open window, or nullptr.
    static Window* instance() { return open(); }

  private:
    static QPointer<Window>& open() {
        static QPointer<Window> window;
        return window;
    }
};

} // namespace vernalt
