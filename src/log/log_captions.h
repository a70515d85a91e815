// The unit-dependent captions and grid headers of the log window, by unit system,
// method and metric. Every caption lives once, in the tables of log_captions.cpp;
// these functions pick and join them. No widget is involved, so each header can
// be checked on its own.
#pragma once

#include <QString>
#include <array>
#include <optional>

namespace vernalt::logcap {

// The metrics, in the order of the Formula menu.
enum Formula : int {
    NoFormula = -1,
    Density = 0,
    Length = 1,
    PercentCover = 2,
    Tally = 3,
    Volume = 4,
    Weight = 5,
};

// The metric that the caption of the Formula page names ("Density", "Length",
// "Percent Cover", "Tally", "Volume", "Weight"; exact, case-sensitive), or
// NoFormula (the caption "Formula" before a metric is chosen).
Formula formulaOfCaption(const QString& caption);

// Headers of the optimal grids (grdOptimal, grdOptimal2) for a metric.
QString optimalHeader(Formula f, bool metric);
QString optimal2Header(Formula f, bool metric);

// The metric's title (a column of the formula sheets) and the three page headings.
struct PageCaptions {
    QString title;            // "Density (logs/ha)"
    QString formula;          // lblFormula
    QString optimal;          // lblOptimal
    QString sampleSizeHeader; // lblSampleSizeHeader
};
PageCaptions pageCaptions(Formula f, bool metric);

// Headers of the formula sheets. Line intersect: always, with `title` (empty
// before a metric is chosen). Strip plots: only for a metric (nullopt otherwise).
std::optional<QString> formulaSimpleHeader(bool lim, Formula f, bool metric, const QString& title);
std::optional<QString> formulaStratifiedHeader(bool lim, Formula f, bool metric,
                                               const QString& title);
// Column counts of the formula sheets: 7 and 11 under line intersect, 8 and 12 otherwise.
int formulaSimpleCols(bool lim);
int formulaStratifiedCols(bool lim);

// Headers of the two sample-size grids for the first checked Formula menu item
// (nullopt when none is checked).
struct SampleSizeHeaders {
    QString first, second;
};
std::optional<SampleSizeHeaders> sampleSizeHeaders(bool lim, Formula menuFormula, bool metric);

// Headers of the allocation grids of the Sample Size page and of the combined design.
QString allocationHeader(bool metric);
QString comboAllocationHeader(bool metric);

// Captions that follow the unit system alone.
struct UnitCaptions {
    QString totalTransectLength;              // the four "Total Transect Length Required" labels
    QString stratumSizeFrame;                 // frmStratifiedStratumSize
    QString landscapeAreaFrame;               // frmLandscapeArea
    QString totalSize;                        // lblTotalSize
    QString combo2, combo3, combo11, combo14; // lblCombo(2), (3), (11), (14)
};
UnitCaptions unitCaptions(bool metric);

// Places (twips) of the eight title and figure labels of the formula page, in
// the order SimpleMetricTitle, SimpleMetricFormula, SimpleEnglishTitle,
// SimpleEnglishFormula, then the same four of the stratified sheet. Layout M
// puts the metric pair first, layout E the English pair.
struct LabelPlace {
    int top, left;
};
std::array<LabelPlace, 8> formulaLabelPlaces(bool metricFirst);

// The combined design's captions for the checked combined metric (0 Density,
// 1 Length, 2 "% Cover", 3 Volume, 4 Weight): lblCombo(4), lblCombo(5), lblComboFormula.
struct ComboCaptions {
    QString estimates, variance, formula;
};
ComboCaptions comboCaptions(int comboFormula, bool metric);

} // namespace vernalt::logcap
