// The Sample Size page: SampleSize recomputes it from the stratified sheet each
// time the page is opened.
#include "snag/frmMainSnag.h"

#include "platform/errors.h"
#include "platform/prompts.h"
#include "snag/sample_size.h"

#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace vernalt {

namespace {

// Rows 1 to 4 of a grid from the page's texts; the title row stays.
template <std::size_t N>
void writeRows(Grid* grid, const std::array<std::array<QString, N>, 5>& rows) {
    for (int r = 1; r < int(rows.size()) && r < grid->rows(); ++r)
        for (int c = 0; c < int(N) && c < grid->cols(); ++c)
            grid->setText(r, c, rows[std::size_t(r)][std::size_t(c)]);
}

} // namespace

void frmMainSnag::SampleSize() {
    SampleSizeInputs in;
    for (std::size_t i = 0; i < in.strata.size(); ++i) {
        SampleSizeStratum& s = in.strata[i];
        s.stratum = txtStratifiedStratum[i]->text();
        s.size = txtStratifiedStratumSize[i]->text();
        s.plotDimension = txtStratifiedPlotDimensions[i]->text();
        s.plotSize = lblStratifiedPlotSize[i]->text();
        s.avgDensity = txtStratifiedAvgDensity[i]->text();
        s.stdDev = txtStratifiedStdDev[i]->text();
    }
    in.estimate = lblStratifiedX->text();
    in.numStrata = txtNumStrata->text();
    in.tValue = txtSimpleTvalue->text();
    in.optimalTValue = txtOptimalTvalue->text();
    in.areaFactor = AreaFactor;

    // Rows 1 to 4 of every grid are rewritten: cells the run could not compute,
    // and the figures of strata not in use, are emptied.
    const SampleSizePage out = sampleSizePage(in);
    writeRows(grdSampleSize[0], out.sheet0);
    writeRows(grdSampleSize[1], out.sheet1);
    writeRows(grdOptimalAllocation, out.optimal);
    writeRows(grdProportionalAllocation, out.proportional);
    if (out.error)
        errorReport(prompts(), *out.error, snagProcedure(u"SampleSize"_s));
}

} // namespace vernalt
