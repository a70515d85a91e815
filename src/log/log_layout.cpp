// The log window's menu bar and its Summary Statistics, Optimal and Statistical
// Test pages.
#include "log/frmMainLog.h"
#include "log/log_widgets.h"

#include "platform/accessibility.h"
#include "platform/twips.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace vernalt {

using namespace logui;

namespace {

QAction* addItem(QMenu* menu, const QString& caption, bool checkable = false,
                 bool checked = false) {
    QAction* a = menu->addAction(caption);
    a->setCheckable(checkable);
    a->setChecked(checked);
    return a;
}

constexpr const char16_t* kDataSheets[5] = {u"Single/Combined", u"Stratum 1", u"Stratum 2",
                                            u"Stratum 3", u"Stratum 4"};
constexpr const char16_t* kLengthCaptions[4] = {u"12.5 m", u"25 m", u"50 m", u"100 m"};

} // namespace

// ---- Menus -------------------------------------------------------------------------

void frmMainLog::buildMenus() {
    QMenuBar* bar = menuBar();
    mnuFile = bar->addMenu(u"&File"_s);
    mnuFileOpen = addItem(mnuFile, u"&Open..."_s);
    mnuPrint = addItem(mnuFile, u"Print Preview"_s);
    mnuFileExit = addItem(mnuFile, u"E&xit to Menu"_s);

    mnuMeasurement = bar->addMenu(u"&Measurement"_s);
    mnuMetric = addItem(mnuMeasurement, u"Metric"_s, true, true);
    mnuEnglish = addItem(mnuMeasurement, u"English"_s, true, false);

    mnuMethod = bar->addMenu(u"&Method"_s);
    mnuLIM = addItem(mnuMethod, u"LIM"_s, true, true);
    mnuSPM = addItem(mnuMethod, u"SPM"_s, true, false);
    mnuCombo = addItem(mnuMethod, u"Combination"_s, true, false);

    mnuFormula = bar->addMenu(u"&Formula"_s);
    mnuDensity = addItem(mnuFormula, u"Density"_s, true);
    mnuLength = addItem(mnuFormula, u"Length"_s, true);
    mnuPercentCover = addItem(mnuFormula, u"Percent Cover"_s, true);
    mnuTally = addItem(mnuFormula, u"Tally"_s, true);
    mnuVolume = addItem(mnuFormula, u"Volume"_s, true);
    mnuWeight = addItem(mnuFormula, u"Weight"_s, true);

    mnuComboFormula = bar->addMenu(u"&Formula"_s);
    mnuComboDensity = addItem(mnuComboFormula, u"Density"_s, true, true);
    mnuComboLength = addItem(mnuComboFormula, u"Length"_s, true);
    mnuComboPercentCover = addItem(mnuComboFormula, u"% Cover"_s, true);
    mnuComboVolume = addItem(mnuComboFormula, u"Volume"_s, true);
    mnuComboWeight = addItem(mnuComboFormula, u"Weight"_s, true);
    mnuComboFormula->menuAction()->setVisible(false);

    mnuLengthAnalysis = bar->addMenu(u"&Lengths"_s);
    for (std::size_t k = 0; k < mnuUseLength.size(); ++k)
        mnuUseLength[k] =
            addItem(mnuLengthAnalysis, QString::fromUtf16(kLevelNames[k]), true, true);
    mnuAllLengths = addItem(mnuLengthAnalysis, u"All Lengths"_s);

    mnuSpecies = bar->addMenu(u"&Species"_s);
    mnuMultipleSpecies = addItem(mnuSpecies, u"Multiple"_s, true, true);
    mnuSingleSpecies = addItem(mnuSpecies, u"Single"_s, true, false);

    mnuSettings = bar->addMenu(u"&Settings"_s);
    mnuLogLengths = addItem(mnuSettings, u"Transect Lengths"_s);
    buildSelectionMenus(mnuSettings,
                        {u"Auto"_s, u"Subsegment"_s, u"Segment"_s, u"Section"_s, u"Transect"_s});

    mnuHelp = bar->addMenu(u"&Help"_s);
    mnuHelpAbout = addItem(mnuHelp, u"&About "_s);
}

// ---- Summary Statistics page ------------------------------------------------------------

