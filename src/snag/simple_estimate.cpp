#include "snag/simple_estimate.h"

#include "platform/value.h"
#include "shell/cleaning.h"
#include "snag/density_formulas.h"

namespace vernalt {

namespace {

// One step of the estimate: overflow and division by zero leave its result empty.
template <class F> void step(F&& f) {
    skipOn({err::Overflow, err::DivisionByZero}, std::forward<F>(f));
}

double roundedOrZero(const QString& text) {
    return CleanRoundOrZero(text).toDouble();
}

} // namespace

QString plotSizeOfName(const QString& name, const WidthTextArray& widthTexts,
                       const DimensionSizeArray& sizes) {
    const QString wanted = name.toLower();
    for (int level = 0; level < LevelCount; ++level)
        for (int w = 0; w < WidthCount; ++w)
            if (wanted == levelName(level).toLower() + widthTexts[w])
                return numberText(sizes[4 * level + w]);
    return {};
}

SimpleEstimate simpleEstimate(const SimpleInputs& in) {
    SimpleEstimate out;
    try {
        out.plotSize = plotSizeOfName(in.plotDimension, in.widthTexts, in.plotSizes);
        step([&] {
            out.plotArea = displayText(plotArea(leadingNumber(out.plotSize), in.areaFactor));
        });
        // The divisor is the plot area as shown.
        step([&] {
            out.density = displayText(densityPerArea(leadingNumber(in.averageDensity),
                                                     CleanRound(out.plotArea).toDouble()));
        });
        step([&] {
            out.variance = displayText(variancePerArea(leadingNumber(in.stdDev), in.areaFactor,
                                                       leadingNumber(out.plotSize)));
        });
        out.estimate = out.density;
        step([&] {
            out.bound = cleanRoundOrZeroText(Value(simpleBound(
                roundedOrZero(in.tValue), roundedOrZero(out.variance), roundedOrZero(in.sampleSize),
                roundedOrZero(out.plotArea), roundedOrZero(in.landscapeArea))));
        });
        const auto x = [&] { return roundedOrZero(out.estimate); };
        const auto b = [&] { return roundedOrZero(out.bound); };
        step([&] { out.upperLimit = cleanRoundOrZeroText(Value(checked::add(x(), b()))); });
        step([&] { out.lowerLimit = cleanRoundOrZeroText(Value(checked::sub(x(), b()))); });
        step([&] { out.precision = cleanRoundOrZeroText(Value(precisionPercent(b(), x()))); });
    } catch (const RuntimeError& e) {
        out.error = e;
    }
    return out;
}

} // namespace vernalt
