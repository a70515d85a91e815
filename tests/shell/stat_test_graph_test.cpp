#include "shell/stat_test_graph.h"

#include "platform/value.h"

#include "support/scripted_prompts.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

TEST(StatTestScale, ChoosesScaleAndMultiplierFromTheMaximum) {
    const struct {
        const char* name;
        double maximum;
        int scale, multiplier;
    } cases[] = {
        // clang-format off
        {"nothing to show falls back to 100", 0, 100, 10},
        {"just below zero still rounds up to 0", -1.99998, 100, 10},
        {"negative maximum falls back to 100, not a negative scale", -1.99999, 100, 10},
        {"0.3: RoundUp(0.15) = 1, 2.2", 0.3, 2, 10},  {"2: RoundUp(1) = 1, 2.2", 2, 2, 10},
        {"2.4: RoundUp(1.2) = 2, 4.4", 2.4, 4, 10},   {"5: RoundUp(2.5) = 3, 6.6", 5, 7, 10},
        {"10: RoundUp(5) = 5, 11", 10, 11, 10},       {"10.4: RoundUp(1.04) = 2, 24", 10.4, 24, 1},
        {"S above 32767 overflows and falls back", 1e6, 100, 1},
        // clang-format on
    };
    for (const auto& c : cases) {
        const StatTestScale s = statTestScale(c.maximum);
        EXPECT_EQ(std::pair(s.scale, s.multiplier), std::pair(c.scale, c.multiplier)) << c.name;
    }
}

