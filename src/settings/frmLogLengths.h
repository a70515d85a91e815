// The unit-lengths window "Log Lengths": edits the lengths of the four
// sampling-unit levels in both unit systems (table LogLengths). OK writes them
// and makes the open log window reload its lengths. All in frmLogLengths.cpp;
// what it shares with the plot-sizes window is in sizes_dialog.h.
#pragma once

#include "settings/single_window.h"
#include "settings/sizes_dialog.h"

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vernalt {

class frmLogLengths : public SizesDialog, public SingleWindow<frmLogLengths> {
    Q_OBJECT
  public:
    // Controls. Label1: 0 to 3 in the metric frame, 4 to 7 in the English one.
    QGroupBox* frmMetric;
    QGroupBox* frmEnglish;
    std::array<QLabel*, 8> Label1;
    std::array<QLineEdit*, 4> txtMetric;  // index = sampling level
    std::array<QLineEdit*, 4> txtEnglish; // index = sampling level
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

  public slots:
    // Checks every box, writes the eight rows in one transaction, tells the log
    // window to reload its lengths and closes. A box that is not a positive
    // number is named in a message and the window stays open, nothing written.
    void cmdOK_Click();
    // Closes the window; nothing is written.
    void cmdCancel_Click();

  private:
    friend class SingleWindow<frmLogLengths>;
    frmLogLengths();
    void Form_Load();
};

} // namespace vernalt
