// The mean-and-median length report: the estimate of a strip-plot log's whole
// length and the median of a column, then the report of the window on records
// put into the database.
#include "log/log_mean_length.h"
#include "log/median.h"

#include "log_window_fixture.h"
#include "support/error_of.h"

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

// The estimates themselves: MeanLength.StripPlotsEstimateFirst.
TEST(EstimatedLength, OnlyByAWholeClassAndAMeasuredLength) {
    EXPECT_EQ(percentLengthFactor(Value(u"9"_s)), 0.9);
    for (const Value& none : {Value(0), Value(10), Value(2.5), Value::null(), Value(u"x"_s)})
        EXPECT_FALSE(percentLengthFactor(none).has_value());
    EXPECT_EQ(estimatedLength(Value(4), Value::null()), 0); // nothing measured: no estimate
}

// Records as "(stratum, length)" values of table LIM.
TEST(ColumnMedian, OfTheValuesOfOneStratumOrAll) {
    const struct {
        const char* records;
        int stratum;
        std::optional<double> median;
    } cases[] = {
        {"(1,4),(1,1),(1,5),(1,3),(1,2)", 0, 3},           // an odd count: the middle value
        {"(1,4),(1,2),(1,1),(1,3)", 0, 2.5},               // even: the mean of the middle two
        {"(1,NULL),(1,10),(1,NULL),(1,20),(1,30)", 0, 20}, // nulls neither counted nor read
        {"(1,1),(3,10),(3,30),(3,20),(2,100)", 3, 20},     // one stratum
        {"(1,1)", 4, std::nullopt},                        // a stratum without records
        {"(1,1),(1,'long'),(1,3),(1,4)", 0, 3.5},          // the middle two are numbers
    };
    for (const auto& c : cases) {
        TempDatabase database;
        db::exec(u"INSERT INTO LIM (Stratum, Length) VALUES "_s + QLatin1String(c.records));
        EXPECT_EQ(columnMedian(u"LIM"_s, u"Length"_s, c.stratum), c.median) << c.records;
    }
}

TEST(ColumnMedian, NamesAreQuotedAndTextsAreATypeMismatch) {
    TempDatabase database;
    db::exec(u"INSERT INTO LIM (Stratum, [Tally 1], Length) VALUES (1, 5, 'x'), (1, 7, 'y')"_s);
    EXPECT_EQ(columnMedian(u"LIM"_s, u"Tally 1"_s, 0), 6.0);
    EXPECT_EQ(errorOf([] { columnMedian(u"LIM"_s, u"Length"_s, 0); }), err::TypeMismatch);
    // An unknown column is an error, not a column without values.
    EXPECT_NE(errorOf([] { columnMedian(u"LIM"_s, u"Nonsense"_s, 0); }), 0);
}

using MeanLength = LogWindowTest;

// Length shows the mean-length button of each sheet; a stratum sheet's button
// reports that stratum.
TEST_F(MeanLength, LineIntersectOfOneStratumOrWithoutLengths) {
    frmMainLog* w = open();
    db::exec(u"INSERT INTO LIM (Stratum, Length) VALUES (1, 10), (1, 20), (1, NULL), (1, 40), "
             u"(2, 1000), (3, NULL)"_s);
    w->mnuLength->trigger();
    for (const QPushButton* b : w->cmdDisplayMean)
        EXPECT_TRUE(b->isVisibleTo(b->parentWidget()) && b->isEnabled());
    // 10, 20, 40: mean 23.33 shown 23.3, median 20.
    prompts_.message(u"Mean = 23.3 m\r\nMedian = 20 m"_s, u"Mean Length"_s, MsgIcon::None);
    w->cmdDisplayMean[1]->click();
    prompts_.message(u"No Length values were found in the current dataset"_s,
                     u"ERROR: No length values"_s, MsgIcon::None);
    w->cmdDisplayMean[3]->click();
    EXPECT_EQ(errorOf([&] { w->Median(u"LIM"_s, u"Length"_s, 3); }), 3021);
}

// The estimates are worked in EstimatedLength; here they reach the table, the
// sheet and the report. Strip plots without lengths show nothing and say nothing.
TEST_F(MeanLength, StripPlotsEstimateFirst) {
    frmMainLog* w = open();
    checkDesign(w, "SPM ft");
    addLog(w, u"PercentLength=null;Length=null;EstimLength=null"_s);
    prompts_.message(u"The EstimLength column was not found"_s, u"Column not found"_s,
                     MsgIcon::None); // a sheet not filled yet
    w->CalcMeanLength(true, 0);
    w->FillSingleTab();
    w->CalcMeanLength(true, 0); // no message: the script expects none

    db::exec(u"DELETE FROM SPM"_s);
    for (const char* log :
         {"3;Length=10", "5;Length=4", "10;Length=12.345", "null;Length=0", "x;Length=6"})
        addLog(w, u"EstimLength=8.7;PercentLength="_s + QLatin1String(log));
    // 10 / 0.303 = 33.0033, 8, no class: 12.3 as shown; no estimate keeps 8.7; a class
    // that is a text is none: 6.
    w->FillSingleTab();
    // Mean (33.0033 + 8 + 12.3 + 8.7 + 6) / 5 = 13.6007; median 8.7.
    prompts_.message(u"Mean = 13.6 ft\r\nMedian = 8.7 ft"_s, u"Mean Length"_s, MsgIcon::None);
    w->CalcMeanLength(true, 0);
    EXPECT_EQ(columnOf(*w->grdStratum[0], 16, 1, 5).join(u'|'), u"33|8|12.3|8.7|6"_s);
}

} // namespace
} // namespace vernalt::test
