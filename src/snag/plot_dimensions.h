// The sixteen plot dimensions of the snag analysis: four sampling levels by four
// strip widths, named "Subsegment10" .. "Transect40", with their plot areas read
// from table PlotSizes for one unit system.
#pragma once

#include "shell/sampling_units.h"

#include <QString>
#include <array>
#include <cstdint>

namespace vernalt {

inline constexpr int PlotDimensionCount = 16; // index 4 x level + width
// LevelCount and WidthCount: shell/sampling_units.h

// Square units per area unit: 10000 m^2 per hectare, 43560 ft^2 per acre.
inline constexpr std::int32_t MetricAreaFactor = 10000;
inline constexpr std::int32_t EnglishAreaFactor = 43560;
constexpr std::int32_t areaFactor(bool metric) {
    return metric ? MetricAreaFactor : EnglishAreaFactor;
}

using WidthTextArray = std::array<QString, WidthCount>;
using DimensionSizeArray = std::array<std::int32_t, PlotDimensionCount>;

// "Subsegment", "Segment", "Section", "Transect" for levels 0 to 3.
QString levelName(int level);

// Name of a plot dimension: its level's name followed by its width's text
// ("Segment20" for dimension 5 with the metric widths).
QString plotDimensionName(int dimension, const WidthTextArray& widthTexts);

// A plot area in whole square units, halves to the even neighbour (187.5 gives
// 188, 2.5 gives 2); an area beyond 32 bits raises error 6.
std::int32_t wholePlotArea(double plotSize);

// Reads the rows of one unit system ("Metric" or "English") of table PlotSizes,
// in index order: entry `Index` of `sizes` gets the row's plot area, and entries 0
// to 3 of `widths` the widths of rows 0 to 3. Entries that no row supplies keep
// their values. A row with an index outside 0 to 15 raises error 9, a null area or
// width error 94; the entries read before the failing row keep their new values.
void readPlotSizes(bool metric, DimensionSizeArray& sizes, WidthTextArray& widths);

} // namespace vernalt
