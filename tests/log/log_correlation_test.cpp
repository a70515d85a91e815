// "Correlation" of the log window: the subtotals it reads, the text of its
// answer, and the handler on a hand-made data sheet.
#include "log/log_correlation.h"
#include "log/log_subtotals.h"

#include "log_estimate_support.h"
#include "log_window_fixture.h"
#include "shell/correlation.h"

#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

TEST(LogCorrelationText, RoundsLikeEveryShownFigure) {
    // 0.85674^2 = 0.73400: three decimals from 0.01; negatives get four.
    EXPECT_EQ(logCorrelationText(0.85674), u"r=0.857\r\nr^2=0.734"_s);
    EXPECT_EQ(logCorrelationText(-0.85674), u"r=-0.8567\r\nr^2=0.734"_s);
    EXPECT_EQ(logCorrelationText(1), u"r=1\r\nr^2=1"_s);
}

TEST(LevelSubtotals, EndAtTheFirstCellWithoutANumber) {
    GridModel g;
    g.setRows(5);
    g.setCols(2);
    g.setNumber(1, 1, 1.5);
    g.setText(2, 1, u"2"_s);
    g.setText(3, 1, u"x"_s);
    g.setText(4, 1, u"4"_s);
    EXPECT_EQ(levelSubtotals(g, 1), (std::vector<double>{1.5, 2}));
    EXPECT_TRUE(levelSubtotals(g, 2).empty()) << "a level the grid has no column for";
}

using LogCorrelation = LogWindowTest;

TEST_F(LogCorrelation, PairsAdjacentUnitsWithinEachTransect) {
    const QString ask =
        u"For which length would you like to obtain a Pearson correlation coefficient?"
        u"\r\n\r\nPlease enter Section, Segment or Subsegment"_s;
    const QString title = u"Correlation Length"_s;
    frmMainLog* w = open();
    w->LevelLengths = {12.5f, 25, 50, 100};
    w->ssTabMain->setTabText(frmMainLog::PageFormula, u"Tally"_s);
    w->txtTvalue->setText(u"1.67"_s); // as after opening a data file
    w->txtPrecisionLevel->setText(u".2"_s);
    // Subsegments 1 to 4 and 5 to 8 in two transects; segments 3, 7 and 11, 15.
    fillSheet(*w->grdStratum[0]->grid(), twoTransects());
    // Asked again until the answer is a level: two pairs of segments are too few.
    prompts_.input(ask, title, u" segment"_s)
        .input(ask, title, u"Transect"_s)
        .input(ask, title, u"SEGMENT"_s)
        .message(u"At least three pairs of adjacent units are needed to compute a correlation."_s,
                 u"Too few pairs"_s, MsgIcon::None);
    w->cmdCorrelation_Click();
    EXPECT_EQ(CorrelationPairs.rows(), 2);

    // 3 + 3 pairs (x, x + 1), r = 1; the pair (4, 5) across the transects is none.
    prompts_.input(ask, title, u"Subsegment"_s)
        .message(u"r=1\r\nr^2=1"_s, QString(), MsgIcon::None);
    w->cmdCorrelation->click();
    EXPECT_EQ(CorrelationPairs.rows(), 6);

    // Cancel keeps the statistics just refreshed.
    w->lblNum[0]->clear();
    prompts_.input(ask, title, QString());
    w->cmdCorrelation_Click();
    EXPECT_EQ(w->lblNum[0]->text(), u"8"_s);
    EXPECT_EQ(w->lblAvg[0]->text(), u"4.5"_s);

    // A sheet without data asks nothing.
    w->grdStratum[0]->clear();
    prompts_.message(u"No data found on 'Single/Combined'"_s, u"No data"_s, MsgIcon::None);
    w->cmdCorrelation_Click();
}

} // namespace
} // namespace vernalt::test
