// The snag window's menu bar and the controls of its ten pages, placed from
// twips tables as the window is designed at its load size (9420 x 9480 twips).
#include "snag/frmMainSnag.h"

#include "platform/accessibility.h"
#include "platform/twips.h"
#include "snag/plot_dimensions.h"

#include <QAction>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace vernalt {

namespace {

QString latin(const char* s) {
    return QString::fromLatin1(s);
}

// Captions of the pages of ssTabMain, in page order.
constexpr const char* MainPages[] = {
    "Optimal",         "Densities", "Sample Size", "Statistical Test", "Summary Statistics",
    "Single/Combined", "Stratum 1", "Stratum 2",   "Stratum 3",        "Stratum 4"};

// Captions of the pages of ssTabOptimal.
constexpr const char* OptimalPages[] = {"Optimal 1", "Optimal 2", "Optimal 3"};

// Captions of the sheet chooser, by data sheet.
constexpr const char* SheetOptions[] = {"Single", "Stratum 1", "Stratum 2", "Stratum 3",
                                        "Stratum 4"};

// Captions of the cavity/forage frame, left to right, each above its value label.
constexpr const char* CavityCaptions[] = {"CavTotal",  "ForageTotal", "CavSigns",
                                          "Cav % Use", "ForageSigns", "For % Use"};

// The sampling levels of the two subtotal grids and the two statistics grids.
constexpr const char* SummaryLevels[] = {"Subsegment and Segment", "Section and Transect"};

// Default width texts, shown until the plot sizes are read.
constexpr const char* DefaultWidths[] = {"10", "20", "30", "40"};

// Places controls on one page. Tops are measured from `origin` twips above the
// page (the tab control's top for the pages of ssTabMain, 0 for others).
struct Sheet {
    QWidget* page;
    double origin = 0;

    void place(QWidget* w, double left, double top, double width, double height) const {
        placeTwips(w, left, top - origin, width, height);
    }
    QLabel* caption(const QString& text, double left, double top, double width, double height = 255,
                    Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) const {
        auto* l = new QLabel(text, page);
        l->setAlignment(align);
        l->setWordWrap(height > 300);
        place(l, left, top, width, height);
        return l;
    }
    // A label that shows a result: a sunken white box.
    QLabel* result(double left, double top, double width, double height = 285) const {
        auto* l = new QLabel(page);
        l->setStyleSheet(u"QLabel { border: 1px solid palette(mid); background: palette(base);"
                         u" padding: 0px 2px; }"_s);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        place(l, left, top, width, height);
        return l;
    }
    // An input box; its caption names it for screen readers.
    QLineEdit* box(double left, double top, double width, QLabel* caption = nullptr) const {
        auto* e = new QLineEdit(page);
        place(e, left, top, width, 285);
        if (caption)
            setCaption(caption, e);
        return e;
    }
    QPushButton* button(const QString& text, double left, double top, double width,
                        double height = 375) const {
        auto* b = new QPushButton(text, page);
        place(b, left, top, width, height);
        return b;
    }
    Grid* grid(double left, double top, double width, double height, int rows, int cols) const {
        auto* g = new Grid(page);
        g->grid()->setFixedCols(0);
        g->setRows(rows);
        g->setCols(cols);
        place(g, left, top, width, height);
        return g;
    }
    QGroupBox* frame(const QString& text, double left, double top, double width,
                     double height) const {
        auto* f = new QGroupBox(text, page);
        place(f, left, top, width, height);
        return f;
    }
};

// A page of an inner tab control holding one grid that fills it, named as its tab.
Grid* gridPage(QTabWidget* tabs, const QString& caption) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* g = new Grid(page);
    g->setAccessibleName(caption);
    layout->addWidget(g);
    tabs->addTab(page, caption);
    return g;
}

} // namespace

// ---- Menu bar --------------------------------------------------------------------

