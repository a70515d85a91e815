#include "snag/optimal_plot.h"

#include "platform/value.h"
#include "shell/cleaning.h"
#include "snag/density_formulas.h"

#include <cmath>

namespace vernalt {

namespace {

// The two run-time errors that leave a cell empty instead of ending the rating.
constexpr std::initializer_list<int> Gaps = {err::Overflow, err::DivisionByZero};

template <class F> void statement(F&& f) {
    skipOn(Gaps, std::forward<F>(f));
}

// CleanRound of a text, as a number (a text that does not read as one raises 13).
double rounded(const QString& text) {
    return CleanRound(text).toDouble();
}
double roundedOrZero(const QString& text) {
    return CleanRoundOrZero(text).toDouble();
}

} // namespace

double plotsNeeded(double t, double sd, double p, double mean) {
    const double spread = checked::mul(t, sd);
    const double wanted = checked::mul(p, mean);
    return checked::div(checked::mul(spread, spread), checked::mul(wanted, wanted));
}

double fixedCost(int level) {
    return 0.265 * double(1 << level);
}

double surveyCost(double plotsNeeded, double plotsAtHand, double costPerUnit) {
    if (plotsNeeded == 0)
        return 0;
    if (plotsNeeded > plotsAtHand)
        return checked::mul(plotsNeeded, costPerUnit);
    return checked::mul(plotsAtHand, costPerUnit);
}

QString currencyText(double dollars) {
    const double cents = std::round(roundHalfEven(checked::result(dollars), 2) * 100);
    if (std::fabs(cents) >= 1e17)
        raise(err::Overflow);
    auto whole = static_cast<long long>(std::fabs(cents));
    const int fraction = int(whole % 100);
    whole /= 100;
    QString digits = numberText(double(whole)); // below 10^15: plain digits
    for (qsizetype i = digits.size() - 3; i > 0; i -= 3)
        digits.insert(i, QLatin1Char(','));
    QString text = (cents < 0 ? QStringLiteral("-$") : QStringLiteral("$")) + digits +
                   QLatin1Char('.') + QLatin1Char(char('0' + fraction / 10)) +
                   QLatin1Char(char('0' + fraction % 10));
    return text;
}

std::optional<int> costCategory(const QString& answer) {
    const QString t = answer.trimmed();
    if (t.size() != 1 || t[0] < QLatin1Char('1') || t[0] > QLatin1Char('6'))
        return std::nullopt;
    return t[0].unicode() - u'0';
}

OptimalRating rateDimensions(const OptimalInputs& in) {
    OptimalRating out;
    try {
        // Mean and standard deviation per plot, as single-precision numbers.
        std::array<float, OptimalRows> mean{}, sd{};
        for (int i = 0; i < OptimalRows; ++i) {
            statement([&] { mean[i] = single(roundedOrZero(in.means[i])); });
            statement([&] { sd[i] = single(roundedOrZero(in.sds[i])); });
        }
        const double areaFactor = in.areaFactor;

        // Lowest non-zero variance; -1 when every variance is 0.
        float lowestVariance = -1;
        float v = 0;
        for (int i = 0; i < OptimalRows; ++i) {
            statement([&] {
                v = single(displayRound(variancePerArea(sd[i], areaFactor, in.plotSizes[i])));
            });
            if (v != 0 && (lowestVariance == -1 || v < lowestVariance))
                lowestVariance = v;
        }
        out.lowestVariance = displayText(lowestVariance);

        // First pass: every row but the relative cost, product and total cost.
        float lowestCost = -1;
        double a = 0;
        for (int i = 0; i < OptimalRows; ++i) {
            OptimalRow& row = out.rows[i];
            statement([&] { a = plotArea(in.plotSizes[i], areaFactor); });
            statement([&] { row.meanDensity = displayText(densityPerArea(mean[i], a)); });
            statement([&] {
                row.variance = displayText(variancePerArea(sd[i], areaFactor, in.plotSizes[i]));
            });
            statement([&] {
                row.relativeVariance =
                    displayText(checked::div(leadingNumber(row.variance), lowestVariance));
            });
            statement([&] {
                const double t = roundedOrZero(in.tValue);
                const double p = roundedOrZero(in.precisionLevel);
                row.plotsNeeded = displayText(plotsNeeded(t, sd[i], p, mean[i]));
            });
            if (row.plotsNeeded.isEmpty())
                row.plotsNeeded = QStringLiteral("0");
            statement([&] {
                row.sampleArea = displayText(checked::mul(leadingNumber(row.plotsNeeded), a));
            });
            row.plotsAtHand = in.counts[i];
            statement(
                [&] { row.relativeVariance1 = displayText(leadingNumber(row.relativeVariance)); });
            statement([&] { row.fixedCost = displayText(fixedCost(i / 4)); });
            row.costPerSample = numberText(in.costsPerSample[i]);
            statement([&] {
                row.costPerUnit = displayText(
                    checked::add(leadingNumber(row.fixedCost), rounded(row.costPerSample)));
            });
            statement([&] {
                const double c = rounded(row.costPerUnit);
                if (lowestCost == -1 || double(lowestCost) > c)
                    lowestCost = single(c);
            });
            out.lowestTotalCost = displayText(lowestCost);
        }

        // Second pass, with the lowest cost per plot unit known.
        for (int i = 0; i < OptimalRows; ++i) {
            OptimalRow& row = out.rows[i];
            statement([&] {
                row.relativeCost =
                    displayText(checked::div(leadingNumber(row.costPerUnit), lowestCost));
            });
            statement([&] {
                row.product = displayText(
                    checked::mul(leadingNumber(row.relativeVariance1), rounded(row.relativeCost)));
            });
            statement([&] {
                const double n = leadingNumber(row.plotsNeeded);
                const double plotsAtHand = roundedOrZero(row.plotsAtHand);
                const double c = roundedOrZero(row.costPerUnit);
                row.totalCost = currencyText(surveyCost(n, plotsAtHand, c));
            });
        }
    } catch (const RuntimeError& e) {
        out.error = e;
    }
    return out;
}

int automaticRow(const std::array<QString, OptimalRows>& totalCosts) {
    int best = 1;
    std::optional<double> lowest;
    for (int i = 0; i < OptimalRows; ++i) {
        const QString cleaned = cleanText(totalCosts[i]);
        if (!isNumeric(cleaned))
            continue;
        const double cost = toDouble(cleaned);
        if (cost != 0 && (!lowest || cost < *lowest)) {
            lowest = cost;
            best = i + 1;
        }
    }
    return best;
}

int menuRow(const std::array<bool, OptimalRows + 1>& checked) {
    if (checked[0])
        return 0;
    int row = 0;
    for (int j = 1; j <= OptimalRows; ++j)
        if (checked[j])
            row = j;
    return row;
}

} // namespace vernalt
