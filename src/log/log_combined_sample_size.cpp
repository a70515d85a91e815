// The Sample Sizes page of the Combination layout: ComboSampleSize.
#include "log/combined_sample_size.h"
#include "log/frmMainLog.h"
#include "platform/errors.h"
#include "platform/prompts.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace vernalt {

namespace {

// Writes the cells of an allocation grid that the page owns: the total in row 1
// and columns 1 to 3 of rows 1 to 4.
void writeAllocation(Grid& grid, const std::array<std::array<QString, 4>, 5>& cells) {
    grid.setText(1, combined::ColTotal, cells[1][combined::ColTotal]);
    for (int r = 1; r <= 4; ++r)
        for (int c = combined::ColStratumNumber; c <= combined::ColLength; ++c)
            grid.setText(r, c, cells[std::size_t(r)][std::size_t(c)]);
}

} // namespace

// Recomputes the page from the Parameter Estimates page and the variances and
// t-value typed here. None of the boxes it writes starts a calculation.
void frmMainLog::ComboSampleSize() {
    combined::SampleInputs in;
    for (std::size_t h = 0; h < 4; ++h)
        in.strata[h] = {txtStratum[h]->text(), txtStratumSize[h]->text(),
                        cboTransectName[h]->currentText(), txtSSVariableVariance[h]->text()};
    in.estimate = txtComboFormula->text();
    in.totalSize = txtTotalSize->text();
    in.tValue = txtSSTvalue->text();
    in.levelLengths = LevelLengths;

    const combined::SamplePage p = combined::samplePage(in);
    for (std::size_t h = 0; h < 4; ++h) {
        const combined::SampleRow& row = p.rows[h];
        txtSSstratum[h]->setText(row.stratum);
        txtSSstratumSize[h]->setText(row.size);
        txtSSstratumWeight[h]->setText(row.weight);
        txtSSPlotDimensions[h]->setText(row.plotDimensions);
        txtSSPlotLength[h]->setText(row.plotLength);
        txtSSVariableStdDev[h]->setText(row.stdDev);
        if (h > 0) {
            txtSSOptimalEquations[h]->setText(p.optimalEquations[h]);
            txtSSProportionalEquations[h]->setText(p.proportionalEquations[h]);
        }
    }
    txtSSDesiredAbsVariance->setText(p.desiredVariance);
    writeAllocation(*grdComboSSOptimalAllocation, p.optimal);
    writeAllocation(*grdComboSSProportionalAllocation, p.proportional);
    lblComboSSOptTotalTransectLength->setText(p.optimalTotalLength);
    lblComboSSPropTotalTransectLength->setText(p.proportionalTotalLength);
    if (p.error)
        errorReport(prompts(), *p.error, logProcedure(u"ComboSampleSize"_s));
}

} // namespace vernalt
