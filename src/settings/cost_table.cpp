#include "settings/cost_table.h"

#include "platform/errors.h"
#include "platform/value.h"

namespace vernalt {

using namespace Qt::StringLiterals;

// Costs rest on a labour rate of ten dollars per hour and person.
const CostPerSampleTableData CostPerSampleTable{
    {u"Easy Low Density (1)", u"Easy Higher Density (2)", u"Moderate Low Density (3)",
     u"Moderate Higher Density (4)", u"Difficult Low Density (5)", u"Difficult Higher Density (6)"},
    {{
        // English (feet)
        {{u"Subsegment33", u"Subsegment66", u"Subsegment99", u"Subsegment132", u"Segment33",
          u"Segment66", u"Segment99", u"Segment132", u"Section33", u"Section66", u"Section99",
          u"Section132", u"Transect33", u"Transect66", u"Transect99", u"Transect132"},
         u"(< 1/ac)",
         u"(> 5/ac)",
         {{
             {0.13, 0.21, 0.20, 0.26, 0.36, 0.52},
             {0.16, 0.31, 0.23, 0.41, 0.41, 0.73},
             {0.18, 0.41, 0.35, 0.70, 1.40, 1.87},
             {0.21, 0.52, 0.51, 0.97, 1.76, 2.38},
             {0.26, 0.41, 0.39, 0.52, 0.73, 1.04},
             {0.31, 0.62, 0.47, 0.83, 0.83, 1.45},
             {0.37, 0.83, 0.70, 1.40, 2.80, 3.73},
             {0.41, 1.04, 1.01, 1.95, 3.52, 4.77},
             {0.52, 0.83, 0.78, 1.04, 1.45, 2.07},
             {0.62, 1.24, 0.94, 1.66, 1.66, 2.90},
             {0.73, 1.66, 1.40, 2.80, 5.60, 7.46},
             {0.83, 2.07, 2.02, 3.89, 7.05, 9.54},
             {1.05, 1.66, 1.56, 2.07, 2.90, 4.15},
             {1.24, 2.49, 1.88, 3.32, 3.32, 5.80},
             {1.46, 3.32, 2.80, 5.61, 11.20, 14.93},
             {1.66, 4.15, 4.05, 7.78, 14.10, 19.07},
         }}},
        // Metric (metres)
        {{u"Subsegment10", u"Subsegment20", u"Subsegment30", u"Subsegment40", u"Segment10",
          u"Segment20", u"Segment30", u"Segment40", u"Section10", u"Section20", u"Section30",
          u"Section40", u"Transect10", u"Transect20", u"Transect30", u"Transect40"},
         u"(< 0.8/ha)",
         u"(> 3.2/ha)",
         {{
             {0.11, 0.17, 0.16, 0.21, 0.30, 0.43},
             {0.13, 0.26, 0.19, 0.34, 0.34, 0.60},
             {0.15, 0.34, 0.29, 0.58, 1.15, 1.53},
             {0.17, 0.43, 0.42, 0.80, 1.45, 1.96},
             {0.22, 0.34, 0.32, 0.43, 0.60, 0.85},
             {0.26, 0.51, 0.39, 0.68, 0.68, 1.19},
             {0.30, 0.68, 0.58, 1.15, 2.30, 3.06},
             {0.34, 0.85, 0.83, 1.60, 2.89, 3.91},
             {0.43, 0.68, 0.64, 0.85, 1.19, 1.70},
             {0.51, 1.02, 0.77, 1.36, 1.36, 2.38},
             {0.60, 1.36, 1.15, 2.30, 4.59, 6.12},
             {0.68, 1.70, 1.66, 3.19, 5.78, 7.82},
             {0.86, 1.36, 1.28, 1.70, 2.38, 3.40},
             {1.02, 2.04, 1.54, 2.72, 2.72, 4.76},
             {1.20, 2.72, 2.30, 4.60, 9.18, 12.24},
             {1.36, 3.40, 3.32, 6.38, 11.56, 15.64},
         }}},
    }},
};

namespace {

const CostPerSampleSystem& systemOf(bool metric) {
    return CostPerSampleTable.systems[metric ? 1 : 0];
}

void checkCategory(int category) {
    if (category < 1 || category > CostCategories)
        raise(err::SubscriptRange);
}

void checkPlotDimension(int plotDimension) {
    if (plotDimension < 0 || plotDimension >= CostPlotDimensions)
        raise(err::SubscriptRange);
}

} // namespace

double costPerSample(bool metric, int category, int plotDimension) {
    checkCategory(category);
    checkPlotDimension(plotDimension);
    return systemOf(metric).costs[plotDimension][category - 1];
}

QString costPerSampleText(bool metric, int category, int plotDimension) {
    return twoDecimalText(costPerSample(metric, category, plotDimension));
}

QString costCategoryTitle(int category) {
    checkCategory(category);
    return QString::fromUtf16(CostPerSampleTable.titles[category - 1]);
}

QString costDensityText(bool metric, int category) {
    checkCategory(category);
    const CostPerSampleSystem& s = systemOf(metric);
    return QString::fromUtf16(category % 2 == 1 ? s.lowDensity : s.higherDensity);
}

QString costRowName(bool metric, int plotDimension) {
    checkPlotDimension(plotDimension);
    return QString::fromUtf16(systemOf(metric).rowNames[plotDimension]);
}

QString twoDecimalText(double x) {
    QString text = numberText(roundHalfEven(x, 2));
    if (text.contains(u'E'))
        return text; // far outside the table's range: leave as it is
    const qsizetype point = text.indexOf(u'.');
    if (point < 0)
        return text + u".00"_s;
    if (point == 0 || (point == 1 && text.startsWith(u'-')))
        text.insert(point, u'0');
    while (text.size() - text.indexOf(u'.') - 1 < 2)
        text += u'0';
    return text;
}

} // namespace vernalt
