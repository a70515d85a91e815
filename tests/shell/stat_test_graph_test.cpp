#include "shell/stat_test_graph.h"

#include "platform/value.h"

#include "support/scripted_prompts.h"

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

TEST(StatTestScale, ChoosesScaleAndMultiplierFromTheMaximum) {
    struct Case {
        const char* name;
        double maximum;
        int scale, multiplier;
    } const cases[] = {
        {"nothing to show falls back to 100", 0, 100, 10},
        {"just below zero still rounds up to 0", -1.99998, 100, 10},
        {"negative maximum falls back to 100, not a negative scale", -1.99999, 100, 10},
        {"large negative maximum", -500, 100, 10},
        {"0.3: RoundUp(0.15) = 1, 2.2", 0.3, 2, 10},
        {"2: RoundUp(1) = 1, 2.2", 2, 2, 10},
        {"2.4: RoundUp(1.2) = 2, 4.4", 2.4, 4, 10},
        {"4: RoundUp(2) = 2", 4, 4, 10},
        {"5: RoundUp(2.5) = 3, 6.6", 5, 7, 10},
        {"6: RoundUp(3) = 3", 6, 7, 10},
        {"8: RoundUp(4) = 4, 8.8", 8, 9, 10},
        {"10: RoundUp(5) = 5, 11", 10, 11, 10},
        {"10.4: RoundUp(1.04) = 2, 24", 10.4, 24, 1},
        {"11: RoundUp(1.1) = 2, 24", 11, 24, 1},
        {"57: RoundUp(5.7) = 6, 72", 57, 72, 1},
        {"67.3: RoundUp(6.73) = 7, 84", 67.3, 84, 1},
        {"S above 32767 overflows and falls back", 1e6, 100, 1},
    };
    for (const auto& c : cases) {
        const StatTestScale s = statTestScale(c.maximum);
        EXPECT_EQ(s.scale, c.scale) << c.name;
        EXPECT_EQ(s.multiplier, c.multiplier) << c.name;
    }
}

using Values = StatTestInputs;

TEST(ComputeStatTest, ScaleLabelsAndSeries) {
    // top = scale x multiplier, bottom = -top / 4 (whole); 100 steps per series.
    const struct {
        const char* name;
        Values values;
        std::array<int, 5> figures; // scale, multiplier, top, bottom, lines
        const char* labels;
    } cases[] = {
        {"all empty: the zero line only", {}, {100, 10, 1000, -250, 1}, "100 75 50 25 -25"},
        {"small values",
         {u"5"_s, u"4"_s, u"5"_s, u"3"_s},
         {7, 10, 70, -17, 401},
         "7 5.25 3.5 1.75 -1.75"},
        {"large values",
         {u"50"_s, u"57.3"_s, u"67.3"_s, u"47.3"_s},
         {84, 1, 84, -21, 401},
         "84 63 42 21 -21"},
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
        EXPECT_EQ(g.lines[0].line, QLineF(1, 0, 100, 0)) << "the zero line comes first";
        EXPECT_EQ(g.lines[0].colour, QColor(0, 0, 0));
        const QString texts[] = {c.values.target, c.values.estimate, c.values.upper,
                                 c.values.lower};
        for (std::size_t i = 0; i < 4; ++i)
            EXPECT_EQ(g.valueY[i].has_value(), isNumeric(texts[i])) << i;
    }
    for (const auto& l : computeStatTest(cases[3].values, StatTestWindow::Log).lines)
        EXPECT_NE(l.colour, EstimateColour);
    EXPECT_EQ(computeStatTest(cases[2].values, StatTestWindow::Log).valueY[1], 57.3);
    EXPECT_EQ(computeStatTest(cases[2].values, StatTestWindow::Log).maximum, 67.3);
    EXPECT_EQ(computeStatTest(cases[3].values, StatTestWindow::Log).maximum, 7);
}

TEST(ComputeStatTest, SeriesStepsAndPositions) {
    const Values values{u"5"_s, u"4"_s, u"5"_s, u"3"_s}; // target 5, estimate 4, bound 1
    const StatTestGraph g = computeStatTest(values, StatTestWindow::Log);
    EXPECT_EQ(g.maximum, 5);
    EXPECT_EQ(g.valueY[0], 50.0);
    EXPECT_EQ(g.valueY[1], 40.0);
    EXPECT_EQ(g.valueY[3], 30.0);
    // Step x = 1: unit 1-2 ends with the lower limit, 2-3 with the target,
    // 3-4 with the estimate, 4-5 with the upper limit.
    EXPECT_EQ(g.lines[4].line, QLineF(1, 30, 2, 30));
    EXPECT_EQ(g.lines[8].line, QLineF(2, 50, 3, 50));
    EXPECT_EQ(g.lines[8].colour, TargetColour);
    EXPECT_EQ(g.lines[12].colour, EstimateColour);
    EXPECT_EQ(g.lines[16].line, QLineF(4, 50, 5, 50));
    EXPECT_EQ(g.lines[16].colour, LimitColour);
    EXPECT_EQ(g.lines.back().line, QLineF(100, 50, 101, 50)) << "last step reaches 101";
    // Scale 70 at the top edge, -17 at the bottom: 87 units over 4815 twips.
    EXPECT_EQ(g.lineTwips(g.lines[0]), QLineF(0, 70.0 / 87.0 * 4815, 4815, 70.0 / 87.0 * 4815));
    EXPECT_DOUBLE_EQ(g.toTwips({1, 70}).y(), 0);
    EXPECT_DOUBLE_EQ(g.toTwips({1, -17}).y(), 4815);

    // The snag window draws white level lines first.
    const StatTestGraph snag = computeStatTest(values, StatTestWindow::Snag);
    ASSERT_EQ(snag.lines.size(), 5u + 1u + 400u);
    const double heights[] = {70, 52, 35, 17, -17};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(snag.lines[i].line, QLineF(1, heights[i], 100, heights[i]));
        EXPECT_EQ(snag.lines[i].colour, QColor(255, 255, 255));
    }
    EXPECT_EQ(snag.lines[5].colour, QColor(0, 0, 0));
}

