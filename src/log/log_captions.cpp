// The caption tables of the log window: each text once, English and metric side
// by side, indexed by metric (Density, Length, Percent Cover, Tally, Volume, Weight).
#include "log/log_captions.h"

using namespace Qt::StringLiterals;

namespace vernalt::logcap {

namespace {

// One caption in both unit systems.
struct Units {
    const char16_t* english;
    const char16_t* metric;
    QString pick(bool isMetric) const { return QString::fromUtf16(isMetric ? metric : english); }
};
// A caption that is the same in both.
constexpr Units same(const char16_t* text) {
    return {text, text};
}

constexpr const char16_t* kFormulaCaptions[6] = {u"Density", u"Length", u"Percent Cover",
                                                 u"Tally",   u"Volume", u"Weight"};

// ---- Optimal grids ----
struct OptimalTitles {
    Units average, deviation, perArea, otherSystem;
};
constexpr OptimalTitles kOptimal[6] = {
    {same(u"Average"),
     {u"Std. Dev.", u"Standard Deviation"},
     {u"Log Density (logs/ac)", u"Log Density (logs/ha)"},
     {u"Log Density (logs/ha)", u"Log Density (logs/ac)"}},
    {same(u"Average"),
     {u"Std. Dev.", u"Standard Deviation"},
     {u"Total Length (ft/ac)", u"Total Length (m/ha)"},
     {u"Total Length (m/ha)", u"Total Length (ft/ac)"}},
    {same(u"Average"), {u"Std. Dev.", u"Standard Deviation"}, same(u"Percent Cover"), same(u" ")},
    {same(u"Average (logs/plot)"),
     {u"Std. Dev. (logs/plot)", u"Standard Deviation (logs/plot)"},
     {u"Log Density (logs/ac)", u"Log Density (logs/ha)"},
     {u"Log Density (logs/ha)", u"Log Density (logs/ac)"}},
    {same(u"Average"),
     {u"Std. Dev.", u"Standard Deviation"},
     {u"Volume (ft^3/ac)", u"Volume (m^3/ha)"},
     {u"Volume (m^3/ha)", u"Volume (ft^3/ac)"}},
    {same(u"Average"),
     {u"Std. Dev.", u"Standard Deviation"},
     {u"Weight (tons/ac)", u"Weight (metric tons/ha)"},
     {u"Weight (metric tons/ha)", u"Weight (tons/ac)"}},
};
constexpr Units kSurveyDistance{u"Estimated Total Survey Distance Required (ft)",
                                u"Estimated Total Survey Distance Required (m)"};
constexpr Units kMinimumTransect{u"Minimum Transect Required (ft)",
                                 u"Minimum Transect Required (m)"};
constexpr Units kAdditional{u"Additional Samples Required (ft)",
                            u"Additional Samples Required (m)"};

// ---- Page headings ----
struct Headings {
    Units title, formula, optimal, sampleSize;
};
constexpr Headings kHeadings[6] = {
    {{u"Density (logs/ac)", u"Density (logs/ha)"},
     {u"Log Density (logs/ac) Estimates", u"Log Density (logs/ha) Estimates"},
     {u"Optimal Transect Length for Estimating Log Density (logs/ac)",
      u"Optimal Transect Length for Estimating Log Density (logs/ha)"},
     same(u"Sample Size Determination for Estimating Log Density on a Stratified Watershed")},
    {{u"Total Length (ft/ac)", u"Total Length (m/ha)"},
     {u"Total Length (ft/ac) Estimates", u"Total Length (m/ha) Estimates"},
     {u"Optimal Transect Length for Estimating Total Length of Logs (ft/ac)",
      u"Optimal Transect Length for Estimating Total Length of Logs (m/ha)"},
     same(u"Sample Size Determination for Estimating Total Length of Logs on a Stratified "
          u"Watershed")},
    {same(u"Percent Cover"), same(u"Percent Cover Estimates"),
     same(u"Optimal Transect Length for Estimating Percent Cover of Logs"),
     same(u"Sample Size Determination for Estimating Percent Cover of Logs on a Stratified "
          u"Watershed")},
    {{u"Density (logs/ac)", u"Density (logs/ha)"},
     {u"Log Density Estimates (logs/ac)", u"Log Density Estimates (logs/ha)"},
     {u"Optimal Transect Length for Estimating Log Density (logs/ac)",
      u"Optimal Transect Length for Estimating Log Density (logs/ha)"},
     same(u"Sample Size Determination for Estimating Log Density on a Stratified Watershed")},
    {{u"Volume (ft^3/ac)", u"Volume (m^3/ha)"},
     {u"Log Volume (ft^3/ac) Estimates", u"Log Volume (m^3/ha) Estimates"},
     {u"Optimal Transect Length for Estimating Log Volume (ft^3/ac)",
      u"Optimal Transect Length for Estimating Log Volume (m^3/ha)"},
     {u"Sample Size Determination for Estimating Log Volume on a Stratified Watershed",
      u"Sample Size Determination for Estimating Log Volume on a Stratified Watershed (m^3/ha)"}},
    {{u"Weight (tons/ac)", u"Weight (metric tons/ha)"},
     {u"Log Weight (tons/ac) Estimates", u"Log Weight (metric tons/ha) Estimates"},
     {u"Optimal Transect Length for Estimating Log Weight (tons/ac)",
      u"Optimal Transect Length for Estimating Log Weight (metric tons/ha)"},
     {u"Sample Size Determination for Estimating Log Weight on a Stratified Watershed",
      u"Sample Size Determination for Estimating Log Weight on a Stratified Watershed (metric "
      u"tons/ha)"}},
};

// ---- Formula sheets under strip plots: per-plot average and deviation ----
struct PerPlot {
    Units average, deviation;
};
constexpr PerPlot kPerPlot[6] = {
    {same(u"Average (logs/plot)"), same(u"Std. Dev. (logs/plot)")},
    {{u"Average (ft/plot)", u"Average (m/plot)"}, {u"Std. Dev. (ft/plot)", u"Std. Dev. (m/plot)"}},
    {{u"Average (ft^2/plot)", u"Average (m^2/plot)"},
     {u"Std. Dev. (ft^2/plot)", u"Std. Dev. (m^2/plot)"}},
    {same(u"Average (logs/plot)"), same(u"Std. Dev. (logs/plot)")},
    {{u"Average (ft^3/plot)", u"Average (m^3/plot)"},
     {u"Std. Dev. (ft^3/plot)", u"Std. Dev. (m^3/plot)"}},
    {{u"Average (lbs/plot)", u"Average (kg/plot)"},
     {u"Std. Dev. (lbs/plot)", u"Std. Dev. (kg/plot)"}},
};
constexpr Units kPlotAreaSquare{u"Strip Plot Area (ft^2)", u"Strip Plot Area (m^2)"};
constexpr Units kPlotArea{u"Strip Plot Area (ac)", u"Strip Plot Area (ha)"};
constexpr Units kLengthColumn{u"Length (ft)", u"Length (m)"};
constexpr Units kTransectLengthColumn{u"Transect Length (ft)", u"Transect Length (m)"};

// ---- Sample-size grids ----
constexpr Units kStratumSize{u"Stratum Size(ac)", u"Stratum Size(ha)"};
constexpr Units kPlotLength{u"Plot Length (ft)", u"Plot Length (m)"};
// Line intersect, metrics other than Tally: the estimate and its deviation.
struct Estimate {
    Units estimate, deviation;
};
constexpr Estimate kLineEstimates[6] = {
    {{u"Log Density (logs/ac)", u"Log Density (logs/ha)"},
     {u"Standard Deviation", u"Standard Deviation (logs/ha)"}},
    {{u"Length (ft/ac)", u"Length"}, same(u"Standard Deviation")},
    {same(u"Percent Cover"), same(u"Standard Deviation")},
    {same(u""), same(u"")}, // Tally takes the strip-plot titles
    {{u"Volume (ft^3/ac)", u"Volume (m^3/ha)"},
     {u"Standard Deviation", u"Standard Deviation (m^3/ha)"}},
    {{u"Weight (tons/ac)", u"Weight (metric tons/ha)"}, same(u"Standard Deviation")},
};
// Strip plots (and Tally): the section's average and deviation, the estimate and its deviation.
struct SectionEstimate {
    Units section, sectionDeviation, estimate, deviation;
};
constexpr SectionEstimate kStripEstimates[6] = {
    {same(u"Section Density (logs/plot)"),
     same(u"Section StDev (logs/plot)"),
     {u"Average Density (logs/ac)", u"Average Density (logs/ha)"},
     {u"Standard Deviation (logs/ac)", u"Standard Deviation (logs/ha)"}},
    {{u"Section Average (ft/plot)", u"Section Average (m/plot)"},
     {u"Section StDev (ft/plot)", u"Section StDev (m/plot)"},
     {u"Total Length (ft/ac)", u"Total Length (m/ha)"},
     {u"Standard Deviation (ft/ac)", u"Standard Deviation (m/ha)"}},
    {{u"Section Average (ft^2/plot)", u"Section Average (m^2/plot)"},
     {u"Section StDev (ft^2/plot)", u"Section StDev (m^2/plot)"},
     {u"Percent Cover (ft^2/ac)", u"Percent Cover"},
     {u"Standard Deviation (ft^2/ac)", u"Standard Deviation"}},
    {same(u"Section Density (logs/plot)"),
     same(u"Section StDev (logs/plot)"),
     {u"Average Density (logs/ac)", u"Average Density (logs/ha)"},
     {u"Standard Deviation (logs/ac)", u"Standard Deviation (logs/ha)"}},
    {{u"Section Average (ft^3/plot)", u"Section Average (m^3/plot)"},
     {u"Section StDev (ft^3/plot)", u"Section StDev (m^3/plot)"},
     {u"Volume (ft^3/ac)", u"Volume (m^3/ha)"},
     {u"Standard Deviation (ft^3/ac)", u"Standard Deviation (m^3/ha)"}},
    {{u"Section Average (lbs/plot)", u"Section Average (kg/plot)"},
     {u"Section StDev (lbs/plot)", u"Section StDev (kg/plot)"},
     {u"Weight (tons/ac)", u"Weight (metric tons/ha)"},
     {u"Standard Deviation (tons/ac)", u"Standard Deviation"}},
};

// ---- Combined design ----
struct ComboRow {
    Units estimates, variance, formula;
};
constexpr ComboRow kCombo[5] = {
    {{u"Parameter Estimates (logs/ac)", u"Parameter Estimates (logs/ha)"},
     {u"Parameter Variance (logs/ac)^2", u"Parameter Variance (logs/ha)^2"},
     {u"Density (logs/ac)", u"Density (logs/ha)"}},
    {{u"Parameter Estimates (ft/ac)", u"Parameter Estimates (m/ha)"},
     {u"Parameter Variance (ft/ac)^2", u"Parameter Variance (m/ha)^2"},
     {u"Total Length (ft/ac)", u"Total Length (m/ha)"}},
    {same(u"Percent Cover Estimates"), same(u"Percent Cover Variance"),
     same(u"Percent Cover (st)")},
    {{u"Volume Estimates (ft^3/ac)", u"Volume Estimates (m^3/ha)"},
     {u"Volume Variance (ft^3/ac)^2", u"Volume Variance (m^3/ha)^2"},
     {u"Volume (ft^3/ac)", u"Volume (m^3/ha)"}},
    {{u"Weight Estimates (tons/ac)", u"Weight Estimates (metric tons/ha)"},
     {u"Weight Variance (tons/ac)^2", u"Weight Variance (metric tons/ha)^2"},
     {u"Weight (tons/ac)", u"Weight (metric tons/ha)"}},
};

// ---- Formula-page label places: layout M, then layout E ----
constexpr std::array<LabelPlace, 8> kLayoutM = {{{480, 0},
                                                 {480, 1920},
                                                 {840, 5400},
                                                 {840, 7440},
                                                 {120, 0},
                                                 {120, 1920},
                                                 {480, 5400},
                                                 {480, 7440}}};
constexpr std::array<LabelPlace, 8> kLayoutE = {{{840, 5500},
                                                 {840, 7440},
                                                 {480, -100},
                                                 {480, 1920},
                                                 {480, 5500},
                                                 {480, 7440},
                                                 {120, -100},
                                                 {120, 1920}}};

QString header(std::initializer_list<QString> titles) {
    QString out;
    bool first = true;
    for (const QString& t : titles) {
        if (!first)
            out += u'|';
        out += u'^' + t;
        first = false;
    }
    return out;
}

} // namespace

Formula formulaOfCaption(const QString& caption) {
    for (int f = 0; f < 6; ++f)
        if (caption == QString::fromUtf16(kFormulaCaptions[f]))
            return Formula(f);
    return NoFormula;
}

QString optimalHeader(Formula f, bool metric) {
    const OptimalTitles& t = kOptimal[f];
    return header({t.average.pick(metric), t.deviation.pick(metric), t.perArea.pick(metric),
                   u"Variance"_s, u"Estimated Sample Size Required (n)"_s});
}

QString optimal2Header(Formula f, bool metric) {
    QString h = header({kSurveyDistance.pick(metric), kMinimumTransect.pick(metric),
                        u"Current Number of Samples Collected (N)"_s, kAdditional.pick(metric)});
    // Percent Cover has no other unit: its last title is one blank, not centred.
    if (f == PercentCover)
        return h + u"| "_s;
    return h + u"|^"_s + kOptimal[f].otherSystem.pick(metric);
}

PageCaptions pageCaptions(Formula f, bool metric) {
    const Headings& h = kHeadings[f];
    return {h.title.pick(metric), h.formula.pick(metric), h.optimal.pick(metric),
            h.sampleSize.pick(metric)};
}

int formulaSimpleCols(bool lim) {
    return lim ? 7 : 8;
}

int formulaStratifiedCols(bool lim) {
    return lim ? 11 : 12;
}

std::optional<QString> formulaSimpleHeader(bool lim, Formula f, bool metric, const QString& title) {
    if (lim)
        return header({u"Name"_s, kLengthColumn.pick(metric), u"Average"_s, u"Std. Dev."_s, title,
                       u"Variance"_s, u"Sample Size (n)"_s});
    if (f == NoFormula)
        return std::nullopt;
    return header({u"Name"_s, kPlotAreaSquare.pick(metric), kPlotArea.pick(metric),
                   kPerPlot[f].average.pick(metric), kPerPlot[f].deviation.pick(metric), title,
                   u"Variance"_s, u"Sample Size (n)"_s});
}

std::optional<QString> formulaStratifiedHeader(bool lim, Formula f, bool metric,
                                               const QString& title) {
    if (lim)
        return header({u"Stratum"_s, u"Names"_s, kTransectLengthColumn.pick(metric), u"Average"_s,
                       u"Std. Dev."_s, title, u"Variance"_s, u"Stratum Weight"_s,
                       u"Sample Size (n)"_s, u"Stratified Mean Equations"_s,
                       u"Stratified Variance Equations"_s});
    if (f == NoFormula)
        return std::nullopt;
    return header({u"Stratum"_s, u"Name"_s, kPlotAreaSquare.pick(metric), kPlotArea.pick(metric),
                   kPerPlot[f].average.pick(metric), kPerPlot[f].deviation.pick(metric), title,
                   u"Variance"_s, u"Stratum Weight"_s, u"Sample Size (n)"_s,
                   u"Stratified Mean Equations"_s, u"Stratified Variance Equations"_s});
}

std::optional<SampleSizeHeaders> sampleSizeHeaders(bool lim, Formula menuFormula, bool metric) {
    if (menuFormula == NoFormula)
        return std::nullopt;
    const QString tail = u"|^Variance|^Desired Absolute Variance|^Optimal Equations|^Proportional "
                         u"Equations"_s;
    if (lim && menuFormula != Tally) {
        const Estimate& e = kLineEstimates[menuFormula];
        return SampleSizeHeaders{
            header({u"Stratum Number"_s, kStratumSize.pick(metric), u"Stratum Weight"_s,
                    u"Plot Dimensions (name)"_s, kPlotLength.pick(metric), u"Plot Average"_s}),
            header(
                {u"Plot Standard Deviation"_s, e.estimate.pick(metric), e.deviation.pick(metric)}) +
                tail};
    }
    const SectionEstimate& s = kStripEstimates[menuFormula];
    return SampleSizeHeaders{
        header({u"Stratum Number"_s, kStratumSize.pick(metric), u"Stratum Weight"_s,
                u"Section Name"_s, kPlotAreaSquare.pick(metric), kPlotArea.pick(metric),
                s.section.pick(metric)}),
        header(
            {s.sectionDeviation.pick(metric), s.estimate.pick(metric), s.deviation.pick(metric)}) +
            tail};
}

QString allocationHeader(bool metric) {
    return metric ? u"^Total Number of Samples Required|^Stratum Number|^Number of Samples per "
                    u"Stratum|^Transect Length Required (m)"_s
                  : u"^Total Number of Samples Required|^Stratum Number|^Number of Samples per "
                    u"Stratum|^Transect Length Required (ft)"_s;
}

QString comboAllocationHeader(bool metric) {
    return metric ? u"^Total Number of Samples Required|^Stratum Number|^Number of Samples per "
                    u"Stratum|^Sample Size (m)"_s
                  : u"^Total Number of Samples Required|^Stratum Number|^Number of Samples per "
                    u"Stratum|^Sample Size (ft)"_s;
}

UnitCaptions unitCaptions(bool metric) {
    if (metric)
        return {u"Total Transect Length Required (m) ="_s,
                u"Stratum Size (hectares)"_s,
                u"Landscape Area (hectares)"_s,
                u"Total hectares"_s,
                u"Transect Length (m)"_s,
                u"Stratum Size (hectares)"_s,
                u"Stratum Size (hectares)"_s,
                u"Plot Length (meters)"_s};
    return {u"Total Transect Length Required (ft) ="_s,
            u"Stratum Size (acres)"_s,
            u"Landscape Area (acres)"_s,
            u"Total acres"_s,
            u"Transect Length (ft)"_s,
            u"  Stratum Size   (acres)"_s,
            u"Stratum Size (acres)"_s,
            u"Plot Length (ft)"_s};
}

std::array<LabelPlace, 8> formulaLabelPlaces(bool metricFirst) {
    return metricFirst ? kLayoutM : kLayoutE;
}

ComboCaptions comboCaptions(int comboFormula, bool metric) {
    const ComboRow& r = kCombo[comboFormula];
    return {r.estimates.pick(metric), r.variance.pick(metric), r.formula.pick(metric)};
}

} // namespace vernalt::logcap