TEST(ComputeStatTest, ScaleEdgesAndTheValuesThatAreNumbers) {
    // top = scale x multiplier, bottom = -top / 4 (whole); 100 steps per series.
    const struct {
        const char* name;
        StatTestInputs values;
        std::array<int, 5> figures; // scale, multiplier, top, bottom, lines
        const char* labels;
    } cases[] = {
        {"all empty: the zero line only", {}, {100, 10, 1000, -250, 1}, "100 75 50 25 -25"},
        // The target takes part in the maximum only together with the estimate:
        // maximum 7, RoundUp(3.5) = 4, 8.8.
        {"an estimate that is not a number",
         {u"20"_s, u"abc"_s, u"7"_s, u"3"_s},
         {9, 10, 90, -22, 301},
         "9 6.75 4.5 2.25 -2.25"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const StatTestGraph g = computeStatTest(c.values, StatTestWindow::Log);
        EXPECT_EQ((std::array<int, 5>{g.scale, g.multiplier, g.top, g.bottom, int(g.lines.size())}),
                  c.figures);
        EXPECT_EQ(QStringList(g.labels.begin(), g.labels.end()).join(u' '),
                  QString::fromLatin1(c.labels));
        EXPECT_EQ(g.valueY[1].has_value(), isNumeric(c.values.estimate));
    }
}

TEST(ComputeStatTest, SeriesStepsAndPositions) {
    const StatTestInputs values{u"5"_s, u"4"_s, u"5"_s, u"3"_s}; // target 5, estimate 4, bound 1
    const StatTestGraph g = computeStatTest(values, StatTestWindow::Log);
    EXPECT_EQ(g.lines[0].line, QLineF(1, 0, 100, 0)) << "the black zero line comes first";
    EXPECT_EQ(g.lines[0].colour, QColor(0, 0, 0));
    // Values x 10. Step x = 1: unit 1-2 ends with the lower limit, 2-3 with the
    // target, 3-4 with the estimate, 4-5 with the upper limit.
    EXPECT_EQ(g.lines[4].line, QLineF(1, 30, 2, 30));
    EXPECT_EQ(g.lines[8].line, QLineF(2, 50, 3, 50));
    EXPECT_EQ(g.lines[8].colour, TargetColour);
    EXPECT_EQ(g.lines[12].colour, EstimateColour);
    EXPECT_EQ(g.lines[16].colour, LimitColour);
    EXPECT_EQ(g.lines.back().line, QLineF(100, 50, 101, 50)) << "last step reaches 101";
    // Scale 70 at the top edge, -17 at the bottom: 87 units over 4815 twips.
    EXPECT_EQ(g.lineTwips(g.lines[0]), QLineF(0, 70.0 / 87.0 * 4815, 4815, 70.0 / 87.0 * 4815));
    EXPECT_DOUBLE_EQ(g.toTwips({1, -17}).y(), 4815);
}

TEST(StatTestLimits, EstimatePlusAndMinusBound) {
    const std::array<const char*, 4> cases[] = {
        {"12.345", "1.234", "13.53", "11.07"}, // 12.3 +- 1.23
        {"7", "n/a", "7", "7"},
        {"", "", "0", "0"},
        {"100", "1,000", "1100", "-900"},
    };
    for (const auto& [estimate, bound, upper, lower] : cases) {
        const StatTestLimits l =
            statTestLimits(QString::fromUtf8(estimate), QString::fromUtf8(bound));
        EXPECT_EQ(l.upper, QString::fromUtf8(upper)) << estimate << " + " << bound;
        EXPECT_EQ(l.lower, QString::fromUtf8(lower)) << estimate << " - " << bound;
    }
}

// Target 5, estimate 4, limits 5 and 3 in 990 x 870 pixels: 10 pixels per unit
// across (1 to 100) and down (70 to -17), so y lies at row (70 - y) x 10.
TEST(PaintStatTest, LinesAtTheirRows) {
    const auto render = [](StatTestWindow window) {
        QImage image(990, 870, QImage::Format_RGB32);
        QPainter painter(&image);
        paintStatTest(painter, computeStatTest({u"5"_s, u"4"_s, u"5"_s, u"3"_s}, window),
                      QRectF(0, 0, 990, 870), QColor(128, 128, 128));
        return image;
    };
    const QImage image = render(StatTestWindow::Snag);
    const QColor grey(128, 128, 128);
    EXPECT_EQ(image.pixelColor(300, 100), grey) << "background";
    EXPECT_EQ(image.pixelColor(100, 700), QColor(0, 0, 0)) << "zero line";
    EXPECT_EQ(image.pixelColor(505, 300), EstimateColour) << "estimate at 40";
    EXPECT_EQ(image.pixelColor(505, 400), LimitColour) << "lower limit at 30";
    // Target and upper limit at 50 alternate: x 50-52 red, 52-54 green.
    EXPECT_EQ(image.pixelColor(505, 200), TargetColour);
    EXPECT_EQ(image.pixelColor(525, 200), LimitColour);
    EXPECT_EQ(image.pixelColor(100, 200 - 8), grey) << "lines are about 5 pixels thick";
    // White level lines at 52, 35 and 17 in the snag window only.
    const QImage log = render(StatTestWindow::Log);
    for (int row : {180, 350, 530}) {
        EXPECT_EQ(image.pixelColor(100, row), QColor(255, 255, 255)) << row;
        EXPECT_EQ(log.pixelColor(100, row), grey) << row;
    }
}

// The page both windows share: the limits of its estimate and bound boxes, and
// the redraw of its graph, legend, scale and status. Estimate 57.3, bound 10:
// limits 67.3 and 47.3; with target 50 the maximum is 67.3, RoundUp(6.73) = 7,
// so S = 84 with m = 1.
TEST(GraphStatTest, WritesThePage) {
    ScriptedPrompts none;
    StatTestPicture picture;
    QLineEdit estimate(u"57.3"_s), bound(u"10"_s);
    QLabel swatch;
    std::array<QLabel, 6> scale;
    StatTestPage page;
    page.picStatTest = &picture;
    page.txtEstimatedValue = &estimate;
    page.txtBound = &bound;
    page.lblEstimatedValue = &swatch; // the other swatches stay null: left alone
    page.lblStat100 = &scale[0];
    page.lblStat75 = &scale[1];
    page.lblStat50 = &scale[2];
    page.lblStat25 = &scale[3];
    page.lblStatMinus25 = &scale[4];
    page.lblStat0 = &scale[5];
    const StatTestLimits limits = page.limits();
    EXPECT_EQ(std::pair(limits.upper, limits.lower), std::pair(u"67.3"_s, u"47.3"_s));

    QString status;
    GraphStatTest(StatTestWindow::Snag, {u"50"_s, estimate.text(), limits.upper, limits.lower},
                  page, [&](const QString& s) { status = s; });
    QStringList labels;
    for (const QLabel& l : scale)
        labels << l.text();
    EXPECT_EQ(labels.join(u' '), u"84 63 42 21 -21 "_s) << "lblStat0 is not written";
    EXPECT_EQ(status, u"Status: Statistics Graphed"_s);
    EXPECT_EQ(swatch.palette().color(QPalette::Window), EstimateColour);
    ASSERT_TRUE(picture.graph().has_value());
    EXPECT_EQ(picture.graph()->valueY[1], 57.3);
}

} // namespace
} // namespace vernalt::test