TEST(StatTestLimits, EstimatePlusAndMinusBound) {
    struct Case {
        const char* estimate;
        const char* bound;
        const char* upper;
        const char* lower;
    } const cases[] = {
        {"12.345", "1.234", "13.53", "11.07"}, // 12.3 +- 1.23
        {"250", "40", "290", "210"},
        {"7", "", "7", "7"},
        {"7", "n/a", "7", "7"},
        {"", "", "0", "0"},
        {"100", "1,000", "1100", "-900"},
    };
    for (const auto& c : cases) {
        const StatTestLimits l =
            statTestLimits(QString::fromUtf8(c.estimate), QString::fromUtf8(c.bound));
        EXPECT_EQ(l.upper, QString::fromUtf8(c.upper)) << c.estimate << " + " << c.bound;
        EXPECT_EQ(l.lower, QString::fromUtf8(c.lower)) << c.estimate << " - " << c.bound;
    }
}

// Renders target 5, estimate 4, limits 5 and 3 into 990 x 870 pixels: 10 pixels
// per unit across (1 to 100) and down (70 to -17), so y lies at row (70 - y) x 10.
QImage render(StatTestWindow window) {
    QImage image(990, 870, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    paintStatTest(painter, computeStatTest({u"5"_s, u"4"_s, u"5"_s, u"3"_s}, window),
                  QRectF(0, 0, 990, 870), QColor(128, 128, 128));
    return image;
}

TEST(PaintStatTest, LinesAtTheirRows) {
    const QImage image = render(StatTestWindow::Snag);
    const QColor grey(128, 128, 128);
    EXPECT_EQ(image.pixelColor(300, 100), grey) << "background";
    EXPECT_EQ(image.pixelColor(100, 700), QColor(0, 0, 0)) << "zero line";
    EXPECT_EQ(image.pixelColor(505, 300), EstimateColour) << "estimate at 40";
    EXPECT_EQ(image.pixelColor(505, 400), LimitColour) << "lower limit at 30";
    // Target and upper limit at 50 alternate: x 50-51 and 51-52 red, 52-54 green.
    EXPECT_EQ(image.pixelColor(495, 200), TargetColour);
    EXPECT_EQ(image.pixelColor(505, 200), TargetColour);
    EXPECT_EQ(image.pixelColor(515, 200), LimitColour);
    EXPECT_EQ(image.pixelColor(525, 200), LimitColour);
    // White level lines at 52, 35 and 17.
    for (int row : {180, 350, 530})
        EXPECT_EQ(image.pixelColor(100, row), QColor(255, 255, 255)) << row;
    EXPECT_EQ(image.pixelColor(100, 250), grey);
    EXPECT_EQ(image.pixelColor(100, 200 - 8), grey) << "lines are about 5 pixels thick";
    const QImage log = render(StatTestWindow::Log); // no level lines
    for (int row : {180, 350, 530})
        EXPECT_EQ(log.pixelColor(100, row), grey) << row;
    EXPECT_EQ(log.pixelColor(100, 700), QColor(0, 0, 0));
}

TEST(GraphStatTest, WritesThePage) {
    ScriptedPrompts none;
    StatTestPicture picture;
    QLabel target, estimate, limit;
    std::array<QLabel, 5> scale;
    QString status;
    StatTestPage page;
    page.picStatTest = &picture;
    page.lblTargetValue = &target;
    page.lblEstimatedValue = &estimate;
    page.lblUpperLimit = &limit;
    for (std::size_t i = 0; i < scale.size(); ++i)
        page.scaleLabels[i] = &scale[i];
    page.setStatus = [&](const QString& s) { status = s; };

    GraphStatTest(StatTestWindow::Snag, {u"50"_s, u"57.3"_s, u"67.3"_s, u"47.3"_s}, page);
    EXPECT_EQ(scale[0].text(), u"84"_s);
    EXPECT_EQ(scale[4].text(), u"-21"_s);
    EXPECT_EQ(status, u"Status: Statistics Graphed"_s);
    EXPECT_EQ(estimate.palette().color(QPalette::Window), EstimateColour);
    ASSERT_TRUE(picture.graph().has_value());
    EXPECT_EQ(picture.graph()->scale, 84);

    // The widget paints what it keeps.
    picture.resize(200, 200);
    const QImage shot = picture.grab().toImage();
    const QRect c = picture.contentsRect();
    // Zero line at 84/105 of the height.
    const int zeroRow = c.top() + int(84.0 / 105.0 * c.height());
    EXPECT_EQ(shot.pixelColor(c.center().x(), zeroRow), QColor(0, 0, 0));
}

} // namespace
} // namespace vernalt::test
