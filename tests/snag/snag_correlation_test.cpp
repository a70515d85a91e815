// "Correlation" of the snag window on a small hand-made data sheet.
#include "data_sheet.h"
#include "snag_window_fixture.h"

#include "platform/grid.h"
#include "platform/value.h"
#include "shell/correlation.h"

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
// so the subsegment subtotals are 1 0 1 1 2 1 2 2 and 2 0 0 2 1 0 0 0. Width 40
// is 1 on every record (every segment 4), widths 20 and 30 are 0.
const char* const Width10[2][8] = {{"10", "00", "10", "10", "11", "10", "11", "11"},
                                   {"11", "00", "00", "11", "01", "00", "00", "00"}};

class SnagCorrelation : public SnagWindowTest {
  protected:
    // The sheet above; the first transect may stop short of its eighth subsegment.
    frmMainSnag* openWithSheet(int firstTransect = 8) {
        static const char* const digits[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8"};
        static const char* const flags[] = {"0", "1"};
        std::vector<SheetRecord> records;
        for (int t = 1; t <= 2; ++t)
            for (int s = 1; s <= (t == 1 ? firstTransect : 8); ++s)
                for (int k = 0; k < 2; ++k)
                    records.push_back({"1", digits[t], digits[(s + 3) / 4], digits[(s + 1) / 2],
                                       digits[s], flags[Width10[t - 1][s - 1][k] - '0'], "0", "0",
                                       "1"});
        frmMainSnag* w = open();
        fillSheet(*w, 0, records);
        return w;
    }

    static std::vector<double> column(const NumberTable& t, int c) {
        std::vector<double> v;
        for (int p = 0; p < t.rows(); ++p)
            v.push_back(t.at(p, c));
        return v;
    }
};

TEST_F(SnagCorrelation, PairsOfAdjacentUnitsAndTheirCoefficient) {
    struct Case {
        const char *what, *level, *width;
        std::vector<double> x, y;
        const char16_t *message, *title;
    } cases[] = {
        // Sx 11, Sy 12, Sxx 23, Syy 34, Sxy 26; r = 4 / sqrt(17/6 x 10) = 0.7515,
        // r^2 = 96/170 = 0.5647.
        {"segments of the first width",
         "Segment",
         "10",
         {1, 2, 2, 2, 3, 1},
         {2, 2, 3, 1, 4, 0},
         u"r=0.75\r\nr^2=0.56",
         u""},
        {"a constant column gives zero", "segment", "40", std::vector<double>(6, 4),
         std::vector<double>(6, 4), u"r=0\r\nr^2=0", u""},
        // Two transects of two sections: pairs (3,7) and (4,1) only.
        {"fewer than three pairs say so",
         "Section",
         "10",
         {3, 4},
         {7, 1},
         u"At least three pairs of adjacent units are needed to compute a correlation.",
         u"Too few pairs"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        frmMainSnag* w = openWithSheet();
        // What an earlier Compute on another sheet left is not read.
        w->grdStats[0]->setText(5, 3, u"40"_s);
        w->grdStats[0]->setText(1, 3, QString());
        script.input(LevelPrompt, LevelTitle, QString::fromLatin1(c.level))
            .input(WidthPrompt, WidthTitle, QString::fromLatin1(c.width))
            .message(QString::fromUtf16(c.message), QString::fromUtf16(c.title), MsgIcon::None);
        w->cmdCorrelation->click();
        EXPECT_TRUE(script.done());
        EXPECT_EQ(column(CorrelationPairs, 0), c.x);
        EXPECT_EQ(column(CorrelationPairs, 1), c.y);
        EXPECT_EQ(w->status(), u"Status: Subtotals calculated"_s);
        EXPECT_EQ(w->grdStats[0]->text(5, 3), u"40"_s) << "the statistics are not recomputed";
    }
}

TEST_F(SnagCorrelation, AnswersAreAskedAgainUntilAccepted) {
    // Transect 1 ends at its seventh subsegment: 6 pairs in it, 7 in transect 2,
    // none from its last unit (2) to the first of transect 2 (2).
    frmMainSnag* w = openWithSheet(7);
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
    for (int cancelAt = 0; cancelAt < 2; ++cancelAt) {
        frmMainSnag* w = openWithSheet();
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
        EXPECT_EQ(w->grdSubtotal[0]->text(1, 4), u"1"_s) << cancelAt;
        EXPECT_EQ(w->grdSubtotal[1]->text(2, 0), u"7"_s) << cancelAt;
    }
}

TEST_F(SnagCorrelation, AnEmptySheetAsksNothing) {
    frmMainSnag* w = open();
    script.message(u"No data found on 'Single'"_s, u"No data"_s, MsgIcon::None);
    w->cmdCorrelation_Click();
    EXPECT_TRUE(script.done());
}

} // namespace
} // namespace vernalt::test
