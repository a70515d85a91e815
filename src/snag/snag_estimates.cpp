// The default estimate sheets: DefaultSingle and DefaultStratified copy the
// chosen plot dimension's figures into the sheets' inputs and ask for missing
// areas; CalcSimpleSheet computes the single-stratum estimate.
#include "snag/frmMainSnag.h"

#include "platform/errors.h"
#include "platform/prompts.h"
#include "platform/value.h"
#include "shell/cleaning.h"
#include "snag/optimal_plot.h"
#include "snag/simple_estimate.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace vernalt {

namespace {

// Asks for an area until the answer is a number (commas and "$" allowed) or
// empty; returns its rounded text, or "" when the user gave none.
QString askArea(const QString& prompt) {
    for (;;) {
        const QString answer = prompts().inputBox(prompt, u"Stratum Size"_s);
        if (answer.trimmed().isEmpty())
            return QString();
        if (isNumeric(cleanText(answer)))
            return cleanRoundText(answer);
    }
}

// Element `index` of a control array; error 9 outside it.
template <class T, std::size_t N> T* element(const std::array<T*, N>& controls, int index) {
    if (index < 0 || std::size_t(index) >= N)
        raise(err::SubscriptRange);
    return controls[std::size_t(index)];
}

} // namespace

// ---- Choice of the plot dimension ---------------------------------------------------

namespace {

// The grid row (1 to 16) of a sheet's plot dimension: the item the sheet's
// "Optimal Selection" array imposes, else the cheapest.
int chosenRow(const frmMainSnag& w, const std::array<QAction*, 17>& items) {
    std::array<bool, OptimalRows + 1> checked{};
    for (std::size_t j = 0; j < items.size(); ++j)
        checked[j] = items[j]->isChecked();
    if (const int imposed = menuRow(checked))
        return imposed;
    std::array<QString, OptimalRows> totals;
    for (int i = 0; i < OptimalRows; ++i)
        totals[std::size_t(i)] = w.grdOptimal[2]->text(i + 1, 6);
    return automaticRow(totals);
}

} // namespace

void frmMainSnag::DefaultSingle() {
    trapped(prompts(), snagProcedure(u"DefaultSingle"_s), [&] {
        const int r = chosenRow(*this, mnuSingle);
        txtPlotDimensions->setText(grdOptimal[2]->text(r, 0));
        txtAverageDensity->setText(grdOptimal[0]->text(r, 2));
        txtStdDev->setText(grdOptimal[0]->text(r, 3));
        txtSampleSize->setText(numberText(PlotCounts[std::size_t(r)])); // the plots in the data
        if (txtSimpleLandscapeArea->text().isEmpty())
            txtSimpleLandscapeArea->setText(askArea(u"Please enter the Stratum Size"_s));
    });
}

void frmMainSnag::DefaultStratified(std::int16_t& stratum) {
    trapped(prompts(), snagProcedure(u"DefaultStratified"_s), [&] {
        const int s = stratum;
        if (s < 1 || s > 4)
            vernalt::raise(err::SubscriptRange);
        const int r = chosenRow(*this, selectionItems(s));
        const int k = s - 1;
        element(txtStratifiedStratum, k)->setText(numberText(s));
        element(txtStratifiedPlotDimensions, k)->setText(grdOptimal[2]->text(r, 0));
        element(txtStratifiedAvgDensity, k)->setText(grdOptimal[0]->text(r, 2));
        element(txtStratifiedStdDev, k)->setText(grdOptimal[0]->text(r, 3));
        element(txtStratifiedSampleSize, k)->setText(numberText(PlotCounts[std::size_t(r)]));

        // Every empty size of strata 1 to the number of strata.
        const int last = toInt16(checked::sub(CleanRound(txtNumStrata->text()).toDouble(), 1));
        for (int j = 0; j <= last; ++j) {
            QLineEdit* size = element(txtStratifiedStratumSize, j);
            if (size->text().isEmpty())
                size->setText(
                    askArea(u"Please enter the Stratum "_s + numberText(j + 1) + u" Size"_s));
        }
    });
}

// ---- Single-stratum estimate ----------------------------------------------------------

void frmMainSnag::CalcSimpleSheet() {
    trapped(prompts(), snagProcedure(u"CalcSimpleSheet"_s), [&] {
        const std::array<QLabel*, 9> results = {
            lblPlotSize,    lblPlotArea,         lblAvgAcres,         lblVarianceAcres,  lblSimpleX,
            lblSimpleBound, lblSimpleUpperLimit, lblSimpleLowerLimit, lblSimplePrecision};
        for (QLabel* l : results)
            l->clear();

        SimpleInputs in;
        in.plotDimension = txtPlotDimensions->text();
        in.averageDensity = txtAverageDensity->text();
        in.stdDev = txtStdDev->text();
        in.sampleSize = txtSampleSize->text();
        in.landscapeArea = txtSimpleLandscapeArea->text();
        in.tValue = txtSimpleTvalue->text();
        in.widthTexts = WidthTexts;
        in.plotSizes = DimensionSizes;
        in.areaFactor = AreaFactor;

        const SimpleEstimate e = simpleEstimate(in);
        const std::array<const QString*, 9> texts = {&e.plotSize,   &e.plotArea,   &e.density,
                                                     &e.variance,   &e.estimate,   &e.bound,
                                                     &e.upperLimit, &e.lowerLimit, &e.precision};
        for (std::size_t i = 0; i < results.size(); ++i)
            results[i]->setText(*texts[i]);
        if (e.error)
            throw *e.error;
    });
}

} // namespace vernalt
