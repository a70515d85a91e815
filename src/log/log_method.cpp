// The method and metric menus of the log window, and the two rebuilds of the
// window that a change of either offers on a loaded analysis: ReloadLogForm
// (method) and ChangeFormula (metric, re-importing the data file).
#include "log/frmMainLog.h"

#include "data/csv_import.h"
#include "platform/hourglass.h"
#include "platform/prompts.h"
#include "platform/twips.h"
#include "shell/cleaning.h"
#include "shell/frmSwitchboard.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace vernalt {

bool FormulaReloadPending = false;
bool MethodReloadPending = false;

namespace {

enum Method { LIM = 0, SPM = 1, Combination = 2 };

// Window caption of each method.
constexpr const char16_t* kMethodCaptions[3] = {u"Vernalt - Log Analysis with LIM",
                                                u"Vernalt - Log Analysis with SPM",
                                                u"Vernalt - Log Analysis with LIM and SPM"};
constexpr const char16_t* kMethodKeys[3] = {u"LIM", u"SPM", u"COMBO"};

enum Metric { Density = 0, Length = 1, PercentCover = 2, Tally = 3, Volume = 4, Weight = 5 };

// Per metric, in menu order: the key ChangeFormula takes, the caption of page 2
// and the title of the statistical test's vertical axis (null: unchanged; the
// Density title depends on the unit system).
struct MetricRow {
    const char16_t* key;
    const char16_t* caption;
    const char16_t* statY;
};
constexpr MetricRow kMetrics[6] = {
    {u"Density", u"Density", nullptr},
    {u"Length", u"Length", u"Total Length (m/ha)"},
    {u"PercentCover", u"Percent Cover", u"Percent Cover"},
    {u"Tally", u"Tally", nullptr},
    {u"Volume", u"Volume", u"Log volume (m^3/ha)"},
    {u"Weight", u"Weight", u"Weight (metric tons/ha)"},
};

frmMainLog* liveLogWindow() {
    return qobject_cast<frmMainLog*>(gLogForm.data());
}

// Runs the metric handler of `key` (compared exactly) on window `w`.
void runMetricHandler(frmMainLog* w, const QString& key) {
    int formula = -1;
    for (int f = 0; f < 6; ++f)
        if (key == QString::fromUtf16(kMetrics[f].key))
            formula = f;
    switch (formula) {
    case Density:
        w->mnuDensity_Click();
        break;
    case Length:
        w->mnuLength_Click();
        break;
    case PercentCover:
        w->mnuPercentCover_Click();
        break;
    case Tally:
        w->mnuTally_Click();
        break;
    case Volume:
        w->mnuVolume_Click();
        break;
    case Weight:
        w->mnuWeight_Click();
        break;
    default:
        break;
    }
}

// Creates, shows and returns a new log window in place of the old one.
frmMainLog* replaceLogWindow() {
    QWidget* created = createLogWindow();
    gLogForm = created;
    if (created)
        created->show();
    return qobject_cast<frmMainLog*>(created);
}

} // namespace

// ---- Rebuilds -------------------------------------------------------------------------

void ReloadLogForm(const QString& method) {
    unloadWindow(gLogForm.data()); // saves LogSettings and shows the switchboard
    frmMainLog* w = replaceLogWindow();
    MethodReloadPending = true;
    if (w) {
        if (method == u"LIM"_s)
            w->mnuLIM_Click();
        else if (method == u"SPM"_s)
            w->mnuSPM_Click();
        else
            w->mnuCombo_Click();
    }
    if (gSwitchboard)
        gSwitchboard->hide();
}

QString ChangeFormula(const QString& key) {
    frmMainLog* old = liveLogWindow();
    if (!old)
        return u"same"_s;
    QString caption = old->ssTabMain->tabText(frmMainLog::PageFormula);
    if (caption == u"Formula"_s || caption.remove(u' ').compare(key, Qt::CaseInsensitive) == 0)
        return u"same"_s;
    if (prompts().messageBox(
            u"Do you want to clear this analysis and reload the current dataset?"_s,
            u"Change formula"_s, MsgIcon::None, MsgButtons::YesNo) != MsgResult::Yes)
        return u"cancel"_s;
    // The size goes over in pixels, so no size is too large to carry.
    const QSize size = old->size();
    unloadWindow(old);
    frmMainLog* w = replaceLogWindow();
    if (w)
        w->resize(size);
    if (gSwitchboard)
        gSwitchboard->hide();
    FormulaReloadPending = true;
    if (w) {
        const bool imported = w->OpenFile(DataFilePath);
        // The optimal page's inputs start as after File, Open, so the statistics
        // can be calculated at once.
        w->txtTvalue->setText(u"1.67"_s);
        w->txtPrecisionLevel->setText(u".2"_s);
        // A refused re-import leaves the new window without records, as a new
        // window is: the metric waits for them.
        if (imported)
            runMetricHandler(w, key);
    }
    return u"ok"_s;
}

// ---- Method handlers -----------------------------------------------------------------------

