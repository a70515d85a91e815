// The guidelines window: the cost-per-sample table of the snag window's unit
// system as text, for choosing a cost category. Read-only and modeless; its
// contents are fixed when it loads. All in frmGuidelines.cpp.
#pragma once

#include "settings/single_window.h"

#include <QWidget>

class QLabel;

namespace vernalt {

class Grid;

class frmGuidelines : public QWidget, public SingleWindow<frmGuidelines> {
    Q_OBJECT
  public:
    Grid* grdGuidelines;
    QLabel* Label1;

  private:
    friend class SingleWindow<frmGuidelines>;
    frmGuidelines();
    void Form_Load();
};

// What the snag window's View menu item "General Cost Per Sample Guidelines" does.
void showGuidelines();

} // namespace vernalt
