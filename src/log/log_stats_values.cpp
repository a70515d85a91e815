// The pure part of the log statistics: per-area factors and the figures of one
// sampling level.
#include "log/log_stats.h"

#include "log/log_estimate_formulas.h"
#include "platform/errors.h"
#include "platform/value.h"
#include "shell/cleaning.h"
#include "shell/statistics.h"

#include <algorithm>
#include <cmath>

namespace vernalt {

namespace {

using logcap::Formula;

// F of the strip-plot method: G / (w x L) per strip of width w = 4 m or 12 ft,
// with English weight in tons of 2000 lb: 43560 / (12 x 2000 x L).
double spmFactor(bool metric, Formula f, double L) {
    if (!metric && f == logcap::Weight)
        return checked::div(43560, checked::mul(12.0 * 2000.0, L));
    return checked::div(logest::stripPlotFactor(f, metric), checked::mul(metric ? 4.0 : 12.0, L));
}

// A shown figure read back as a number; nothing for an empty text.
std::optional<double> numberShown(const QString& text) {
    const Value v = CleanRound(text);
    if (!v.isNumber())
        return std::nullopt;
    return v.number();
}

// Runs one figure; an overflow or a division by zero leaves it empty.
template <class F> QString figure(F&& compute) {
    QString text;
    skipOn({err::Overflow, err::DivisionByZero}, [&] { text = compute(); });
    return text;
}

} // namespace

std::optional<PerAreaFactors> perAreaFactors(bool metric, bool lim, logcap::Formula formula,
                                             double L) {
    if (formula < logcap::Density || formula > logcap::Weight)
        return std::nullopt;
    PerAreaFactors f;
    // A line-intersect tally counts per strip of 4 m or 12 ft.
    const double P = formula == logcap::Tally ? checked::mul(metric ? 4.0 : 12.0, L) : L;
    f.F = lim ? *logest::lineIntersectFactor(formula, metric, P) : spmFactor(metric, formula, L);
    f.c = logest::englishFactor(formula);
    return f;
}

double minimumTransect(bool metric) {
    return metric ? 1000 : 3281;
}

LevelStatsTexts levelStats(const LevelStatsInput& in) {
    LevelStatsTexts out;
    const std::size_t n = in.subtotals.size();
    if (n == 0)
        return out;
    out.count = numberText(double(n));
    out.mean = figure([&] {
        double sum = 0;
        for (double x : in.subtotals)
            sum = checked::add(sum, x);
        return displayText(checked::result(checked::div(sum, double(n))));
    });
    out.sd = figure([&] { return displayText(checked::result(StdDev(in.subtotals))); });
    const std::optional<double> m = numberShown(out.mean);
    const std::optional<double> s = numberShown(out.sd);
    if (!m || !s)
        return out;

    // Per-area values.
    skipOn({err::Overflow, err::DivisionByZero}, [&] {
        const std::optional<PerAreaFactors> f =
            perAreaFactors(in.metric, in.lim, in.formula, in.length);
        if (!f)
            return;
        const double perArea = checked::mul(*m, f->F);
        out.perArea = figure([&] { return displayText(checked::result(perArea)); });
        out.variance = figure(
            [&] { return displayText(checked::result(std::pow(checked::mul(*s, f->F), 2))); });
        if (f->c)
            out.other = figure([&] {
                return displayText(checked::result(in.metric ? checked::mul(perArea, *f->c)
                                                             : checked::div(perArea, *f->c)));
            });
        if (in.formula == logcap::PercentCover)
            out.meanMetric = out.perArea;
        else if (in.metric) {
            out.meanMetric = out.perArea;
            out.meanEnglish = out.other;
        } else {
            out.meanEnglish = out.perArea;
            out.meanMetric = out.other;
        }
    });

    // Units and survey distance for the wanted precision:
    // n = (t x s)^2 / (E x m)^2, distance n x L. The units are shown for a
    // positive mean only ("0" otherwise); the distance whatever the mean's sign.
    if (!(*m > 0))
        out.unitsNeeded = numberText(0);
    skipOn({err::Overflow, err::DivisionByZero}, [&] {
        const double needed = checked::div(std::pow(checked::mul(in.t, *s), 2),
                                           std::pow(checked::mul(in.precision, *m), 2));
        if (*m > 0)
            out.unitsNeeded = displayText(checked::result(needed));
        out.distance =
            figure([&] { return displayText(checked::result(checked::mul(needed, in.length))); });
    });

    // The larger of the survey distance and the minimum transect, less the
    // length already surveyed N x L; "0" once both are covered.
    const double minimum = minimumTransect(in.metric);
    out.minimum = numberText(minimum);
    out.missing = figure([&] {
        const double surveyed = checked::mul(double(n), in.length);
        const std::optional<double> distance = numberShown(out.distance);
        const double needed = distance ? std::max(*distance, minimum) : minimum;
        if (needed < surveyed)
            return numberText(0);
        return numberText(checked::sub(needed, surveyed));
    });
    return out;
}

} // namespace vernalt
