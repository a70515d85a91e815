// Small statistics procedures that both analysis windows share: which button of
// an option group is checked, rounding up to a number of decimals, and the
// sample standard deviation of an array.
#pragma once

#include <QAbstractButton>
#include <QString>
#include <span>

namespace vernalt {

// The index of the checked button of an option group, -1 if none is checked.
// The group is visited in order and the index of a button is its position, so
// a window passes its control array as it is: GetOption(optStratum). A null
// entry stands for an index that has no button and is passed over. Any range of
// pointers to buttons works (std::array<QRadioButton*, 5>, a std::vector...).
template <class Buttons> int GetOption(const Buttons& opts) {
    int index = 0;
    for (const auto* button : opts) {
        if (button && button->isChecked())
            return index;
        ++index;
    }
    return -1;
}

// Rounds x up to `digits` decimals: floor(x * 10^digits + 0.99999) / 10^digits.
// A value less than 0.00001 of the last kept decimal above a step stays on it
// (RoundUp(2.000001, 0) is 2); negative values move towards zero
// (RoundUp(-2.5, 0) is -2). Raises error 6 (overflow) when x * 10^digits or
// the result is not a finite number.
double RoundUp(double x, double digits);

// The sample standard deviation (divisor n - 1) of an array; 0 for fewer than
// two elements.
//
// `firstIndex` is the array's first index, 0 or 1: an array indexed from 1 is
// held with an unused element 0 (values[0] is ignored), as arrays carried over
// from 1-based code often are. A larger first index is treated the same way
// (elements before it are not used). Both windows pass arrays indexed from 0.
//
// `errorTag` is the calling window's tag for the common error report
// (logFunction("StdDev") or snagFunction("StdDev")). The only error reported is
// an argument that is not an array, which a typed argument rules out, so no
// message is ever shown; the tag is kept so that each call says whose it is.
// An overflow inside the sums skips that step silently; an overflow in the
// final root gives 0.
double StdDev(std::span<const double> values, const QString& errorTag = QString(),
              int firstIndex = 0);

} // namespace vernalt
