// SetLabels: every caption and grid header of the snag window that depends on the
// unit system or on the plot dimensions, with the grids' header heights and
// column widths.
#include "snag/frmMainSnag.h"

#include "platform/accessibility.h"
#include "platform/errors.h"
#include "platform/line_control.h"
#include "platform/prompts.h"
#include "platform/value.h"
#include "snag/plot_dimensions.h"

#include <QLabel>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace vernalt {

namespace {

struct UnitText {
    const char* metric;
    const char* english;
    QString text(bool isMetric) const { return QString::fromLatin1(isMetric ? metric : english); }
};

// Header rows of the optimal-choice grids.
constexpr UnitText OptimalFormats[3] = {
    {"^Plot Dimensions|^Plot Size (meters^2)|^Mean Density (#/plot)|^Standard Deviation "
     "(#/plot)|^Mean Density (#/hectare)|^Variance (#/hectare)|^Relative Variance (RV)",
     "^Plot Dimensions|^Plot Size (feet^2)|^Mean Density (#/plot)|^Standard Deviation "
     "(#/plot)|^Mean Density (#/acre)|^Variance (#/acre)|^Relative Variance (RV)"},
    {"^Plot Dimensions|^Plot Size (meters^2)|^Sample Size (Plots)|^Sample Size "
     "(hectares)|^Mininum Sample Size Required|^Relative Variance|^Fixed Cost",
     "^Plot Dimensions|^Plot Size (feet^2)|^Sample Size (Plots)|^Sample Size "
     "(acres)|^Mininum Sample Size Required|^Relative Variance|^Fixed Cost"},
    {"^Plot Dimensions|^Plot Size (meters^2)|^Cost per Sample|^Total Cost per Plot "
     "Unit|^Relative Cost|^Product|^Total Cost",
     "^Plot Dimensions|^Plot Size (feet^2)|^Cost per Sample|^Total Cost per Plot "
     "Unit|^Relative Cost|^Product|^Total Cost"},
};

// Header rows of the two sample-size sheets.
constexpr UnitText SampleSizeFormats[2] = {
    {"^Stratum Number|^Stratum Size(ha)|^Stratum Weight|^Plot Dimensions (name)|^Plot Size "
     "(m^2)|^Plot Area (ha)|^Mean Density (#/plot)",
     "^Stratum Number|^Stratum Size(acres)|^Stratum Weight (Wi)|^Plot Dimensions "
     "(name)|^Plot Size (feet^2)|^Plot Area (acres)|^Mean Density (#/plot)"},
    {"^StdDev (#/plot)|^Mean Density (#/ha)|^Standard Deviation (#/ha)|^Variance "
     "(#/ha)|^Desired Absolute Variance|^Optimal Equations|^Proportional Equations",
     "^StdDev (#/plot)|^Mean Density (#/acre)|^Standard Deviation (#/acre)|^Variance "
     "(#/acre)|^Desired Absolute Variance|^Optimal Equations|^Proportional Equations"},
};

// Header row of both allocation grids.
constexpr UnitText AllocationFormat = {
    "^Total Number of Samples Required|^Stratum Number|^Number of Samples per "
    "Stratum|^Sample Size (ha)",
    "^Total Number of Samples Required|^Stratum Number|^Number of Samples per "
    "Stratum|^Sample Size (acres)"};

// Titles of the estimate sheets, in the order they are set.
struct Caption {
    QLabel* frmMainSnag::*label;
    UnitText text;
};
constexpr Caption SheetCaptions[] = {
    {&frmMainSnag::lblSimpleLandscapeArea, {"Landscape Area (hectares)", "Landscape Area (acres)"}},
    {&frmMainSnag::lblSimplePlotSize, {"Plot Size (meters^2)", "Plot Size (feet^2)"}},
    {&frmMainSnag::lblSimplePlotArea, {"Plot Area (hectares)", "Plot Area (acres)"}},
    {&frmMainSnag::lblSimpleAvgAcres, {"Average (#/hectare)", "Average (#/acre)"}},
    {&frmMainSnag::lblSimpleVarianceAcres, {"Variance (#/hectare)", "Variance (#/acre)"}},
    {&frmMainSnag::lblSimpleXTitle, {"X (hectares)", "X (acres)"}},
    {&frmMainSnag::lblStratifiedPlotSizeTitle, {"Plot Size (meters^2)", "Plot Size (feet^2)"}},
    {&frmMainSnag::lblStratifiedPlotAreaTitle, {"Plot Area (hectares)", "Plot Area (acres)"}},
    {&frmMainSnag::lblStratifiedStratumSizeTitle,
     {"Stratum Size (hectares)", "Stratum Size (acres)"}},
    {&frmMainSnag::lblStratifiedAvgAcresTitle, {"Average (#/hectare)", "Average (#/acre)"}},
    {&frmMainSnag::lblStratifiedVarianceHectaresTitle,
     {"Variance (#/hectare)", "Variance (#/acre)"}},
    {&frmMainSnag::lblStratifiedXTitle, {"Xst (hectares)", "Xst (acres)"}},
};

// End points of the bar over the X of the simple estimate's title.
struct Bar {
    double x1, x2;
};
constexpr Bar MetricBar = {100, 220};
constexpr Bar EnglishBar = {210, 330};

constexpr UnitText StatYCaption = {"Stems per hectare", "Stems per acre"};

// Header row of the statistics grids, the same in both unit systems.
constexpr const char* StatsFormat = "^Plot Dimensions|^Average|^Std. Dev.|^N";

// Header heights and column widths, in twips.
constexpr int TallHeader = 630;
// The allocation grids' first title, "Total Number of Samples Required", takes
// four lines in their narrow columns.
constexpr int AllocationHeader = 870;
constexpr int ShortHeader = 420;
constexpr int OptimalFirstWidth = 1250, OptimalWidth = 1180;
constexpr int Subtotal0Width = 1030, Subtotal1Width = 1040;
constexpr int SampleSizeWidth = 1190;
constexpr int SampleSizeNameCol = 3; // "Plot Dimensions (name)" of sample-size sheet 0
constexpr int AllocationWidth = 944;
constexpr int StatsFirstWidth = 1225, StatsWidth = 1000;

} // namespace

