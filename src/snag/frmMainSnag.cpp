// Life cycle of the snag window: load, resize, unload, ClearAll and the status bar.
#include "snag/frmMainSnag.h"

#include "platform/database.h"
#include "platform/errors.h"
#include "platform/prompts.h"
#include "platform/settings.h"
#include "platform/twips.h"
#include "settings/frmGuidelines.h"
#include "shell/frmSwitchboard.h"
#include "snag/snag_errors.h"
#include "snag/snag_resize.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScopeGuard>
#include <QScreen>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTabWidget>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace vernalt {

namespace {

// The window's own settings, and the place it shares with the program's other windows.
const QString SettingsSection = u"SnagSettings"_s;
const QString SharedSection = u"Settings"_s;

// Load size of the window, in twips.
constexpr double LoadWidth = 9420;
constexpr double LoadHeight = 9480;

// Left edge and top of ssTabMain in the window's client area.
constexpr double TabLeft = 120;
constexpr double TabTop = 120;
// Tops of the inner tab controls of the Optimal and Densities pages, measured
// from the top of ssTabMain.
constexpr double InnerOptimalTop = 2280;
constexpr double InnerFormulaTop = 1500;

} // namespace

frmMainSnag::frmMainSnag(QWidget* parent) : QMainWindow(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(u"Vernalt - Snag and Tree Analysis"_s);
    QFont f = font();
    f.setPointSizeF(8);
    // A narrower face where there is one: the grids' fixed column widths then hold
    // the longest plot-dimension names ("Subsegment132").
    f.setStretch(QFont::SemiCondensed);
    setFont(f);
    trackWindow(this);
    buildMenus();
    buildPages();
    connectControls();
    Form_Load();
}

frmMainSnag::~frmMainSnag() = default;

bool frmMainSnag::isMetric() const {
    return mnuMetric->isChecked();
}

void frmMainSnag::setStatus(const QString& text) {
    sbStatusPanel->setText(text);
}

QString frmMainSnag::status() const {
    return sbStatusPanel->text();
}

// ---- Load ----------------------------------------------------------------------

void frmMainSnag::Form_Load() {
    // The minimum size is kept whatever happens below.
    setMinimumSize(analysisMinimumSize());
    trappedOpenDatabase(prompts(), u"Form_Load"_s, [this] {
        mnuMetric->setChecked(getSettingBool(SettingsSection, u"MetricMeasurement"_s, true));
        mnuEnglish->setChecked(getSettingBool(SettingsSection, u"EnglishMeasurement"_s, false));

        // A saved place from which the title bar could not be reached gives the default.
        QPoint at = savedPosition(SettingsSection);
        const QSize size = twipsSize(LoadWidth, LoadHeight);
        QList<QRect> screens;
        for (QScreen* s : QGuiApplication::screens())
            screens.append(s->availableGeometry());
        if (!screens.isEmpty() && !titleBarOnSomeScreen(QRect(at, size), screens))
            at = defaultPosition();
        move(at);
        resize(size);

        setStatus(u"Status: No data read"_s);

        for (DataControl& d : datDataSet)
            d.DatabaseName = db::path();
        datDataSet2.DatabaseName = db::path();

        if (mnuMetric->isChecked())
            mnuMetric_Click();
        else
            mnuEnglish_Click();

        ssTabMain->setCurrentIndex(PageSingleCombined);
    });
    Form_Resize();
}

// ---- Resize --------------------------------------------------------------------

void frmMainSnag::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void frmMainSnag::Form_Resize() {
    if (isMinimized() || !ssTabMain)
        return;
    trapped(prompts(), snagProcedure(u"Form_Resize"_s), [this] {
        const QRect outer = frameGeometry();
        const auto W = float(pixelsToTwipsX(outer.width()));
        const auto H = float(pixelsToTwipsY(outer.height()));
        const SnagResizeLayout l = snagResizeLayout(W, H);

        // Moves a control of a page to a new top (twips from the tab control's top).
        const auto setTop = [this](QWidget* w, double top) {
            w->move(w->x(), twipsToPixelsY(top - ssTabMain->stripTwips()));
        };
        const auto setSize = [](QWidget* w, double width, double height) {
            w->resize(std::max(0, twipsToPixelsX(width)), std::max(0, twipsToPixelsY(height)));
        };
        const auto setHeight = [](QWidget* w, double height) {
            w->resize(w->width(), std::max(0, twipsToPixelsY(height)));
        };

        placeTwips(ssTabMain, TabLeft, TabTop, std::max(0.0f, l.tabWidth),
                   std::max(0.0f, l.tabHeight));
        // The inner tab controls reach down to 120 twips above the main one's
        // bottom edge, as they do at the load size.
        setHeight(ssTabOptimal, l.tabHeight - InnerOptimalTop - 120);
        setHeight(ssTabFormula, l.tabHeight - InnerFormulaTop - 120);
        for (int k = 0; k < 5; ++k) {
            setTop(cmdFormMulti[k], l.sheetButtonsTop);
            setTop(cmdFormSingle[k], l.sheetButtonsTop);
            setTop(cmdCavity[k], l.sheetButtonsTop);
            setTop(cmdForage[k], l.sheetButtonsTop);
        }
        setSize(grdStratum[0], l.stratumWidth, l.stratumHeight);
        setTop(grdStats[0], l.statsTop);
        setTop(grdStats[1], l.statsTop);
        setHeight(grdSubtotal[0], l.subtotal0Height);
        setTop(grdSubtotal[1], l.subtotal1Top);
        setHeight(grdSubtotal[1], l.subtotal1Height);
        setTop(cmdCorrelation, l.correlationTop);
        setTop(lblSubtotals, l.correlationTop + 60);
        for (int k = 1; k < 5; ++k)
            setSize(grdStratum[k], l.stratumWidth, l.stratumHeight);
        for (int k = 0; k < 5; ++k)
            setTop(frmSingleCavity[k], l.cavityTop);
        setTop(frmOptimalAllocation, l.allocationTop);
        setTop(frmProportionalAllocation, l.allocationTop);
    });
}