void frmMainSnag::buildMenus() {
    QMenuBar* bar = menuBar();
    mnuFile = bar->addMenu(u"&File"_s);
    mnuFileOpen = mnuFile->addAction(u"&Open..."_s);
    mnuFileOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuPrint = mnuFile->addAction(u"Print Preview"_s);
    mnuFileExit = mnuFile->addAction(u"E&xit to Menu"_s);

    mnuMeasurement = bar->addMenu(u"&Measurement"_s);
    mnuMetric = mnuMeasurement->addAction(u"Metric"_s);
    mnuMetric->setCheckable(true);
    mnuMetric->setChecked(true);
    mnuEnglish = mnuMeasurement->addAction(u"English"_s);
    mnuEnglish->setCheckable(true);

    mnuPlotDimensions = bar->addMenu(u"&Plot Dimensions"_s);
    mnuWidths = mnuPlotDimensions->addMenu(u"Widths"_s);
    std::array<QAction**, 4> widths = {&mnuWidth10, &mnuWidth20, &mnuWidth30, &mnuWidth40};
    for (int w = 0; w < WidthCount; ++w) {
        QAction* item = mnuWidths->addAction(latin(DefaultWidths[w]));
        item->setCheckable(true);
        item->setChecked(true);
        *widths[std::size_t(w)] = item;
    }
    mnuAllWidths = mnuWidths->addAction(u"All Widths"_s);
    mnuSizeSettings = mnuPlotDimensions->addAction(u"Custom Dimensions"_s);

    mnuSettings = bar->addMenu(u"&Settings"_s);
    WidthTextArray defaultWidths;
    for (int w = 0; w < WidthCount; ++w)
        defaultWidths[std::size_t(w)] = latin(DefaultWidths[w]);
    std::array<QString, PlotDimensionCount + 1> selections{u"Automatic"_s};
    for (int p = 0; p < PlotDimensionCount; ++p)
        selections[std::size_t(p + 1)] = plotDimensionName(p, defaultWidths);
    buildSelectionMenus(mnuSettings, selections);

    mnuView = bar->addMenu(u"&View"_s);
    mnuGuidelines = mnuView->addAction(u"General Cost Per Sample Guidelines"_s);

    mnuHelp = bar->addMenu(u"&Help"_s);
    mnuHelpAbout = mnuHelp->addAction(u"&About "_s);
}

// ---- Pages -----------------------------------------------------------------------

void frmMainSnag::buildPages() {
    auto* central = new QWidget(this);
    setCentralWidget(central);
    ssTabMain = new TabControl(5, central);
    std::array<QWidget*, 10> pages{};
    for (int p = 0; p < 10; ++p)
        pages[std::size_t(p)] = ssTabMain->addTab(latin(MainPages[p]));
    placeTwips(ssTabMain, 120, 120, 9045, 8265);

    sbStatusBar = statusBar();
    sbStatusPanel = new QLabel(sbStatusBar);
    sbStatusBar->addWidget(sbStatusPanel, 1);

    buildOptimalPage(pages[PageOptimal]);
    buildDensitiesPage(pages[PageDensities]);
    buildSampleSizePage(pages[PageSampleSize]);
    buildStatisticalTestPage(pages[PageStatisticalTest]);
    buildSummaryPage(pages[PageSummary]);
    for (int k = 0; k < 5; ++k)
        buildDataSheetPage(pages[std::size_t(PageSingleCombined + k)], k);
}

void frmMainSnag::buildOptimalPage(QWidget* page) {
    const Sheet s{page, double(ssTabMain->stripTwips())};
    fraStratumToProcess = s.frame(u"Stratum to Process"_s, 120, 690, 8805, 735);
    const Sheet f{fraStratumToProcess};
    for (int k = 0; k < 5; ++k) {
        optStratum[k] = new QRadioButton(latin(SheetOptions[k]), fraStratumToProcess);
        f.place(optStratum[k], 120 + 1300 * k, 300, 1250, 285);
    }
    optStratum[0]->setChecked(true);
    cmdSubtotals = f.button(u"Compute"_s, 6780, 285, 1095, 360);

    txtOptimalTvalue = s.box(840, 1500, 700, s.caption(u"t-value"_s, 120, 1530, 700));
    txtOptimalTvalue->setText(u"1.67"_s);
    txtOptimalPrecisionLevel =
        s.box(3120, 1500, 700, s.caption(u"Precision Level"_s, 1800, 1530, 1300));
    txtOptimalPrecisionLevel->setText(u".2"_s);
    txtStratum = s.box(4800, 1500, 700, s.caption(u"Stratum"_s, 4080, 1530, 700));

    s.caption(u"Lowest Variance"_s, 120, 1890, 1400);
    lblLowestVariance = s.result(1560, 1875, 1300);
    s.caption(u"Lowest Total Cost"_s, 3120, 1890, 1500);
    lblLowestTotalCost = s.result(4680, 1875, 1300);

    ssTabOptimal = new QTabWidget(page);
    s.place(ssTabOptimal, 120, 2280, 8805, 5865);
    for (int k = 0; k < 3; ++k) {
        grdOptimal[k] = gridPage(ssTabOptimal, latin(OptimalPages[k]));
        grdOptimal[k]->grid()->setFixedCols(0);
        grdOptimal[k]->setRows(17);
        grdOptimal[k]->setCols(7);
    }
}

