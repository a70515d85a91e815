// Rating of the sixteen snag plot dimensions for a density survey: density and
// variance per area, plots and area needed for the wanted precision, cost per
// plot unit and total cost, the lowest variance and the lowest cost per plot
// unit; and the choice of one plot dimension from the ratings.
//
// The rating works as the optimal grids show it: each cell is the display-
// rounded text of its formula, and later cells are computed from the texts that
// earlier cells show. A cell whose formula overflows or divides by zero is left
// empty and the rating goes on; any other run-time error ends it, keeping the
// cells written so far.
#pragma once

#include "platform/errors.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace vernalt {

inline constexpr int OptimalRows = 16; // grid row i + 1 is PlotDimension i

// plots needed for precision p: (t x sd)^2 / (p x mean)^2
double plotsNeeded(double t, double sd, double p, double mean);
// fixed cost of one plot unit of a sampling level: 0.265 x 2^level
double fixedCost(int level);
// cost of the survey: 0 when n is 0, n x C when n exceeds the N plots at hand, else N x C
double surveyCost(double plotsNeeded, double plotsAtHand, double costPerUnit);

// A sum of money as "$1,234.56": dollar sign, thousands commas, two decimals
// (halves to even), whatever the machine's locale; "-$3.50" below zero. A sum
// beyond 10^15 raises 6.
QString currencyText(double dollars);

// The cost category of an answer to the cost-category prompt: a whole number 1
// to 6 with blanks around it allowed; nullopt for anything else ("2.5", "3.0",
// "0", "7", words).
std::optional<int> costCategory(const QString& answer);

// What the rating reads: the texts of the cells the statistics step wrote, the
// plot sizes, the unit system's area factor, the two inputs of the Optimal page
// and the costs per sample of the chosen category (all 0 when none applies).
struct OptimalInputs {
    std::array<QString, OptimalRows> means;  // grdOptimal(0) column 2
    std::array<QString, OptimalRows> sds;    // grdOptimal(0) column 3
    std::array<QString, OptimalRows> counts; // grdStats column 3, N
    std::array<std::int32_t, OptimalRows> plotSizes{};
    std::int32_t areaFactor = 0;
    QString tValue;         // txtOptimalTvalue
    QString precisionLevel; // txtOptimalPrecisionLevel
    std::array<double, OptimalRows> costsPerSample{};
};

// The texts of one row of the three optimal grids.
struct OptimalRow {
    // grdOptimal(0)
    QString meanDensity;      // column 4
    QString variance;         // column 5
    QString relativeVariance; // column 6
    // grdOptimal(1)
    QString plotsNeeded;       // column 2
    QString sampleArea;        // column 3
    QString plotsAtHand;       // column 4, the count N copied
    QString relativeVariance1; // column 5
    QString fixedCost;         // column 6
    // grdOptimal(2)
    QString costPerSample; // column 2
    QString costPerUnit;   // column 3
    QString relativeCost;  // column 4
    QString product;       // column 5
    QString totalCost;     // column 6
};

struct OptimalRating {
    std::array<OptimalRow, OptimalRows> rows;
    QString lowestVariance;            // lblLowestVariance
    QString lowestTotalCost;           // lblLowestTotalCost
    std::optional<RuntimeError> error; // the error that ended the rating, if any
};

OptimalRating rateDimensions(const OptimalInputs& in);

// The grid row (1 to 16) of the cheapest plot dimension: the lowest non-zero
// total cost, read without rounding from the currency texts of grdOptimal(2)
// column 6; the earlier of equal rows; row 1 when no row has a cost.
int automaticRow(const std::array<QString, OptimalRows>& totalCosts);

// The row an "Optimal Selection" item array imposes: the last checked item of 1
// to 16, or 0 when "Automatic" (item 0) is checked or no item is.
int menuRow(const std::array<bool, OptimalRows + 1>& checked);

} // namespace vernalt
