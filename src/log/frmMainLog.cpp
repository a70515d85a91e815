// Life cycle of the log window: load, resize, unload, settings and the status bar.
#include "log/frmMainLog.h"
#include "log/log_resize.h"

#include "data/csv_import.h"
#include "platform/database.h"
#include "platform/errors.h"
#include "platform/prompts.h"
#include "platform/settings.h"
#include "platform/twips.h"
#include "shell/frmSwitchboard.h"

#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QResizeEvent>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTimer>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace vernalt {

namespace {

// The window's own settings.
const QString SettingsSection = u"LogSettings"_s;

// The check-mark settings: key, menu item, default.
struct CheckSetting {
    const char16_t* key;
    QAction* frmMainLog::*item;
    bool byDefault;
};
constexpr CheckSetting CheckSettings[] = {
    {u"MetricMeasurement", &frmMainLog::mnuMetric, true},
    {u"EnglishMeasurement", &frmMainLog::mnuEnglish, false},
    {u"LIMmethod", &frmMainLog::mnuLIM, true},
    {u"SPMmethod", &frmMainLog::mnuSPM, false},
    {u"ComboMethod", &frmMainLog::mnuCombo, false},
};

// Load size of the window, and the left edge and top of ssTabMain, in twips.
constexpr double LoadWidth = 9420, LoadHeight = 8190;
constexpr double TabLeft = 120, TabTop = 120;

} // namespace

frmMainLog::frmMainLog(QWidget* parent) : QMainWindow(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(u"Vernalt - Log Analysis with LIM"_s);
    QFont f = font();
    f.setPointSizeF(8);
    // The narrower face of the snag window, where there is one: the grids'
    // fixed column widths then hold their titles within the header rows.
    f.setStretch(QFont::SemiCondensed);
    setFont(f);
    setMinimumSize(analysisMinimumSize());
    buildMenus();
    buildPages();
    buildStatusBar();
    connectControls();
    trackWindow(this);
}

frmMainLog::~frmMainLog() = default;

QString frmMainLog::status() const {
    return sbStatusBar[0]->text();
}

void frmMainLog::setStatus(const QString& text) {
    sbStatusBar[0]->setText(text);
}

void frmMainLog::setVisible(bool visible) {
    if (visible && !loaded_) {
        loaded_ = true;
        Form_Load();
    }
    QMainWindow::setVisible(visible);
}

// ---- Load ------------------------------------------------------------------------------

// Settings first (each one missing or unreadable takes its default), then the
// position and size, the status, the data controls, the unit lengths, the
// captions of the unit system and the method.
void frmMainLog::Form_Load() {
    if (!loaded_)
        loaded_ = true;
    setMinimumSize(analysisMinimumSize());
    mnuFormula->menuAction()->setEnabled(!DataFilePath.isEmpty());
    readSettings();
    move(savedPosition(SettingsSection));
    resize(twipsSize(LoadWidth, LoadHeight).expandedTo(analysisMinimumSize()));
    setStatus(u"Status: No data read"_s);
    for (DataControl& d : datDataSet)
        d.DatabaseName = db::path();
    datQuery.DatabaseName = db::path();
    ssTabMain->setCurrentIndex(PageSingleCombined);
    // A database that cannot be read is reported; the window still takes its
    // captions and method, so what it shows matches what it does.
    trapped(prompts(), logProcedure(u"Form_Load"_s), [this] { SetLengths(); });
    if (mnuMetric->isChecked())
        SetMetricLabels();
    else
        SetEnglishLabels();
    applyMethod();
    clock_->start(1000);
    Form_Resize();
}

void frmMainLog::readSettings() {
    for (const CheckSetting& s : CheckSettings)
        (this->*(s.item))
            ->setChecked(getSettingBool(SettingsSection, QString::fromUtf16(s.key), s.byDefault));
}

// The first checked of LIM, SPM and Combination decides the method; with none
// checked the window stays as designed.
void frmMainLog::applyMethod() {
    if (mnuLIM->isChecked())
        switchMethod(0);
    else if (mnuSPM->isChecked())
        switchMethod(1);
    else if (mnuCombo->isChecked())
        switchMethod(2);
}

// ---- Resize -------------------------------------------------------------------------------

void frmMainLog::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void frmMainLog::Form_Resize() {
    if (isMinimized() || !ssTabMain)
        return;
    trapped(prompts(), logProcedure(u"Form_Resize"_s), [this] {
        const QRect outer = frameGeometry();
        const auto W = float(pixelsToTwipsX(outer.width()));
        const auto H = float(pixelsToTwipsY(outer.height()));
        const LogResizeLayout l = logResizeLayout(W, H);
        const auto setWidth = [](QWidget* w, double width) {
            w->resize(std::max(0, twipsToPixelsX(width)), w->height());
        };
        const auto setHeight = [](QWidget* w, double height) {
            w->resize(w->width(), std::max(0, twipsToPixelsY(height)));
        };
        // Moves a control of a page to a top given from the tab control's top.
        const auto setTop = [this](QWidget* w, double tabTop) {
            w->move(w->x(), twipsToPixelsY(tabTop - ssTabMain->stripTwips()));
        };
        placeTwips(ssTabMain, TabLeft, TabTop, std::max(0.0f, l.tabWidth),
                   std::max(0.0f, l.tabHeight));
        for (QWidget* b : {static_cast<QWidget*>(cmdFormulaApply), static_cast<QWidget*>(cmdSort1),
                           static_cast<QWidget*>(cmdSort2), static_cast<QWidget*>(cmdSort3),
                           static_cast<QWidget*>(cmdSort4)})
            setTop(b, l.sheetButtonsTop);
        for (QPushButton* b : cmdDisplayMean)
            setTop(b, l.sheetButtonsTop);
        setWidth(grdFormulaSimple, l.formulaGridWidth);
        setWidth(grdFormulaStratified, l.formulaGridWidth);
        setWidth(ssTabFormula, l.formulaTabWidth);
        setHeight(grdSubtotals, l.subtotalsHeight);
        for (Grid* g : grdStratum) {
            setWidth(g, l.stratumWidth);
            setHeight(g, l.stratumHeight);
        }
    });
}

// ---- Unload ------------------------------------------------------------------------------------

void frmMainLog::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

// Saves the settings unless minimised, then always shows the switchboard again,
// whether or not the settings could be saved.
void frmMainLog::Form_Unload() {
    if (unloaded_)
        return;
    unloaded_ = true;
    clock_->stop();
    const auto showAtEnd = qScopeGuard([] {
        if (gSwitchboard)
            gSwitchboard->show();
    });
    if (!isMinimized())
        trapped(prompts(), logProcedure(u"Form_Unload"_s), [this] { saveSettings(); });
}

void frmMainLog::saveSettings() {
    savePosition(SettingsSection, pos());
    for (const CheckSetting& s : CheckSettings)
        saveSettingBool(SettingsSection, QString::fromUtf16(s.key), (this->*(s.item))->isChecked());
}

} // namespace vernalt