void frmMainSnag::buildDensitiesPage(QWidget* page) {
    const Sheet s{page, double(ssTabMain->stripTwips())};
    txtSimpleTvalue = s.box(1080, 720, 700, s.caption(u"t-value"_s, 120, 735, 900));
    txtSimpleTvalue->setText(u"1.67"_s);
    txtNumStrata = s.box(3480, 720, 600, s.caption(u"Number of Strata"_s, 1980, 735, 1440));
    cmdCalcStratified = s.button(u"Calculate Stratified Values"_s, 6240, 675, 2685);
    cmdCalcStratified->setVisible(false);

    s.caption(u"Optimal t-value"_s, 120, 1110, 1300);
    lblTValue[0] = s.result(1440, 1095, 700);
    s.caption(u"Precision Level"_s, 2340, 1110, 1300);
    lblPrecisionLevel[0] = s.result(3660, 1095, 700);
    s.caption(u"Stratum"_s, 4560, 1110, 800);
    lblStratum[0] = s.result(5400, 1095, 700);

    ssTabFormula = new QTabWidget(page);
    s.place(ssTabFormula, 120, 1500, 8805, 6645);
    auto* simple = new QWidget;
    auto* stratified = new QWidget;
    buildSimpleSheet(simple);
    buildStratifiedSheet(stratified);
    // Each sheet scrolls when the window is made smaller than the sheet.
    const auto scrolled = [](QWidget* sheet) {
        const QPoint corner = sheet->childrenRect().bottomRight();
        sheet->resize(corner.x() + 1, corner.y() + 8);
        auto* area = new QScrollArea;
        area->setFrameShape(QFrame::NoFrame);
        area->setFocusPolicy(Qt::NoFocus); // the sheet's boxes take the focus, not the area
        area->setWidget(sheet);
        return area;
    };
    ssTabFormula->addTab(scrolled(simple), u"Simple-Random Sampling Equation"_s);
    ssTabFormula->addTab(scrolled(stratified), u"Stratified-Random Sampling Equation"_s);
}

void frmMainSnag::buildSimpleSheet(QWidget* page) {
    const Sheet s{page};
    // The estimate and its limits, on the left. The X of the estimate's title
    // carries a bar; the title is centred on 600 twips, so that its X lies under
    // the bar in both unit systems (the longer metric title starts further left).
    lblSimpleXTitle = s.caption(u"X (hectares)"_s, 0, 720, 1200, 255, Qt::AlignCenter);
    linDensitiesX = new LineControl(page);
    linDensitiesX->setY1(700);
    linDensitiesX->setY2(700);
    linDensitiesX->setX1(100);
    linDensitiesX->setX2(220);
    lblSimpleX = s.result(1500, 705, 1300);
    s.caption(u"Bound"_s, 120, 1095, 1300);
    lblSimpleBound = s.result(1500, 1080, 1300);
    s.caption(u"Upper Limit"_s, 120, 1455, 1300);
    lblSimpleUpperLimit = s.result(1500, 1440, 1300);
    s.caption(u"Lower Limit"_s, 120, 1815, 1300);
    lblSimpleLowerLimit = s.result(1500, 1800, 1300);
    s.caption(u"Current Level of Precision (%)"_s, 120, 2130, 1300, 450);
    lblSimplePrecision = s.result(1500, 2160, 1300);

    // Inputs, then the plot and the per-area values, on the right.
    txtPlotDimensions =
        s.box(6000, 240, 1300, s.caption(u"Plot Dimensions (name)"_s, 3120, 255, 2820));
    txtAverageDensity =
        s.box(6000, 600, 1300, s.caption(u"Mean Density (#/plot)"_s, 3120, 615, 2820));
    txtStdDev =
        s.box(6000, 960, 1300, s.caption(u"Standard Deviation (#/plot)"_s, 3120, 975, 2820));
    txtSampleSize = s.box(6000, 1320, 1300, s.caption(u"Sample Size (n)"_s, 3120, 1335, 2820));
    lblSimpleLandscapeArea = s.caption(u"Landscape Area (hectares)"_s, 3120, 1695, 2820);
    txtSimpleLandscapeArea = s.box(6000, 1680, 1300, lblSimpleLandscapeArea);

    lblSimplePlotSize = s.caption(u"Plot Size (meters^2)"_s, 3120, 2175, 2820);
    lblPlotSize = s.result(6000, 2160, 1300);
    lblSimplePlotArea = s.caption(u"Plot Area (hectares)"_s, 3120, 2535, 2820);
    lblPlotArea = s.result(6000, 2520, 1300);
    lblSimpleAvgAcres = s.caption(u"Average (#/hectare)"_s, 3120, 2895, 2820);
    lblAvgAcres = s.result(6000, 2880, 1300);
    lblSimpleVarianceAcres = s.caption(u"Variance (#/hectare)"_s, 3120, 3255, 2820);
    lblVarianceAcres = s.result(6000, 3240, 1300);
}

