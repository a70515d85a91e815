// The option menus, command buttons and text events of the log window, and the
// wiring of every control to its event procedure.
#include "log/frmMainLog.h"

#include "platform/errors.h"
#include "platform/hourglass.h"
#include "platform/prompts.h"
#include "print/frmPrintPreview.h"
#include "settings/frmLogLengths.h"
#include "shell/frmAbout.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>

using namespace Qt::StringLiterals;

namespace vernalt {

namespace {

// Runs a function whenever the watched control gains the focus.
class FocusWatcher : public QObject {
  public:
    FocusWatcher(QObject* watched, std::function<void()> onFocus)
        : QObject(watched), onFocus_(std::move(onFocus)) {
        watched->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::FocusIn)
            onFocus_();
        return QObject::eventFilter(watched, e);
    }

  private:
    std::function<void()> onFocus_;
};

const QString kNoFormula = u"Please select a formula from the drop-down menu above."_s;

// The statistics of every level and what is computed from them: the Optimal,
// Formula and Sample Size grids (all cell texts) and the per-area means.
void emptyLevelResults(frmMainLog& w) {
    for (std::size_t i = 0; i < 5; ++i) {
        w.grdOptimal[i]->clear();
        w.grdOptimal2[i]->clear();
    }
    for (Grid* g : {w.grdFormulaStratified, w.grdSampleSize[0], w.grdSampleSize[1],
                    w.grdFormulaSimple, w.grdOptimalAllocation, w.grdProportionalAllocation})
        g->clear();
    for (std::array<QString, 5>& means : w.LevelMeanMetric)
        means.fill(QString());
    for (std::array<QString, 5>& means : w.LevelMeanEnglish)
        means.fill(QString());
}

// Every result grid and result label, so that no figure stays under the
// headings of the other unit system; the data sheets and the typed boxes stay.
void emptyAllResults(frmMainLog& w) {
    emptyLevelResults(w);
    for (Grid* g :
         {w.grdSubtotals, w.grdComboSSOptimalAllocation, w.grdComboSSProportionalAllocation})
        g->clear();
    for (const std::array<QLabel*, 4>& perLevel : {w.lblNum, w.lblAvg, w.lblStdDev})
        for (QLabel* l : perLevel)
            l->clear();
    for (QLabel* l : {w.lblAvailable,
                      w.lblUsed,
                      w.lblPercentUse,
                      w.lblSimpleMetricFormula,
                      w.lblSimpleEnglishFormula,
                      w.lblSimpleStdErr,
                      w.lblSimpleBound,
                      w.lblSimpleUpperLimit,
                      w.lblSimpleLowerLimit,
                      w.lblSimplePrecision,
                      w.lblStratifiedMetricFormula,
                      w.lblStratifiedEnglishFormula,
                      w.lblStratifiedVar,
                      w.lblStratifiedS,
                      w.lblStratifiedBound,
                      w.lblStratifiedUpperLimit,
                      w.lblStratifiedLowerLimit,
                      w.lblStratifiedPrecision,
                      w.lblOptTotalTransectLength,
                      w.lblPropTotalTransectLength,
                      w.lblComboSSOptTotalTransectLength,
                      w.lblComboSSPropTotalTransectLength})
        l->clear();
}

} // namespace

// ---- Wiring --------------------------------------------------------------------------------

