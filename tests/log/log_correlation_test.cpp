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
#include <numeric>

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
    // Transects of the given numbers of subsegments, one log each; the log of
    // subsegment s of transect t is worth value(t, s).
    template <class F> frmMainLog* window(std::initializer_list<int> lengths, F value) {
        frmMainLog* w = open();
        w->LevelLengths = {12.5f, 25, 50, 100};
        w->ssTabMain->setTabText(frmMainLog::PageFormula, u"Tally"_s);
        w->txtTvalue->setText(u"1.67"_s); // as after opening a data file
        w->txtPrecisionLevel->setText(u".2"_s);
        GridModel& g = *w->grdStratum[0]->grid();
        g.clear();
        g.setFixedCols(0);
        g.setRows(std::accumulate(lengths.begin(), lengths.end(), 1));
        g.setCols(6);
        const char16_t* headers[6] = {u"Stratum", u"Transect",   u"Section",
                                      u"Segment", u"Subsegment", u"Qualify"};
        for (int c = 0; c < 6; ++c)
            g.setText(0, c, QString::fromUtf16(headers[c]));
        int r = 0, t = 0;
        for (const int length : lengths) {
            ++t;
            for (int s = 1; s <= length; ++s) {
                const double cells[6] = {
                    1, double(t), double((s + 3) / 4), double((s + 1) / 2), double(s), value(t, s)};
                ++r;
                for (int c = 0; c < 6; ++c)
                    g.setText(r, c, numberText(cells[c]));
            }
        }
        return w;
    }
};

TEST_F(LogCorrelation, PairsAdjacentSubsegmentsWithinEachTransect) {
    // Values 1..7 along a first transect that lacks its eighth subsegment, then
    // 1..8: the 6 + 7 pairs are all (x, x + 1), r = 1. A pair across the
    // transects would be (7, 1) and spoil it.
    frmMainLog* w = window({7, 8}, [](int, int s) { return double(s); });
    prompts_.input(LevelPrompt, LevelTitle, u"Subsegment"_s);
    prompts_.message(u"r=1\r\nr^2=1"_s, QString(), MsgIcon::None);
    w->cmdCorrelation->click();
    EXPECT_EQ(CorrelationPairs.rows(), 13);
    // Position by position: units 1 and 2 of transect 1, then of transect 2.
    EXPECT_EQ(CorrelationPairs.at(1, 0), 1);
    EXPECT_EQ(CorrelationPairs.at(1, 1), 2);
    EXPECT_EQ(w->lblNum[0]->text(), u"15"_s);
}

TEST_F(LogCorrelation, AsksAgainUntilTheAnswerIsALevel) {
    // Segments 3, 7, 11, 15 in each of three transects: 9 pairs (x, x + 4).
    frmMainLog* w = window({8, 8, 8}, [](int, int s) { return double(s); });
    prompts_.input(LevelPrompt, LevelTitle, u" segment"_s);
    prompts_.input(LevelPrompt, LevelTitle, u"Transect"_s);
    prompts_.input(LevelPrompt, LevelTitle, u"SEGMENT"_s);
    prompts_.message(u"r=1\r\nr^2=1"_s, QString(), MsgIcon::None);
    w->cmdCorrelation_Click();
    EXPECT_EQ(CorrelationPairs.rows(), 9);
}

TEST_F(LogCorrelation, TooFewPairsAreSaidInsteadOfAFigure) {
    frmMainLog* w = window({8}, [](int, int s) { return double(s); });
    prompts_.input(LevelPrompt, LevelTitle, u"section"_s);
    prompts_.message(TooFew, u"Too few pairs"_s, MsgIcon::None);
    w->cmdCorrelation_Click();
    EXPECT_EQ(CorrelationPairs.rows(), 1);
}

TEST_F(LogCorrelation, CancelKeepsTheRefreshedStatistics) {
    frmMainLog* w = window({8}, [](int, int s) { return double(s); });
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
