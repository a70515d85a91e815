// The snag window's "Statistical Test" page: each of the three boxes writes the
// limits and redraws the graph. The limits and the graph themselves are worked
// out by the page that both windows share (tests/shell/stat_test_graph_test.cpp).
#include "snag_window_fixture.h"

#include "print/window_capture.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

using SnagStatTest = SnagWindowTest;

TEST_F(SnagStatTest, EachBoxWritesTheLimitsAndRedrawsTheGraph) {
    frmMainSnag* w = open();
    const struct {
        const char* name;
        QLineEdit* frmMainSnag::*box;
    } boxes[] = {{"estimate", &frmMainSnag::txtEstimatedValue},
                 {"bound", &frmMainSnag::txtBound},
                 {"target", &frmMainSnag::txtTargetValue}};
    for (const auto& b : boxes) {
        w->setStatus(u"Status: Subtotals calculated"_s);
        (w->*b.box)->setText(u"4"_s); // as the user types: the change handler runs
        EXPECT_EQ(w->status(), u"Status: Statistics Graphed"_s) << b.name;
        ASSERT_TRUE(w->picStatTest->graph().has_value()) << b.name;
    }
    // Target 4, estimate 4, bound 4: limits 8 and 0, so M = 8, S = 9 and m = 10.
    EXPECT_EQ(w->txtUpperLimit->text(), u"8"_s);
    EXPECT_EQ(w->txtLowerLimit->text(), u"0"_s);
    EXPECT_EQ(w->lblStat100->text(), u"9"_s);
    EXPECT_EQ(w->picStatTest->graph()->valueY[2], 80.0);
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
    w->txtTargetValue->setText(u"5"_s);
    w->txtEstimatedValue->setText(u"4"_s);
    w->txtBound->setText(u"1"_s);
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
