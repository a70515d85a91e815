// Compute: the chain from the selected data sheet to the estimate sheets, and the
// gates of "Calculate Stratified Values" and the "Sample Size" page.
#include "snag/frmMainSnag.h"

#include "platform/prompts.h"
#include "platform/value.h"
#include "shell/cleaning.h"
#include "shell/statistics.h"
#include "snag/compute_rules.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace vernalt {

namespace {

const QString Cancel = u"cancel"_s;
constexpr int StratifiedPage = 1; // of ssTabFormula

} // namespace

void frmMainSnag::cmdSubtotals_Click() {
    for (Grid* g : {grdOptimal[0], grdOptimal[1], grdOptimal[2], grdSubtotal[0], grdSubtotal[1],
                    grdStats[0], grdStats[1]})
        g->clear();
    // The lowest figures belong to the optimal grids just emptied.
    lblLowestVariance->clear();
    lblLowestTotalCost->clear();
    SetLabels();

    const int sheet = GetOption(optStratum);
    lblSubtotals->setText(sheet == 0 ? u"Subtotals from Single"_s
                                     : u"Subtotals from Stratum "_s + numberText(sheet));

    if (asksNumberOfStrata(sheet, txtNumStrata->text())) {
        for (;;) {
            const QString answer =
                prompts().inputBox(u"Please enter the number of strata"_s, u"Number of Strata"_s);
            if (answer.isEmpty())
                return;
            if (isNumeric(answer)) {
                txtNumStrata->setText(cleanRoundText(answer)); // its change handler runs the gate
                break;
            }
        }
    }

    QString result;
    CalculateSubtotals(result);
    if (result == Cancel)
        return;
    CalculateStats();
    ComputeOptimal(result);
    if (result == Cancel)
        return;
    if (sheet == 0) {
        DefaultSingle();
        CalcSimpleSheet();
    } else {
        auto stratum = std::int16_t(sheet);
        DefaultStratified(stratum);
    }
}

// Shows "Calculate Stratified Values" and enables it when the number of strata
// is "1" to "4" and as many stratum rows have a plot dimension.
static void gateStratified(frmMainSnag& w, bool warnWhenMissing) {
    w.cmdCalcStratified->setVisible(true);
    w.cmdCalcStratified->setEnabled(false);
    std::array<bool, 4> filled{};
    for (std::size_t row = 0; row < filled.size(); ++row)
        filled[row] = !w.txtStratifiedPlotDimensions[row]->text().isEmpty();
    const StratifiedGate gate = stratifiedGate(w.txtNumStrata->text(), filled);
    w.cmdCalcStratified->setEnabled(gate.enabled);
    if (gate.strataMissing && warnWhenMissing) {
        w.setStatus(u"WARNING: The number of strata has not been set"_s);
        w.txtNumStrata->setFocus();
    }
}

void frmMainSnag::ssTabFormula_Click(int) {
    if (ssTabFormula->currentIndex() == StratifiedPage)
        gateStratified(*this, true);
    else
        cmdCalcStratified->setVisible(false);
}

void frmMainSnag::ssTabMain_Click(int) {
    switch (mainTabAction(ssTabMain->currentIndex(), ssTabFormula->currentIndex())) {
    case MainTabAction::StratifiedGate:
        gateStratified(*this, false);
        break;
    case MainTabAction::SampleSize:
        SampleSize();
        break;
    case MainTabAction::Nothing:
        break;
    }
}

} // namespace vernalt
