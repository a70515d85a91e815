// The mean-and-median length report: the estimate of a strip-plot log's whole
// length, then the report of the window on records put into the database.
#include "log/log_mean_length.h"

#include "log_metrics_fixture.h"
#include "platform/grid.h"

#include <QSqlQuery>
#include <gtest/gtest.h>
#include <vector>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

// ---- Estimates ----------------------------------------------------------------------------------

TEST(PercentLengthFactor, ClassesOneToNine) {
    EXPECT_EQ(percentLengthFactor(Value(1)), 0.1);
    EXPECT_EQ(percentLengthFactor(Value(3)), 0.303);
    EXPECT_EQ(percentLengthFactor(Value(u"9"_s)), 0.9);
    for (const Value& none :
         {Value(0), Value(10), Value(2.5), Value::null(), Value(), Value(u"x"_s)})
        EXPECT_FALSE(percentLengthFactor(none).has_value());
}

TEST(EstimatedLength, ByClassOrAsMeasured) {
    EXPECT_DOUBLE_EQ(estimatedLength(Value(3), Value(10)), 10 / 0.303); // about 33.0033
    EXPECT_EQ(estimatedLength(Value(5), Value(4)), 8);
    EXPECT_EQ(estimatedLength(Value(10), Value(12.345)), 12.3); // rounded for display
    EXPECT_EQ(estimatedLength(Value::null(), Value(12.345)), 12.3);
    EXPECT_EQ(estimatedLength(Value::null(), Value(0)), 0);
    EXPECT_EQ(estimatedLength(Value::null(), Value::null()), 0);
    EXPECT_EQ(estimatedLength(Value(4), Value::null()), 0); // nothing measured: no estimate
}

TEST(MeanLengthText, NamesTheUnit) {
    EXPECT_EQ(meanLengthText(14.2, 12.5, true), u"Mean = 14.2 m\r\nMedian = 12.5 m"_s);
    EXPECT_EQ(meanLengthText(14.2, 12.5, false), u"Mean = 14.2 ft\r\nMedian = 12.5 ft"_s);
}

// ---- The report ---------------------------------------------------------------------------------

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
    void metric(bool on) {
        w->mnuMetric->setChecked(on);
        w->mnuEnglish->setChecked(!on);
    }
};

TEST_F(MeanLength, LineIntersectOfOneStratum) {
    metric(true);
    for (const QVariant& length : {QVariant(10), QVariant(20), QVariant(), QVariant(40)})
        limLog(1, length);
    limLog(2, 1000);
    // 10, 20, 40: mean 23.33 shown 23.3, median 20.
    script.message(u"Mean = 23.3 m\r\nMedian = 20 m"_s, u"Mean Length"_s, MsgIcon::None);
    w->CalcMeanLength(true, 1);
}

TEST_F(MeanLength, LineIntersectWithoutLengths) {
    limLog(3, QVariant());
    script.message(u"No Length values were found in the current dataset"_s,
                   u"ERROR: No length values"_s, MsgIcon::None);
    w->CalcMeanLength(true, 3);
}

TEST_F(MeanLength, StripPlotsEstimateFirst) {
    useSpm();
    metric(false);
    spmLog(3, 10, QVariant());      // 10 / 0.303 = 33.0033
    spmLog(5, 4, QVariant());       // 8
    spmLog(10, 12.345, QVariant()); // no class: 12.3 as shown
    spmLog(QVariant(), 0, 8.7);     // no estimate: keeps 8.7
    const int col = sheetWithHeaders();
    ASSERT_GE(col, 0);
    // Mean (33.0033 + 8 + 12.3 + 8.7) / 4 = 15.5008; median (8.7 + 12.3) / 2.
    script.message(u"Mean = 15.5 ft\r\nMedian = 10.5 ft"_s, u"Mean Length"_s, MsgIcon::None);
    w->CalcMeanLength(true, 0);
    const std::vector<double> e = estimates();
    ASSERT_EQ(e.size(), 4u);
    EXPECT_DOUBLE_EQ(e[0], 10 / 0.303);
    EXPECT_EQ(e[1], 8);
    EXPECT_EQ(e[2], 12.3);
    EXPECT_EQ(e[3], 8.7);
    EXPECT_EQ(cell(0, 1, col), u"33"_s);
    EXPECT_EQ(cell(0, 2, col), u"8"_s);
    EXPECT_EQ(cell(0, 3, col), u"12.3"_s);
    EXPECT_EQ(cell(0, 4, col), u""_s);
}

TEST_F(MeanLength, TheMetricMenusEstimateSilently) {
    useSpm();
    spmLog(5, 4, QVariant());
    w->CalcMeanLength(false, 0); // no sheet headers, no message
    EXPECT_EQ(estimates(), std::vector<double>{8});
}

TEST_F(MeanLength, AMissingEstimateColumnIsSaid) {
    useSpm();
    spmLog(5, 4, QVariant());
    script.message(u"The EstimLength column was not found"_s, u"Column not found"_s, MsgIcon::None);
    w->CalcMeanLength(true, 0);
}

TEST_F(MeanLength, StripPlotsWithoutRecordsShowNothing) {
    useSpm();
    sheetWithHeaders();
    w->CalcMeanLength(true, 0); // no message: the script expects none
}

} // namespace
} // namespace vernalt::test
