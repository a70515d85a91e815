#include "platform/value.h"

#include "platform/errors.h"

#include <QVarLengthArray>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace vernalt {

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}
bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}
bool isExponentMark(QChar c) {
    return c == u'e' || c == u'E' || c == u'd' || c == u'D';
}

// Characters of a number in the form std::from_chars reads; short numbers stay
// on the stack.
using Chars = QVarLengthArray<char, 48>;

// Reads the ASCII digits of a number made of [sign] digits [. digits] [e [sign] digits]
// into the form std::from_chars accepts: no '+', 'e' for the exponent.
struct Scanned {
    Chars chars;       // what from_chars reads
    qsizetype end = 0; // index after the last character taken
    bool hasDigits = false;
};

// Scans a number starting at `pos`. With `skipInnerBlanks` blanks between the
// characters of the number are passed over (as the leading-number reading does).
Scanned scanNumber(const QString& s, qsizetype pos, bool skipInnerBlanks) {
    Scanned r;
    const qsizetype n = s.size();
    const QChar* c = s.constData();
    auto skip = [&](qsizetype i) {
        if (skipInnerBlanks)
            while (i < n && (isBlank(c[i]) || c[i] == u'\n' || c[i] == u'\r'))
                ++i;
        return i;
    };
    qsizetype i = pos;
    if (i < n && (c[i] == u'+' || c[i] == u'-')) {
        if (c[i] == u'-')
            r.chars.append('-');
        i = skip(i + 1);
    }
    while (i < n && isDigit(c[i])) {
        r.chars.append(char(c[i].unicode()));
        r.hasDigits = true;
        i = skip(i + 1);
    }
    if (i < n && c[i] == u'.') {
        r.chars.append('.');
        i = skip(i + 1);
        while (i < n && isDigit(c[i])) {
            r.chars.append(char(c[i].unicode()));
            r.hasDigits = true;
            i = skip(i + 1);
        }
    }
    r.end = i;
    if (!r.hasDigits)
        return r;
    // An exponent counts only when digits follow it.
    if (i < n && isExponentMark(c[i])) {
        qsizetype j = skip(i + 1);
        const qsizetype mark = r.chars.size();
        r.chars.append('e');
        if (j < n && (c[j] == u'+' || c[j] == u'-')) {
            if (c[j] == u'-')
                r.chars.append('-');
            j = skip(j + 1);
        }
        bool expDigits = false;
        while (j < n && isDigit(c[j])) {
            r.chars.append(char(c[j].unicode()));
            expDigits = true;
            j = skip(j + 1);
        }
        if (expDigits)
            r.end = j;
        else
            r.chars.resize(mark);
    }
    return r;
}

enum class Parse { Ok, Overflow };

// Converts scanned characters; a number too small to hold gives 0, one too
// large reports Overflow.
Parse convert(const char* first, const char* last, double& out) {
    const auto [ptr, ec] = std::from_chars(first, last, out);
    if (ec == std::errc() && ptr == last)
        return Parse::Ok;
    // Out of range: tell a tiny number from a huge one by its decimal magnitude,
    // the mantissa being 0.d... * 10^lead and the exponent written after 'e'.
    const char* e = std::find(first, last, 'e');
    long long exponent = 0;
    if (e != last) {
        const char* k = e + 1;
        const bool negative = k < last && *k == '-';
        if (negative)
            ++k;
        for (; k < last; ++k)
            exponent = std::min(exponent * 10 + (*k - '0'), 1000000000LL);
        if (negative)
            exponent = -exponent;
    }
    long long intDigits = 0, zerosAfterPoint = 0;
    bool seenPoint = false, seenNonZero = false;
    for (const char* k = first; k < e; ++k) {
        if (*k == '.') {
            seenPoint = true;
        } else if (*k >= '0' && *k <= '9') {
            if (*k != '0')
                seenNonZero = true;
            if (!seenPoint && seenNonZero)
                ++intDigits;
            if (seenPoint && !seenNonZero)
                ++zerosAfterPoint;
        }
    }
    const long long lead = intDigits > 0 ? intDigits : -zerosAfterPoint;
    if (seenNonZero && exponent + lead > 0)
        return Parse::Overflow;
    out = 0.0;
    return Parse::Ok;
}

Parse convert(const Chars& chars, double& out) {
    return convert(chars.data(), chars.data() + chars.size(), out);
}

