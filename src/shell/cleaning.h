// Cleaning and display rounding of the values that grids, text boxes, labels and
// database fields hold. Nearly every number the user sees passes through one of
// these, and results that are read back from the screen are computed with them.
//
// Cleaning removes every "," (a thousands separator, always) and then every "$"
// from the value's text. Display rounding rounds a number half to even to a
// number of decimals chosen from its size before rounding:
//     n >= 100: 0    n >= 10: 1    n >= 1: 2    n >= 0.01: 3    otherwise: 4
// Negative values are not mirrored: every negative value gets 4 decimals.
// A half that no double represents exactly (2.345) rounds by its decimal text
// of up to 15 significant digits, as the user sees it: 2.345 -> 2.34.
//
// | function         | null      | empty     | other text   | numeric text   |
// |------------------|-----------|-----------|--------------|----------------|
// | CleanRound       | raises 94 | ""        | cleaned text | rounded number |
// | CleanRoundOrZero | raises 94 | 0         | 0            | rounded number |
// | NzZero           | 0         | 0         | cleaned text | rounded number |
// | NzMissing        | -999999   | -999999   | cleaned text | rounded number |
//
// "Empty" is the empty value or the empty text; a text of blanks is not empty.
// The results are Values: a number or a text. Use .text() for what is shown and
// .toDouble() to compute with it (a text result raises 13, type mismatch).
#pragma once

#include "platform/value.h"

#include <QString>

namespace vernalt {

// The missing-value marker that NzMissing gives for a null or empty field.
inline constexpr int MissingValue = -999999;

// Number of decimals the display rounding keeps for n (0 to 4, see above).
int displayDecimals(double n);
// n rounded half to even to displayDecimals(n) decimals.
double displayRound(double n);
// The text with every "," and then every "$" removed.
QString cleanText(const QString& text);

Value CleanRound(const Value& v);
Value CleanRoundOrZero(const Value& v);
Value NzZero(const Value& v);
Value NzMissing(const Value& v);

// The same for a text (a grid cell, a text box or a label caption).
Value CleanRound(const QString& text);
Value CleanRoundOrZero(const QString& text);
Value NzZero(const QString& text);
Value NzMissing(const QString& text);

// The text of the result, as a window writes it into a grid cell or label:
// cleanRoundText(u"1,234.5"_s) is "1234", cleanRoundText(u"12 ft"_s) is "12 ft".
QString cleanRoundText(const Value& v);
QString cleanRoundOrZeroText(const Value& v);
QString nzZeroText(const Value& v);
QString nzMissingText(const Value& v);
QString cleanRoundText(const QString& text);
QString cleanRoundOrZeroText(const QString& text);

// The text a computed number is shown with: displayText(1234.5) is "1234",
// displayText(0.012345) is "0.012". A single-precision number is shown from
// its text of 7 significant digits, as a single is written.
QString displayText(double x);
QString displayText(float x);

} // namespace vernalt
