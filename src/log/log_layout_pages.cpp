// The log window's Formula, Sample Size and data-sheet pages and the status bar.
#include "log/frmMainLog.h"
#include "log/log_widgets.h"

#include "platform/grid_accessibility.h"
#include "platform/twips.h"
#include "platform/value.h"

#include <QAction>
#include <QComboBox>
#include <QDateTime>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace vernalt {

using namespace logui;

namespace {

constexpr const char16_t* kMainPages[] = {
    u"Summary Statistics", u"Optimal",   u"Formula",   u"Sample Size", u"Statistical Test",
    u"Single/Combined",    u"Stratum 1", u"Stratum 2", u"Stratum 3",   u"Stratum 4"};

// The three analysis inputs mirrored on the Formula (0) and Sample Size (1) pages.
void mirrorLabels(QWidget* page, double left, double top, QLabel*& tValue, QLabel*& precision,
                  QLabel*& qualifying) {
    label(page, u"t-value:"_s, left, top, 700);
    tValue = label(page, QString(), left + 720, top, 700);
    label(page, u"Precision Level:"_s, left + 1500, top, 1300);
    precision = label(page, QString(), left + 2820, top, 700);
    label(page, u"Qualifying Logs:"_s, left + 3600, top, 1300);
    qualifying = label(page, QString(), left + 4920, top, 900);
}

} // namespace

void frmMainLog::buildPages() {
    auto* client = new QWidget(this);
    setCentralWidget(client);

    // Five tabs a row: every caption stays readable at the window's minimum width.
    ssTabMain = new TabControl(5, client);
    placeTwips(ssTabMain, 120, 120, 9045, 6975);
    for (const char16_t* caption : kMainPages)
        ssTabMain->addTab(QString::fromUtf16(caption));
    buildSummaryPage(ssTabMain->page(PageSummary));
    buildOptimalPage(ssTabMain->page(PageOptimal));
    buildFormulaPage(ssTabMain->page(PageFormula));
    buildSampleSizePage(ssTabMain->page(PageSampleSize));
    buildStatisticalTestPage(ssTabMain->page(PageStatisticalTest));
    for (int k = 0; k < 5; ++k)
        buildDataSheetPage(ssTabMain->page(PageSingleCombined + k), k);

    lblComboTitle = label(client, u"Stratified-Random Sampling Equations Using Both LIM and SPM"_s,
                          120, 60, 9045, 315);
    lblComboTitle->setAlignment(Qt::AlignCenter);
    QFont heading = lblComboTitle->font();
    heading.setBold(true);
    lblComboTitle->setFont(heading);
    lblComboTitle->hide();
    buildComboPages();
}

// ---- Formula page ------------------------------------------------------------------------

