// The snag window's "Statistical Test" page: the limits follow the estimate and
// bound, and every change of the three boxes redraws the graph.
#include "snag_window_fixture.h"

#include "print/window_capture.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

using SnagStatTest = SnagWindowTest;

// Types into a box as the user does: the box's change handler runs.
void type(QLineEdit* box, const QString& text) {
    box->setText(text);
}

TEST_F(SnagStatTest, TypingFillsTheLimits) {
    // The limits are worked out by a function tested on its own; the boxes show them.
    frmMainSnag* w = open();
    type(w->txtEstimatedValue, u"$2.5"_s);
    type(w->txtBound, u"0.5"_s);
    EXPECT_EQ(w->txtUpperLimit->text(), u"3"_s);
    EXPECT_EQ(w->txtLowerLimit->text(), u"2"_s);
    type(w->txtTargetValue, u"50"_s);
    EXPECT_EQ(w->txtUpperLimit->text(), u"3"_s) << "the target takes no part";
}

TEST_F(SnagStatTest, EachBoxRedrawsTheGraph) {
    frmMainSnag* w = open();
    const struct {
        const char* name;
        QLineEdit* frmMainSnag::*box;
    } boxes[] = {{"estimate", &frmMainSnag::txtEstimatedValue},
                 {"bound", &frmMainSnag::txtBound},
                 {"target", &frmMainSnag::txtTargetValue}};
    for (const auto& b : boxes) {
        w->setStatus(u"Status: Subtotals calculated"_s);
        type(w->*b.box, u"4"_s);
        EXPECT_EQ(w->status(), u"Status: Statistics Graphed"_s) << b.name;
        ASSERT_TRUE(w->picStatTest->graph().has_value()) << b.name;
    }
    // Target 4, estimate 4, bound 4: limits 8 and 0, so M = 8, S = 9 and m = 10.
    EXPECT_EQ(w->txtUpperLimit->text(), u"8"_s);
    EXPECT_EQ(w->txtLowerLimit->text(), u"0"_s);
    EXPECT_EQ(w->picStatTest->graph()->scale, 9);
    EXPECT_EQ(w->picStatTest->graph()->multiplier, 10);
    EXPECT_EQ(w->lblStat100->text(), u"9"_s);
    EXPECT_EQ(w->lblStat75->text(), u"6.75"_s);
    EXPECT_EQ(w->lblStat50->text(), u"4.5"_s);
    EXPECT_EQ(w->lblStat25->text(), u"2.25"_s);
    EXPECT_EQ(w->lblStatMinus25->text(), u"-2.25"_s);
    EXPECT_EQ(w->lblStat0->text(), u"0"_s);
}

TEST_F(SnagStatTest, AnEstimateThatIsNoNumberLeavesItsLineOutSilently) {
    frmMainSnag* w = open(); // the script expects no message
    type(w->txtEstimatedValue, u"abc"_s);
    type(w->txtBound, u"2"_s);
    type(w->txtTargetValue, u"1"_s);
    EXPECT_EQ(w->txtUpperLimit->text(), u"2"_s);
    EXPECT_EQ(w->txtLowerLimit->text(), u"-2"_s);
    ASSERT_TRUE(w->picStatTest->graph().has_value());
    EXPECT_FALSE(w->picStatTest->graph()->valueY[1].has_value());
    EXPECT_EQ(w->status(), u"Status: Statistics Graphed"_s);
}

// Rows of an image in which most of a `width`-pixel span is `colour`.
int rowsOf(const QImage& image, const QColor& colour, int minimum) {
    int rows = 0;
    for (int y = 0; y < image.height(); ++y) {
        int n = 0;
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y) == colour;
        rows += n >= minimum;
    }
    return rows;
}

TEST_F(SnagStatTest, TheGraphShowsInTheCaptureThatIsPrinted) {
    frmMainSnag* w = open();
    w->ssTabMain->setCurrentIndex(frmMainSnag::PageStatisticalTest);
    w->show();
    // Target 5, estimate 4, bound 1: the blue estimate runs alone across the picture.
    type(w->txtTargetValue, u"5"_s);
    type(w->txtEstimatedValue, u"4"_s);
    type(w->txtBound, u"1"_s);
    const int across = w->picStatTest->width() * 3 / 4; // more than any legend swatch
    ASSERT_GT(across, 100);

    const QImage picture = w->picStatTest->grab().toImage();
    EXPECT_GE(rowsOf(picture, EstimateColour, across), 1);
    EXPECT_GE(rowsOf(picture, QColor(0, 0, 0), across), 1) << "zero line";

    const QImage capture = CaptureFormClient(w);
    EXPECT_GE(rowsOf(capture, EstimateColour, across), 1);
}

} // namespace
} // namespace vernalt::test
