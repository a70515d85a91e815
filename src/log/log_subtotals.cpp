// "Calculate Statistics", first step: the per-log values of the chosen data
// sheet summed per sampling unit of each level into grdSubtotals.
#include "log/frmMainLog.h"

#include "log/log_subtotals.h"
#include "platform/errors.h"
#include "platform/prompts.h"
#include "platform/twips.h"
#include "shell/cleaning.h"
#include "shell/statistics.h"

#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace vernalt {

namespace {

constexpr int SubtotalWidths[LogLevelCount] = {1300, 1100, 1050, 1100};

// grdSubtotals as one empty row under the four level headers.
void resetSubtotals(GridModel& g, const std::array<float, 4>& lengths) {
    g.setRows(2);
    g.setFixedRows(1);
    g.setCols(LogLevelCount);
    g.setFixedCols(0);
    g.clear();
    for (int k = 0; k < LogLevelCount; ++k) {
        g.setText(0, k, subtotalHeader(k, lengths[std::size_t(k)]));
        g.setColWidth(k, SubtotalWidths[k]);
    }
}

// Widens a level column whose header the grid's font cannot show in the
// column's width ("Subsegment_12.5"); the widths above stay the least.
void fitSubtotalHeaders(Grid& g) {
    constexpr int Margin = 12; // pixels around the text
    for (int k = 0; k < LogLevelCount; ++k) {
        const int px = g.fontMetrics().horizontalAdvance(g.text(0, k)) + Margin;
        const int twips = int(std::ceil(pixelsToTwipsX(px)));
        if (twips > g.grid()->colWidth(k))
            g.setColWidth(k, twips);
    }
}

} // namespace

void frmMainLog::CalculateSummaryStatistics(bool& Cancel) {
    trapped(prompts(), logProcedure(u"CalculateSummaryStatistics"_s), [&] {
        const int index = GetOption(optDataFound);
        if (index < 0 || index >= int(grdStratum.size()))
            vernalt::raise(err::SubscriptRange);
        DataSheetIndex = std::int16_t(index);
        const QString sheetName = optDataFound[std::size_t(index)]->text();
        lblDataSheet->setText(sheetName + u" ("_s + ssTabMain->tabText(PageFormula) + u")"_s);

        const GridModel& sheet = *grdStratum[std::size_t(index)]->grid();
        if (sheet.rows() < 2 || sheet.text(1, 0).isEmpty()) {
            prompts().message(u"No data found on '"_s + sheetName + u"'"_s, u"No data"_s);
            Cancel = true;
            return; // the subtotals shown stay as they were
        }

        GridModel& out = *grdSubtotals->grid();
        // The subtotals of an earlier run never stay beside this one (the
        // wildlife table that shares the grid goes too).
        resetSubtotals(out, LevelLengths);
        fitSubtotalHeaders(*grdSubtotals);
        UnitTransects = {};

        const LogSheetColumns columns = logSheetColumns(sheet);
        if (columns.value < 0) {
            prompts().message(u"The qualify column was not found"_s, u"Column not found"_s);
            return;
        }
        for (const int level : columns.levels)
            if (level < 0) // the level is not on the sheet
                vernalt::raise(err::SubscriptRange);

        const LogSubtotals sums = logSubtotals(sheet, columns);
        UnitTransects = sums.transects;
        // One row per unit of the level with the most units, never fewer than 2.
        std::size_t most = 1;
        for (const std::vector<double>& units : sums.units)
            most = std::max(most, units.size());
        out.fillRows(int(most) + 1, [&](int r) {
            const auto i = std::size_t(r - 1);
            for (std::size_t k = 0; k < sums.units.size(); ++k)
                if (i < sums.units[k].size())
                    out.setNumber(r, int(k), sums.units[k][i]);
        });
        setStatus(u"Status: Summary Statistics calculated"_s);
    });
}

} // namespace vernalt
