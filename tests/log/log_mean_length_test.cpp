// The mean-and-median length report: the estimate of a strip-plot log's whole
// length and the median of a column, then the report of the window on records
// put into the database.
#include "log/log_mean_length.h"
#include "log/median.h"

#include "log_metrics_fixture.h"
#include "platform/grid.h"
#include "support/error_of.h"

#include <QSqlQuery>
#include <gtest/gtest.h>
#include <vector>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

TEST(EstimatedLength, ByClassOrAsMeasured) {
    EXPECT_EQ(percentLengthFactor(Value(u"9"_s)), 0.9);
    for (const Value& none : {Value(0), Value(10), Value(2.5), Value::null(), Value(u"x"_s)})
        EXPECT_FALSE(percentLengthFactor(none).has_value());
    EXPECT_DOUBLE_EQ(estimatedLength(Value(3), Value(10)), 10 / 0.303); // about 33.0033
    EXPECT_EQ(estimatedLength(Value(5), Value(4)), 8);
    EXPECT_EQ(estimatedLength(Value(10), Value(12.345)), 12.3); // rounded for display
    EXPECT_EQ(estimatedLength(Value::null(), Value(0)), 0);
    EXPECT_EQ(estimatedLength(Value(4), Value::null()), 0); // nothing measured: no estimate
}

TEST(ColumnMedian, OfTheValuesOfOneStratumOrAll) {
    const struct {
        const char* name;
        std::vector<std::pair<int, QVariant>> records; // stratum, length
        int stratum;
        std::optional<double> median;
    } cases[] = {
        {"an odd count takes the middle value", {{1, 4}, {1, 1}, {1, 5}, {1, 3}, {1, 2}}, 0, 3},
        {"an even count the mean of the middle two", {{1, 4}, {1, 2}, {1, 1}, {1, 3}}, 0, 2.5},
        {"nulls are neither counted nor read",
         {{1, QVariant()}, {1, 10}, {1, QVariant()}, {1, 20}, {1, 30}},
         0,
         20},
        {"one stratum", {{1, 1}, {3, 10}, {3, 30}, {3, 20}, {2, 100}}, 3, 20},
        {"all strata: 1 10 20 30 100", {{1, 1}, {3, 10}, {3, 30}, {3, 20}, {2, 100}}, 0, 20},
        {"a stratum without records", {{1, 1}}, 4, std::nullopt},
        {"no value", {{1, QVariant()}}, 0, std::nullopt},
    };
    for (const auto& c : cases) {
        TempDatabase database;
        for (const auto& [stratum, length] : c.records)
            db::exec(u"INSERT INTO LIM (Stratum, Length) VALUES (?, ?)"_s, {stratum, length});
        EXPECT_EQ(columnMedian(u"LIM"_s, u"Length"_s, c.stratum), c.median) << c.name;
    }
}

TEST(ColumnMedian, NamesAreQuotedAndTextsAreATypeMismatch) {
    TempDatabase database;
    db::exec(u"INSERT INTO LIM (Stratum, [Tally 1]) VALUES (1, 5), (1, 7)"_s);
    EXPECT_EQ(columnMedian(u"LIM"_s, u"Tally 1"_s, 0), 6.0);
    EXPECT_THROW(columnMedian(u"LIM"_s, u"Nonsense"_s, 0), RuntimeError);
    EXPECT_THROW(columnMedian(u"LIM]; DROP TABLE LIM; --"_s, u"Length"_s, 0), RuntimeError);
    EXPECT_EQ(columnMedian(u"LIM"_s, u"Tally 1"_s, 0), 6.0); // the table is still there
    // 1, 3, 4, "long": the middle two are numbers; with "x" and "y" they are 4 and "long".
    db::exec(u"INSERT INTO LIM (Stratum, Length) VALUES (1, 1), (1, 'long'), (1, 3), (1, 4)"_s);
    EXPECT_EQ(columnMedian(u"LIM"_s, u"Length"_s, 0), 3.5);
    db::exec(u"INSERT INTO LIM (Stratum, Length) VALUES (1, 'x'), (1, 'y')"_s);
    EXPECT_EQ(errorOf([] { columnMedian(u"LIM"_s, u"Length"_s, 0); }), err::TypeMismatch);
}

