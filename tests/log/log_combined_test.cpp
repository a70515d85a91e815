// The Combination pages of the log window: typing into the boxes recalculates
// both pages; the errors each page reports; "Clear All Values".
#include "log/log_window_fixture.h"

#include "platform/errors.h"
#include "platform/settings.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

class LogCombined : public LogWindowTest {
  protected:
    static void chooseLevel(frmMainLog* w, int row, int item) {
        QComboBox* list = w->cboTransectName[std::size_t(row)];
        list->setCurrentIndex(item);
        emit list->activated(item);
    }
    // A window of the combined method with two strata typed in: sizes 100 and
    // 300, estimates 8 and 24, variances 16 and 36, sample sizes 4 and 9, levels
    // Segment and Section; on the Sample Sizes page the same variances and t = 2.
    frmMainLog* typeTwoStrata() {
        saveSettingBool(u"LogSettings"_s, u"ComboMethod"_s, true);
        frmMainLog* w = open();
        w->LevelLengths = {12.5f, 25.0f, 50.0f, 100.0f};
        w->txtSSTvalue->setText(u"2"_s);
        w->txtSSVariableVariance[0]->setText(u"16"_s);
        w->txtSSVariableVariance[1]->setText(u"36"_s);
        const char16_t* rows[2][5] = {{u"North", u"100", u"8", u"16", u"4"},
                                      {u"South", u"300", u"24", u"36", u"9"}};
        for (std::size_t h = 0; h < 2; ++h) {
            w->txtStratum[h]->setText(QString::fromUtf16(rows[h][0]));
            w->txtStratumSize[h]->setText(QString::fromUtf16(rows[h][1]));
            w->txtEstimates[h]->setText(QString::fromUtf16(rows[h][2]));
            w->txtVariance[h]->setText(QString::fromUtf16(rows[h][3]));
            w->txtSampleSize[h]->setText(QString::fromUtf16(rows[h][4]));
        }
        chooseLevel(w, 0, 2); // Segment
        chooseLevel(w, 1, 3); // Section
        return w;
    }
};

TEST_F(LogCombined, TypingTheStrataFillsBothPages) {
    frmMainLog* w = typeTwoStrata();
    // The figures themselves are worked in the page tests; here one of each step.
    // (100 x 8 + 300 x 24) / 400 = 20; 0.25^2 x 16 / 4 + 0.75^2 x 36 / 9 = 2.5;
    // B = 1.67 x 1.58 = 2.6386.
    EXPECT_EQ(w->txtTransectLength[1]->text(), u"50"_s);
    EXPECT_EQ(w->txtStratumWeight[1]->text(), u"0.75"_s);
    EXPECT_EQ(w->txtComboFormula->text(), u"20"_s);
    EXPECT_EQ(w->txtComboBound->text(), u"2.64"_s);
    EXPECT_EQ(w->txtSSPlotDimensions[1]->text(), u"Section"_s);
    EXPECT_EQ(w->txtSSOptimalEquations[1]->text(), u"7.42"_s);
    EXPECT_EQ(w->grdComboSSOptimalAllocation->text(2, 3), u"300"_s);
    EXPECT_EQ(w->lblComboSSOptTotalTransectLength->text(), u"350"_s);

    // A new t-value counts from the next entry into its box: 2 x 1.58.
    w->txtComboTvalue->setText(u"2"_s);
    EXPECT_EQ(w->txtComboBound->text(), u"2.64"_s);
    w->txtComboTvalue_GotFocus();
    EXPECT_EQ(w->txtComboBound->text(), u"3.16"_s);

    // The combined metric names its unit in the chosen system.
    w->mnuComboWeight->trigger();
    w->mnuEnglish->trigger();
    EXPECT_EQ(w->lblComboFormula->text(), u"Weight (tons/ac)"_s);
}

TEST_F(LogCombined, ANegativeStratifiedVarianceIsReportedAndStopsTheRun) {
    frmMainLog* w = typeTwoStrata();
    // 0.25^2 x -100 / 4 + 2.25 = 0.6875: still positive; -200 gives -0.875.
    prompts_.message(u"5 : "_s + errorDescription(5) + u" - Log Procedure 'CalculateCombo'"_s,
                     u"Error"_s, MsgIcon::Exclamation);
    w->txtVariance[0]->setText(u"-200"_s);
    EXPECT_EQ(w->txtComboVar->text(), u"-0.875"_s);
    EXPECT_TRUE(w->txtComboS->text().isEmpty());
    // The Sample Sizes page was not run again.
    EXPECT_EQ(w->txtSSOptimalEquations[1]->text(), u"7.42"_s);
}

TEST_F(LogCombined, ANegativeTypedVarianceIsReportedBySampleSize) {
    frmMainLog* w = typeTwoStrata();
    prompts_.message(u"5 : "_s + errorDescription(5) + u" - Log Procedure 'ComboSampleSize'"_s,
                     u"Error"_s, MsgIcon::Exclamation);
    w->txtSSVariableVariance[1]->setText(u"-36"_s);
    EXPECT_TRUE(w->txtSSVariableStdDev[1]->text().isEmpty());
    EXPECT_TRUE(w->txtSSOptimalEquations[1]->text().isEmpty());
}

TEST_F(LogCombined, ClearAllValuesAsksFirst) {
    frmMainLog* w = typeTwoStrata();
    prompts_.message(u"Do you want to clear these pages for a new analysis?"_s,
                     u"Clear for new analysis?"_s, MsgIcon::None, MsgResult::No);
    w->cmdClearCombo->click();
    EXPECT_EQ(w->txtStratum[0]->text(), u"North"_s);
    EXPECT_EQ(w->txtComboFormula->text(), u"20"_s);

    w->txtComboTvalue->setText(u"2"_s);
    prompts_.message(u"Do you want to clear these pages for a new analysis?"_s,
                     u"Clear for new analysis?"_s, MsgIcon::None, MsgResult::Yes);
    w->cmdClearCombo->click();
    for (std::size_t h = 0; h < 4; ++h) {
        EXPECT_TRUE(w->txtStratum[h]->text().isEmpty());
        EXPECT_TRUE(w->txtSSstratum[h]->text().isEmpty());
        EXPECT_EQ(w->cboTransectName[h]->currentIndex(), -1);
    }
    EXPECT_TRUE(w->txtComboFormula->text().isEmpty());
    EXPECT_EQ(w->txtComboTvalue->text(), u"1.67"_s);
    EXPECT_TRUE(w->lblComboSSOptTotalTransectLength->text().isEmpty());
}

} // namespace
} // namespace vernalt::test
