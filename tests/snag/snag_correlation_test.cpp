// The snag window's correlation: its width answer and its shown answer, then
// "Correlation" on a small hand-made data sheet. The pairing and the coefficient
// are shared with the log window and tested in tests/shell; here, the units this
// window hands them and its prompts.
#include "data_sheet.h"
#include "snag_window_fixture.h"

#include "shell/correlation.h"
#include "snag/correlation_pairs.h"

#include <QPushButton>
#include <vector>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

const QString LevelPrompt =
    u"For which length would you like to obtain a Pearson correlation coefficient?"
    u"\r\n\r\nPlease enter Section, Segment or Subsegment"_s;
const QString WidthPrompt =
    u"For which width would you like to obtain a Pearson correlation coefficient?"
    u"\r\n\r\nPlease enter 10, 20, 30 or 40"_s;
const QString LevelTitle = u"Correlation Length"_s;
const QString WidthTitle = u"Correlation Width"_s;

// Two transects of eight subsegments, two records each. Width 10 flags by
// subsegment (records of one subsegment side by side):
//   transect 1: 10 00 | 10 10 | 11 10 | 11 11   segments 1 2 3 4, sections 3 7
//   transect 2: 11 00 | 00 11 | 01 00 | 00 00   segments 2 2 1 0, sections 4 1
// so the subsegment subtotals are 1 0 1 1 2 1 2 2 and 2 0 0 2 1 0 0 0. The
// other widths are 0.
const char* const Width10[2][8] = {{"10", "00", "10", "10", "11", "10", "11", "11"},
                                   {"11", "00", "00", "11", "01", "00", "00", "00"}};

TEST(CorrelationAnswers, WidthIsOneOfTheTextsExactly) {
    const WidthTextArray metric{u"10"_s, u"20"_s, u"30"_s, u"40"_s};
    EXPECT_EQ(correlationWidth(u"40"_s, metric), 3);
    for (const QString& refused : {u"40 "_s, u"40.0"_s, u"25"_s})
        EXPECT_EQ(correlationWidth(refused, metric), std::nullopt) << refused.toStdString();
    const WidthTextArray repeated{u"5"_s, u"15"_s, u"15"_s, u"30"_s};
    EXPECT_EQ(correlationWidth(u"15"_s, repeated), 1) << "the lowest of equal widths";
}

TEST(CorrelationAnswers, RAndItsSquareEachRoundedHalfToEven) {
    // r^2 is the square of the unrounded r: 0.015625 -> 0.02, 0.555025 -> 0.56.
    EXPECT_EQ(correlationResultText(-0.125), u"r=-0.12\r\nr^2=0.02"_s);
    EXPECT_EQ(correlationResultText(0.745), u"r=0.74\r\nr^2=0.56"_s);
    EXPECT_EQ(correlationResultText(1), u"r=1\r\nr^2=1"_s);
}

class SnagCorrelation : public SnagWindowTest {
  protected:
    frmMainSnag* w = open();

    // The sheet above; the first transect may stop short of its eighth subsegment.
    void fill(int firstTransect = 8) {
        static const char* const digits[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8"};
        std::vector<SheetRecord> records;
        for (int t = 1; t <= 2; ++t)
            for (int s = 1; s <= (t == 1 ? firstTransect : 8); ++s)
                for (int k = 0; k < 2; ++k)
                    records.push_back({"1", digits[t], digits[(s + 3) / 4], digits[(s + 1) / 2],
                                       digits[s], Width10[t - 1][s - 1][k] == '1' ? "1" : "0", "0",
                                       "0", "0"});
        fillSheet(*w, 0, records);
    }
    std::vector<double> column(int c) {
        std::vector<double> v;
        for (int p = 0; p < CorrelationPairs.rows(); ++p)
            v.push_back(CorrelationPairs.at(p, c));
        return v;
    }
};

TEST_F(SnagCorrelation, SegmentsOfTheFirstWidthFromTheSubtotalsJustComputed) {
    fill();
    // What an earlier Compute on another sheet left is neither read nor recomputed.
    w->grdStats[0]->setText(5, 3, u"40"_s);
    // Segment pairs (1,2) (2,2) (2,3) (2,1) (3,4) (1,0): Sx 11, Sy 12, Sxx 23,
    // Syy 34, Sxy 26; r = 4 / sqrt(17/6 x 10) = 0.7515, r^2 = 96/170 = 0.5647.
    script.input(LevelPrompt, LevelTitle, u"Segment"_s)
        .input(WidthPrompt, WidthTitle, u"10"_s)
        .message(u"r=0.75\r\nr^2=0.56"_s, QString(), MsgIcon::None);
    w->cmdCorrelation->click();
    EXPECT_EQ(column(0), (std::vector<double>{1, 2, 2, 2, 3, 1}));
    EXPECT_EQ(column(1), (std::vector<double>{2, 2, 3, 1, 4, 0}));
    EXPECT_EQ(w->status(), u"Status: Subtotals calculated"_s);
    EXPECT_EQ(w->grdStats[0]->text(5, 3), u"40"_s);
}

TEST_F(SnagCorrelation, AnIncompleteFirstTransectAndAnswersAskedAgain) {
    // Transect 1 ends at its seventh subsegment: 6 pairs in it, 7 in transect 2,
    // none from its last unit (2) to the first of transect 2 (2).
    fill(7);
    // x 1 0 1 1 2 1 2 0 0 2 1 0 0, y 0 1 1 2 1 2 0 0 2 1 0 0 0: Sx 11, Sy 10, Sxx 17,
    // Syy 16, Sxy 9; r = (9 - 110/13) / sqrt((17 - 121/13)(16 - 100/13))
    // = 7 / sqrt(100 x 108) = 0.0674, r^2 = 0.0045.
    script.input(LevelPrompt, LevelTitle, u"transect"_s)
        .input(LevelPrompt, LevelTitle, u" Subsegment"_s)
        .input(LevelPrompt, LevelTitle, u"SUBSEGMENT"_s)
        .input(WidthPrompt, WidthTitle, u"25"_s)
        .input(WidthPrompt, WidthTitle, u"10 "_s)
        .input(WidthPrompt, WidthTitle, u"10"_s)
        .message(u"r=0.07\r\nr^2=0"_s, QString(), MsgIcon::None);
    w->cmdCorrelation_Click();
    EXPECT_EQ(CorrelationPairs.rows(), 13);
}

TEST_F(SnagCorrelation, CancelAtEitherPromptEndsSilently) {
    fill();
    for (int cancelAt = 0; cancelAt < 2; ++cancelAt) {
        w->setStatus(u"Status: Data file read"_s);
        CorrelationPairs.redim(1, 2);
        script.input(LevelPrompt, LevelTitle, cancelAt == 0 ? QString() : u"segment"_s);
        if (cancelAt == 1)
            script.input(WidthPrompt, WidthTitle, QString());
        w->cmdCorrelation_Click();
        EXPECT_TRUE(script.done()) << cancelAt;
        EXPECT_EQ(CorrelationPairs.rows(), 1) << "no pairs made, cancel at " << cancelAt;
        // The subtotals were rebuilt before the first question.
        EXPECT_EQ(w->status(), u"Status: Subtotals calculated"_s) << cancelAt;
        EXPECT_EQ(w->grdSubtotal[1]->text(2, 0), u"7"_s) << cancelAt;
    }
    // An empty sheet asks nothing.
    fillSheet(*w, 0, {});
    script.message(u"No data found on 'Single'"_s, u"No data"_s, MsgIcon::None);
    w->cmdCorrelation_Click();
}

} // namespace
} // namespace vernalt::test