void frmMainLog::mnuLIM_Click() {
    changeMethod(LIM);
}

void frmMainLog::mnuSPM_Click() {
    changeMethod(SPM);
}

void frmMainLog::mnuCombo_Click() {
    changeMethod(Combination);
}

// A method handler: nothing for the checked method; on a loaded analysis the
// question whether to rebuild the window; otherwise the switch in place.
void frmMainLog::changeMethod(int method) {
    const std::array<QAction*, 3> items = {mnuLIM, mnuSPM, mnuCombo};
    if (items[std::size_t(method)]->isChecked())
        return;
    const bool ask = !DataFilePath.isEmpty() && !MethodReloadPending;
    const bool yes =
        ask && prompts().messageBox(u"Do you want to clear this analysis and change methods?"_s,
                                    u"Change method"_s, MsgIcon::None,
                                    MsgButtons::YesNo) == MsgResult::Yes;
    MethodReloadPending = false;
    if (yes) {
        ReloadLogForm(QString::fromUtf16(kMethodKeys[method]));
        return; // this window is gone
    }
    switchMethod(method);
}

// The switch in place: caption, Tally menu, the landscape area under SPM, check
// marks and layout. Data and results stay. The caption goes to this window
// itself, never to another one that gLogForm might name at that moment.
void frmMainLog::switchMethod(int method) {
    setWindowTitle(QString::fromUtf16(kMethodCaptions[method]));
    mnuTally->setEnabled(method == LIM);
    if (method == SPM)
        frmLandscapeArea->setVisible(true);
    mnuLIM->setChecked(method == LIM);
    mnuSPM->setChecked(method == SPM);
    mnuCombo->setChecked(method == Combination);
    if (method == Combination)
        ShowCombo();
    else
        HideCombo();
}

// ---- Metric handlers -------------------------------------------------------------------------

void frmMainLog::mnuDensity_Click() {
    applyFormula(Density);
}
void frmMainLog::mnuLength_Click() {
    applyFormula(Length);
}
void frmMainLog::mnuPercentCover_Click() {
    applyFormula(PercentCover);
}
void frmMainLog::mnuTally_Click() {
    applyFormula(Tally);
}
void frmMainLog::mnuVolume_Click() {
    applyFormula(Volume);
}
void frmMainLog::mnuWeight_Click() {
    applyFormula(Weight);
}

void frmMainLog::applyFormula(int formula) {
    const Hourglass busy; // under strip plots the lengths are estimated
    const MetricRow& m = kMetrics[formula];
    if (!FormulaReloadPending) {
        const QString r = ChangeFormula(QString::fromUtf16(m.key));
        FormulaReloadPending = false;
        if (r != u"same"_s)
            return; // rebuilt or declined: this window does nothing more
    }

    // Log density by line intersect needs the logs' lengths.
    if (formula == Density && mnuLIM->isChecked()) {
        GridModel& sheet = *grdStratum[0]->grid();
        int column = 0;
        for (int c = 0; c < sheet.cols(); ++c)
            if (sheet.rows() > 0 && sheet.text(0, c).toLower() == u"length"_s)
                column = c;
        if (sheet.rows() < 1 || sheet.text(0, column).toLower() != u"length"_s) {
            prompts().message(u"The length column was not found"_s, u"Column not found"_s);
            return;
        }
        bool anyLength = false;
        for (int r = 1; r < sheet.rows() && !anyLength; ++r) {
            const Value v = NzZero(sheet.text(r, column));
            anyLength = !v.isNumber() || v.toDouble() > 0;
        }
        if (!anyLength) {
            prompts().message(u"Log Density using LIM is not possible without log lengths"_s,
                              u"ERROR"_s);
            return;
        }
    }

    // Strip plots apply their minimum length to the estimated lengths: a metric
    // whose estimates could not be saved is not applied, and the menu, the
    // Formula page and the labels stay as they were.
    if (mnuSPM->isChecked() && !CalcMeanLength(false, 0))
        return;
    const std::array<QAction*, 6> items = formulaItems();
    for (int f = 0; f < 6; ++f)
        items[std::size_t(f)]->setChecked(f == formula);
    cmdWildLife->setEnabled(mnuSPM->isChecked());
    if (formula == Length) {
        for (QPushButton* b : cmdDisplayMean) {
            b->setVisible(true);
            b->setEnabled(true);
        }
    } else if (formula == PercentCover && mnuSPM->isChecked() && mnuEnglish->isChecked()) {
        for (Grid* g : grdStratum)
            if (g->cols() > 1 && g->cols() > 12)
                g->setColWidth(12, 1600);
    }
    ssTabMain->setTabText(PageFormula, QString::fromUtf16(m.caption));
    if (formula == Density)
        lblStatY->setText(mnuMetric->isChecked() ? u"Logs per hectare"_s : u"Logs per acre"_s);
    else if (m.statY)
        lblStatY->setText(QString::fromUtf16(m.statY));
}

} // namespace vernalt
