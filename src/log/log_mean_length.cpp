#include "log/log_mean_length.h"

#include "platform/errors.h"
#include "shell/cleaning.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace vernalt {

namespace {

constexpr double PercentLengthFactors[9] = {0.1, 0.2, 0.303, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9};

// A value as a number, when it is one (a number or a numeric text).
std::optional<double> numberOf(const Value& v) {
    if (v.isNumber())
        return v.number();
    if (v.isText() && isNumeric(v.text()))
        return toDouble(v.text());
    return std::nullopt;
}

} // namespace

std::optional<double> percentLengthFactor(const Value& percentLength) {
    const std::optional<double> k = numberOf(percentLength);
    if (!k || *k != std::trunc(*k) || *k < 1 || *k > 9)
        return std::nullopt;
    return PercentLengthFactors[int(*k) - 1];
}

double estimatedLength(const Value& percentLength, const Value& length) {
    if (const std::optional<double> factor = percentLengthFactor(percentLength)) {
        const std::optional<double> measured = numberOf(length);
        if (!measured) // no length measured: no estimate
            return 0;
        return checked::div(*measured, *factor);
    }
    const Value shown = NzZero(length);
    return shown.isNumber() ? shown.number() : 0;
}

QString meanLengthText(double mean, double median, bool metric) {
    const QString unit = metric ? u" m"_s : u" ft"_s;
    return u"Mean = "_s + numberText(mean) + unit + u"\r\n"_s + u"Median = "_s +
           numberText(median) + unit;
}

} // namespace vernalt
