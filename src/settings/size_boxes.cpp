#include "settings/size_boxes.h"

#include "platform/value.h"

#include <cmath>

namespace vernalt {

QString derivedLengthText(const QString& areaText, const QString& firstWidthText) {
    if (!isNumeric(areaText))
        return {}; // no number, or one too large to read
    const double width = leadingNumber(firstWidthText);
    if (width == 0)
        return {}; // no width to divide by: no length to show
    const double length = toDouble(areaText) / width;
    if (!std::isfinite(length))
        return {};
    return numberText(length);
}

double plotArea(const QString& widthText, const QString& lengthText) {
    return leadingNumber(widthText) * leadingNumber(lengthText);
}

bool isPositiveNumber(const QString& text) {
    if (!isNumeric(text))
        return false;
    const double x = toDouble(text);
    return std::isfinite(x) && x > 0;
}

} // namespace vernalt
