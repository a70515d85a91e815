#include "log/log_metric_values.h"

#include "platform/errors.h"
#include "platform/grid.h"
#include "platform/value.h"
#include "shell/cleaning.h"

using namespace Qt::StringLiterals;

namespace vernalt {

namespace {

// Feet from inches (English) or metres from centimetres (metric).
double diameterUnits(double x, bool metric) {
    return metric ? checked::mul(x, 0.01) : checked::div(x, 12);
}

} // namespace

// 1 / length to 3 decimals
double limDensity(double length) {
    return roundHalfEven(checked::div(1, length), 3);
}

double spmLength(double length) {
    return displayRound(length);
}

// D = ((large + small) / 2) in feet or metres, display-rounded
double spmMeanDiameter(double large, double small, bool metric) {
    return displayRound(diameterUnits(checked::div(checked::add(large, small), 2), metric));
}

// D * length
double spmPercentCover(double large, double small, double length, bool metric) {
    return checked::mul(spmMeanDiameter(large, small, metric), length);
}

// r = ((large + small) / 4) in feet or metres
double spmRadius(double large, double small, bool metric) {
    return diameterUnits(checked::div(checked::add(large, small), 4), metric);
}

// intersect^2, display-rounded
double limVolume(std::optional<double> storedIntersect) {
    if (!storedIntersect)
        return 0;
    return displayRound(checked::mul(*storedIntersect, *storedIntersect));
}

// r^2 * length * pi, display-rounded
double spmVolume(double large, double small, double length, bool metric) {
    const double r = spmRadius(large, small, metric);
    return displayRound(checked::mul(checked::mul(checked::mul(r, r), length), LogPi));
}

double logWeightFactor(double decayClass, bool lim, bool metric) {
    const bool first = decayClass == 1;
    if (lim || metric)
        return first ? 0.4 : 0.3;
    return first ? 24.96 : 18.72;
}

// intersect^2 * k, display-rounded
double limWeight(double intersect, double decayClass) {
    const double k = logWeightFactor(decayClass, true, true);
    return displayRound(checked::mul(checked::mul(intersect, intersect), k));
}

// r^2 * length * k * pi, display-rounded
double spmWeight(double large, double small, double length, double decayClass, bool metric) {
    const double r = spmRadius(large, small, metric);
    const double k = logWeightFactor(decayClass, false, metric);
    return displayRound(
        checked::mul(checked::mul(checked::mul(checked::mul(r, r), length), k), LogPi));
}

double tallyValue(const QString& cell) {
    const Value rounded = CleanRound(cell);
    if (!rounded.isNumber() || rounded.number() <= 0 || cell == u"9999"_s)
        return 0;
    return displayRound(leadingNumber(cell));
}

double tallyValue(const GridModel& grid, int row, int col) {
    double x = 0;
    if (grid.numberAt(row, col, x)) { // the cell's text is numberText(x)
        const double v = displayRound(x);
        return x == 9999 || v <= 0 ? 0 : v;
    }
    return tallyValue(grid.text(row, col));
}

} // namespace vernalt
