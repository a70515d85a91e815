#include "shell/statistics.h"

#include "platform/errors.h"

#include <cmath>

namespace vernalt {

// floor(x * p + 0.99999) / p with p = 10^digits
double RoundUp(double x, double digits) {
    const double p = checked::pow(10, digits);
    const double scaled = checked::mul(x, p);
    return checked::div(std::floor(checked::add(scaled, 0.99999)), p);
}

namespace {

// One statement whose run-time error is passed over.
template <class F> void resumeNext(F&& statement) {
    try {
        statement();
    } catch (const RuntimeError&) {
    }
}

} // namespace

// sqrt(sum((mean - x)^2) / (n - 1))
double StdDev(std::span<const double> values, const QString& errorTag, int firstIndex) {
    Q_UNUSED(errorTag);
    const std::size_t s = firstIndex > 0 ? static_cast<std::size_t>(firstIndex) : 0;
    const int n = values.size() > s ? int(values.size() - s) : 0;
    if (n < 2)
        return 0;
    double sum = 0;
    for (std::size_t i = s; i < values.size(); ++i)
        resumeNext([&] { sum = checked::add(sum, values[i]); });
    const double mean = sum / n;
    double ss = 0; // sum of squared deviations from the mean
    for (std::size_t i = s; i < values.size(); ++i)
        resumeNext(
            [&] { ss = checked::add(ss, checked::mul(mean - values[i], mean - values[i])); });
    double result = 0;
    resumeNext([&] { result = checked::sqrt(checked::div(ss, n - 1)); });
    return result;
}

} // namespace vernalt
