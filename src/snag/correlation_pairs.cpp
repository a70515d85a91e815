#include "snag/correlation_pairs.h"

#include "platform/value.h"

#include <cstddef>

using namespace Qt::StringLiterals;

namespace vernalt {

namespace {

// The line break of the program's prompts and messages.
const QString LineBreak = u"\r\n"_s;

} // namespace

std::optional<int> correlationWidth(const QString& answer, const WidthTextArray& widthTexts) {
    for (std::size_t w = 0; w < widthTexts.size(); ++w)
        if (answer == widthTexts[w])
            return int(w);
    return std::nullopt;
}

// Plot dimension p = 4 x level + width lies in grid p / 8, column p % 8.
SubtotalPlace subtotalPlace(CorrelationLevel level, int width) {
    const int p = WidthCount * int(level) + width;
    return {p / 8, p % 8};
}

QString correlationWidthPrompt(const WidthTextArray& widthTexts) {
    return u"For which width would you like to obtain a Pearson correlation coefficient?"_s +
           LineBreak + LineBreak + u"Please enter "_s + widthTexts[0] + u", "_s + widthTexts[1] +
           u", "_s + widthTexts[2] + u" or "_s + widthTexts[3];
}

QString correlationResultText(double r) {
    return u"r="_s + numberText(roundHalfEven(r, 2)) + LineBreak + u"r^2="_s +
           numberText(roundHalfEven(r * r, 2));
}

} // namespace vernalt
