// The Combination pages of the log window: typing into the boxes recalculates
// both pages; the errors each page reports; "Clear All Values".
#include "log/log_window_fixture.h"

#include "platform/errors.h"
#include "platform/settings.h"

#include <QComboBox>
#include <QFocusEvent>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

class LogCombined : public LogWindowTest {
  protected:
    // A window of the combined method with two strata typed in: sizes 100 and
    // 300, estimates 8 and 24, variances 16 and 36, sample sizes 4 and 9, levels
    // Segment and Section; on the Sample Sizes page the same variances and t = 2.
    frmMainLog* typeTwoStrata() {
        saveSettingBool(u"LogSettings"_s, u"ComboMethod"_s, true);
        frmMainLog* w = open();
        w->LevelLengths = {12.5f, 25.0f, 50.0f, 100.0f};
        w->txtSSTvalue->setText(u"2"_s);
        const QStringList rows[2] = {u"North|100|8|16|4|2"_s.split(u'|'),
                                     u"South|300|24|36|9|3"_s.split(u'|')};
        for (std::size_t h = 0; h < 2; ++h) {
            const QStringList& r = rows[h];
            w->txtSSVariableVariance[h]->setText(r[3]);
            w->txtStratum[h]->setText(r[0]);
            w->txtStratumSize[h]->setText(r[1]);
            w->txtEstimates[h]->setText(r[2]);
            w->txtVariance[h]->setText(r[3]);
            w->txtSampleSize[h]->setText(r[4]);
            QComboBox* list = w->cboTransectName[h];
            list->setCurrentIndex(r[5].toInt()); // Segment, Section
            emit list->activated(list->currentIndex());
        }
        return w;
    }
    void expectError(const char* procedure) {
        prompts_.message(u"5 : "_s + errorDescription(5) + u" - Log Procedure '"_s +
                             QLatin1String(procedure) + u"'"_s,
                         u"Error"_s, MsgIcon::Exclamation);
    }
};

TEST_F(LogCombined, TypingTheStrataFillsBothPages) {
    frmMainLog* w = typeTwoStrata();
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
    EXPECT_EQ(w->statusText(),
              u"Confidence Level : t-value of 1.67 = 90%, 2.00 = 95% or 2.66 = 99%"_s);
}

TEST_F(LogCombined, NegativeVariancesAreReportedAndStopTheirPage) {
    frmMainLog* w = typeTwoStrata();
    // 0.25^2 x -100 / 4 + 2.25 = 0.6875: still positive; -200 gives -0.875.
    w->txtSSOptimalEquations[1]->setText(u"old"_s);
    expectError("CalculateCombo");
    w->txtVariance[0]->setText(u"-200"_s);
    EXPECT_EQ(w->txtComboVar->text() + w->txtComboS->text(), u"-0.875"_s);
    EXPECT_EQ(w->txtSSOptimalEquations[1]->text(), u"old"_s); // Sample Sizes not run again

    expectError("ComboSampleSize");
    w->txtSSVariableVariance[1]->setText(u"-36"_s);
    EXPECT_EQ(w->txtSSVariableStdDev[1]->text() + w->txtSSOptimalEquations[1]->text(), QString());
}

// "Clear All Values" empties the three frames and puts the t-value back; the
// boxes outside the frames stay.
TEST_F(LogCombined, ClearAllValuesAsksFirst) {
    frmMainLog* w = typeTwoStrata();
    const QString ask = u"Do you want to clear these pages for a new analysis?"_s;
    prompts_.message(ask, u"Clear for new analysis?"_s, MsgIcon::None, MsgResult::No);
    w->cmdClearCombo->click();
    EXPECT_EQ(joinedTexts(w->txtStratum[0], w->txtComboFormula), u"North|20"_s);

    w->txtComboTvalue->setText(u"2"_s);
    prompts_.message(ask, u"Clear for new analysis?"_s, MsgIcon::None, MsgResult::Yes);
    w->cmdClearCombo->click();
    for (std::size_t h = 0; h < 2; ++h) {
        EXPECT_EQ(joinedTexts(w->txtStratum[h], w->txtStratumSize[h], w->txtEstimates[h],
                              w->txtVariance[h], w->txtSampleSize[h], w->txtSSstratum[h],
                              w->txtTransectLength[h], w->txtStratumWeight[h]),
                  u"|||||||"_s);
        EXPECT_EQ(w->cboTransectName[h]->currentIndex(), -1);
    }
    EXPECT_EQ(joinedTexts(w->txtComboFormula, w->txtTotalSize, w->txtComboTvalue, w->txtSSTvalue,
                          w->txtSSVariableVariance[1], w->lblComboSSOptTotalTransectLength),
              u"||1.67|2|36|"_s);
    const Grid* g = w->grdComboSSOptimalAllocation;
    EXPECT_EQ(g->rows(), 5);
    EXPECT_EQ(rowOf(g, 2), u"|||"_s);
}

} // namespace
} // namespace vernalt::test
