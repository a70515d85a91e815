#include "log/wildlife_use.h"

#include "platform/errors.h"
#include "platform/value.h"
#include "shell/cleaning.h"

namespace vernalt {

std::optional<std::int16_t> wildlifeCodeAnswer(const QString& answer) {
    const std::int16_t code = toInt16(leadingNumber(answer));
    if (!CleanRound(answer).isNumber() || code < 0)
        return std::nullopt;
    return code;
}

bool wildlifeUsed(bool available, const QString& useCell, std::int16_t code) {
    return available && useCell == numberText(code);
}

// used / available * 100 to 1 decimal
double wildlifePercentUse(std::int32_t used, std::int32_t available) {
    if (available == 0)
        return 0;
    return roundHalfEven(checked::mul(checked::div(used, available), 100), 1);
}

} // namespace vernalt