// The digits of x rounded to `precision` significant digits, and its decimal
// exponent: x = d1.d2d3... * 10^exponent. Trailing zeros are removed; "0" for zero.
struct Decimal {
    bool negative = false;
    char digits[24] = {};
    int count = 0;
    int exponent = 0;
};

Decimal decimalOf(double x, int precision) {
    Decimal d;
    if (x == 0) {
        d.digits[0] = '0';
        d.count = 1;
        return d;
    }
    // The shortest digits that read back as x are its rounding to `precision`
    // digits whenever there are no more of them; otherwise round explicitly.
    char buf[40];
    auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific);
    int digits = 0;
    for (const char* p = buf; p < ptr && *p != 'e'; ++p)
        digits += *p >= '0' && *p <= '9';
    if (digits > precision || !std::isnormal(x)) // a subnormal's shortest digits are coarser
        ptr = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, precision - 1)
                  .ptr;
    (void)ec;
    const char* p = buf;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    for (; p < ptr && *p != 'e'; ++p)
        if (*p != '.')
            d.digits[d.count++] = *p;
    ++p; // past 'e'
    if (p < ptr && *p == '+')
        ++p;
    std::from_chars(p, ptr, d.exponent);
    while (d.count > 1 && d.digits[d.count - 1] == '0')
        --d.count;
    return d;
}

// General form with `precision` significant digits: exponent form when the
// exponent is below -4 or at least `precision`, exponent with at least two digits.
QString generalText(double x, int precision) {
    if (std::isnan(x))
        return QStringLiteral("NaN");
    if (std::isinf(x))
        return x > 0 ? QStringLiteral("Infinity") : QStringLiteral("-Infinity");
    const Decimal d = decimalOf(x, precision);
    if (d.count == 1 && d.digits[0] == '0')
        return QStringLiteral("0");
    char out[48];
    int o = 0;
    if (d.negative)
        out[o++] = '-';
    const int e = d.exponent;
    const int n = d.count;
    if (e < -4 || e >= precision) {
        out[o++] = d.digits[0];
        if (n > 1) {
            out[o++] = '.';
            for (int k = 1; k < n; ++k)
                out[o++] = d.digits[k];
        }
        out[o++] = 'E';
        out[o++] = e < 0 ? '-' : '+';
        const int a = e < 0 ? -e : e;
        if (a >= 100)
            out[o++] = char('0' + a / 100);
        out[o++] = char('0' + a / 10 % 10);
        out[o++] = char('0' + a % 10);
    } else if (e < 0) {
        out[o++] = '0';
        out[o++] = '.';
        for (int k = 0; k < -e - 1; ++k)
            out[o++] = '0';
        for (int k = 0; k < n; ++k)
            out[o++] = d.digits[k];
    } else {
        for (int k = 0; k < std::max(n, e + 1); ++k) {
            if (k == e + 1)
                out[o++] = '.';
            out[o++] = k < n ? d.digits[k] : '0';
        }
    }
    return QString::fromLatin1(out, o);
}

// Round half to even to a whole number, as a double.
double roundWholeHalfEven(double x) {
    const double f = std::floor(x);
    const double diff = x - f;
    if (diff > 0.5)
        return f + 1;
    if (diff < 0.5)
        return f;
    return std::fmod(f, 2.0) == 0 ? f : f + 1;
}

} // namespace

Value Value::fromVariant(const QVariant& v) {
    if (!v.isValid() || v.isNull())
        return Value::null();
    switch (v.metaType().id()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
        return Value(v.toDouble());
    case QMetaType::Bool:
        return Value(v.toBool() ? -1 : 0); // True is -1, as the program's truth values are
    default:
        return Value(v.toString());
    }
}

QString Value::text() const {
    switch (kind_) {
    case Kind::Empty:
        return QString();
    case Kind::Null:
        raise(err::InvalidNull);
    case Kind::Number:
        return numberText(number_);
    case Kind::Text:
        break;
    }
    return text_;
}

double Value::toDouble() const {
    switch (kind_) {
    case Kind::Empty:
        return 0;
    case Kind::Null:
        raise(err::InvalidNull);
    case Kind::Number:
        return number_;
    case Kind::Text:
        break;
    }
    return vernalt::toDouble(text_);
}

bool Value::operator==(const Value& o) const {
    if (kind_ != o.kind_)
        return false;
    switch (kind_) {
    case Kind::Empty:
    case Kind::Null:
        return true;
    case Kind::Number:
        return number_ == o.number_;
    case Kind::Text:
        break;
    }
    return text_ == o.text_;
}

