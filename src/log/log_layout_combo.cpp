// The Combination layout of the log window: the tab control ssTabCombo with the
// pages "Parameter Estimates" and "Sample Sizes" of the combined LIM-and-SPM design.
#include "log/frmMainLog.h"
#include "log/log_widgets.h"

#include "platform/accessibility.h"
#include "platform/twips.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace vernalt {

using namespace logui;

namespace {

// Column titles over the stratum rows (lblCombo 0 to 9 and 10 to 19), their
// left edges and widths in twips.
constexpr const char16_t* kEstimateTitles[10] = {u"Stratum",
                                                 u"Transect Section Names",
                                                 u"Transect Length (m)",
                                                 u"Stratum Size (hectares)",
                                                 u"Parameter Estimates (logs/ha)",
                                                 u"Parameter Variance (logs/ha)^2",
                                                 u"Stratum Weight",
                                                 u"Sample Size (n)",
                                                 u"Stratified Means Equations",
                                                 u"Stratified Variance Equations"};
constexpr const char16_t* kSampleSizeTitles[10] = {u"Stratum",
                                                   u"Stratum Size (hectares)",
                                                   u"Stratum Weight",
                                                   u"Plot Dimensions",
                                                   u"Plot Length (meters)",
                                                   u"Variable Average",
                                                   u"Variable Std. Dev.",
                                                   u"Variable Variance",
                                                   u"Optimal Equations",
                                                   u"Proportional Equations"};
constexpr double kColumnLeft[10] = {60, 780, 1920, 2760, 3660, 4620, 5580, 6420, 7140, 8010};
constexpr double kColumnWidth[10] = {660, 1080, 780, 840, 900, 900, 780, 660, 810, 810};
constexpr double kSizesLeft[10] = {60, 780, 1860, 2640, 3660, 4500, 5280, 6060, 6840, 7680};
constexpr double kSizesWidth[10] = {660, 1020, 720, 960, 780, 720, 720, 720, 780, 1080};
constexpr double kTitleTop = 180, kTitleHeight = 900, kRowTop = 1140, kRowStep = 360;

// The input boxes of the page have a light grey background.
void markInput(QLineEdit* box) {
    QPalette pal = box->palette();
    pal.setColor(QPalette::Base, QColor(0xE0, 0xE0, 0xE0));
    box->setPalette(pal);
}

} // namespace

