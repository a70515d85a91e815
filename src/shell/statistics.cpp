#include "shell/statistics.h"

#include "platform/errors.h"

#include <cmath>
#include <optional>

namespace vernalt {

int GetOption(std::initializer_list<QAbstractButton*> opts) {
    return GetOption<std::initializer_list<QAbstractButton*>>(opts);
}

int GetOption(std::initializer_list<std::pair<int, QAbstractButton*>> opts) {
    for (const auto& [index, button] : opts)
        if (button && button->isChecked())
            return index;
    return -1;
}

// floor(x * p + 0.99999) / p with p = 10^digits
double RoundUp(double x, double digits) {
    const double p = checked::pow(10, digits);
    const double scaled = checked::mul(x, p);
    return checked::div(std::floor(checked::add(scaled, 0.99999)), p);
}

namespace {

// The element as a number when it is numeric; nothing otherwise.
std::optional<double> numericElement(const Value& v) {
    if (v.isNumber())
        return v.number();
    if (v.isText() && isNumeric(v.text()))
        return toDouble(v.text());
    return std::nullopt;
}

// One statement whose run-time error is passed over.
template <class F> void resumeNext(F&& statement) {
    try {
        statement();
    } catch (const RuntimeError&) {
    }
}

template <class Element, class Read>
double sampleStdDev(std::span<const Element> values, int firstIndex, Read read) {
    const std::size_t s = firstIndex > 0 ? static_cast<std::size_t>(firstIndex) : 0;
    // First pass: count and sum of the numeric elements.
    int n = 0;
    double sum = 0;
    for (std::size_t i = s; i < values.size(); ++i) {
        const std::optional<double> x = read(values[i]);
        if (!x)
            continue;
        ++n;
        resumeNext([&] { sum = checked::add(sum, *x); });
    }
    if (n < 2)
        return 0;
    const double mean = sum / n;
    // Second pass: sum of squared deviations from the mean.
    double ss = 0;
    for (std::size_t i = s; i < values.size(); ++i) {
        const std::optional<double> x = read(values[i]);
        if (!x)
            continue;
        resumeNext([&] { ss = checked::add(ss, checked::mul(mean - *x, mean - *x)); });
    }
    double result = 0;
    resumeNext([&] { result = checked::sqrt(checked::div(ss, n - 1)); });
    return result;
}

} // namespace

// sqrt(sum((mean - x)^2) / (n - 1)) over the numeric elements
double StdDev(std::span<const Value> values, const QString& errorTag, int firstIndex) {
    Q_UNUSED(errorTag);
    return sampleStdDev(values, firstIndex, numericElement);
}

double StdDev(std::span<const double> values, const QString& errorTag, int firstIndex) {
    Q_UNUSED(errorTag);
    return sampleStdDev(values, firstIndex, [](double x) { return std::optional<double>(x); });
}

} // namespace vernalt