void frmMainSnag::SetLabels() {
    trapped(prompts(), snagProcedure(u"SetLabels"_s), [this] {
        for (Grid* g : {grdProportionalAllocation, grdOptimalAllocation})
            g->setRowHeight(0, AllocationHeader);
        for (Grid* g : grdSampleSize)
            g->setRowHeight(0, TallHeader);
        for (Grid* g : grdOptimal) {
            g->grid()->setFixedRows(1);
            g->grid()->setFixedCols(0);
            g->setRows(17);
            g->setCols(7);
        }

        const bool metric = mnuMetric->isChecked();
        for (int k = 0; k < 3; ++k)
            grdOptimal[k]->setFormatString(OptimalFormats[k].text(metric));
        for (int k = 0; k < 2; ++k)
            grdSampleSize[k]->setFormatString(SampleSizeFormats[k].text(metric));
        grdOptimalAllocation->setFormatString(AllocationFormat.text(metric));
        grdProportionalAllocation->setFormatString(AllocationFormat.text(metric));

        // Names and plot areas of the sixteen plot dimensions.
        for (Grid* g : grdOptimal) {
            for (int i = 0; i < PlotDimensionCount; ++i)
                g->setText(i + 1, 0, plotDimensionName(i, WidthTexts));
            for (int i = 0; i < PlotDimensionCount; ++i)
                g->setText(i + 1, 1, numberText(DimensionSizes[std::size_t(i)]));
        }

        // Subtotal headers and statistics row names: grid g holds levels 2g and 2g + 1.
        QString header0, header1;
        int r = 1;
        for (int level = 0; level <= 1; ++level) {
            for (int w = 0; w < WidthCount; ++w) {
                const QString& width = WidthTexts[std::size_t(w)];
                header0 += u'^' + levelName(level) + u" Width"_s + width + u'|';
                grdStats[0]->setText(r, 0, levelName(level) + width);
                header1 += u'^' + levelName(level + 2) + u" Width"_s + width + u'|';
                grdStats[1]->setText(r, 0, levelName(level + 2) + width);
                ++r;
            }
        }
        grdSubtotal[0]->setFormatString(header0.chopped(1));
        grdSubtotal[1]->setFormatString(header1.chopped(1));

        for (const Caption& c : SheetCaptions)
            (this->*c.label)->setText(c.text.text(metric));
        const Bar bar = metric ? MetricBar : EnglishBar;
        linDensitiesX->setX1(bar.x1);
        linDensitiesX->setX2(bar.x2);
        lblStatY->setText(StatYCaption.text(metric));

        // The columns of plot-dimension names are as wide as the longest name needs
        // ("Subsegment132" under the English widths), where their width is less.
        int nameWidth = 0;
        for (int i = 0; i < PlotDimensionCount; ++i)
            nameWidth =
                std::max(nameWidth, grdStats[0]->textTwips(plotDimensionName(i, WidthTexts)));
        const int optimalFirst = std::max(OptimalFirstWidth, nameWidth);
        const int statsFirst = std::max(StatsFirstWidth, nameWidth);
        // The other statistics columns give up what the first takes, within the grid.
        const int statsOther = StatsWidth - (statsFirst - StatsFirstWidth + 2) / 3;

        for (Grid* g : grdOptimal)
            g->setRowHeight(0, TallHeader);
        for (int c = 0; c < 7; ++c)
            for (Grid* g : grdOptimal)
                g->setColWidth(c, c == 0 ? optimalFirst : OptimalWidth);

        for (Grid* g : grdStats)
            g->setFormatString(QString::fromLatin1(StatsFormat));
        for (Grid* g : {grdSubtotal[0], grdSubtotal[1], grdStats[0], grdStats[1]})
            g->setRowHeight(0, ShortHeader);
        for (int c = 0; c < 8; ++c) {
            grdSubtotal[0]->setColWidth(c, Subtotal0Width);
            grdSubtotal[1]->setColWidth(c, Subtotal1Width);
        }
        for (int c = 0; c < 7; ++c)
            for (Grid* g : grdSampleSize)
                g->setColWidth(c, SampleSizeWidth);
        grdSampleSize[0]->setColWidth(SampleSizeNameCol, std::max(SampleSizeWidth, nameWidth));
        for (int c = 0; c < 4; ++c) {
            grdOptimalAllocation->setColWidth(c, AllocationWidth);
            grdProportionalAllocation->setColWidth(c, AllocationWidth);
            for (Grid* g : grdStats)
                g->setColWidth(c, c == 0 ? statsFirst : statsOther);
        }
        nameInputBoxes(this); // the stratified sheet's boxes are named after its titles
    });
}

} // namespace vernalt
