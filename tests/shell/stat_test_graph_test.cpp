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

// Up to 10: S = RoundUp(M / 2) x 2 x 1.1 and m = 10; above: S = RoundUp(M / 10) x
// 10 x 1.2 and m = 1; S rounded half to even to a whole number.
TEST(StatTestScale, ChoosesScaleAndMultiplierFromTheMaximum) {
    const std::array<double, 3> cases[] = {
        // clang-format off
        // maximum, S, m
        {0, 100, 10},  {-1.99999, 100, 10}, // nothing to show, or a negative S: 100
        {2, 2, 10},    {2.4, 4, 10},        // RoundUp(1) = 1: 2.2; RoundUp(1.2) = 2: 4.4
        {5, 7, 10},    {10, 11, 10},        // RoundUp(2.5) = 3: 6.6; RoundUp(5) = 5: 11
        {10.4, 24, 1}, {1e6, 100, 1},       // RoundUp(1.04) = 2: 24; S above 32767: 100
        // clang-format on
    };
    for (const auto& [maximum, scale, multiplier] : cases) {
        const StatTestScale s = statTestScale(maximum);
        EXPECT_EQ(std::pair(s.scale, s.multiplier), std::pair(int(scale), int(multiplier)))
            << maximum;
    }
}

TEST(ComputeStatTest, ScaleLabelsAndLines) {
    // top = scale x multiplier, bottom = -top / 4 (whole). The target takes part
    // in the maximum only together with the estimate: maximum 7, RoundUp(3.5) = 4,
    // S = 8.8 = 9 with m = 10; a value that is no number has no line: 1 + 3 x 100.
    const StatTestGraph odd =
        computeStatTest({u"20"_s, u"abc"_s, u"7"_s, u"3"_s}, StatTestWindow::Log);
    EXPECT_EQ(
        (std::array<int, 5>{odd.scale, odd.multiplier, odd.top, odd.bottom, int(odd.lines.size())}),
        (std::array<int, 5>{9, 10, 90, -22, 301}));
    EXPECT_EQ(QStringList(odd.labels.begin(), odd.labels.end()).join(u' '),
              u"9 6.75 4.5 2.25 -2.25"_s);
    EXPECT_EQ(computeStatTest({}, StatTestWindow::Log).lines.size(), 1u) << "the zero line only";
    // A negative bound puts the lower limit on top: M = 8 from it alone,
    // RoundUp(4) = 4, S = 8.8 = 9 (the target 5 would give 7).
    EXPECT_EQ(computeStatTest({u"5"_s, u"4"_s, u"0"_s, u"8"_s}, StatTestWindow::Log).scale, 9);

    // Where the lines lie and their order on top of each other is painted below.
    const StatTestGraph g = computeStatTest({u"5"_s, u"4"_s, u"5"_s, u"3"_s}, StatTestWindow::Log);
    EXPECT_EQ(g.lines[0].line, QLineF(1, 0, 100, 0)) << "the zero line first, under the values";
    EXPECT_EQ(g.lines.back().line, QLineF(100, 50, 101, 50)) << "the last step reaches 101";
}

TEST(StatTestLimits, EstimatePlusAndMinusBound) {
    const std::array<const char*, 3> cases[] = {
        {"12.345", "1.234", "13.53 11.07"}, // 12.3 +- 1.23
        {"7", "n/a", "7 7"},
        {"100", "1,000", "1100 -900"},
        {"1e308", "1e308", " 0"}, // a limit past the largest number is left empty
    };
    for (const auto& [estimate, bound, limits] : cases) {
        const StatTestLimits l =
            statTestLimits(QString::fromLatin1(estimate), QString::fromLatin1(bound));
        EXPECT_EQ(QString(l.upper + u' ' + l.lower).toStdString(), limits)
            << estimate << " +- " << bound;
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

// The page both windows share: legend swatch and scale labels (the limits and
// the status are checked through the windows). Target 50, estimate 57.3, limits
// 67.3 and 47.3: the maximum 67.3, RoundUp(6.73) = 7, so S = 84 with m = 1.
TEST(GraphStatTest, WritesThePageLeavingMissingControlsAlone) {
    ScriptedPrompts none;
    StatTestPicture picture;
    QLabel swatch;
    std::array<QLabel, 6> scale;
    StatTestPage page; // the other swatches stay null
    page.picStatTest = &picture;
    page.lblEstimatedValue = &swatch;
    page.lblStat100 = &scale[0];
    page.lblStat75 = &scale[1];
    page.lblStat50 = &scale[2];
    page.lblStat25 = &scale[3];
    page.lblStatMinus25 = &scale[4];
    page.lblStat0 = &scale[5];
    // Before its first graph the picture shows its background only.
    QPalette palette = picture.palette();
    palette.setColor(QPalette::Button, QColor(255, 0, 255));
    picture.setPalette(palette);
    picture.resize(200, 200);
    const QRect c = picture.contentsRect();
    EXPECT_EQ(picture.grab().toImage().pixelColor(c.center()), QColor(255, 0, 255));
    QString status;
    GraphStatTest(StatTestWindow::Snag, {u"50"_s, u"57.3"_s, u"67.3"_s, u"47.3"_s}, page,
                  [&](const QString& s) { status = s; });
    EXPECT_EQ(status, u"Status: Statistics Graphed"_s);
    QStringList labels;
    for (const QLabel& l : scale)
        labels << l.text();
    EXPECT_EQ(labels.join(u' '), u"84 63 42 21 -21 "_s) << "lblStat0 is not written";
    EXPECT_EQ(swatch.palette().color(QPalette::Window), EstimateColour);
    ASSERT_TRUE(picture.graph().has_value());
    EXPECT_EQ(picture.graph()->valueY[1], 57.3);
    // The picture paints what it keeps: the zero line lies 84 of 105 units down.
    const int zeroRow = c.top() + int(84.0 / 105.0 * c.height());
    EXPECT_EQ(picture.grab().toImage().pixelColor(c.center().x(), zeroRow), QColor(0, 0, 0));
}

} // namespace
} // namespace vernalt::test