void frmMainLog::buildComboPages() {
    ssTabCombo = new QTabWidget(centralWidget());
    placeTwips(ssTabCombo, 120, 480, 9045, 6615);
    ssTabCombo->hide();
    auto* estimates = new QWidget(ssTabCombo);
    ssTabCombo->addTab(estimates, u"Parameter Estimates"_s);
    auto* sizes = new QWidget(ssTabCombo);
    ssTabCombo->addTab(sizes, u"Sample Sizes"_s);

    // ---- Parameter Estimates ----
    frmParameterEstimates = frame(estimates, u"Parameter Estimates"_s, 60, 60, 8880, 5940);
    QGroupBox* f = frmParameterEstimates;
    for (std::size_t c = 0; c < 10; ++c)
        lblCombo[c] = title(f, QString::fromUtf16(kEstimateTitles[c]), kColumnLeft[c], kTitleTop,
                            kColumnWidth[c], kTitleHeight);
    const std::array<std::array<QLineEdit*, 4>*, 9> boxes = {
        &txtStratum,    &txtTransectLength,  &txtStratumSize,
        &txtEstimates,  &txtVariance,        &txtStratumWeight,
        &txtSampleSize, &txtStratifiedMeans, &txtStratifiedVariance};
    static constexpr std::size_t kBoxColumn[9] = {0, 2, 3, 4, 5, 6, 7, 8, 9};
    // Row by row, left to right: the order of the Tab key. Each box is named
    // after its column's title and its row.
    for (std::size_t h = 0; h < 4; ++h) {
        const double top = kRowTop + kRowStep * double(h);
        for (std::size_t b = 0; b < boxes.size(); ++b) {
            const std::size_t c = kBoxColumn[b];
            if (c == 2) { // the unit-level chooser stands in column 1
                cboTransectName[h] = new QComboBox(f);
                cboTransectName[h]->addItems(
                    {QString(), u"Subsegment"_s, u"Segment"_s, u"Section"_s, u"Transect"_s});
                cboTransectName[h]->setCurrentIndex(-1);
                placeTwips(cboTransectName[h], kColumnLeft[1], top, kColumnWidth[1], 300);
                setColumnTitle(cboTransectName[h], lblCombo[1], int(h) + 1);
            }
            (*boxes[b])[h] = textBox(f, kColumnLeft[c], top, kColumnWidth[c]);
            setColumnTitle((*boxes[b])[h], lblCombo[c], int(h) + 1);
        }
        for (QLineEdit* box :
             {txtStratum[h], txtStratumSize[h], txtEstimates[h], txtVariance[h], txtSampleSize[h]})
            markInput(box);
    }
    // Totals under the stratum sizes and the sample sizes.
    const double totalsTop = kRowTop + 4 * kRowStep + 60;
    lblTotalSize = label(f, u"Total hectares"_s, kColumnLeft[1], totalsTop, 1560);
    lblTotalSize->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtTotalSize = textBox(f, kColumnLeft[3], totalsTop, kColumnWidth[3], lblTotalSize);
    QLabel* samples = label(f, u"Total Samples"_s, kColumnLeft[5], totalsTop, 1680);
    samples->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtTotalSamples = textBox(f, kColumnLeft[7], totalsTop, kColumnWidth[7], samples);

    // The combined results, in two columns.
    const std::array<QLineEdit**, 8> results = {
        &txtComboFormula,    &txtComboVar,        &txtComboS,         &txtComboBound,
        &txtComboUpperLimit, &txtComboLowerLimit, &txtComboPrecision, &txtComboTvalue};
    static constexpr const char16_t* kResultTitles[8] = {u"Density (logs/ha)",
                                                         u"Var(st)",
                                                         u"S(e)",
                                                         u"Bound",
                                                         u"Upper Limit",
                                                         u"Lower Limit",
                                                         u"Current Level of Precision (%)",
                                                         u"t-value"};
    for (std::size_t i = 0; i < results.size(); ++i) {
        const double left = i < 4 ? 60 : 4500;
        const double top = totalsTop + 600 + 420 * double(i % 4);
        QLabel* t = label(f, QString::fromUtf16(kResultTitles[i]), left, top + 15, 2640);
        t->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        lblComboResult[i] = t;
        *results[i] = textBox(f, left + 2760, top, 1320, t);
    }
    lblComboFormula = lblComboResult[0];
    txtComboTvalue->setText(u"1.67"_s);
    markInput(txtComboTvalue);
    cmdClearCombo = button(f, u"Clear All Values"_s, 6960, 5400, 1800);

    // ---- Sample Sizes ----
    for (std::size_t c = 0; c < 10; ++c)
        lblCombo[10 + c] = title(sizes, QString::fromUtf16(kSampleSizeTitles[c]), kSizesLeft[c],
                                 kTitleTop - 120, kSizesWidth[c], kTitleHeight);
    const std::array<std::array<QLineEdit*, 4>*, 10> ssBoxes = {
        &txtSSstratum,          &txtSSstratumSize,
        &txtSSstratumWeight,    &txtSSPlotDimensions,
        &txtSSPlotLength,       &txtSSVariableAverage,
        &txtSSVariableStdDev,   &txtSSVariableVariance,
        &txtSSOptimalEquations, &txtSSProportionalEquations};
    for (std::size_t h = 0; h < 4; ++h)
        for (std::size_t c = 0; c < 10; ++c) {
            QLineEdit* box =
                textBox(sizes, kSizesLeft[c], kRowTop - 120 + kRowStep * double(h), kSizesWidth[c]);
            setColumnTitle(box, lblCombo[10 + c], int(h) + 1);
            (*ssBoxes[c])[h] = box;
        }
    for (std::size_t h = 0; h < 4; ++h)
        for (QLineEdit* box : {txtSSVariableAverage[h], txtSSVariableVariance[h]})
            markInput(box);
    const double singleTop = kRowTop - 120 + 4 * kRowStep + 120;
    lblSSResult[0] = label(sizes, u"Desired Absolute Variance"_s, 60, singleTop + 15, 2400);
    txtSSDesiredAbsVariance = textBox(sizes, 2520, singleTop, 1320, lblSSResult[0]);
    lblSSResult[1] = label(sizes, u"t-value"_s, 4500, singleTop + 15, 1200);
    txtSSTvalue = textBox(sizes, 5760, singleTop, 1320, lblSSResult[1]);
    txtSSTvalue->setText(u"1.67"_s);
    markInput(txtSSTvalue);

    const auto allocation = [sizes](const QString& caption, double left, QGroupBox*& box, Grid*& g,
                                    QLabel*& titleLabel, QLabel*& total) {
        box = frame(sizes, caption, left, 3180, 4350, 2700);
        g = grid(box, 5, 4, 1, 60, 240, 4230, 1980);
        g->setRowHeight(0, 870); // four lines of title, as on the Sample Size page
        titleLabel = label(box, u"Total Transect Length Required (m) ="_s, 60, 2340, 2940);
        total = result(box, 3060, 2325, 1200);
    };
    allocation(u"Optimal Allocation"_s, 60, frmOptimalAllocation, grdComboSSOptimalAllocation,
               lblComboSSOptimalAllocation, lblComboSSOptTotalTransectLength);
    allocation(u"Proportional Allocation"_s, 4560, frmProportionalAllocation,
               grdComboSSProportionalAllocation, lblComboSSProportionalAllocation,
               lblComboSSPropTotalTransectLength);
}

} // namespace vernalt
