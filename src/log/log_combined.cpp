// The Parameter Estimates page of the Combination layout: its recalculation on
// every input change, the level list of a stratum row and "Clear All Values".
#include "log/combined_estimate.h"
#include "log/frmMainLog.h"
#include "log/log_estimate_formulas.h"
#include "platform/errors.h"
#include "platform/prompts.h"
#include "platform/value.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

using namespace Qt::StringLiterals;

namespace vernalt {

// Recomputes every result box of the page from the boxes as they stand, then
// the Sample Sizes page. The result boxes start no calculation of their own.
void frmMainLog::CalculateCombo() {
    combined::EstimateInputs in;
    for (std::size_t h = 0; h < 4; ++h)
        in.strata[h] = {txtStratum[h]->text(), txtStratumSize[h]->text(), txtEstimates[h]->text(),
                        txtVariance[h]->text(), txtSampleSize[h]->text()};
    in.tValue = txtComboTvalue->text();

    const combined::EstimatePage p = combined::estimatePage(in);
    txtTotalSize->setText(p.totalSize);
    txtTotalSamples->setText(p.totalSamples);
    for (std::size_t h = 0; h < 4; ++h) {
        txtStratumWeight[h]->setText(p.weights[h]);
        if (h > 0) {
            txtStratifiedMeans[h]->setText(p.means[h]);
            txtStratifiedVariance[h]->setText(p.variances[h]);
        }
    }
    txtComboFormula->setText(p.estimate);
    txtComboVar->setText(p.variance);
    txtComboS->setText(p.standardError);
    txtComboBound->setText(p.bound);
    txtComboUpperLimit->setText(p.upperLimit);
    txtComboLowerLimit->setText(p.lowerLimit);
    txtComboPrecision->setText(p.precision);
    if (p.error) {
        errorReport(prompts(), *p.error, logProcedure(u"CalculateCombo"_s));
        return;
    }
    ComboSampleSize();
}

// Shows the length of the level chosen for row `index` ("" for none) and
// recalculates the page once.
void frmMainLog::cboTransectName_Click(int index) {
    QComboBox* list = cboTransectName[std::size_t(index)];
    const QString item =
        list->currentIndex() >= 0 ? list->itemText(list->currentIndex()) : QString();
    const int level = logest::levelOfName(item);
    {
        // Its change event would run the calculation a second time.
        const QSignalBlocker blocker(txtTransectLength[std::size_t(index)]);
        txtTransectLength[std::size_t(index)]->setText(
            level >= 0 ? singleText(LevelLengths[std::size_t(level)]) : QString());
    }
    CalculateCombo();
}

void frmMainLog::cmdClearCombo_Click() {
    if (prompts().messageBox(u"Do you want to clear these pages for a new analysis?"_s,
                             u"Clear for new analysis?"_s, MsgIcon::None, MsgButtons::YesNo,
                             0) == MsgResult::Yes)
        ClearAll();
}

} // namespace vernalt