void frmMainLog::connectControls() {
    // A menu item's click runs its procedure only; the procedure sets the check
    // marks itself, so the check Qt toggles on a click is put back first.
    const auto item = [this](QAction* a, auto slot) {
        connect(a, &QAction::triggered, this, [this, a, slot](bool checked) {
            if (a->isCheckable())
                a->setChecked(!checked);
            (this->*slot)();
        });
    };
    const auto indexedItem = [this](QAction* a, int index, void (frmMainLog::*slot)(int)) {
        connect(a, &QAction::triggered, this, [this, a, index, slot](bool checked) {
            if (a->isCheckable())
                a->setChecked(!checked);
            (this->*slot)(index);
        });
    };
    item(mnuFileOpen, &frmMainLog::mnuFileOpen_Click);
    item(mnuPrint, &frmMainLog::mnuPrint_Click);
    item(mnuFileExit, &frmMainLog::mnuFileExit_Click);
    item(mnuMetric, &frmMainLog::mnuMetric_Click);
    item(mnuEnglish, &frmMainLog::mnuEnglish_Click);
    item(mnuLIM, &frmMainLog::mnuLIM_Click);
    item(mnuSPM, &frmMainLog::mnuSPM_Click);
    item(mnuCombo, &frmMainLog::mnuCombo_Click);
    item(mnuDensity, &frmMainLog::mnuDensity_Click);
    item(mnuLength, &frmMainLog::mnuLength_Click);
    item(mnuPercentCover, &frmMainLog::mnuPercentCover_Click);
    item(mnuTally, &frmMainLog::mnuTally_Click);
    item(mnuVolume, &frmMainLog::mnuVolume_Click);
    item(mnuWeight, &frmMainLog::mnuWeight_Click);
    item(mnuComboDensity, &frmMainLog::mnuComboDensity_Click);
    item(mnuComboLength, &frmMainLog::mnuComboLength_Click);
    item(mnuComboPercentCover, &frmMainLog::mnuComboPercentCover_Click);
    item(mnuComboVolume, &frmMainLog::mnuComboVolume_Click);
    item(mnuComboWeight, &frmMainLog::mnuComboWeight_Click);
    for (int k = 0; k < 4; ++k)
        indexedItem(mnuUseLength[std::size_t(k)], k, &frmMainLog::mnuUseLength_Click);
    item(mnuAllLengths, &frmMainLog::mnuAllLengths_Click);
    item(mnuMultipleSpecies, &frmMainLog::mnuMultipleSpecies_Click);
    item(mnuSingleSpecies, &frmMainLog::mnuSingleSpecies_Click);
    item(mnuLogLengths, &frmMainLog::mnuLogLengths_Click);
    connectSelectionMenus<frmMainLog>(
        this, {&frmMainLog::mnuSingle_Click, &frmMainLog::mnuStratum1_Click,
               &frmMainLog::mnuStratum2_Click, &frmMainLog::mnuStratum3_Click,
               &frmMainLog::mnuStratum4_Click});
    item(mnuHelpAbout, &frmMainLog::mnuHelpAbout_Click);

    // Buttons.
    connect(cmdFormulaApply, &QPushButton::clicked, this, &frmMainLog::cmdFormulaApply_Click);
    connect(cmdSort1, &QPushButton::clicked, this, &frmMainLog::cmdSort1_Click);
    connect(cmdSort2, &QPushButton::clicked, this, &frmMainLog::cmdSort2_Click);
    connect(cmdSort3, &QPushButton::clicked, this, &frmMainLog::cmdSort3_Click);
    connect(cmdSort4, &QPushButton::clicked, this, &frmMainLog::cmdSort4_Click);
    for (int k = 0; k < 5; ++k)
        connect(cmdDisplayMean[std::size_t(k)], &QPushButton::clicked, this,
                [this, k] { cmdDisplayMean_Click(k); });
    connect(cmdSummaryStatistics, &QPushButton::clicked, this,
            &frmMainLog::cmdSummaryStatistics_Click);
    connect(cmdWildLife, &QPushButton::clicked, this, &frmMainLog::cmdWildLife_Click);
    connect(cmdCorrelation, &QPushButton::clicked, this, &frmMainLog::cmdCorrelation_Click);
    connect(cmdDefaultSingle, &QPushButton::clicked, this, &frmMainLog::cmdDefaultSingle_Click);
    connect(cmdDefaultStratified, &QPushButton::clicked, this,
            &frmMainLog::cmdDefaultStratified_Click);
    connect(cmdClearCombo, &QPushButton::clicked, this, &frmMainLog::cmdClearCombo_Click);

    // Text boxes: a change made by the program raises the event as well.
    const auto change = [this](QLineEdit* box, void (frmMainLog::*slot)()) {
        connect(box, &QLineEdit::textChanged, this, slot);
    };
    const auto indexedChange = [this](const std::array<QLineEdit*, 4>& boxes,
                                      void (frmMainLog::*slot)(int)) {
        for (int i = 0; i < 4; ++i)
            connect(boxes[std::size_t(i)], &QLineEdit::textChanged, this,
                    [this, i, slot] { (this->*slot)(i); });
    };
    change(txtBound, &frmMainLog::txtBound_Change);
    change(txtEstimatedValue, &frmMainLog::txtEstimatedValue_Change);
    change(txtTargetValue, &frmMainLog::txtTargetValue_Change);
    change(txtPrecisionLevel, &frmMainLog::txtPrecisionLevel_Change);
    change(txtQualifyingLogs, &frmMainLog::txtQualifyingLogs_Change);
    change(txtTvalue, &frmMainLog::txtTvalue_Change);
    change(txtSSTvalue, &frmMainLog::txtSSTvalue_Change);
    indexedChange(txtEstimates, &frmMainLog::txtEstimates_Change);
    indexedChange(txtSampleSize, &frmMainLog::txtSampleSize_Change);
    indexedChange(txtStratum, &frmMainLog::txtStratum_Change);
    indexedChange(txtStratumSize, &frmMainLog::txtStratumSize_Change);
    indexedChange(txtTransectLength, &frmMainLog::txtTransectLength_Change);
    indexedChange(txtVariance, &frmMainLog::txtVariance_Change);
    indexedChange(txtSSVariableAverage, &frmMainLog::txtSSVariableAverage_Change);
    indexedChange(txtSSVariableVariance, &frmMainLog::txtSSVariableVariance_Change);
    new FocusWatcher(txtComboTvalue, [this] { txtComboTvalue_GotFocus(); });
    for (int i = 0; i < 4; ++i)
        connect(cboTransectName[std::size_t(i)], &QComboBox::activated, this,
                [this, i] { cboTransectName_Click(i); });
}

