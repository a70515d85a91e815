// The pure part of the log subtotals: column lookup, per-log values and the
// sums per sampling unit.
#include "log/log_subtotals.h"

#include "platform/grid.h"
#include "platform/value.h"
#include "shell/cleaning.h"
#include "shell/sampling_units.h"

#include <cmath>
#include <unordered_map>

using namespace Qt::StringLiterals;

namespace vernalt {

namespace {

const char16_t* const LevelWords[LogLevelCount] = {u"Subsegment", u"Segment", u"Section",
                                                   u"Transect"};

// The display rounding of a number; a whole number below 10^15 is its own.
double rounded(double x) {
    if (x == std::trunc(x) && std::fabs(x) < 1e15)
        return x;
    return displayRound(x);
}

} // namespace

QString subtotalHeader(int level, float length) {
    return QString::fromUtf16(LevelWords[level]) + u"_"_s + singleText(length);
}

int sheetColumn(const GridModel& sheet, const QString& name, bool last) {
    int found = -1;
    for (int c = 0; c < sheet.cols(); ++c) {
        if (sheet.text(0, c).trimmed().toLower() != name)
            continue;
        found = c;
        if (!last)
            break;
    }
    return found;
}

LogSheetColumns logSheetColumns(const GridModel& sheet) {
    LogSheetColumns c;
    c.value = sheetColumn(sheet, u"qualify"_s, true);
    for (int k = 0; k < LogLevelCount; ++k)
        c.levels[std::size_t(k)] =
            sheetColumn(sheet, QString::fromUtf16(LevelWords[k]).toLower(), false);
    c.stratum = sheetColumn(sheet, u"stratum"_s, false);
    return c;
}

double perLogValue(const GridModel& sheet, int row, int col) {
    double x;
    if (sheet.numberAt(row, col, x))
        return std::isfinite(x) ? rounded(x) : 0.0;
    const Value v = CleanRound(sheet.text(row, col));
    return v.isNumber() ? v.number() : 0.0;
}

LogSubtotals logSubtotals(const GridModel& sheet, const LogSheetColumns& columns) {
    // The units are the snag window's: the collector's first sum carries the
    // per-log value, the other three stay 0.
    SubtotalCollector collector;
    UnitRecord record;
    // Equal cells give equal values: the first few thousand distinct cells are
    // rounded once each.
    constexpr std::size_t MaxRemembered = 4096;
    std::unordered_map<std::uint64_t, double> values;
    for (int r = 1; r < sheet.rows(); ++r) {
        record.stratum = columns.stratum < 0 ? EmptyCell : sheet.cellKey(r, columns.stratum);
        for (std::size_t k = 0; k < record.levels.size(); ++k)
            record.levels[k] = sheet.cellKey(r, columns.levels[k]);
        record.transect = record.levels[LogLevelCount - 1];
        const std::uint64_t key = sheet.cellKey(r, columns.value);
        if (const auto known = values.find(key); known != values.end()) {
            record.flags[0] = known->second;
        } else {
            record.flags[0] = perLogValue(sheet, r, columns.value);
            if (values.size() < MaxRemembered)
                values.emplace(key, record.flags[0]);
        }
        collector.add(record);
    }
    const SheetSubtotals sums = collector.finish();
    LogSubtotals result;
    result.transects = sums.transects;
    for (std::size_t k = 0; k < result.units.size(); ++k) {
        result.units[k].reserve(sums.units[k].size());
        for (const WidthSums& unit : sums.units[k])
            result.units[k].push_back(rounded(unit[0]));
    }
    return result;
}

std::vector<double> levelSubtotals(const GridModel& subtotals, int level) {
    std::vector<double> units;
    for (int r = 1; r < subtotals.rows() && level < subtotals.cols(); ++r) {
        double x;
        if (subtotals.numberAt(r, level, x)) {
            units.push_back(x);
            continue;
        }
        const QString text = subtotals.text(r, level);
        if (!isNumeric(text))
            break;
        units.push_back(toDouble(text));
    }
    return units;
}

} // namespace vernalt
