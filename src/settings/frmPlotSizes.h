// The plot-sizes window "Plot Sizes": edits the lengths of the four sampling
// levels and the four strip widths in both unit systems. Table PlotSizes holds
// the sixteen plot areas and widths per unit system; the window derives the
// lengths from the areas, and OK recomputes and writes the areas and widths,
// then makes the open snag window relabel. All in frmPlotSizes.cpp; what it
// shares with the log-lengths window is in sizes_dialog.h.
#pragma once

#include "settings/single_window.h"
#include "settings/sizes_dialog.h"

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vernalt {

class frmPlotSizes : public SizesDialog, public SingleWindow<frmPlotSizes> {
    Q_OBJECT
  public:
    // Lengths and widths: Frame1 "Length - Metric", Frame2 "Length - English",
    // Frame3 "Width - Metric", Frame4 "Width - English"; Label1 holds the four
    // level labels of each frame, frame k at 4 x (k - 1).
    QGroupBox* Frame1;
    QGroupBox* Frame2;
    QGroupBox* Frame3;
    QGroupBox* Frame4;
    std::array<QLabel*, 16> Label1;
    QLineEdit* txtSubsegmentMetricLength;
    QLineEdit* txtSegmentMetricLength;
    QLineEdit* txtSectionMetricLength;
    QLineEdit* txtTransectMetricLength;
    QLineEdit* txtSubsegmentEnglishLength;
    QLineEdit* txtSegmentEnglishLength;
    QLineEdit* txtSectionEnglishLength;
    QLineEdit* txtTransectEnglishLength;
    QLineEdit* txtSubsegmentMetricWidth; // the widths of width levels 0 to 3
    QLineEdit* txtSegmentMetricWidth;
    QLineEdit* txtSectionMetricWidth;
    QLineEdit* txtTransectMetricWidth;
    QLineEdit* txtSubsegmentEnglishWidth;
    QLineEdit* txtSegmentEnglishWidth;
    QLineEdit* txtSectionEnglishWidth;
    QLineEdit* txtTransectEnglishWidth;

    // Plot areas by plot dimension (4 x level + width level), in frames that lie
    // beyond the right edge of the window, hidden.
    QGroupBox* frmMetric;
    QGroupBox* frmEnglish;
    std::array<QLabel*, 16> lblMetricArea;
    std::array<QLabel*, 16> lblEnglishArea;
    std::array<QLineEdit*, 16> txtMetricLength;  // m²
    std::array<QLineEdit*, 16> txtEnglishLength; // ft²

    QPushButton* cmdDefaults;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

  public slots:
    // Puts the default lengths and widths into the sixteen boxes; writes nothing.
    void cmdDefaults_Click();
    // Checks every length and width box, recomputes the areas, writes the 32
    // rows in one transaction, makes the snag window relabel and closes. A box
    // that is not a positive number is named in a message and the window stays
    // open, nothing written.
    void cmdOK_Click();
    // Closes the window; nothing is written.
    void cmdCancel_Click();

  private:
    friend class SingleWindow<frmPlotSizes>;
    frmPlotSizes();
    void buildLengthFrame(QGroupBox* frame, int labelBase, const std::array<QLineEdit*, 4>& boxes);
    void buildAreaFrame(QGroupBox* frame, std::array<QLabel*, 16>& labels,
                        std::array<QLineEdit*, 16>& boxes, int system);
    void Form_Load();
    void ComputePlotAreas();
    bool checkAreas();

    // The same boxes by index: [0] metric, [1] English; index = level or width level.
    std::array<std::array<QLineEdit*, 4>, 2> lengths_;
    std::array<std::array<QLineEdit*, 4>, 2> widths_;
    std::array<std::array<QLineEdit*, 16>*, 2> areas_;
};

} // namespace vernalt
