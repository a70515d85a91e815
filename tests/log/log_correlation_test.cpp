// "Correlation" of the log window on a hand-made data sheet, and the text of its answer.
#include "log/log_correlation.h"

#include "log_window_fixture.h"
#include "platform/grid.h"
#include "platform/value.h"
#include "shell/correlation.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

const QString LevelPrompt =
    u"For which length would you like to obtain a Pearson correlation coefficient?"
    u"\r\n\r\nPlease enter Section, Segment or Subsegment"_s;
const QString LevelTitle = u"Correlation Length"_s;
const QString TooFew =
    u"At least three pairs of adjacent units are needed to compute a correlation."_s;

TEST(LogCorrelationText, RoundsLikeEveryShownFigure) {
    // 0.85674^2 = 0.73400: three decimals from 0.01; negatives get four.
    EXPECT_EQ(logCorrelationText(0.85674), u"r=0.857\r\nr^2=0.734"_s);
    EXPECT_EQ(logCorrelationText(-0.85674), u"r=-0.8567\r\nr^2=0.734"_s);
    EXPECT_EQ(logCorrelationText(1), u"r=1\r\nr^2=1"_s);
}

class LogCorrelation : public LogWindowTest {
  protected:
    // `transects` transects of eight subsegments, one log each; the log of
    // subsegment s of transect t is worth value(t, s).
    template <class F> frmMainLog* window(int transects, F value) {
        frmMainLog* w = open();
        w->LevelLengths = {12.5f, 25, 50, 100};
        w->ssTabMain->setTabText(frmMainLog::PageFormula, u"Tally"_s);
        w->txtTvalue->setText(u"1.67"_s); // as after opening a data file
        w->txtPrecisionLevel->setText(u".2"_s);
        GridModel& g = *w->grdStratum[0]->grid();
        g.clear();
        g.setFixedCols(0);
        g.setRows(8 * transects + 1);
        g.setCols(6);
        const char16_t* headers[6] = {u"Stratum", u"Transect",   u"Section",
                                      u"Segment", u"Subsegment", u"Qualify"};
        for (int c = 0; c < 6; ++c)
            g.setText(0, c, QString::fromUtf16(headers[c]));
        for (int t = 1; t <= transects; ++t)
            for (int s = 1; s <= 8; ++s) {
                const int r = 8 * (t - 1) + s;
                const double cells[6] = {
                    1, double(t), double((s + 3) / 4), double((s + 1) / 2), double(s), value(t, s)};
                for (int c = 0; c < 6; ++c)
                    g.setText(r, c, numberText(cells[c]));
            }
        return w;
    }
};

TEST_F(LogCorrelation, PairsAdjacentSubsegmentsWithinEachTransect) {
    // Values 1..8 along each of two transects: every pair is (x, x + 1), r = 1.
    // A pair across the transects would be (8, 1) and spoil it.
    frmMainLog* w = window(2, [](int, int s) { return double(s); });
    prompts_.input(LevelPrompt, LevelTitle, u"Subsegment"_s);
    prompts_.message(u"r=1\r\nr^2=1"_s, QString(), MsgIcon::None);
    w->cmdCorrelation->click();
    EXPECT_EQ(CorrelationPairs.rows(), 14);
    // Position by position: units 1 and 2 of transect 1, then of transect 2.
    EXPECT_EQ(CorrelationPairs.at(1, 0), 1);
    EXPECT_EQ(CorrelationPairs.at(1, 1), 2);
    EXPECT_EQ(w->lblNum[0]->text(), u"16"_s);
}

TEST_F(LogCorrelation, AsksAgainUntilTheAnswerIsALevel) {
    // Segments 3, 7, 11, 15 in each of three transects: 9 pairs (x, x + 4).
    frmMainLog* w = window(3, [](int, int s) { return double(s); });
    prompts_.input(LevelPrompt, LevelTitle, u" segment"_s);
    prompts_.input(LevelPrompt, LevelTitle, u"Transect"_s);
    prompts_.input(LevelPrompt, LevelTitle, u"SEGMENT"_s);
    prompts_.message(u"r=1\r\nr^2=1"_s, QString(), MsgIcon::None);
    w->cmdCorrelation_Click();
    EXPECT_EQ(CorrelationPairs.rows(), 9);
}

TEST_F(LogCorrelation, TooFewPairsAreSaidInsteadOfAFigure) {
    frmMainLog* w = window(1, [](int, int s) { return double(s); });
    prompts_.input(LevelPrompt, LevelTitle, u"section"_s);
    prompts_.message(TooFew, u"Too few pairs"_s, MsgIcon::None);
    w->cmdCorrelation_Click();
    EXPECT_EQ(CorrelationPairs.rows(), 1);
}

TEST_F(LogCorrelation, CancelKeepsTheRefreshedStatistics) {
    frmMainLog* w = window(1, [](int, int s) { return double(s); });
    prompts_.input(LevelPrompt, LevelTitle, u""_s);
    w->cmdCorrelation_Click();
    EXPECT_EQ(w->lblNum[0]->text(), u"8"_s);
    EXPECT_EQ(w->lblAvg[0]->text(), u"4.5"_s);
}

TEST_F(LogCorrelation, ASheetWithoutDataAsksNothing) {
    frmMainLog* w = open();
    w->grdStratum[0]->clear();
    prompts_.message(u"No data found on 'Single/Combined'"_s, u"No data"_s, MsgIcon::None);
    w->cmdCorrelation_Click();
}

} // namespace
} // namespace vernalt::test
