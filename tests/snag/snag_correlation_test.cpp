// The snag window's correlation: its width answer and its shown answer, then
// "Correlation" on a small hand-made data sheet. The pairing and the coefficient
// are shared with the log window and tested in tests/shell; here, the units this
// window hands them and its prompts.
#include "data_sheet.h"
#include "snag_window_fixture.h"

#include "snag/correlation_pairs.h"

namespace vernalt::test {
namespace {

TEST(CorrelationAnswers, WidthIsOneOfTheTextsExactly) {
    const WidthTextArray metric{u"10"_s, u"20"_s, u"30"_s, u"40"_s};
    EXPECT_EQ(correlationWidth(u"40"_s, metric), 3);
    for (const QString& refused : {u"40 "_s, u"40.0"_s, u"25"_s})
        EXPECT_EQ(correlationWidth(refused, metric), std::nullopt) << refused.toStdString();
    const WidthTextArray repeated{u"5"_s, u"15"_s, u"15"_s, u"30"_s};
    EXPECT_EQ(correlationWidth(u"15"_s, repeated), 1) << "the lowest of equal widths";
    // r^2 is the square of the unrounded r: 0.015625 -> 0.02, 0.555025 -> 0.56.
    EXPECT_EQ(correlationResultText(-0.125), u"r=-0.12\r\nr^2=0.02"_s);
    EXPECT_EQ(correlationResultText(0.745), u"r=0.74\r\nr^2=0.56"_s);
}

// Two transects of eight subsegments, two records each, the first transect
// `first` subsegments long. Width 10 flags by subsegment (records of one
// subsegment side by side):
//   transect 1: 10 00 | 10 10 | 11 10 | 11 11   segments 1 2 3 4, sections 3 7
//   transect 2: 11 00 | 00 11 | 01 00 | 00 00   segments 2 2 1 0, sections 4 1
// so the subsegment subtotals are 1 0 1 1 2 1 2 2 and 2 0 0 2 1 0 0 0. The
// other widths are 0.
void fill(frmMainSnag& w, int first) {
    static const char* const flags[2][8] = {{"10", "00", "10", "10", "11", "10", "11", "11"},
                                            {"11", "00", "00", "11", "01", "00", "00", "00"}};
    static const char* const digits[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8"};
    std::vector<SheetRecord> records;
    for (int t = 1; t <= 2; ++t)
        for (int s = 1; s <= (t == 1 ? first : 8); ++s)
            for (int k = 0; k < 2; ++k)
                records.push_back({"1", digits[t], digits[(s + 3) / 4], digits[(s + 1) / 2],
                                   digits[s], flags[t - 1][s - 1][k] == '1' ? "1" : "0", "0", "0",
                                   "0"});
    fillSheet(w, 0, records);
}

using SnagCorrelation = SnagWindowTest;

TEST_F(SnagCorrelation, PairsWithinTheTransectsOfTheSubtotalsJustComputed) {
    frmMainSnag* w = open();
    // Transect 1 ends at its seventh subsegment: 6 pairs in it, 7 in transect 2,
    // none from its last unit (2) to the first of transect 2 (2).
    fill(*w, 7);
    // What an earlier Compute on another sheet left is neither read nor recomputed.
    w->grdStats[0]->setText(1, 3, u"40"_s);
    // x 1 0 1 1 2 1 2 0 0 2 1 0 0, y 0 1 1 2 1 2 0 0 2 1 0 0 0: Sx 11, Sy 10, Sxx 17,
    // Syy 16, Sxy 9; r = (9 - 110/13) / sqrt((17 - 121/13)(16 - 100/13))
    // = 7 / sqrt(100 x 108) = 0.0674, r^2 = 0.0045. An answer refused is asked again.
    askLevel("transect");
    askLevel("Subsegment");
    askWidth("10, 20, 30 or 40", "25");
    askWidth("10, 20, 30 or 40", "10");
    script.message(u"r=0.07\r\nr^2=0"_s, QString(), MsgIcon::None);
    w->cmdCorrelation_Click();
    EXPECT_EQ(CorrelationPairs.rows(), 13);
    EXPECT_EQ(w->status(), u"Status: Subtotals calculated"_s);
    EXPECT_EQ(w->grdStats[0]->text(1, 3), u"40"_s);
}

} // namespace
} // namespace vernalt::test
