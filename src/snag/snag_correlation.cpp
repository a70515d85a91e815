// "Correlation": the serial correlation of the subtotals of adjacent units along
// a transect, for the level and strip width the user names.
#include "snag/frmMainSnag.h"

#include "platform/errors.h"
#include "platform/prompts.h"
#include "platform/value.h"
#include "shell/correlation.h"
#include "snag/correlation_pairs.h"

#include <optional>
#include <vector>

using namespace Qt::StringLiterals;

namespace vernalt {

namespace {

// Asks until the answer is one of the width texts; nothing when the user gives no answer.
std::optional<int> askWidth(const WidthTextArray& widthTexts) {
    for (;;) {
        const QString answer =
            prompts().inputBox(correlationWidthPrompt(widthTexts), u"Correlation Width"_s);
        if (answer.isEmpty())
            return std::nullopt;
        if (const std::optional<int> width = correlationWidth(answer, widthTexts))
            return width;
    }
}

// The subtotals of a column, from row 1 down to its last unit (the first empty
// cell). A cell that is not a number raises 13, type mismatch.
std::vector<double> unitSubtotals(const GridModel& grid, int column) {
    std::vector<double> units;
    for (int r = 1; r < grid.rows(); ++r) {
        double x;
        if (grid.numberAt(r, column, x)) {
            units.push_back(x);
            continue;
        }
        const QString text = grid.text(r, column);
        if (text.trimmed().isEmpty())
            break;
        units.push_back(toDouble(text));
    }
    return units;
}

} // namespace

void frmMainSnag::cmdCorrelation_Click() {
    trapped(prompts(), snagProcedure(u"cmdCorrelation_Click"_s), [&] {
        QString result;
        CalculateSubtotals(result);
        if (result == u"cancel")
            return;
        const std::optional<CorrelationLevel> level = askCorrelationLevel();
        if (!level)
            return;
        const std::optional<int> width = askWidth(WidthTexts);
        if (!width)
            return;

        // The units are those of the subtotals just computed, whatever the last
        // Compute found, each paired within the transect it lies in.
        const SubtotalPlace at = subtotalPlace(*level, *width);
        const std::vector<double> units =
            unitSubtotals(*grdSubtotal[std::size_t(at.grid)]->grid(), at.column);
        CorrelationPairs = adjacentPairs(units, UnitTransects[std::size_t(*level)]);
        if (const std::optional<double> r = correlationOfPairs(CorrelationPairs))
            prompts().message(correlationResultText(*r));
    });
}

} // namespace vernalt