void frmMainSnag::buildStratifiedSheet(QWidget* page) {
    const Sheet s{page};
    constexpr Qt::Alignment Centre = Qt::AlignHCenter | Qt::AlignBottom;

    // Inputs: one row per stratum.
    struct Column {
        double left, width;
    };
    constexpr Column In[] = {{120, 700},   {900, 1400},  {2380, 1500},
                             {3960, 1400}, {5440, 1500}, {7020, 1200}};
    const std::array<QLabel*, 6> titles = {
        s.caption(u"Stratum"_s, In[0].left, 120, In[0].width, 450, Centre),
        lblStratifiedStratumSizeTitle =
            s.caption(u"Stratum Size (hectares)"_s, In[1].left, 120, In[1].width, 450, Centre),
        s.caption(u"Plot Dimensions (name)"_s, In[2].left, 120, In[2].width, 450, Centre),
        s.caption(u"Mean Density (#/plot)"_s, In[3].left, 120, In[3].width, 450, Centre),
        s.caption(u"Standard Deviation (#/plot)"_s, In[4].left, 120, In[4].width, 450, Centre),
        s.caption(u"Sample Size (n)"_s, In[5].left, 120, In[5].width, 450, Centre)};
    const std::array<std::array<QLineEdit*, 4>*, 6> inputs = {
        &txtStratifiedStratum,    &txtStratifiedStratumSize, &txtStratifiedPlotDimensions,
        &txtStratifiedAvgDensity, &txtStratifiedStdDev,      &txtStratifiedSampleSize};
    for (int h = 0; h < 4; ++h)
        for (std::size_t c = 0; c < inputs.size(); ++c) {
            QLineEdit* box = s.box(In[c].left, 600 + 330 * h, In[c].width);
            setColumnTitle(box, titles[c], h + 1);
            (*inputs[c])[std::size_t(h)] = box;
        }

    // Per-stratum results and the equation rows.
    constexpr double OutTop = 2040, OutWidth = 1150, OutStep = 1230;
    lblStratifiedPlotSizeTitle =
        s.caption(u"Plot Size (meters^2)"_s, 120, OutTop, OutWidth, 660, Centre);
    lblStratifiedPlotAreaTitle =
        s.caption(u"Plot Area (hectares)"_s, 120 + OutStep, OutTop, OutWidth, 660, Centre);
    lblStratifiedAvgAcresTitle =
        s.caption(u"Average (#/hectare)"_s, 120 + 2 * OutStep, OutTop, OutWidth, 660, Centre);
    lblStratifiedVarianceHectaresTitle =
        s.caption(u"Variance (#/hectare)"_s, 120 + 3 * OutStep, OutTop, OutWidth, 660, Centre);
    s.caption(u"Stratum Weight"_s, 120 + 4 * OutStep, OutTop, OutWidth, 660, Centre);
    s.caption(u"Stratified Mean Equations"_s, 120 + 5 * OutStep, OutTop, OutWidth, 660, Centre);
    s.caption(u"Stratified Variance Equations"_s, 120 + 6 * OutStep, OutTop, OutWidth, 660, Centre);
    const std::array<std::array<QLabel*, 4>*, 7> outputs = {
        &lblStratifiedPlotSize,         &lblStratifiedPlotArea,      &lblStratifiedAvgAcres,
        &lblStratifiedVarianceHectares, &lblStratifiedStratumWeight, &lblStratifiedMeanEquations,
        &lblStratifiedVarianceEquations};
    for (int h = 0; h < 4; ++h)
        for (std::size_t c = 0; c < outputs.size(); ++c)
            (*outputs[c])[std::size_t(h)] =
                s.result(120 + OutStep * double(c), 2760 + 330 * h, OutWidth);
    // Element 0 of the equation rows is never written: it stays out of sight.
    lblStratifiedMeanEquations[0]->hide();
    lblStratifiedVarianceEquations[0]->hide();

    // The estimate and its limits.
    lblStratifiedXTitle = s.caption(u"Xst (hectares)"_s, 120, 4320, 1300);
    lblStratifiedX = s.result(1440, 4305, 1300);
    s.caption(u"Var(st)"_s, 3000, 4320, 1300);
    lblStratifiedVar = s.result(4320, 4305, 1300);
    s.caption(u"S(e)"_s, 5880, 4320, 1300);
    lblStratifiedS = s.result(7200, 4305, 1300);
    s.caption(u"Bound"_s, 120, 4695, 1300);
    lblStratifiedBound = s.result(1440, 4680, 1300);
    s.caption(u"Upper Limit"_s, 3000, 4695, 1300);
    lblStratifiedUpperLimit = s.result(4320, 4680, 1300);
    s.caption(u"Lower Limit"_s, 5880, 4695, 1300);
    lblStratifiedLowerLimit = s.result(7200, 4680, 1300);
    s.caption(u"Current Level of Precision (%)"_s, 120, 5070, 2800);
    lblStratifiedPrecision = s.result(4320, 5055, 1300);
}

