// ComputeOptimal: rates the sixteen plot dimensions into the three optimal grids
// under the cost category the user chooses.
#include "snag/frmMainSnag.h"

#include "platform/errors.h"
#include "platform/prompts.h"
#include "settings/cost_table.h"
#include "snag/optimal_plot.h"

#include <QLabel>
#include <QLineEdit>
#include <optional>

using namespace Qt::StringLiterals;

namespace vernalt {

namespace {

// Asks the cost category until it is a whole number 1 to 6; nullopt when the
// answer is empty or blank (Cancel).
std::optional<int> askCostCategory() {
    for (;;) {
        const QString answer = prompts().inputBox(
            u"Enter the numeric code for the General Cost per Sample category (found under the "
            u"View menu) you would like to use for this stratum."_s,
            u"General Cost Per Sample"_s);
        if (answer.trimmed().isEmpty())
            return std::nullopt;
        if (const std::optional<int> category = costCategory(answer))
            return category;
        prompts().message(u"Please enter a value 1-6"_s, u"Error"_s, MsgIcon::None);
    }
}

// The cells a rating writes: columns 4 to 6 of grdOptimal(0), 2 to 6 of
// grdOptimal(1) and grdOptimal(2), rows 1 to 16.
constexpr int FirstColumn[3] = {4, 2, 2};

} // namespace

void frmMainSnag::ComputeOptimal(QString& result) {
    trapped(prompts(), snagProcedure(u"ComputeOptimal"_s), [&] {
        OptimalInputs in;
        for (int i = 0; i < OptimalRows; ++i) {
            in.means[std::size_t(i)] = grdOptimal[0]->text(i + 1, 2);
            in.sds[std::size_t(i)] = grdOptimal[0]->text(i + 1, 3);
        }
        // A cancelled category leaves every result as it was.
        const std::optional<int> category = askCostCategory();
        if (!category) {
            result = u"cancel"_s;
            return;
        }

        // A run that cannot write a cell leaves it empty, not as the last run left it.
        for (int g = 0; g < 3; ++g)
            for (int i = 1; i <= OptimalRows; ++i)
                for (int c = FirstColumn[g]; c <= 6; ++c)
                    grdOptimal[std::size_t(g)]->setText(i, c, QString());
        lblLowestVariance->clear();
        lblLowestTotalCost->clear();
        for (int i = 0; i < OptimalRows; ++i) {
            const auto k = std::size_t(i);
            in.counts[k] = grdStats[std::size_t(i / 8)]->text(i % 8 + 1, 3);
            in.plotSizes[k] = DimensionSizes[k];
            in.costsPerSample[k] = costPerSample(isMetric(), *category, i);
        }
        in.areaFactor = AreaFactor;
        in.tValue = txtOptimalTvalue->text();
        in.precisionLevel = txtOptimalPrecisionLevel->text();

        const OptimalRating rating = rateDimensions(in);
        for (int i = 0; i < OptimalRows; ++i) {
            const OptimalRow& row = rating.rows[std::size_t(i)];
            const int r = i + 1;
            GridModel* g0 = grdOptimal[0]->grid();
            GridModel* g1 = grdOptimal[1]->grid();
            GridModel* g2 = grdOptimal[2]->grid();
            g0->setText(r, 4, row.meanDensity);
            g0->setText(r, 5, row.variance);
            g0->setText(r, 6, row.relativeVariance);
            g1->setText(r, 2, row.plotsNeeded);
            g1->setText(r, 3, row.sampleArea);
            g1->setText(r, 4, row.plotsAtHand);
            g1->setText(r, 5, row.relativeVariance1);
            g1->setText(r, 6, row.fixedCost);
            g2->setText(r, 2, row.costPerSample);
            g2->setText(r, 3, row.costPerUnit);
            g2->setText(r, 4, row.relativeCost);
            g2->setText(r, 5, row.product);
            g2->setText(r, 6, row.totalCost);
        }
        lblLowestVariance->setText(rating.lowestVariance);
        lblLowestTotalCost->setText(rating.lowestTotalCost);
        if (rating.error)
            throw *rating.error;
    });
}

} // namespace vernalt
