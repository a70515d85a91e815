// The weighted Pearson correlation coefficient of two columns of a table of
// numbers, and the program-wide table of pairs that the serial-correlation
// buttons of both analysis windows fill before asking for it.
#pragma once

#include <vector>

namespace vernalt {

// A two-dimensional table of double-precision numbers, rows first, both indexed
// from 0. A default-constructed table has never been dimensioned.
class NumberTable {
  public:
    NumberTable() = default;
    NumberTable(int rows, int columns) { redim(rows, columns); }

    // Re-dimensions the table to rows x columns, all 0 (negative counts give 0).
    void redim(int rows, int columns);
    bool isDimensioned() const { return dimensioned_; }
    int rows() const { return rows_; }
    int columns() const { return columns_; }
    // The cell (row, column); raises error 9 (subscript out of range) outside the table.
    double at(int row, int column) const;
    void set(int row, int column, double value);

  private:
    int index(int row, int column) const;
    bool dimensioned_ = false;
    int rows_ = 0;
    int columns_ = 0;
    std::vector<double> cells_;
};

// The pairs of adjacent sampling units: row p is pair p, column 0 the value of
// a unit and column 1 the value of the next unit along the same transect. The
// correlation button of whichever window runs re-dimensions and fills it; it
// keeps the last pairs until the next run.
extern NumberTable CorrelationPairs;

// True when the table has a second column.
bool HasTwoColumns(const NumberTable& data);

// How rows are weighted: 0 equally, 1 by |1/x|, 2 by |1/x^2|, 3 by |1/y|,
// 4 by |1/y^2|; a row whose divisor is 0 weighs 1. Any other mode counts as 0.
enum WeightMode {
    WeightEqual = 0,
    WeightInverseX,
    WeightInverseXSquared,
    WeightInverseY,
    WeightInverseYSquared
};

// The weighted correlation coefficient r of columns colX and colY of `data`:
//     r = (Sxy - Sx*Sy/Sw) / sqrt((Sxx - Sx^2/Sw) * (Syy - Sy^2/Sw))
// with the weighted sums over all rows. A column index outside the table
// selects column 0 (colX) or 1 (colY), so the windows call
// CorrelationCoefficient(CorrelationPairs, -1, -1, 0).
//  - Fewer than three rows, or fewer than two columns: 99 (too little data).
//  - A column whose values are all equal, or variances that rounding leaves at
//    or below 0: 0, the coefficient being undefined; nothing is shown.
//  - Any run-time error (a table never dimensioned, an overflow in the sums)
//    shows "Error in module CorrelationCoefficient!" titled "Attention!" with
//    the exclamation icon, and gives 0.
// A result that rounding puts a hair outside -1..1 is brought back to the bound.
double CorrelationCoefficient(const NumberTable& data, int colX, int colY, int weightMode);

} // namespace vernalt