// ---- Option menus -------------------------------------------------------------------------------

void frmMainLog::mnuAllLengths_Click() {
    for (QAction* a : mnuUseLength)
        a->setChecked(true);
}

// Toggles the level, empties the result grids and the per-area means, and
// writes the grids' headers again.
void frmMainLog::mnuUseLength_Click(int index) {
    QAction* a = mnuUseLength[std::size_t(index)];
    a->setChecked(!a->isChecked());
    emptyLevelResults(*this);
    if (mnuMetric->isChecked())
        SetMetricLabels();
    else
        SetEnglishLabels();
}

// A switch from metric units empties the results, which are in metric units;
// the user computes again.
void frmMainLog::mnuEnglish_Click() {
    if (!mnuEnglish->isChecked())
        emptyAllResults(*this);
    mnuMetric->setChecked(false);
    mnuEnglish->setChecked(true);
    // A LogLengths table that cannot be read is reported; the captions still
    // follow the unit system.
    trapped(prompts(), logProcedure(u"mnuEnglish_Click"_s), [this] { SetTransectLengths(); });
    SetEnglishLabels();
}

void frmMainLog::mnuMetric_Click() {
    if (!mnuMetric->isChecked())
        emptyAllResults(*this);
    mnuMetric->setChecked(true);
    mnuEnglish->setChecked(false);
    SetMetricLabels();
    trapped(prompts(), logProcedure(u"mnuMetric_Click"_s), [this] { SetTransectLengths(); });
}

void frmMainLog::mnuMultipleSpecies_Click() {
    mnuSingleSpecies->setChecked(false);
    mnuMultipleSpecies->setChecked(true);
}

void frmMainLog::mnuSingleSpecies_Click() {
    mnuMultipleSpecies->setChecked(false);
    mnuSingleSpecies->setChecked(true);
}

namespace {
void checkOnly(std::array<QAction*, 5>& items, int index) {
    for (QAction* a : items)
        a->setChecked(false);
    items[std::size_t(index)]->setChecked(true);
}
} // namespace

void frmMainLog::mnuSingle_Click(int index) {
    checkOnly(mnuSingle, index);
}
void frmMainLog::mnuStratum1_Click(int index) {
    checkOnly(mnuStratum1, index);
}
void frmMainLog::mnuStratum2_Click(int index) {
    checkOnly(mnuStratum2, index);
}
void frmMainLog::mnuStratum3_Click(int index) {
    checkOnly(mnuStratum3, index);
}
void frmMainLog::mnuStratum4_Click(int index) {
    checkOnly(mnuStratum4, index);
}

// The unit-lengths window, modeless and without an owner.
void frmMainLog::mnuLogLengths_Click() {
    frmLogLengths::showWindow();
}

void frmMainLog::mnuPrint_Click() {
    trapped(prompts(), logProcedure(u"mnuPrint_Click"_s),
            [this] { showPrintPreview(this, PreviewFromLogWindow); });
}