void frmMainSnag::buildSampleSizePage(QWidget* page) {
    const Sheet s{page, double(ssTabMain->stripTwips())};
    s.caption(u"t-value"_s, 120, 735, 900);
    lblTValue[1] = s.result(1080, 720, 700);
    s.caption(u"Precision Level"_s, 2040, 735, 1300);
    lblPrecisionLevel[1] = s.result(3360, 720, 700);
    s.caption(u"Stratum"_s, 4320, 735, 800);
    lblStratum[1] = s.result(5160, 720, 700);

    grdSampleSize[0] = s.grid(120, 1110, 8805, 1650, 5, 7);
    grdSampleSize[1] = s.grid(120, 2880, 8805, 1650, 5, 7);
    grdSampleSize[0]->setAccessibleName(u"Sample Size 1"_s);
    grdSampleSize[1]->setAccessibleName(u"Sample Size 2"_s);

    frmOptimalAllocation = s.frame(u"Optimal Allocation"_s, 120, 5865, 4350, 2250);
    frmProportionalAllocation = s.frame(u"Proportional Allocation"_s, 4575, 5865, 4350, 2250);
    grdOptimalAllocation = Sheet{frmOptimalAllocation}.grid(120, 270, 4110, 1860, 5, 4);
    grdProportionalAllocation = Sheet{frmProportionalAllocation}.grid(120, 270, 4110, 1860, 5, 4);
}

