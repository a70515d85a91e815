// The snag window's "Statistical Test" page: each of the three boxes writes the
// limits and redraws the graph. The limits and the graph themselves are worked
// out by the page that both windows share (tests/shell/stat_test_graph_test.cpp).
#include "snag_window_fixture.h"

namespace vernalt::test {
namespace {

using SnagStatTest = SnagWindowTest;

TEST_F(SnagStatTest, EachBoxWritesTheLimitsAndRedrawsTheGraph) {
    frmMainSnag* w = open();
    for (QLineEdit* box : {w->txtEstimatedValue, w->txtBound, w->txtTargetValue}) {
        w->setStatus(u"Status: Subtotals calculated"_s);
        box->setText(u"4"_s); // as the user types: the change handler runs
        EXPECT_EQ(w->status(), u"Status: Statistics Graphed"_s) << box->objectName().toStdString();
    }
    // Target 4, estimate 4, bound 4: limits 8 and 0, so M = 8, S = 9 and m = 10.
    EXPECT_EQ(
        QStringList({w->txtUpperLimit->text(), w->txtLowerLimit->text(), w->lblStat100->text()}),
        QStringList({u"8"_s, u"0"_s, u"9"_s}));
    ASSERT_TRUE(w->picStatTest->graph().has_value());
    EXPECT_EQ(w->picStatTest->graph()->valueY[2], 80.0);
}

} // namespace
} // namespace vernalt::test
