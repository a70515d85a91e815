#include "log/log_single_estimate.h"

#include "platform/value.h"
#include "shell/cleaning.h"

using namespace Qt::StringLiterals;

namespace vernalt::logest {

namespace {

// A step that overflows, divides by zero or reads a word as a number is left
// empty; the estimate goes on with the next one.
template <class F> void step(F&& statement) {
    skipOn({err::Overflow, err::DivisionByZero, err::TypeMismatch}, std::forward<F>(statement));
}

// The estimate's figures read back as shown: an empty text is 0, a word raises 13.
double shownOrZero(const QString& text) {
    return NzZero(text).toDouble();
}

} // namespace

SingleColumns singleColumns(bool lim) {
    if (lim)
        return {1, -1, -1, 2, 3, 4, 5, 6};
    return {-1, 1, 2, 3, 4, 5, 6, 7};
}

bool needsLandscapeArea(const SingleInputs& in) {
    return in.formula == logcap::Tally || !in.lim;
}

SingleEstimate singleEstimate(const SingleInputs& in) {
    SingleEstimate out;
    const SingleColumns col = singleColumns(in.lim);
    // Metric units, and percent cover (which has no other), show the metric
    // figure first: the limits and precision are around it.
    const bool metricFirst = in.metric || in.formula == logcap::PercentCover;
    const std::optional<double> factor = englishFactor(in.formula); // English = metric x factor
    auto& row = out.row;
    const auto cell = [&row](int c) -> QString& { return row[std::size_t(c)]; };
    try {
        // The equation row: the level, its length or strip-plot area, its statistics.
        row[0] = in.levelName;
        if (in.lim) {
            cell(col.length) = singleText(in.length);
        } else {
            step([&] { cell(col.plotArea) = singleText(stripArea(in.length, in.metric)); });
            step([&] {
                cell(col.plotAreaUnits) = displayText(stripAreaUnits(in.length, in.metric));
            });
        }
        cell(col.average) = cleanRoundText(in.average);
        cell(col.deviation) = cleanRoundText(in.deviation);
        cell(col.estimate) = metricFirst ? in.meanMetric : in.meanEnglish;
        cell(col.variance) = cleanRoundText(in.variance);
        cell(col.count) = cleanRoundText(in.count);

        // The estimate, variance and n as the row shows them, in single precision.
        float estimate = 0, variance = 0, n = 0;
        step([&] { estimate = float(shownOrZero(cell(col.estimate))); });
        step([&] { variance = float(shownOrZero(cell(col.variance))); });
        step([&] { n = float(shownOrZero(cell(col.count))); });

        if (metricFirst)
            out.metricFigure = singleText(estimate);
        else if (factor)
            step([&] { out.metricFigure = displayText(toMetric(estimate, *factor)); });
        step([&] {
            out.standardError = shownOrZero(out.metricFigure) > 0
                                    ? displayText(standardError(variance, n))
                                    : u"0"_s;
        });

        // The bound; a strip plot (or the strip of a tally) corrects for the
        // share of the landscape that the sample covers.
        step([&] {
            const bool tally = in.formula == logcap::Tally;
            const bool holds = tally ? toDouble(out.standardError) > 0 : variance > 0;
            if (!holds) {
                out.bound = u"0"_s;
                return;
            }
            const double t = toDouble(in.tValue);
            if (!tally && in.lim) {
                out.bound = displayText(lineBound(t, variance, n));
                return;
            }
            const double A = CleanRound(in.landscapeArea).toDouble();
            const double a =
                in.lim ? CleanRound(displayText(stripAreaUnits(in.length, in.metric))).toDouble()
                       : toDouble(cell(col.plotAreaUnits));
            out.bound = displayText(stripBound(t, variance, n, a, A));
        });

        // The English figure, always from the metric figure as shown, and the titles.
        if (const std::optional<FigureTitles> titles = simpleTitles(in.formula)) {
            if (factor) {
                step([&] {
                    const double m = shownOrZero(out.metricFigure);
                    out.englishFigure = m > 0 ? displayText(toEnglish(m, *factor)) : u"0"_s;
                });
                out.englishTitle = titles->english;
            } else {
                out.englishShown = false;
            }
            out.metricTitle = titles->metric;
        }

        // Limits and precision around the figure of the current unit system; a
        // bound that could not be computed leaves them empty.
        if (out.bound.isEmpty())
            return out;
        const QString& figure = metricFirst ? out.metricFigure : out.englishFigure;
        const double b = leadingNumber(out.bound);
        const double x = leadingNumber(figure);
        step([&] { out.upperLimit = displayText(checked::add(x, b)); });
        step([&] { out.lowerLimit = displayText(checked::sub(x, b)); });
        step([&] {
            const double value = metricFirst ? shownOrZero(figure) : toDouble(figure);
            out.precision = value > 0 ? displayText(checked::mul(checked::div(b, x), 100)) : u"0"_s;
        });
    } catch (const RuntimeError& e) {
        out.error = e;
    }
    return out;
}

} // namespace vernalt::logest