class MeanLength : public LogMetricsTest {
  protected:
    void limLog(int stratum, QVariant length) {
        LimLog l;
        l.stratum = stratum;
        l.length = length;
        add(l);
    }
    void spmLog(QVariant percentLength, QVariant length, QVariant estimLength) {
        db::exec(u"INSERT INTO SPM (Stratum, Transect, Subsegment, PercentLength, Length, "
                 u"EstimLength) VALUES (1, 1, 1, ?, ?, ?)"_s,
                 {percentLength, length, estimLength});
    }
    // Sheet 0 connected, with its field names in row 0.
    int sheetWithHeaders() {
        connectSheet(0);
        const QStringList& fields = w->datDataSet[0].Fields;
        for (int c = 0; c < int(fields.size()); ++c)
            w->grdStratum[0]->setText(0, c, fields[c]);
        return int(fields.indexOf(u"EstimLength"_s));
    }
    std::vector<double> estimates() {
        std::vector<double> out;
        QSqlQuery q = db::select(u"SELECT EstimLength FROM SPM ORDER BY id"_s);
        while (q.next())
            out.push_back(q.value(0).toDouble());
        return out;
    }
};

TEST_F(MeanLength, LineIntersectOfOneStratumOrWithoutLengths) {
    for (const QVariant& length : {QVariant(10), QVariant(20), QVariant(), QVariant(40)})
        limLog(1, length);
    limLog(2, 1000);
    limLog(3, QVariant());
    // 10, 20, 40: mean 23.33 shown 23.3, median 20.
    script.message(u"Mean = 23.3 m\r\nMedian = 20 m"_s, u"Mean Length"_s, MsgIcon::None);
    w->CalcMeanLength(true, 1);
    script.message(u"No Length values were found in the current dataset"_s,
                   u"ERROR: No length values"_s, MsgIcon::None);
    w->CalcMeanLength(true, 3);
    EXPECT_EQ(errorOf([&] { w->Median(u"LIM"_s, u"Length"_s, 3); }), 3021);
}

TEST_F(MeanLength, StripPlotsEstimateFirst) {
    useSpm();
    useEnglish();
    spmLog(3, 10, QVariant());      // 10 / 0.303 = 33.0033
    spmLog(5, 4, QVariant());       // 8
    spmLog(10, 12.345, QVariant()); // no class: 12.3 as shown
    spmLog(QVariant(), 0, 8.7);     // no estimate: keeps 8.7
    const int col = sheetWithHeaders();
    ASSERT_GE(col, 0);
    // Mean (33.0033 + 8 + 12.3 + 8.7) / 4 = 15.5008; median (8.7 + 12.3) / 2.
    script.message(u"Mean = 15.5 ft\r\nMedian = 10.5 ft"_s, u"Mean Length"_s, MsgIcon::None);
    w->CalcMeanLength(true, 0);
    EXPECT_EQ(cell(0, 1, col) + u'|' + cell(0, 2, col) + u'|' + cell(0, 4, col), u"33|8|"_s);
}

TEST_F(MeanLength, StripPlotsWithoutRecordsOrColumnAndTheSilentRun) {
    useSpm();
    sheetWithHeaders();
    w->CalcMeanLength(true, 0); // no records: no message, the script expects none
    spmLog(5, 4, QVariant());
    connectSheet(0);             // no headers
    w->CalcMeanLength(false, 0); // the metric menus' run estimates silently
    EXPECT_EQ(estimates(), std::vector<double>{8});
    script.message(u"The EstimLength column was not found"_s, u"Column not found"_s, MsgIcon::None);
    w->CalcMeanLength(true, 0);
}

} // namespace
} // namespace vernalt::test