void frmMainSnag::buildStatisticalTestPage(QWidget* page) {
    const Sheet s{page, double(ssTabMain->stripTwips())};
    picStatTest = new StatTestPicture(page);
    setAccessibleRole(picStatTest, QAccessible::Chart); // a graph, not a "frame"
    s.place(picStatTest, 2040, 1560, 4815, 4815);

    // The scale beside the picture, from its top edge to its bottom edge.
    constexpr Qt::Alignment Right = Qt::AlignRight | Qt::AlignVCenter;
    // Their right edges meet the picture; they reach left far enough for a value
    // such as -0.0625 or -312.
    constexpr double ScaleLeft = 1260, ScaleWidth = 675;
    lblStat100 = s.caption(u"100"_s, ScaleLeft, 1490, ScaleWidth, 255, Right);
    lblStat75 = s.caption(u"75"_s, ScaleLeft, 2446, ScaleWidth, 255, Right);
    lblStat50 = s.caption(u"50"_s, ScaleLeft, 3402, ScaleWidth, 255, Right);
    lblStat25 = s.caption(u"25"_s, ScaleLeft, 4358, ScaleWidth, 255, Right);
    lblStat0 = s.caption(u"0"_s, ScaleLeft, 5314, ScaleWidth, 255, Right);
    lblStatMinus25 = s.caption(u"-25"_s, ScaleLeft, 6270, ScaleWidth, 255, Right);
    lblStatY = s.caption(u"y-axis"_s, 60, 3600, 1140, 510, Qt::AlignCenter);

    // The inputs and limits, right of the picture.
    txtTargetValue = s.box(7080, 1815, 1300, s.caption(u"Target Value"_s, 7080, 1560, 1800));
    txtEstimatedValue = s.box(7080, 2505, 1300, s.caption(u"Estimated Value"_s, 7080, 2250, 1800));
    txtBound = s.box(7080, 3195, 1300, s.caption(u"Bound"_s, 7080, 2940, 1800));
    txtUpperLimit = s.box(7080, 3885, 1300, s.caption(u"Upper Limit"_s, 7080, 3630, 1800));
    txtLowerLimit = s.box(7080, 4575, 1300, s.caption(u"Lower Limit"_s, 7080, 4320, 1800));

    // Legend below the picture: a swatch beside each caption.
    const auto swatch = [&](double left, const QColor& colour) {
        auto* l = new QLabel(page);
        l->setFrameStyle(QFrame::Box | QFrame::Plain);
        l->setAutoFillBackground(true);
        QPalette p = l->palette();
        p.setColor(QPalette::Window, colour);
        l->setPalette(p);
        s.place(l, left, 6570, 240, 195);
        return l;
    };
    lblTargetValue = swatch(2040, TargetColour);
    s.caption(u"Target Value"_s, 2340, 6540, 1200);
    lblEstimatedValue = swatch(3600, EstimateColour);
    s.caption(u"Estimated Value"_s, 3900, 6540, 1560);
    lblUpperLimit = swatch(5520, LimitColour);
    s.caption(u"Upper and Lower Limit"_s, 5820, 6540, 2400);
}

void frmMainSnag::buildSummaryPage(QWidget* page) {
    const Sheet s{page, double(ssTabMain->stripTwips())};
    grdSubtotal[0] = s.grid(120, 690, 8805, 2055.5, 17, 8);
    grdSubtotal[1] = s.grid(120, 2759.5, 8805, 2055.5, 17, 8);
    grdStats[0] = s.grid(120, 5040, 4350, 2370, 9, 4);
    grdStats[1] = s.grid(4575, 5040, 4350, 2370, 9, 4);
    for (std::size_t g = 0; g < 2; ++g) {
        grdSubtotal[g]->setAccessibleName(u"Subtotals, "_s + latin(SummaryLevels[g]));
        grdStats[g]->setAccessibleName(u"Summary Statistics, "_s + latin(SummaryLevels[g]));
    }
    cmdCorrelation = s.button(u"Correlation"_s, 120, 7560, 1335);
    lblSubtotals = s.caption(u"Subtotals"_s, 1560, 7620, 4000);
}

void frmMainSnag::buildDataSheetPage(QWidget* page, int k) {
    const Sheet s{page, double(ssTabMain->stripTwips())};
    grdStratum[k] = s.grid(120, 690, 8655, 6105, 2, 23);
    grdStratum[k]->setAccessibleName(ssTabMain->tabText(PageSingleCombined + k) + u" data sheet"_s);

    frmSingleCavity[k] = s.frame(u"Cavity/Forage"_s, 120, 6810, 7440, 900);
    const Sheet f{frmSingleCavity[k]};
    const std::array<QLabel**, 6> values = {&lblCavityTotal[k],    &lblForageTotal[k],
                                            &lblCavityCavSigns[k], &lblCavityPercentUse[k],
                                            &lblForageSigns[k],    &lblForagePercentUse[k]};
    for (std::size_t i = 0; i < values.size(); ++i) {
        const double left = 120 + 1200 * double(i);
        QLabel* caption =
            f.caption(latin(CavityCaptions[i]), left, 240, 1150, 255, Qt::AlignCenter);
        *values[i] = f.result(left, 510, 1150);
        setCaption(caption, *values[i]); // read as the value's name while it is empty
    }

    cmdFormMulti[k] = s.button(u"Multiple"_s, 120, 7770, 1215);
    cmdFormSingle[k] = s.button(u"Single"_s, 1455, 7770, 1215);
    cmdCavity[k] = s.button(u"Cavity"_s, 2790, 7770, 1215);
    cmdForage[k] = s.button(u"Forage"_s, 4125, 7770, 1215);
    for (QPushButton* b : {cmdFormMulti[k], cmdFormSingle[k], cmdCavity[k], cmdForage[k]})
        b->setEnabled(false);
}

