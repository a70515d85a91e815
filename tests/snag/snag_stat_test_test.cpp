// The snag window's "Statistical Test" page: the estimate and bound set the
// limit boxes, and each of the three boxes redraws the graph.
#include "snag_window_fixture.h"
#include "support/texts.h"

namespace vernalt::test {
namespace {

using SnagStatTest = SnagWindowTest;

TEST_F(SnagStatTest, TheLimitsFollowEstimateAndBoundAndEveryBoxRedraws) {
    frmMainSnag* w = open(); // no message expected
    // "$2.5" is read as 2.5: limits 2.5 + 0.5 and 2.5 - 0.5.
    w->txtEstimatedValue->setText(u"$2.5"_s);
    w->txtBound->setText(u"0.5"_s);
    expectShown(textsOf(w->txtUpperLimit, w->txtLowerLimit), "3 2");
    ASSERT_TRUE(w->picStatTest->graph().has_value());
    EXPECT_FALSE(w->picStatTest->graph()->valueY[0].has_value()) << "no target yet";

    // The target takes no part in the limits, but its line is drawn.
    w->setStatus(u"Status: Subtotals calculated"_s);
    w->txtTargetValue->setText(u"50"_s);
    expectShown(textsOf(w->txtUpperLimit, w->txtLowerLimit), "3 2");
    EXPECT_TRUE(w->picStatTest->graph()->valueY[0].has_value());
    EXPECT_EQ(w->status(), u"Status: Statistics Graphed"_s);

    // An estimate that is no number counts 0 in the limits and has no line.
    w->txtEstimatedValue->setText(u"abc"_s);
    expectShown(textsOf(w->txtUpperLimit, w->txtLowerLimit), "0.5 -0.5");
    EXPECT_FALSE(w->picStatTest->graph()->valueY[1].has_value());
    EXPECT_TRUE(w->picStatTest->graph()->valueY[2].has_value());
}

} // namespace
} // namespace vernalt::test
