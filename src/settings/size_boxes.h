// The size boxes of the plot-sizes and log-lengths windows: lengths derived from
// the stored plot areas, areas from widths and lengths, and the check every box
// passes before it is written. (The plot dimensions of the snag analysis itself
// are in snag/plot_dimensions.h.)
#pragma once

#include <QString>
#include <array>

namespace vernalt {

// The names of the four sampling-unit levels, index = level.
inline constexpr std::array<const char16_t*, 4> SamplingLevelNames{u"Subsegment", u"Segment",
                                                                   u"Section", u"Transect"};

// Length of a sampling level: area of its first-width plot / first width, as
// text (numberText). The area is the whole text of its box; the width is the
// leading number of its text. Empty when the area is not a number, the width is
// 0 or the quotient is not finite.
QString derivedLengthText(const QString& areaText, const QString& firstWidthText);

// Area of a plot: width * length, each the leading number of its text (0 for a
// text that does not begin with a number).
double plotArea(const QString& widthText, const QString& lengthText);

// True for a text that reads as a finite number above 0 ("12.5", " 10 ", "1e2").
bool isPositiveNumber(const QString& text);

} // namespace vernalt