// ---- Events ------------------------------------------------------------------------

void frmMainSnag::connectControls() {
    // A menu click runs its handler with the check mark as it was: the handlers
    // set the check marks themselves.
    const auto onClick = [this](QAction* item, auto handler) {
        connect(item, &QAction::triggered, this, [this, item, handler] {
            if (item->isCheckable()) {
                const QSignalBlocker block(item);
                item->setChecked(!item->isChecked());
            }
            (this->*handler)();
        });
    };
    onClick(mnuFileOpen, &frmMainSnag::mnuFileOpen_Click);
    onClick(mnuPrint, &frmMainSnag::mnuPrint_Click);
    onClick(mnuFileExit, &frmMainSnag::mnuFileExit_Click);
    onClick(mnuMetric, &frmMainSnag::mnuMetric_Click);
    onClick(mnuEnglish, &frmMainSnag::mnuEnglish_Click);
    onClick(mnuWidth10, &frmMainSnag::mnuWidth10_Click);
    onClick(mnuWidth20, &frmMainSnag::mnuWidth20_Click);
    onClick(mnuWidth30, &frmMainSnag::mnuWidth30_Click);
    onClick(mnuWidth40, &frmMainSnag::mnuWidth40_Click);
    onClick(mnuAllWidths, &frmMainSnag::mnuAllWidths_Click);
    onClick(mnuSizeSettings, &frmMainSnag::mnuSizeSettings_Click);
    onClick(mnuGuidelines, &frmMainSnag::mnuGuidelines_Click);
    onClick(mnuHelpAbout, &frmMainSnag::mnuHelpAbout_Click);

    connectSelectionMenus<frmMainSnag>(
        this, {&frmMainSnag::mnuSingle_Click, &frmMainSnag::mnuStratum1_Click,
               &frmMainSnag::mnuStratum2_Click, &frmMainSnag::mnuStratum3_Click,
               &frmMainSnag::mnuStratum4_Click});

    for (int k = 0; k < 5; ++k) {
        connect(cmdFormMulti[k], &QPushButton::clicked, this, [this, k] { cmdFormMulti_Click(k); });
        connect(cmdFormSingle[k], &QPushButton::clicked, this,
                [this, k] { cmdFormSingle_Click(k); });
        connect(cmdCavity[k], &QPushButton::clicked, this, [this, k] { cmdCavity_Click(k); });
        connect(cmdForage[k], &QPushButton::clicked, this, [this, k] { cmdForage_Click(k); });
    }
    connect(cmdSubtotals, &QPushButton::clicked, this, &frmMainSnag::cmdSubtotals_Click);
    connect(cmdCorrelation, &QPushButton::clicked, this, &frmMainSnag::cmdCorrelation_Click);
    connect(cmdCalcStratified, &QPushButton::clicked, this, &frmMainSnag::cmdCalcStratified_Click);

    connect(ssTabMain, &TabControl::clicked, this, &frmMainSnag::ssTabMain_Click);
    // The formula tabs report the page shown before, as ssTabMain does.
    connect(ssTabFormula, &QTabWidget::currentChanged, this,
            [this](int index) { ssTabFormula_Click(index == 0 ? 1 : 0); });

    connect(txtBound, &QLineEdit::textChanged, this, &frmMainSnag::txtBound_Change);
    connect(txtEstimatedValue, &QLineEdit::textChanged, this,
            &frmMainSnag::txtEstimatedValue_Change);
    connect(txtTargetValue, &QLineEdit::textChanged, this, &frmMainSnag::txtTargetValue_Change);
    connect(txtNumStrata, &QLineEdit::textChanged, this, &frmMainSnag::txtNumStrata_Change);
    connect(txtOptimalPrecisionLevel, &QLineEdit::textChanged, this,
            &frmMainSnag::txtOptimalPrecisionLevel_Change);
    connect(txtOptimalTvalue, &QLineEdit::textChanged, this, &frmMainSnag::txtOptimalTvalue_Change);
    connect(txtStratum, &QLineEdit::textChanged, this, &frmMainSnag::txtStratum_Change);
}

} // namespace vernalt
