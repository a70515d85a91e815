// The median the mean-and-median length report asks the log window for.
#include "log_metrics_fixture.h"
#include "platform/errors.h"

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

using LogMedian = LogMetricsTest;

TEST_F(LogMedian, SinglePrecisionMedianOfAStratum) {
    for (const auto& [stratum, length] : {std::pair{2, 12.3}, {2, 11.0}, {2, 13.0}, {1, 1.0}}) {
        LimLog l;
        l.stratum = stratum;
        l.length = length;
        add(l);
    }
    EXPECT_EQ(w->Median(u"LIM"_s, u"Length"_s, 2), 12.3f);
    EXPECT_EQ(w->Median(u"LIM"_s, u"Length"_s, 0), 11.65f); // 1, 11, 12.3, 13
}

TEST_F(LogMedian, NoValueIsNoCurrentRecord) {
    try {
        w->Median(u"SPM"_s, u"EstimLength"_s, 3);
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), 3021);
    }
}

} // namespace
} // namespace vernalt::test