void frmMainLog::buildSummaryPage(QWidget* page) {
    grdSubtotals = grid(page, 1, 1, 0, 120, 60, 4700, 6255);
    grdSubtotals->setAccessibleName(u"Subtotals"_s);

    fraDataFound = frame(page, u"Analyze Data From :"_s, 4980, 60, 1900, 1800);
    for (int k = 0; k < 5; ++k)
        optDataFound[std::size_t(k)] =
            option(fraDataFound, QString::fromUtf16(kDataSheets[k]), 120, 300 + 285 * k, 1700);
    optDataFound[0]->setChecked(true);
    cmdSummaryStatistics = button(page, u"Calculate Statistics"_s, 7020, 180, 1860);
    cmdSummaryStatistics->setEnabled(false);
    cmdCorrelation = button(page, u"Correlation"_s, 7020, 660, 1860);

    lblDataSheet = label(page, QString(), 4980, 2000, 3900);
    static constexpr const char16_t* kColumns[4] = {u"Level", u"N", u"Average", u"Std. Dev."};
    static constexpr double kLeft[4] = {4980, 6060, 6720, 7800};
    static constexpr double kWidth[4] = {1020, 600, 1020, 1080};
    std::array<QLabel*, 4> columns{};
    for (std::size_t c = 0; c < 4; ++c)
        columns[c] = label(page, QString::fromUtf16(kColumns[c]), kLeft[c], 2340, kWidth[c]);
    for (std::size_t k = 0; k < 4; ++k) {
        const double top = 2640 + 330 * double(k);
        lblLevel[k] = label(page, QString::fromUtf16(kLevelNames[k]), kLeft[0], top, kWidth[0]);
        lblNum[k] = result(page, kLeft[1], top, kWidth[1], 285);
        lblAvg[k] = result(page, kLeft[2], top, kWidth[2], 285);
        lblStdDev[k] = result(page, kLeft[3], top, kWidth[3], 285);
        // Read as "Subsegment, N" while empty, as the figure once it shows one.
        const std::array<QLabel*, 3> figures = {lblNum[k], lblAvg[k], lblStdDev[k]};
        for (std::size_t c = 0; c < figures.size(); ++c)
            setFigureCaptions(figures[c], lblLevel[k], columns[c + 1]);
    }

    frmWildlife = frame(page, u"Wildlife"_s, 4980, 4080, 3900, 1740);
    cmdWildLife = button(frmWildlife, u"WildLife Use"_s, 120, 300, 1800);
    cmdWildLife->setEnabled(false);
    static constexpr const char16_t* kWildlife[3] = {u"Available", u"Used", u"Percent Use"};
    std::array<QLabel**, 3> values = {&lblAvailable, &lblUsed, &lblPercentUse};
    for (int i = 0; i < 3; ++i) {
        QLabel* caption =
            label(frmWildlife, QString::fromUtf16(kWildlife[i]), 2040, 300 + 420 * i, 1020);
        *values[std::size_t(i)] = result(frmWildlife, 3060, 285 + 420 * i, 720);
        setCaption(caption, *values[std::size_t(i)]); // read as the value's name while it is empty
    }
}

// ---- Optimal page --------------------------------------------------------------------------

void frmMainLog::buildOptimalPage(QWidget* page) {
    lblOptimal = label(page, u"Optimal Transect Length for Estimating Log Weight"_s, 120, 60, 8760);
    lblOptimal->setAlignment(Qt::AlignCenter);
    QFont heading = lblOptimal->font();
    heading.setBold(true);
    lblOptimal->setFont(heading);

    txtTvalue = textBox(page, 840, 405, 900, label(page, u"t-value"_s, 120, 420, 700));
    txtPrecisionLevel =
        textBox(page, 3360, 405, 900, label(page, u"Precision Level"_s, 2040, 420, 1300));
    txtQualifyingLogs =
        textBox(page, 5880, 405, 900, label(page, u"Qualifying Logs"_s, 4560, 420, 1300));

    // Per data sheet: the level names and unit lengths beside the rows of the two
    // grids; row k + 1 of each grid is level k.
    ssTabOptimal = new QTabWidget(page);
    placeTwips(ssTabOptimal, 60, 840, 8940, 5400);
    constexpr double gridTop = 60, headerHeight = 630, rowHeight = 330;
    constexpr double gridHeight = headerHeight + 4 * rowHeight + 330; // room for a scroll bar
    constexpr double secondTop = gridTop + gridHeight + 240;
    for (std::size_t p = 0; p < 5; ++p) {
        auto* sheet = new QWidget(ssTabOptimal);
        ssTabOptimal->addTab(sheet, QString::fromUtf16(kDataSheets[p]));
        int n = 0;
        for (const auto& [grids, top] :
             {std::pair{&grdOptimal, gridTop}, std::pair{&grdOptimal2, secondTop}}) {
            Grid* g = grid(sheet, 5, 5, 1, 2040, top, 6800, gridHeight);
            g->setAccessibleName(u"Optimal "_s + QString::number(++n) + u", "_s +
                                 ssTabOptimal->tabText(int(p)));
            g->setRowHeight(-1, int(rowHeight));
            g->setColWidth(-1, 1343);
            g->setRowHeight(0, int(headerHeight));
            (*grids)[p] = g;
        }
        for (std::size_t k = 0; k < 4; ++k) {
            const std::size_t i = 4 * p + k;
            const double row = headerHeight + rowHeight * double(k) + 45;
            const QString name = QString::fromUtf16(kLevelNames[k]);
            const QString length = QString::fromUtf16(kLengthCaptions[k]);
            lblTransectName[i] = label(sheet, name, 60, gridTop + row, 1100);
            lblTransectLength[i] = label(sheet, length, 1200, gridTop + row, 780);
            lblTransectName2[i] = label(sheet, name, 60, secondTop + row, 1100);
            lblTransectLength2[i] = label(sheet, length, 1200, secondTop + row, 780);
        }
    }
}

