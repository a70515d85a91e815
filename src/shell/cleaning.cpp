#include "shell/cleaning.h"

#include "platform/errors.h"

#include <bit>
#include <cstdint>
#include <vector>

namespace vernalt {

int displayDecimals(double n) {
    if (n >= 100)
        return 0;
    if (n >= 10)
        return 1;
    if (n >= 1)
        return 2;
    if (n >= 0.01)
        return 3;
    return 4; // below 0.01, zero and every negative value
}

double displayRound(double n) {
    // The rounding reads the decimal digits of n, which is slow; the values of a
    // survey recur, so the last rounding of each is remembered, by its bits.
    struct Entry {
        std::uint64_t bits = 0;
        double rounded = 0;
        bool known = false;
    };
    thread_local std::vector<Entry> remembered(std::size_t(1) << 16);
    const auto bits = std::bit_cast<std::uint64_t>(n);
    Entry& e = remembered[std::size_t((bits * 0x9E3779B97F4A7C15ull) >> 48)];
    if (!e.known || e.bits != bits)
        e = {bits, roundHalfEven(n, displayDecimals(n)), true};
    return e.rounded;
}

QString cleanText(const QString& text) {
    QString t = text;
    t.remove(QLatin1Char(','));
    t.remove(QLatin1Char('$'));
    return t;
}

namespace {

// The display rounding of a cleaned text when it reads as a number.
bool roundedNumber(const QString& cleaned, double& result) {
    if (!isNumeric(cleaned))
        return false;
    result = displayRound(toDouble(cleaned));
    return true;
}

// A null or empty value: the empty value, or a text that is "".
bool isNullOrEmpty(const Value& v) {
    return v.isNull() || v.isEmpty() || (v.isText() && v.text().isEmpty());
}

} // namespace

Value CleanRound(const Value& v) {
    // text() raises 94 for a null.
    const QString cleaned = cleanText(v.text());
    double n = 0;
    if (roundedNumber(cleaned, n))
        return Value(n);
    return Value(cleaned);
}

Value CleanRoundOrZero(const Value& v) {
    const QString cleaned = cleanText(v.text());
    double n = 0;
    if (roundedNumber(cleaned, n))
        return Value(n);
    return Value(0);
}

Value NzZero(const Value& v) {
    if (isNullOrEmpty(v))
        return Value(0);
    return CleanRound(v);
}

Value NzMissing(const Value& v) {
    if (isNullOrEmpty(v))
        return Value(MissingValue);
    return CleanRound(v);
}

Value CleanRound(const QString& text) {
    return CleanRound(Value(text));
}
Value CleanRoundOrZero(const QString& text) {
    return CleanRoundOrZero(Value(text));
}
Value NzZero(const QString& text) {
    return NzZero(Value(text));
}
Value NzMissing(const QString& text) {
    return NzMissing(Value(text));
}

QString cleanRoundText(const Value& v) {
    return CleanRound(v).text();
}
QString cleanRoundOrZeroText(const Value& v) {
    return CleanRoundOrZero(v).text();
}
QString nzZeroText(const Value& v) {
    return NzZero(v).text();
}
QString nzMissingText(const Value& v) {
    return NzMissing(v).text();
}
QString cleanRoundText(const QString& text) {
    return CleanRound(text).text();
}

QString displayText(double x) {
    return CleanRound(Value(x)).text();
}
QString displayText(float x) {
    return CleanRound(singleText(x)).text();
}
QString cleanRoundOrZeroText(const QString& text) {
    return CleanRoundOrZero(text).text();
}

} // namespace vernalt
