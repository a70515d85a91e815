// The stratified sheet of the Densities page: "Calculate Stratified Values"
// computes it from the stratum rows that Compute filled or the user typed.
#include "snag/frmMainSnag.h"

#include "platform/errors.h"
#include "platform/prompts.h"
#include "snag/stratified_estimate.h"

#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace vernalt {

void frmMainSnag::cmdCalcStratified_Click() {
    CalcStratifiedSheet();
}

void frmMainSnag::CalcStratifiedSheet() {
    StratifiedInputs in;
    for (std::size_t h = 0; h < in.rows.size(); ++h) {
        StratumRowInputs& row = in.rows[h];
        row.stratum = txtStratifiedStratum[h]->text();
        row.size = txtStratifiedStratumSize[h]->text();
        row.plotDimension = txtStratifiedPlotDimensions[h]->text();
        row.avgDensity = txtStratifiedAvgDensity[h]->text();
        row.stdDev = txtStratifiedStdDev[h]->text();
        row.sampleSize = txtStratifiedSampleSize[h]->text();
    }
    in.numStrata = txtNumStrata->text();
    in.tValue = txtSimpleTvalue->text();
    in.widthTexts = WidthTexts;
    in.plotSizes = DimensionSizes;
    in.areaFactor = AreaFactor;

    // Every result label is rewritten: those the run could not compute, and the
    // rows of strata not in use, are emptied.
    const StratifiedSheet out = stratifiedSheet(in);
    for (std::size_t h = 0; h < out.rows.size(); ++h) {
        const StratumRowResults& res = out.rows[h];
        lblStratifiedPlotSize[h]->setText(res.plotSize);
        lblStratifiedPlotArea[h]->setText(res.plotArea);
        lblStratifiedAvgAcres[h]->setText(res.density);
        lblStratifiedVarianceHectares[h]->setText(res.variance);
        lblStratifiedStratumWeight[h]->setText(res.weight);
        if (h > 0) {
            lblStratifiedMeanEquations[h]->setText(out.meanEquations[h]);
            lblStratifiedVarianceEquations[h]->setText(out.varianceEquations[h]);
        }
    }
    lblStratifiedX->setText(out.estimate);
    lblStratifiedVar->setText(out.variance);
    lblStratifiedS->setText(out.standardError);
    lblStratifiedBound->setText(out.bound);
    lblStratifiedUpperLimit->setText(out.upperLimit);
    lblStratifiedLowerLimit->setText(out.lowerLimit);
    lblStratifiedPrecision->setText(out.precision);
    if (out.error)
        errorReport(prompts(), *out.error, snagProcedure(u"CalcStratifiedSheet"_s));
}

} // namespace vernalt
