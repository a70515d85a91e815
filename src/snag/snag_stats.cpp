// Subtotals per sampling unit and statistics per plot dimension of the selected
// data sheet: CalculateSubtotals fills grdSubtotal, CalculateStats fills
// grdStats, columns 2 and 3 of grdOptimal(0) and PlotCounts.
#include "snag/frmMainSnag.h"

#include "platform/errors.h"
#include "platform/prompts.h"
#include "platform/value.h"
#include "shell/cleaning.h"
#include "shell/sampling_units.h"
#include "shell/statistics.h"
#include "snag/subtotals.h"

#include <QAction>
#include <QRadioButton>
#include <cmath>

using namespace Qt::StringLiterals;

namespace vernalt {

namespace {

// Column headers of the four levels, by SamplingLevel, in lower case.
const QString LevelColumns[LevelCount] = {u"subsegment"_s, u"segment"_s, u"section"_s,
                                          u"transect"_s};
const QString StratumColumn = u"stratum"_s;

constexpr int SubtotalColumns = 8; // two levels of four widths per subtotal grid
constexpr int StatsRows = 8;       // one per plot dimension of the grid's two levels

// The first (or last) column whose header, in lower case, is `name`; -1 if none.
int findColumn(const GridModel& sheet, const QString& name, bool last) {
    int found = -1;
    for (int c = 0; c < sheet.cols(); ++c) {
        if (sheet.text(0, c).toLower() != name)
            continue;
        found = c;
        if (!last)
            break;
    }
    return found;
}

// A cell as CleanRound reads it, which must be a number: a width flag or a
// subtotal. Other texts (empty ones included) raise 13, type mismatch.
double cleanNumber(const GridModel& g, int row, int col) {
    double x;
    if (g.numberAt(row, col, x)) {
        // A whole number below 10^15 is its own display rounding and its own text.
        if (x == std::trunc(x) && std::fabs(x) < 1e15)
            return x;
        return CleanRound(Value(x)).toDouble();
    }
    const Value v = CleanRound(g.text(row, col));
    if (!v.isNumber())
        raise(err::TypeMismatch);
    return v.number();
}

// Subtotals of column `col` from row 1 down to the first empty (or blank) cell.
void readSubtotals(const GridModel& g, int col, std::vector<double>& out) {
    out.clear();
    for (int r = 1; r < g.rows(); ++r) {
        double x;
        if (!g.numberAt(r, col, x) && g.text(r, col).trimmed().isEmpty())
            break;
        out.push_back(cleanNumber(g, r, col));
    }
}

// A subtotal grid back to one empty row under its header.
void resetSubtotalGrid(GridModel& g) {
    g.setFixedRows(1);
    g.setFixedCols(0);
    g.setRows(2);
    if (g.cols() < SubtotalColumns)
        g.setCols(SubtotalColumns);
    for (int c = 0; c < g.cols(); ++c)
        g.setText(1, c, QString());
}

} // namespace

void frmMainSnag::CalculateSubtotals(QString& result) {
    bool done = false;
    trapped(prompts(), snagProcedure(u"CalculateSubtotals"_s), [&] {
        // The subtotals of an earlier run never stay next to a failure of this one.
        for (Grid* g : grdSubtotal)
            resetSubtotalGrid(*g->grid());
        UnitTransects = {};

        const int index = GetOption(optStratum);
        if (index < 0 || index >= int(grdStratum.size()))
            vernalt::raise(err::SubscriptRange);
        const GridModel& sheet = *grdStratum[std::size_t(index)]->grid();
        if (sheet.rows() < 2 || sheet.text(1, 0).isEmpty()) {
            prompts().message(u"No data found on '"_s + optStratum[std::size_t(index)]->text() +
                                  u"'"_s,
                              u"No data"_s);
            return;
        }

        std::array<int, WidthCount> widthCols{};
        for (int w = 0; w < WidthCount; ++w) {
            const QString name = u"width"_s + WidthTexts[std::size_t(w)];
            widthCols[std::size_t(w)] = findColumn(sheet, name, true);
            if (widthCols[std::size_t(w)] < 0) {
                prompts().message(u"The "_s + name + u" column was not found"_s,
                                  u"Column not found"_s);
                return;
            }
        }
        std::array<int, LevelCount> levelCols{};
        for (int level = 0; level < LevelCount; ++level) {
            levelCols[std::size_t(level)] = findColumn(sheet, LevelColumns[level], false);
            if (levelCols[std::size_t(level)] < 0) // the level is not on the sheet
                vernalt::raise(err::SubscriptRange);
        }
        const int stratumCol = findColumn(sheet, StratumColumn, false);
        const int transectCol = levelCols[LevelCount - 1];

        SubtotalCollector collector;
        UnitRecord record;
        for (int r = 1; r < sheet.rows(); ++r) {
            record.stratum = stratumCol < 0 ? EmptyCell : sheet.cellKey(r, stratumCol);
            record.transect = sheet.cellKey(r, transectCol);
            for (std::size_t level = 0; level < record.levels.size(); ++level)
                record.levels[level] = sheet.cellKey(r, levelCols[level]);
            for (std::size_t w = 0; w < record.flags.size(); ++w)
                record.flags[w] = cleanNumber(sheet, r, widthCols[w]);
            collector.add(record);
        }
        const SheetSubtotals subtotals = collector.finish();
        UnitTransects = subtotals.transects;

        // Grid g: level 2g in columns 0 to 3, level 2g + 1 in columns 4 to 7, one
        // row per unit; the grid grows to the level with more units.
        for (std::size_t g = 0; g < grdSubtotal.size(); ++g) {
            const std::vector<WidthSums>& first = subtotals.units[2 * g];
            const std::vector<WidthSums>& second = subtotals.units[2 * g + 1];
            const std::size_t units = std::max(first.size(), second.size());
            GridModel& out = *grdSubtotal[g]->grid();
            out.fillRows(int(std::max<std::size_t>(units, 1) + 1), [&](int r) {
                const auto i = std::size_t(r - 1);
                for (int w = 0; w < WidthCount; ++w) {
                    if (i < first.size())
                        out.setNumber(r, w, first[i][std::size_t(w)]);
                    if (i < second.size())
                        out.setNumber(r, WidthCount + w, second[i][std::size_t(w)]);
                }
            });
        }
        setStatus(u"Status: Subtotals calculated"_s);
        done = true;
    });
    // Any failure stops the Compute run: nothing is computed from a sheet that
    // could not be summed.
    if (!done)
        result = u"cancel"_s;
}

void frmMainSnag::CalculateStats() {
    trapped(prompts(), snagProcedure(u"CalculateStats"_s), [&] {
        // What this run owns starts empty: a dimension it cannot compute shows nothing.
        PlotCounts.fill(0);
        for (Grid* g : grdStats)
            for (int r = 1; r <= StatsRows; ++r)
                for (int c = 1; c <= 3; ++c)
                    g->setText(r, c, QString());

        const std::array<QAction*, 4> widths = widthItems();
        std::vector<double> subtotals;
        for (int p = 0; p < PlotDimensionCount; ++p) {
            // A plot dimension takes part when its own width is checked.
            if (!widths[std::size_t(dimensionWidth(p))]->isChecked())
                continue;
            const int c = subtotalColumn(p);
            readSubtotals(*grdSubtotal[std::size_t(subtotalGrid(p))]->grid(), c, subtotals);
            if (subtotals.empty()) // no unit: no statistics, the others go on
                continue;
            Grid* stats = grdStats[std::size_t(subtotalGrid(p))];
            skipOn({err::Overflow, err::DivisionByZero}, [&] {
                const DimensionStats s = dimensionStats(subtotals);
                stats->setText(c + 1, 1, cleanRoundText(Value(s.mean)));
                stats->setText(c + 1, 2, cleanRoundText(Value(s.sd)));
                stats->setText(c + 1, 3, numberText(double(s.n)));
                PlotCounts[std::size_t(p + 1)] = int(s.n);
            });
        }

        // Mean and standard deviation as shown, for the optimal choice.
        for (int p = 0; p < PlotDimensionCount; ++p) {
            const Grid* stats = grdStats[std::size_t(subtotalGrid(p))];
            const int row = subtotalColumn(p) + 1;
            grdOptimal[0]->setText(p + 1, 2, stats->text(row, 1));
            grdOptimal[0]->setText(p + 1, 3, stats->text(row, 2));
        }
    });
}

} // namespace vernalt