void frmMainLog::buildFormulaPage(QWidget* page) {
    lblFormula = label(page, u"Formula"_s, 120, 60, 8760);
    lblFormula->setAlignment(Qt::AlignCenter);
    QFont heading = lblFormula->font();
    heading.setBold(true);
    lblFormula->setFont(heading);
    mirrorLabels(page, 120, 360, lblTValue[0], lblPrecisionLevel[0], lblQualifyingLogs[0]);

    ssTabFormula = new QTabWidget(page);
    placeTwips(ssTabFormula, 120, 720, 8655, 5520);
    auto* simple = new QWidget(ssTabFormula);
    ssTabFormula->addTab(simple, u"Simple-Random Sampling Equation"_s);
    auto* stratified = new QWidget(ssTabFormula);
    ssTabFormula->addTab(stratified, u"Stratified-Random Sampling Equation"_s);

    // Simple-random sampling: the equation row, the landscape area, the results.
    grdFormulaSimple = grid(simple, 2, 7, 1, 60, 60, 8400, 1200);
    grdFormulaSimple->setAccessibleName(ssTabFormula->tabText(0));
    frmLandscapeArea = frame(simple, u"Landscape Area (hectares)"_s, 60, 1380, 2700, 720);
    frmLandscapeArea->hide();
    txtLandscapeArea[0] = textBox(frmLandscapeArea, 120, 300, 2400);
    cmdDefaultSingle = button(simple, u"Single"_s, 7260, 1560, 1200);
    frmSimpleStats = frame(simple, QString(), 60, 2220, 8460, 2880);
    lblSimpleMetricTitle = label(frmSimpleStats, QString(), 0, 480, 1900);
    lblSimpleMetricFormula = result(frmSimpleStats, 1920, 465, 960);
    lblSimpleEnglishTitle = label(frmSimpleStats, QString(), 5400, 840, 2000);
    lblSimpleEnglishFormula = result(frmSimpleStats, 7440, 825, 960);
    for (QLabel* l : {lblSimpleMetricTitle, lblSimpleEnglishTitle})
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    {
        static constexpr const char16_t* kTitles[5] = {u"Standard Error", u"Bound", u"Upper Limit",
                                                       u"Lower Limit",
                                                       u"Current Level of Precision (%)"};
        std::array<QLabel**, 5> values = {&lblSimpleStdErr, &lblSimpleBound, &lblSimpleUpperLimit,
                                          &lblSimpleLowerLimit, &lblSimplePrecision};
        for (std::size_t i = 0; i < 5; ++i) {
            const double top = 1320 + 300 * double(i);
            QLabel* t = label(frmSimpleStats, QString::fromUtf16(kTitles[i]), 120, top, 2700);
            t->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            *values[i] = result(frmSimpleStats, 2940, top - 15, 1300);
        }
    }

    // Stratified-random sampling: one row per stratum, the stratum sizes, the results.
    grdFormulaStratified = grid(stratified, 5, 12, 1, 60, 60, 8400, 2160);
    grdFormulaStratified->setAccessibleName(ssTabFormula->tabText(1));
    grdFormulaStratified->setRowHeight(0, 630);
    frmStratifiedStratumSize = frame(stratified, u"Stratum Size (hectares)"_s, 60, 2280, 7140, 720);
    for (std::size_t k = 1; k < 5; ++k) {
        const double left = 120 + 1740 * double(k - 1);
        txtLandscapeArea[k] = textBox(
            frmStratifiedStratumSize, left + 900, 300, 780,
            label(frmStratifiedStratumSize, u"Stratum "_s + numberText(double(k)), left, 315, 900));
    }
    frmStratifiedStats = frame(stratified, QString(), 60, 3060, 8460, 1980);
    lblStratifiedMetricTitle = label(frmStratifiedStats, QString(), 0, 120, 1900);
    lblStratifiedMetricFormula = result(frmStratifiedStats, 1920, 105, 960);
    lblStratifiedEnglishTitle = label(frmStratifiedStats, QString(), 5400, 480, 2000);
    lblStratifiedEnglishFormula = result(frmStratifiedStats, 7440, 465, 960);
    for (QLabel* l : {lblStratifiedMetricTitle, lblStratifiedEnglishTitle})
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    {
        static constexpr const char16_t* kTitles[6] = {
            u"Var (st)",    u"S (e)",       u"Bound",
            u"Upper Limit", u"Lower Limit", u"Current Level of Precision (%)"};
        std::array<QLabel**, 6> values = {&lblStratifiedVar,        &lblStratifiedS,
                                          &lblStratifiedBound,      &lblStratifiedUpperLimit,
                                          &lblStratifiedLowerLimit, &lblStratifiedPrecision};
        for (std::size_t i = 0; i < 6; ++i) {
            const double left = i < 3 ? 0 : 3480;
            const double top = 960 + 330 * double(i % 3);
            const double width = i < 3 ? 1800 : 2880;
            QLabel* t = label(frmStratifiedStats, QString::fromUtf16(kTitles[i]), left, top, width);
            t->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            *values[i] = result(frmStratifiedStats, left + width + 120, top - 15, 1300);
        }
    }
    cmdDefaultStratified = button(stratified, u"Stratified"_s, 7320, 2460, 1200);
}

// ---- Sample Size page ------------------------------------------------------------------------

