// Values as grids, text boxes, labels and database fields hold them, and the
// conversions between numbers and text that the whole program relies on.
#pragma once

#include <QString>
#include <QVariant>
#include <cstdint>

namespace vernalt {

// One value: empty, null (a database field with no value), a number or a text.
class Value {
public:
    enum class Kind { Empty, Null, Number, Text };

    Value() = default; // empty
    Value(double number) : kind_(Kind::Number), number_(number) {}
    Value(int number) : kind_(Kind::Number), number_(number) {}
    Value(const QString& text) : kind_(Kind::Text), text_(text) {}
    Value(const char* text) : kind_(Kind::Text), text_(QString::fromUtf8(text)) {}
    static Value null() { Value v; v.kind_ = Kind::Null; return v; }
    // A database field: a null QVariant is null, numbers stay numbers, anything else is text.
    static Value fromVariant(const QVariant& v);

    Kind kind() const { return kind_; }
    bool isEmpty() const { return kind_ == Kind::Empty; }
    bool isNull() const { return kind_ == Kind::Null; }
    bool isNumber() const { return kind_ == Kind::Number; }
    bool isText() const { return kind_ == Kind::Text; }

    double number() const { return number_; } // valid for Kind::Number
    // The usual text of the value: a number through numberText(), the empty value as "".
    // A null has no text: raises error 94 (invalid use of Null).
    QString text() const;
    // The value as a double: a number as it is, a numeric text read by toDouble(),
    // empty as 0; null raises 94, other text raises 13.
    double toDouble() const;

    bool operator==(const Value& o) const;

private:
    Kind kind_ = Kind::Empty;
    double number_ = 0;
    QString text_;
};

// True for a text that reads as a number: blanks around it, an optional sign,
// digits with at most one decimal point, an optional exponent (e/E/d/D with
// optional sign and digits). "." is the only decimal point, whatever the locale.
// The empty text and a lone sign or point are not numeric.
bool isNumeric(const QString& text);

// Reads the number at the start of a text (after leading blanks), 0 if there is
// none; never fails. "12 ft" gives 12, "abc" gives 0, "1,5" gives 1. Blanks
// within the number are passed over ("1 2" gives 12); a number too large for a
// double gives 0.
double leadingNumber(const QString& text);

// Reads a whole text as a number; raises error 13 (type mismatch) when
// isNumeric(text) is false.
double toDouble(const QString& text);

// Round half to even to a whole number that fits 16 or 32 bits; raises
// error 6 (overflow) when it does not fit (or for NaN/inf).
std::int16_t toInt16(double x);
std::int32_t toInt32(double x);

// The text of a number as the user sees it: shortest general form with up to
// 15 significant digits ("0.1", "1234.5", "0.5"), exponent form when the
// exponent is below -4 or 15 and above ("1E+20", "1.5E-07"), "." as decimal
// point, never "-0".
QString numberText(double x);
// The same for a single-precision number: up to 7 significant digits.
QString singleText(float x);

// Rounds x half to even to d decimals (d >= 0), using the decimal text of x
// with up to 15 significant digits, so 2.345 at 2 gives 2.34 and 2.355 gives 2.36.
// The result is the double nearest the rounded decimal, never -0; negative
// `decimals` raise error 5.
double roundHalfEven(double x, int decimals);

} // namespace vernalt
