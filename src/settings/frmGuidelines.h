// The guidelines window: the cost-per-sample table of the snag window's unit
// system as text, for choosing a cost category. Read-only and modeless; its
// contents are fixed when it loads. All in frmGuidelines.cpp.
#pragma once

#include <QPointer>
#include <QWidget>

class QLabel;

namespace vernalt {

class Grid;

class frmGuidelines : public QWidget {
    Q_OBJECT
  public:
    // Shows the one window, modeless and without an owner: loads it (reading the
    // snag window's unit system) when it is not open, else only brings it forward.
    static frmGuidelines* showWindow();
    // The open window, or nullptr.
    static frmGuidelines* instance();

    Grid* grdGuidelines;
    QLabel* Label1;

  private:
    frmGuidelines();
    void Form_Load();

    static QPointer<frmGuidelines> instance_;
};

// What the snag window's View menu item "General Cost Per Sample Guidelines" does.
void showGuidelines();

} // namespace vernalt