void frmMainLog::mnuHelpAbout_Click() {
    frmAbout::showFor(this);
}

void frmMainLog::mnuFileExit_Click() {
    close();
}

// ---- Command buttons
// -------------------------------------------------------------------------------

// Empties the Single/Combined statistics and runs the checked metric.
void frmMainLog::cmdFormulaApply_Click() {
    const Hourglass busy;
    trapped(prompts(), logProcedure(u"cmdFormulaApply_Click"_s), [this] {
        grdOptimal[0]->clear();
        using Procedure = void (frmMainLog::*)();
        static constexpr Procedure procedures[6] = {
            &frmMainLog::FormulaDen,   &frmMainLog::FormulaLeng, &frmMainLog::FormulaPC,
            &frmMainLog::FormulaTally, &frmMainLog::FormulaVol,  &frmMainLog::FormulaWt};
        const std::array<QAction*, 6> items = formulaItems();
        for (std::size_t f = 0; f < items.size(); ++f) {
            if (items[f]->isChecked()) {
                std::invoke(procedures[f], this);
                return;
            }
        }
        prompts().message(kNoFormula, u"Error"_s);
    });
}

void frmMainLog::cmdSummaryStatistics_Click() {
    const Hourglass busy;
    trapped(prompts(), logProcedure(u"cmdSummaryStatistics_Click"_s), [this] {
        bool any = false;
        for (QAction* a : formulaItems())
            any = any || a->isChecked();
        if (!any) {
            prompts().message(kNoFormula, u"Error"_s);
            return;
        }
        bool cancel = false;
        CalculateSummaryStatistics(cancel);
        CalculateStats(cancel);
    });
}

void frmMainLog::cmdDisplayMean_Click(int index) {
    const Hourglass busy;
    CalcMeanLength(true, std::int16_t(index));
}

// ---- Text events
// ------------------------------------------------------------------------------------

// The statistical-test limits from the estimate and the bound, then the graph.
static void writeLimits(frmMainLog& w) {
    const StatTestLimits limits = w.limits();
    w.lblStatTestUpperLimit->setText(limits.upper);
    w.lblStatTestLowerLimit->setText(limits.lower);
    w.GraphStatTest();
}

void frmMainLog::txtBound_Change() {
    writeLimits(*this);
}
void frmMainLog::txtEstimatedValue_Change() {
    writeLimits(*this);
}
void frmMainLog::txtTargetValue_Change() {
    writeLimits(*this);
}

void frmMainLog::GraphStatTest() {
    vernalt::GraphStatTest(StatTestWindow::Log,
                           {txtTargetValue->text(), txtEstimatedValue->text(),
                            lblStatTestUpperLimit->text(), lblStatTestLowerLimit->text()},
                           *this, [this](const QString& text) { setStatus(text); });
}

void frmMainLog::txtPrecisionLevel_Change() {
    for (QLabel* l : lblPrecisionLevel)
        l->setText(txtPrecisionLevel->text());
}

void frmMainLog::txtQualifyingLogs_Change() {
    for (QLabel* l : lblQualifyingLogs)
        l->setText(txtQualifyingLogs->text());
}

void frmMainLog::txtTvalue_Change() {
    for (QLabel* l : lblTValue)
        l->setText(txtTvalue->text());
}

void frmMainLog::txtComboTvalue_GotFocus() {
    setStatus(u"Confidence Level : t-value of 1.67 = 90%, 2.00 = 95% or 2.66 = 99%"_s);
    CalculateCombo();
}

void frmMainLog::txtEstimates_Change(int) {
    CalculateCombo();
}
void frmMainLog::txtSampleSize_Change(int) {
    CalculateCombo();
}
void frmMainLog::txtStratum_Change(int) {
    CalculateCombo();
}
void frmMainLog::txtStratumSize_Change(int) {
    CalculateCombo();
}
void frmMainLog::txtTransectLength_Change(int) {
    CalculateCombo();
}
void frmMainLog::txtVariance_Change(int) {
    CalculateCombo();
}
void frmMainLog::txtSSTvalue_Change() {
    ComboSampleSize();
}
void frmMainLog::txtSSVariableAverage_Change(int) {
    ComboSampleSize();
}
void frmMainLog::txtSSVariableVariance_Change(int) {
    ComboSampleSize();
}

} // namespace vernalt
