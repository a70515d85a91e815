// "Correlation" of the log window: the serial correlation of the subtotals of
// adjacent units along a transect, for the level the user names. The pairing
// and the level question are shared with the snag window (shell/adjacent_pairs.h).
#include "log/log_correlation.h"

#include "log/frmMainLog.h"
#include "log/log_subtotals.h"
#include "platform/errors.h"
#include "platform/hourglass.h"
#include "platform/prompts.h"
#include "platform/value.h"
#include "shell/adjacent_pairs.h"
#include "shell/cleaning.h"
#include "shell/correlation.h"

#include <optional>
#include <vector>

using namespace Qt::StringLiterals;

namespace vernalt {

QString logCorrelationText(double r) {
    return u"r="_s + displayText(r) + u"\r\n"_s + u"r^2="_s + displayText(r * r);
}

void frmMainLog::cmdCorrelation_Click() {
    const Hourglass busy;
    trapped(prompts(), logProcedure(u"cmdCorrelation_Click"_s), [&] {
        bool cancel = false;
        CalculateSummaryStatistics(cancel);
        CalculateStats(cancel);
        if (cancel) // the sheet has no data, and the summary step said so
            return;
        const std::optional<CorrelationLevel> level = askCorrelationLevel();
        if (!level)
            return;

        // The units are the subtotals just computed, down to the level's last,
        // each paired within the transect it lies in.
        const std::vector<double> units = levelSubtotals(*grdSubtotals->grid(), int(*level));
        CorrelationPairs = adjacentPairs(units, UnitTransects[std::size_t(*level)]);
        if (const std::optional<double> r = correlationOfPairs(CorrelationPairs))
            prompts().message(logCorrelationText(*r));
    });
}

} // namespace vernalt