// ---- Statistical Test page -----------------------------------------------------------------

void frmMainLog::buildStatisticalTestPage(QWidget* page) {
    // The graph's tables give positions from the top of the tab control.
    const double strip = ssTabMain->stripTwips();
    const auto at = [strip](const TwipsRect& r, QWidget* w) {
        placeTwips(w, r.left, r.top - strip, r.width, r.height);
    };
    picStatTest = new StatTestPicture(page);
    setAccessibleRole(picStatTest, QAccessible::Chart); // a graph, not a "frame"
    at(StatTestPictureRect, picStatTest);
    std::array<QLabel**, 6> scale = {&lblStat100, &lblStat75, &lblStat50,
                                     &lblStat25,  &lblStat0,  &lblStatMinus25};
    static constexpr const char16_t* kScale[6] = {u"100", u"75", u"50", u"25", u"0", u"-25"};
    for (std::size_t i = 0; i < scale.size(); ++i) {
        *scale[i] = new QLabel(QString::fromUtf16(kScale[i]), page);
        (*scale[i])->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        at(StatTestLabelRects[i], *scale[i]);
    }
    lblStatY = label(page, u"Logs per hectare"_s, StatTestPictureRect.left,
                     StatTestPictureRect.top - strip - 360, StatTestPictureRect.width);
    lblStatY->setAlignment(Qt::AlignCenter);

    // Inputs and limits on the left.
    txtTargetValue = textBox(page, 120, 500, 1380, label(page, u"Target Value"_s, 120, 240, 1380));
    txtEstimatedValue =
        textBox(page, 120, 1220, 1380, label(page, u"Estimated Value"_s, 120, 960, 1380));
    txtBound = textBox(page, 120, 1940, 1380, label(page, u"Bound"_s, 120, 1680, 1380));
    label(page, u"Upper Limit"_s, 120, 2400, 1380);
    lblStatTestUpperLimit = result(page, 120, 2660, 1380);
    label(page, u"Lower Limit"_s, 120, 3120, 1380);
    lblStatTestLowerLimit = result(page, 120, 3380, 1380);

    // Legend on the right.
    const double legendLeft = StatTestPictureRect.left + StatTestPictureRect.width + 240;
    std::array<QLabel**, 3> swatches = {&lblTargetValue, &lblEstimatedValue, &lblUpperLimit};
    static constexpr const char16_t* kLegend[3] = {u"Target Value", u"Estimated Value",
                                                   u"Confidence Limits"};
    const QColor colours[3] = {TargetColour, EstimateColour, LimitColour};
    for (std::size_t i = 0; i < 3; ++i) {
        const double top = StatTestPictureRect.top - strip + 120 + 420 * double(i);
        QLabel* swatch = label(page, QString(), legendLeft, top + 90, 300, 75);
        swatch->setAutoFillBackground(true);
        QPalette pal = swatch->palette();
        pal.setColor(QPalette::Window, colours[i]);
        swatch->setPalette(pal);
        *swatches[i] = swatch;
        label(page, QString::fromUtf16(kLegend[i]), legendLeft + 360, top, 1500);
    }
}

} // namespace vernalt
