#include "log/log_estimate_formulas.h"

#include "platform/errors.h"
#include "platform/value.h"
#include "shell/cleaning.h"

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace vernalt::logest {

int automaticLevel(const std::array<bool, 4>& used, const std::array<QString, 4>& distances) {
    int chosen = 0;
    bool kept = false;        // a level with a distance has been taken
    double keptDistance = -1; // in double, so that equal distances tie (12.3 and 12.3)
    for (int r = 1; r <= 4; ++r) {
        if (!used[std::size_t(r - 1)])
            continue;
        const QString& cell = distances[std::size_t(r - 1)];
        const bool hasDistance = isNumeric(cell);
        if (!kept) {
            chosen = r;
            if (hasDistance) {
                kept = true;
                keptDistance = toDouble(cell);
            }
        } else if (hasDistance && CleanRound(cell).toDouble() < keptDistance) {
            chosen = r;
            keptDistance = toDouble(cell);
        }
    }
    return chosen;
}

int levelOfName(const QString& name) {
    static const QString names[4] = {u"subsegment"_s, u"segment"_s, u"section"_s, u"transect"_s};
    const QString lower = name.toLower();
    for (int k = 0; k < 4; ++k)
        if (lower == names[k])
            return k;
    return -1;
}

float stripArea(float length, bool metric) {
    const double area = checked::mul(double(length), metric ? 4 : 12);
    if (std::fabs(area) > double(std::numeric_limits<float>::max()))
        raise(err::Overflow);
    return float(area);
}

double areaUnits(double squareUnits, bool metric) {
    return checked::div(squareUnits, metric ? 10000 : 43560);
}

double stripAreaUnits(float length, bool metric) {
    return areaUnits(checked::mul(double(length), metric ? 4 : 12), metric);
}

std::optional<double> englishFactor(Formula f) {
    switch (f) {
    case logcap::Density:
    case logcap::Tally:
        return 0.405;
    case logcap::Length:
        return 1.328;
    case logcap::Volume:
        return 14.29;
    case logcap::Weight:
        return 0.446;
    default:
        return std::nullopt;
    }
}

double toMetric(double english, double factor) {
    return checked::div(english, factor);
}

double toEnglish(double metricValue, double factor) {
    return checked::mul(metricValue, factor);
}

std::optional<FigureTitles> simpleTitles(Formula f) {
    switch (f) {
    case logcap::Density:
        return FigureTitles{u"Density (logs/ha)"_s, u"Density (logs/ac)"_s};
    case logcap::Length:
        return FigureTitles{u"Total Length (m/ha)"_s, u"Total Length (ft/ac)"_s};
    case logcap::PercentCover:
        return FigureTitles{u"Percent Cover"_s, QString()};
    case logcap::Tally:
        return FigureTitles{u"Log Density (logs/ha)"_s, u"Log Density (logs/ac)"_s};
    case logcap::Volume:
        return FigureTitles{u"Volume (m^3/ha)"_s, u"Volume (ft^3/ac)"_s};
    case logcap::Weight:
        return FigureTitles{u"Weight (metric tons/ha)"_s, u"Weight (tons/ac)"_s};
    default:
        return std::nullopt;
    }
}

std::optional<FigureTitles> stratifiedTitles(Formula f) {
    if (f == logcap::Density)
        return FigureTitles{u"Density st (logs/ha)"_s, u"Density st (logs/ac)"_s};
    return simpleTitles(f);
}

double standardError(double variance, double n) {
    return checked::sqrt(checked::div(variance, n));
}

double lineBound(double t, double variance, double n) {
    return checked::mul(t, standardError(variance, n));
}

double stripBound(double t, double variance, double n, double plotArea, double landscapeArea) {
    const double sampledShare = checked::div(checked::mul(n, plotArea), landscapeArea);
    return checked::mul(lineBound(t, variance, n), checked::sqrt(checked::sub(1, sampledShare)));
}

std::optional<double> lineIntersectFactor(Formula f, bool metric, double P) {
    const double piSquared = checked::pow(Pi, 2);
    switch (f) {
    case logcap::Density:
        return checked::div(metric ? 1000 * Pi * 5.0 : 68424.048, P);
    case logcap::Length:
        return metric ? checked::div(31416, checked::mul(2, P)) : checked::div(68424.048, P);
    case logcap::PercentCover:
        return metric ? checked::div(Pi, checked::mul(2, P)) : checked::div(Pi * 4.1603, P);
    case logcap::Volume:
        return metric ? checked::div(piSquared, checked::mul(8.0, P))
                      : checked::div(piSquared * 37.8125, P);
    case logcap::Weight:
        return metric ? checked::div(piSquared, checked::mul(8.0, P))
                      : checked::div(piSquared * 1.17975, P);
    case logcap::Tally:
        return checked::div(metric ? 10000 : 43560, P);
    default:
        return std::nullopt;
    }
}

double stripPlotFactor(Formula f, bool metric) {
    if (f == logcap::PercentCover)
        return 100;
    if (f == logcap::Weight && !metric)
        return 43560.0 / 2000;
    return metric ? 10000 : 43560;
}

double stripPerArea(double perPlot, double plotArea, double G) {
    return checked::mul(checked::div(perPlot, plotArea), G);
}

} // namespace vernalt::logest