// ---- Unload --------------------------------------------------------------------

void frmMainSnag::closeEvent(QCloseEvent* event) {
    Form_Unload();
    QMainWindow::closeEvent(event);
}

void frmMainSnag::Form_Unload() {
    if (unloaded_)
        return;
    unloaded_ = true;
    // The switchboard comes back whatever fails below.
    const auto showAtEnd = qScopeGuard([] {
        if (gSwitchboard)
            gSwitchboard->show();
    });
    const bool minimised = isMinimized();
    trapped(prompts(), snagProcedure(u"Form_Unload"_s), [&] {
        const QPoint at = pos();
        if (!minimised) {
            savePosition(SettingsSection, at);
            saveSettingBool(SettingsSection, u"MetricMeasurement"_s, mnuMetric->isChecked());
            saveSettingBool(SettingsSection, u"EnglishMeasurement"_s, mnuEnglish->isChecked());
        }
        // Every other window but the first (the switchboard), the latest first,
        // hidden ones (the data-set window) included: each is unloaded, not only
        // closed, so none stays behind.
        const QList<QWidget*> windows = loadedWindows();
        QList<QPointer<QWidget>> others;
        for (int i = int(windows.size()) - 1; i >= 1; --i)
            if (windows[i] != this)
                others.append(windows[i]);
        for (const QPointer<QWidget>& w : others)
            if (w)
                unloadWindow(w);
        if (!minimised)
            savePosition(SharedSection, at);
    });
}

// ---- View menu -------------------------------------------------------------------

// The cost-per-sample guidelines, in this window's unit system; one window,
// brought forward when it is open.
void frmMainSnag::mnuGuidelines_Click() {
    showGuidelines();
}

// ---- ClearAll and ClearResults ---------------------------------------------------

void frmMainSnag::ClearResults() {
    for (Grid* grid : {grdOptimal[0], grdOptimal[1], grdOptimal[2], grdSampleSize[0],
                       grdSampleSize[1], grdOptimalAllocation, grdProportionalAllocation,
                       grdSubtotal[0], grdSubtotal[1], grdStats[0], grdStats[1]})
        grid->clear();
    for (int k = 0; k < 5; ++k) {
        for (QLabel* l : {lblCavityCavSigns[k], lblCavityPercentUse[k], lblCavityTotal[k],
                          lblForagePercentUse[k], lblForageSigns[k], lblForageTotal[k]})
            l->clear();
    }
    for (QLabel* l :
         {lblAvgAcres, lblLowestTotalCost, lblLowestVariance, lblPlotArea, lblPlotSize,
          lblSimpleBound, lblSimpleLowerLimit, lblSimplePrecision, lblSimpleUpperLimit, lblSimpleX,
          lblStratifiedBound, lblStratifiedLowerLimit, lblStratifiedPrecision, lblStratifiedS,
          lblStratifiedUpperLimit, lblStratifiedVar, lblStratifiedX, lblVarianceAcres})
        l->clear();
    for (int k = 0; k < 4; ++k) {
        for (QLabel* l :
             {lblStratifiedAvgAcres[k], lblStratifiedMeanEquations[k], lblStratifiedPlotArea[k],
              lblStratifiedPlotSize[k], lblStratifiedStratumWeight[k],
              lblStratifiedVarianceEquations[k], lblStratifiedVarianceHectares[k]})
            l->clear();
    }
}

void frmMainSnag::ClearAll() {
    // Every text box, tab control, grid and option button of the window. The
    // number of strata is emptied without its change handler: the stratified page
    // is closed below, and no warning about a number nobody typed is wanted.
    for (QLineEdit* box : findChildren<QLineEdit*>()) {
        const QSignalBlocker quiet(box == txtNumStrata ? box : nullptr);
        box->clear();
    }
    for (QTabWidget* tabs : findChildren<QTabWidget*>())
        tabs->setCurrentIndex(0);
    ssTabMain->setCurrentIndex(0);
    for (Grid* grid : grdStratum)
        grid->clear();
    Sheet0Records.forget();
    ClearResults();
    optStratum[0]->setChecked(true);

    ssTabMain->setCurrentIndex(PageSingleCombined);

    txtSimpleTvalue->setText(u"1.67"_s);
    txtOptimalTvalue->setText(u"1.67"_s);
    txtOptimalPrecisionLevel->setText(u".2"_s);
}

} // namespace vernalt

#include "moc_frmMainSnag.cpp"