void frmMainLog::buildSampleSizePage(QWidget* page) {
    lblSampleSizeHeader = label(page, u"Sample Size Determination"_s, 120, 60, 8760);
    lblSampleSizeHeader->setAlignment(Qt::AlignCenter);
    QFont heading = lblSampleSizeHeader->font();
    heading.setBold(true);
    lblSampleSizeHeader->setFont(heading);
    // Closely stacked: the allocation grids' titles take four lines (870 twips)
    // above their four rows, and all of it fits the window's minimum height.
    mirrorLabels(page, 120, 330, lblTValue[1], lblPrecisionLevel[1], lblQualifyingLogs[1]);

    for (std::size_t k = 0; k < 2; ++k) {
        grdSampleSize[k] = grid(page, 5, 7, 1, 120, 600 + 1635 * double(k), 8700, 1620);
        grdSampleSize[k]->setAccessibleName(u"Sample Size "_s + QString::number(k + 1));
        grdSampleSize[k]->setRowHeight(0, 630);
    }
    const auto allocation = [page](const QString& caption, double left, QGroupBox*& box, Grid*& g,
                                   QLabel*& title, QLabel*& total) {
        box = frame(page, caption, left, 3870, 4290, 2385);
        g = grid(box, 5, 4, 1, 60, 225, 4170, 1860);
        g->setRowHeight(0, 870);
        title = label(box, u"Total Transect Length Required (m) ="_s, 60, 2100, 2880);
        total = result(box, 2960, 2085, 1200);
    };
    allocation(u"Optimal Allocation"_s, 120, fraOptimalAllocation, grdOptimalAllocation,
               lblOptimalAllocation, lblOptTotalTransectLength);
    allocation(u"Proportional Allocation"_s, 4530, fraProportionalAllocation,
               grdProportionalAllocation, lblProportionalAllocation, lblPropTotalTransectLength);
}

// ---- Data sheets -------------------------------------------------------------------------------

void frmMainLog::buildDataSheetPage(QWidget* page, int k) {
    const std::size_t i = std::size_t(k);
    grdStratum[i] = grid(page, 1, 1, 0, 120, 60, 8655, 5775);
    grdStratum[i]->setAccessibleName(ssTabMain->tabText(PageSingleCombined + k) + u" data sheet"_s);
    setRecordSheet(grdStratum[i]);
    // The buttons under the sheet: 6480 twips below the tab control's top at the
    // load size, where Form_Resize keeps them (H - 1710).
    const double buttonsTop = 6480 - ssTabMain->stripTwips();
    if (k == 0) {
        cmdFormulaApply = button(page, u"Set Criteria"_s, 120, buttonsTop, 1800);
        cmdFormulaApply->setEnabled(false);
    } else {
        QPushButton* sort = button(page, u"Apply and Sort"_s, 120, buttonsTop, 1800);
        sort->setEnabled(false);
        std::array<QPushButton**, 4> sorts = {&cmdSort1, &cmdSort2, &cmdSort3, &cmdSort4};
        *sorts[i - 1] = sort;
    }
    cmdDisplayMean[i] = button(page, u"Calculate Mean Length"_s, 2040, buttonsTop, 2200);
    cmdDisplayMean[i]->setEnabled(false);
    cmdDisplayMean[i]->setVisible(false);
}

// ---- Status bar ---------------------------------------------------------------------------------

void frmMainLog::buildStatusBar() {
    for (auto*& panel : sbStatusBar)
        panel = new QLabel(this);
    sbStatusBar[0]->setText(u"Status"_s);
    statusBar()->addWidget(sbStatusBar[0], 1);
    statusBar()->addPermanentWidget(sbStatusBar[1]);
    statusBar()->addPermanentWidget(sbStatusBar[2]);
    clock_ = new QTimer(this);
    connect(clock_, &QTimer::timeout, this, &frmMainLog::refreshClock);
    refreshClock();
}

void frmMainLog::refreshClock() {
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale;
    sbStatusBar[1]->setText(locale.toString(now.date(), QLocale::ShortFormat));
    sbStatusBar[2]->setText(locale.toString(now.time(), QLocale::ShortFormat));
}

} // namespace vernalt
