#include "shell/correlation.h"

#include "platform/errors.h"
#include "platform/prompts.h"

#include <QString>
#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace vernalt {

NumberTable CorrelationPairs;

void NumberTable::redim(int rows, int columns) {
    rows_ = std::max(rows, 0);
    columns_ = std::max(columns, 0);
    cells_.assign(static_cast<std::size_t>(rows_) * static_cast<std::size_t>(columns_), 0.0);
    dimensioned_ = true;
}

int NumberTable::index(int row, int column) const {
    if (row < 0 || row >= rows_ || column < 0 || column >= columns_)
        raise(err::SubscriptRange);
    return row * columns_ + column;
}

double NumberTable::at(int row, int column) const {
    return cells_[static_cast<std::size_t>(index(row, column))];
}

void NumberTable::set(int row, int column, double value) {
    cells_[static_cast<std::size_t>(index(row, column))] = value;
}

bool HasTwoColumns(const NumberTable& data) {
    return data.isDimensioned() && data.columns() >= 2;
}

namespace {

// The weight of a row: |1/divisor| for the mode's divisor, 1 when it is 0.
double rowWeight(int mode, double x, double y) {
    double divisor = 0;
    switch (mode) {
    case WeightInverseX:
        divisor = x;
        break;
    case WeightInverseXSquared:
        divisor = checked::mul(x, x);
        break;
    case WeightInverseY:
        divisor = y;
        break;
    case WeightInverseYSquared:
        divisor = checked::mul(y, y);
        break;
    default:
        return 1;
    }
    if (divisor == 0)
        return 1;
    return std::abs(checked::div(1, divisor));
}

bool columnIsConstant(const NumberTable& data, int column) {
    const double first = data.at(0, column);
    for (int i = 1; i < data.rows(); ++i)
        if (data.at(i, column) != first)
            return false;
    return true;
}

double coefficient(const NumberTable& data, int colX, int colY, int weightMode) {
    if (!data.isDimensioned())
        raise(err::SubscriptRange); // never filled
    if (data.rows() < 3 || !HasTwoColumns(data))
        return 99;
    if (weightMode < 0 || weightMode > 4)
        weightMode = WeightEqual;
    const int c = data.columns() - 1;
    if (colX < 0 || colX > c)
        colX = 0;
    if (colY < 0 || colY > c)
        colY = 1;

    // Without spread in a column the coefficient is undefined.
    if (columnIsConstant(data, colX) || columnIsConstant(data, colY))
        return 0;

    using namespace checked;
    double sw = 0, sx = 0, sy = 0, sxx = 0, syy = 0, sxy = 0;
    for (int i = 0; i < data.rows(); ++i) {
        const double x = data.at(i, colX);
        const double y = data.at(i, colY);
        const double w = rowWeight(weightMode, x, y);
        sx = add(sx, mul(w, x));
        sxx = add(sxx, mul(mul(x, x), w));
        sy = add(sy, mul(w, y));
        syy = add(syy, mul(mul(y, y), w));
        sxy = add(sxy, mul(mul(x, y), w));
        sw = add(sw, w);
    }
    // num = Sxy - Sx*Sy/Sw
    const double num = sub(sxy, div(mul(sx, sy), sw));
    // each factor of the denominator: S** - S*^2/Sw (weighted sum of squared deviations)
    const double varX = sub(sxx, div(mul(sx, sx), sw));
    const double varY = sub(syy, div(mul(sy, sy), sw));
    // Rounding can leave a factor at or a hair below 0: no spread, no coefficient.
    if (varX <= 0 || varY <= 0)
        return 0;
    const double den = checked::sqrt(mul(varX, varY));
    if (den == 0)
        return 0;
    return std::clamp(div(num, den), -1.0, 1.0);
}

} // namespace

double CorrelationCoefficient(const NumberTable& data, int colX, int colY, int weightMode) {
    try {
        return coefficient(data, colX, colY, weightMode);
    } catch (const RuntimeError&) {
        prompts().messageBox(u"Error in module CorrelationCoefficient!"_s, u"Attention!"_s,
                             MsgIcon::Exclamation);
        return 0;
    }
}

} // namespace vernalt