namespace {

// Whole-text reading: blanks, the number, blanks; false when anything else is there.
bool readWhole(const QString& text, double& out, bool& overflow) {
    overflow = false;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && isBlank(text[i]))
        ++i;
    const Scanned s = scanNumber(text, i, false);
    if (!s.hasDigits)
        return false;
    qsizetype j = s.end;
    while (j < n && isBlank(text[j]))
        ++j;
    if (j != n)
        return false;
    if (convert(s.chars, out) == Parse::Overflow) {
        overflow = true;
        return false;
    }
    return true;
}

} // namespace

bool isNumeric(const QString& text) {
    double x = 0;
    bool overflow = false;
    return readWhole(text, x, overflow);
}

double leadingNumber(const QString& text) {
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && (isBlank(text[i]) || text[i] == u'\n' || text[i] == u'\r'))
        ++i;
    const Scanned s = scanNumber(text, i, true);
    if (!s.hasDigits)
        return 0;
    double x = 0;
    if (convert(s.chars, x) == Parse::Overflow)
        return 0; // too large to hold: no number
    return x == 0 ? 0.0 : x;
}

double toDouble(const QString& text) {
    double x = 0;
    bool overflow = false;
    if (!readWhole(text, x, overflow))
        raise(overflow ? err::Overflow : err::TypeMismatch);
    return x == 0 ? 0.0 : x;
}

std::int16_t toInt16(double x) {
    if (!std::isfinite(x))
        raise(err::Overflow);
    const double r = roundWholeHalfEven(x);
    if (r < -32768.0 || r > 32767.0)
        raise(err::Overflow);
    return std::int16_t(r);
}

std::int32_t toInt32(double x) {
    if (!std::isfinite(x))
        raise(err::Overflow);
    const double r = roundWholeHalfEven(x);
    if (r < -2147483648.0 || r > 2147483647.0)
        raise(err::Overflow);
    return std::int32_t(r);
}

QString numberText(double x) {
    return generalText(x, 15);
}

QString singleText(float x) {
    // The float's own shortest digits, not those of its double widening
    // (0.1f is 0.100000001490116 as a double).
    return generalText(double(x), 7);
}

double roundHalfEven(double x, int decimals) {
    if (decimals < 0)
        raise(err::InvalidCall);
    if (!std::isfinite(x) || x == 0)
        return x == 0 ? 0.0 : x;
    Decimal d = decimalOf(x, 15);
    // Digit k stands for 10^(exponent - k); those with exponent - k >= -decimals
    // are kept, that is the first exponent + decimals + 1 of them.
    const int keep = d.exponent + decimals + 1;
    if (keep < 0)
        return 0.0; // below half of the last kept place
    int exponent = d.exponent;
    if (keep < d.count) {
        const char next = d.digits[keep];
        bool restZero = true;
        for (int k = keep + 1; k < d.count; ++k)
            restZero = restZero && d.digits[k] == '0';
        bool up = next > '5' || (next == '5' && !restZero);
        if (next == '5' && restZero) // an exact half goes to the even neighbour
            up = keep > 0 && (d.digits[keep - 1] - '0') % 2 == 1;
        d.count = keep;
        if (up) {
            int k = keep - 1;
            while (k >= 0 && d.digits[k] == '9')
                d.digits[k--] = '0';
            if (k >= 0) {
                ++d.digits[k];
            } else { // all nines: one more digit in front
                for (int j = d.count; j > 0; --j)
                    d.digits[j] = d.digits[j - 1];
                d.digits[0] = '1';
                ++d.count;
                ++exponent;
            }
        }
    }
    bool zero = true;
    for (int k = 0; k < d.count; ++k)
        zero = zero && d.digits[k] == '0';
    if (zero)
        return 0.0;
    // "-<digits>e<exponent - count + 1>" read back as the nearest double.
    char text[48];
    int o = 0;
    if (d.negative)
        text[o++] = '-';
    for (int k = 0; k < d.count; ++k)
        text[o++] = d.digits[k];
    text[o++] = 'e';
    const auto [end, ec] = std::to_chars(text + o, text + sizeof text, exponent - d.count + 1);
    (void)ec;
    double out = 0;
    if (convert(text, end, out) == Parse::Overflow)
        raise(err::Overflow);
    return out;
}

} // namespace vernalt
