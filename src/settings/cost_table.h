// The cost-per-sample guidelines: dollars per sample unit of each of the
// sixteen plot dimensions under six cost categories, in both unit systems.
// Constants of the program, shown by frmGuidelines and read by the snag
// window's optimal-plot choice.
#pragma once

#include <QString>
#include <array>

namespace vernalt {

inline constexpr int CostCategories = 6;      // categories 1 to 6
inline constexpr int CostPlotDimensions = 16; // plot dimensions 0 to 15

// The costs of one unit system.
struct CostPerSampleSystem {
    // Row names: the plot-dimension names the default strip widths give.
    std::array<const char16_t*, CostPlotDimensions> rowNames;
    const char16_t* lowDensity;    // density text of categories 1, 3, 5
    const char16_t* higherDensity; // density text of categories 2, 4, 6
    // costs[plot dimension][category - 1], dollars per sample, two decimals.
    std::array<std::array<double, CostCategories>, CostPlotDimensions> costs;
};

// The whole table: [0] English, [1] metric.
struct CostPerSampleTableData {
    std::array<const char16_t*, CostCategories> titles; // "Easy Low Density (1)" ...
    std::array<CostPerSampleSystem, 2> systems;
};
extern const CostPerSampleTableData CostPerSampleTable;

// The cost of a plot dimension (0 to 15) under a category (1 to 6) in a unit
// system. A category or plot dimension out of range raises error 9.
double costPerSample(bool metric, int category, int plotDimension);
// The same cost as text with two decimals and a digit before the point ("0.30").
QString costPerSampleText(bool metric, int category, int plotDimension);
// The column title of a category (1 to 6); error 9 out of range.
QString costCategoryTitle(int category);
// The density text shown under a category's title: "(< 0.8/ha)", "(> 5/ac)" ...
QString costDensityText(bool metric, int category);
// The row name of a plot dimension (0 to 15): "Subsegment10", "Transect132" ...
QString costRowName(bool metric, int plotDimension);

// A number as text with exactly two decimals, through numberText() after
// rounding half to even to two decimals: 0.3 gives "0.30", 12 gives "12.00".
QString twoDecimalText(double x);

} // namespace vernalt
