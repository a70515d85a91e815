#include "platform/value.h"

#include "platform/errors.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>
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

// Reads the ASCII digits of a number made of [sign] digits [. digits] [e [sign] digits]
// into the form std::from_chars accepts: no '+', 'e' for the exponent.
struct Scanned {
    std::string chars; // what from_chars reads
    qsizetype end = 0; // index after the last character taken
    bool hasDigits = false;
};

// Scans a number starting at `pos`. With `skipInnerBlanks` blanks between the
// characters of the number are passed over (as the leading-number reading does).
Scanned scanNumber(const QString& s, qsizetype pos, bool skipInnerBlanks) {
    Scanned r;
    const qsizetype n = s.size();
    auto skip = [&](qsizetype i) {
        if (skipInnerBlanks)
            while (i < n && (isBlank(s[i]) || s[i] == u'\n' || s[i] == u'\r'))
                ++i;
        return i;
    };
    qsizetype i = pos;
    if (i < n && (s[i] == u'+' || s[i] == u'-')) {
        if (s[i] == u'-')
            r.chars += '-';
        i = skip(i + 1);
    }
    while (i < n && isDigit(s[i])) {
        r.chars += char(s[i].unicode());
        r.hasDigits = true;
        i = skip(i + 1);
    }
    if (i < n && s[i] == u'.') {
        r.chars += '.';
        i = skip(i + 1);
        while (i < n && isDigit(s[i])) {
            r.chars += char(s[i].unicode());
            r.hasDigits = true;
            i = skip(i + 1);
        }
    }
    r.end = i;
    if (!r.hasDigits)
        return r;
    // An exponent counts only when digits follow it.
    if (i < n && isExponentMark(s[i])) {
        qsizetype j = skip(i + 1);
        std::string exp = "e";
        if (j < n && (s[j] == u'+' || s[j] == u'-')) {
            if (s[j] == u'-')
                exp += '-';
            j = skip(j + 1);
        }
        bool expDigits = false;
        while (j < n && isDigit(s[j])) {
            exp += char(s[j].unicode());
            expDigits = true;
            j = skip(j + 1);
        }
        if (expDigits) {
            r.chars += exp;
            r.end = j;
        }
    }
    return r;
}

enum class Parse { Ok, Overflow };

// Converts scanned characters; a number too small to hold gives 0, one too
// large reports Overflow.
Parse convert(const std::string& chars, double& out) {
    const char* first = chars.data();
    const char* last = first + chars.size();
    const auto [ptr, ec] = std::from_chars(first, last, out);
    if (ec == std::errc() && ptr == last)
        return Parse::Ok;
    // Out of range: tell a tiny number from a huge one by its decimal magnitude,
    // the mantissa being 0.d... * 10^lead and the exponent written after 'e'.
    const std::size_t e = chars.find('e');
    long long exponent = 0;
    if (e != std::string::npos) {
        std::size_t k = e + 1;
        const bool negative = k < chars.size() && chars[k] == '-';
        if (negative)
            ++k;
        for (; k < chars.size(); ++k)
            exponent = std::min(exponent * 10 + (chars[k] - '0'), 1000000000LL);
        if (negative)
            exponent = -exponent;
    }
    long long intDigits = 0, zerosAfterPoint = 0;
    bool seenPoint = false, seenNonZero = false;
    for (std::size_t k = 0; k < std::min(e, chars.size()); ++k) {
        const char c = chars[k];
        if (c == '.') {
            seenPoint = true;
        } else if (c >= '0' && c <= '9') {
            if (c != '0')
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

// The digits of x rounded to `precision` significant digits, and its decimal exponent:
// x = 0.d1d2d3... * 10^(exponent + 1). Trailing zeros are removed; "0" for zero.
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

Decimal decimalOf(double x, int precision) {
    Decimal d;
    if (x == 0) {
        d.digits.assign(1, '0');
        return d;
    }
    std::array<char, 64> buf{};
    auto [ptr, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), x,
                                   std::chars_format::scientific, precision - 1);
    (void)ec;
    std::string s(buf.data(), ptr);
    std::size_t i = 0;
    if (s[i] == '-') {
        d.negative = true;
        ++i;
    }
    const std::size_t e = s.find('e');
    for (; i < e; ++i)
        if (s[i] != '.')
            d.digits += s[i];
    int exponent = 0;
    const char* ef = s.data() + e + 1;
    if (*ef == '+')
        ++ef;
    std::from_chars(ef, s.data() + s.size(), exponent);
    d.exponent = exponent;
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
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
    if (d.digits == "0")
        return QStringLiteral("0");
    std::string out;
    if (d.negative)
        out += '-';
    const int e = d.exponent;
    const int n = int(d.digits.size());
    if (e < -4 || e >= precision) {
        out += d.digits[0];
        if (n > 1) {
            out += '.';
            out.append(d.digits, 1, std::string::npos);
        }
        out += 'E';
        out += e < 0 ? '-' : '+';
        const int a = e < 0 ? -e : e;
        if (a < 10)
            out += '0';
        out += std::to_string(a);
    } else if (e < 0) {
        out += "0.";
        out.append(std::size_t(-e - 1), '0');
        out += d.digits;
    } else if (n <= e + 1) {
        out += d.digits;
        out.append(std::size_t(e + 1 - n), '0');
    } else {
        out.append(d.digits, 0, std::size_t(e + 1));
        out += '.';
        out.append(d.digits, std::size_t(e + 1), std::string::npos);
    }
    return QString::fromLatin1(out.data(), qsizetype(out.size()));
}

// "-0.<digits>e<exponent>": the number 0.digits * 10^exponent as from_chars reads it.
std::string scaledText(bool negative, const std::string& digits, int exponent) {
    std::string s;
    if (negative)
        s += '-';
    s += '0';
    s += '.';
    s += digits;
    s += 'e';
    s += std::to_string(exponent);
    return s;
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
    const Decimal d = decimalOf(x, 15);
    // Digit k of d.digits stands for 10^(exponent - k); keep those with
    // exponent - k >= -decimals, that is k <= exponent + decimals.
    const int keep = d.exponent + decimals + 1; // number of digits kept
    if (keep >= int(d.digits.size())) {
        // Nothing beyond the kept place: the value as its 15-digit text shows it.
        double out = 0;
        convert(scaledText(d.negative, d.digits, d.exponent + 1), out);
        return out;
    }
    if (keep < 0)
        return 0.0; // below half of the last kept place
    std::string kept = d.digits.substr(0, std::size_t(keep));
    const char next = d.digits[std::size_t(keep)];
    const bool restZero =
        d.digits.find_first_not_of('0', std::size_t(keep) + 1) == std::string::npos;
    bool up = false;
    if (next > '5') {
        up = true;
    } else if (next == '5') {
        if (!restZero) {
            up = true;
        } else {
            const char last = kept.empty() ? '0' : kept.back();
            up = (last - '0') % 2 == 1;
        }
    }
    int exponent = d.exponent + 1; // value = 0.kept * 10^exponent
    if (up) {
        int k = int(kept.size()) - 1;
        while (k >= 0 && kept[std::size_t(k)] == '9') {
            kept[std::size_t(k)] = '0';
            --k;
        }
        if (k >= 0) {
            ++kept[std::size_t(k)];
        } else {
            kept.insert(kept.begin(), '1');
            ++exponent;
        }
    }
    if (kept.empty() || kept.find_first_not_of('0') == std::string::npos)
        return 0.0;
    double out = 0;
    if (convert(scaledText(d.negative, kept, exponent), out) == Parse::Overflow)
        raise(err::Overflow);
    return out;
}

} // namespace vernalt
