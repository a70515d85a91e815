// The Formula page's handler "Stratified" and the sample size that ends it, and
// the Combination pages, on the window's own boxes and prompts ("Single" runs in
// the end-to-end tests). The figures are worked out in log_estimate_formulas_test
// and combined_estimate_test; here one run of each, and the window's own checks:
// typing into the Combination boxes recalculates both pages; the errors each
// page reports; "Clear All Values".
#include "log/log_window_fixture.h"
#include "platform/settings.h"

#include <QComboBox>
#include <QFocusEvent>

namespace vernalt::test {
namespace {

using LogEstimates = LogWindowTest;

// The strata of twoLineStrata have no Subsegment statistics: a stratum is
// ready when any of its levels has some.
TEST_F(LogEstimates, StratifiedNeedsStatisticsThenFillsTheSheetAndTheSampleSize) {
    frmMainLog* w = twoLineStrata(open());
    w->grdOptimal[2]->clear(); // no level of stratum 2 has statistics
    prompts_.message(u"Please calculate subtotals for Stratum 2"_s, QString(), MsgIcon::None);
    w->cmdDefaultStratified->click();
    EXPECT_TRUE(w->grdFormulaStratified->text(1, 0).isEmpty());
    setStats(*w, 2, 4, u"3|2|2500|5|50|20.3|900"_s);
    w->grdFormulaStratified->setText(3, 9, u"999"_s); // an earlier run's
    w->cmdDefaultStratified->click();
    EXPECT_TRUE(w->grdFormulaStratified->text(3, 9).isEmpty());
    // One run through estimate, sample size and allocation (worked in
    // log_estimate_formulas_test: 68 logs/ha, 9 and 12 units); every row of the
    // allocation grids keeps its stratum number.
    EXPECT_EQ(rowText(w->grdOptimalAllocation, 1) + u'/' + rowText(w->grdOptimalAllocation, 4) +
                  u'/' + rowText(w->grdProportionalAllocation, 3) + u'/' +
                  w->lblPropTotalTransectLength->text(),
              u"9|1|4|4000/|4||/|3||/13000"_s);

    // Auto: each stratum takes the first shortest survey distance of its own sheet.
    w->mnuStratum1_Click(0);
    w->mnuStratum2_Click(0);
    setStats(*w, 1, 3, u"1|1|1|4|1|1|650"_s);
    setStats(*w, 2, 2, u"1|1|1|4|1|1|800"_s);
    w->cmdDefaultStratified->click();
    EXPECT_EQ(w->grdFormulaStratified->text(1, 1) + w->grdFormulaStratified->text(2, 1),
              u"SectionSegment"_s);
}

// Two strata typed into the Combination pages: sizes 100 and 300, estimates 8
// and 24, variances 16 and 36, sample sizes 4 and 9, levels Segment and
// Section; on the Sample Sizes page the same variances and t = 2.
TEST_F(LogEstimates, TypingIntoTheCombinationPagesFillsBoth) {
    saveSettingBool(u"LogSettings"_s, u"ComboMethod"_s, true);
    frmMainLog* w = open();
    w->LevelLengths = {12.5f, 25.0f, 50.0f, 100.0f};
    w->txtSSTvalue->setText(u"2"_s);
    for (std::size_t h = 0; h < 2; ++h) {
        const QStringList r = (h ? u"South|300|24|36|9"_s : u"North|100|8|16|4"_s).split(u'|');
        w->txtSSVariableVariance[h]->setText(r[3]);
        int i = 0;
        for (QLineEdit* box : {w->txtStratum[h], w->txtStratumSize[h], w->txtEstimates[h],
                               w->txtVariance[h], w->txtSampleSize[h]})
            box->setText(r[i++]);
        w->cboTransectName[h]->setCurrentIndex(int(h) + 2); // Segment, Section
        emit w->cboTransectName[h]->activated(int(h) + 2);
    }
    // The figures themselves are worked in the page tests; here one of each step.
    // (100 x 8 + 300 x 24) / 400 = 20; 0.25^2 x 16 / 4 + 0.75^2 x 36 / 9 = 2.5;
    // B = 1.67 x 1.58 = 2.6386.
    EXPECT_EQ(joinedTexts(w->txtTransectLength[1], w->txtStratumWeight[1], w->txtComboFormula,
                          w->txtComboBound, w->txtSSPlotDimensions[1], w->txtSSOptimalEquations[1],
                          w->lblComboSSOptTotalTransectLength),
              u"50|0.75|20|2.64|Section|7.42|350"_s);

    // A new t-value counts from the next entry into its box: 2 x 1.58.
    w->txtComboTvalue->setText(u"2"_s);
    EXPECT_EQ(w->txtComboBound->text(), u"2.64"_s);
    w->activateWindow();
    w->txtComboTvalue->setFocus();
    QFocusEvent in(QEvent::FocusIn);
    QCoreApplication::sendEvent(w->txtComboTvalue, &in);
    EXPECT_EQ(w->txtComboBound->text(), u"3.16"_s);

    // A negative variance is reported and stops its page: 0.25^2 x -200 / 4 + 2.25
    // = -0.875, and the Sample Sizes page is not run again.
    const auto error = [&](const QString& procedure) {
        prompts_.message(u"5 : Invalid procedure call or argument - Log Procedure '"_s + procedure +
                             u'\'',
                         u"Error"_s, MsgIcon::Exclamation);
    };
    w->txtSSOptimalEquations[1]->setText(u"old"_s);
    error(u"CalculateCombo"_s);
    w->txtVariance[0]->setText(u"-200"_s);
    EXPECT_EQ(w->txtComboVar->text() + w->txtComboS->text(), u"-0.875"_s);
    EXPECT_EQ(w->txtSSOptimalEquations[1]->text(), u"old"_s);
    error(u"ComboSampleSize"_s);
    w->txtSSVariableVariance[1]->setText(u"-36"_s);
    EXPECT_EQ(w->txtSSVariableStdDev[1]->text() + w->txtSSOptimalEquations[1]->text(), QString());

    // "Clear All Values" empties the three frames and puts the t-value back; the
    // boxes outside the frames stay.
    w->txtSSVariableVariance[1]->setText(u"36"_s);
    w->txtVariance[0]->setText(u"16"_s);
    prompts_.message(u"Do you want to clear these pages for a new analysis?"_s,
                     u"Clear for new analysis?"_s, MsgIcon::None, MsgResult::Yes);
    w->cmdClearCombo->click();
    EXPECT_EQ(joinedTexts(w->txtStratum[1], w->txtSSstratum[1], w->txtComboFormula,
                          w->txtComboTvalue, w->txtSSTvalue, w->txtSSVariableVariance[0]) +
                  QString::number(w->cboTransectName[1]->currentIndex()),
              u"|||1.67|2|16-1"_s);
}

} // namespace
} // namespace vernalt::test
