#include "shell/stat_test_graph.h"

#include "platform/errors.h"
#include "platform/prompts.h"
#include "platform/twips.h"
#include "platform/value.h"
#include "shell/cleaning.h"
#include "shell/statistics.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <cmath>

using namespace Qt::StringLiterals;

namespace vernalt {

namespace {

// Errors that skip one step of the drawing: overflow, division by zero, type mismatch.
const std::initializer_list<int> SkippedErrors{err::Overflow, err::DivisionByZero,
                                               err::TypeMismatch};

// The value of a text through CleanRound when that is a number.
std::optional<double> cleanedNumber(const QString& text) {
    std::optional<double> result;
    skipOn(SkippedErrors, [&] {
        const Value v = CleanRound(text);
        if (v.isNumber())
            result = v.number();
    });
    return result;
}

// The height of a value's line: CleanRound(value x m); none when the text is not a number.
std::optional<double> lineHeight(const QString& text, int multiplier) {
    std::optional<double> result;
    skipOn(SkippedErrors, [&] {
        result = CleanRound(Value(checked::mul(toDouble(text), multiplier))).toDouble();
    });
    return result;
}

} // namespace

StatTestScale statTestScale(double maximum) {
    int s = 0;
    int m = 0;
    if (maximum <= 10) {
        // S = RoundUp(M / 2, 0) x 2 x 1.1
        skipOn(SkippedErrors, [&] { s = toInt16(RoundUp(maximum / 2, 0) * 2 * 1.1); });
        m = 10;
    } else {
        // S = RoundUp(M / 10, 0) x 10 x 1.2
        skipOn(SkippedErrors, [&] { s = toInt16(RoundUp(maximum / 10, 0) * 10 * 1.2); });
        m = 1;
    }
    // No scale (or one that would run upside down for a negative maximum): the default.
    if (s <= 0)
        s = 100;
    return {s, m};
}

StatTestGraph computeStatTest(const StatTestInputs& in, StatTestWindow window) {
    StatTestGraph g;
    const std::array<const QString*, 4> texts{&in.target, &in.estimate, &in.upper, &in.lower};

    // Running maximum of the cleaned values; the first step needs both target and estimate.
    const std::optional<double> target = cleanedNumber(in.target);
    const std::optional<double> estimate = cleanedNumber(in.estimate);
    const std::optional<double> upper = cleanedNumber(in.upper);
    const std::optional<double> lower = cleanedNumber(in.lower);
    double maximum = 0;
    if (target && estimate)
        maximum = *target > *estimate ? *target : *estimate;
    if (upper && *upper > maximum)
        maximum = *upper;
    if (lower && *lower > maximum)
        maximum = *lower;
    g.maximum = maximum;

    const StatTestScale sc = statTestScale(maximum);
    g.scale = sc.scale;
    g.multiplier = sc.multiplier;
    g.top = g.scale * g.multiplier;
    g.bottom = -static_cast<int>(std::floor(g.top * 0.25));

    g.labels[0] = numberText(g.scale);
    g.labels[1] = cleanRoundOrZeroText(Value(g.scale * 0.75));
    g.labels[2] = cleanRoundOrZeroText(Value(g.scale * 0.5));
    g.labels[3] = cleanRoundOrZeroText(Value(g.scale * 0.25));
    g.labels[4] = numberText(-1 * CleanRoundOrZero(Value(g.scale * 0.25)).number());

    if (window == StatTestWindow::Snag) {
        const QColor white(255, 255, 255);
        const double top = g.top;
        for (double y : {top, std::floor(0.75 * top), std::floor(0.5 * top), std::floor(0.25 * top),
                         -std::floor(0.25 * top)})
            g.lines.push_back({QLineF(1, y, 100, y), white});
    }
    g.lines.push_back({QLineF(1, 0, 100, 0), QColor(0, 0, 0)});

    const std::array<QColor, 4> colours{TargetColour, EstimateColour, LimitColour, LimitColour};
    for (int v = 0; v < 4; ++v)
        g.valueY[static_cast<std::size_t>(v)] =
            lineHeight(*texts[static_cast<std::size_t>(v)], g.multiplier);
    // Segments of one unit; in segment k of each step of four the values are drawn
    // starting with value k, so value k - 1 (mod 4) ends up on top.
    for (int x = 1; x <= 100; x += 4) {
        for (int k = 0; k < 4; ++k) {
            for (int j = 0; j < 4; ++j) {
                const auto v = static_cast<std::size_t>((k + j) % 4);
                if (!g.valueY[v])
                    continue;
                const double y = *g.valueY[v];
                g.lines.push_back({QLineF(x + k, y, x + k + 1, y), colours[v]});
            }
        }
    }
    return g;
}

// x from 1..100 over the width, y from top..bottom over the height
QPointF StatTestGraph::toTwips(QPointF p) const {
    const double side = StatTestPictureRect.width;
    return {(p.x() - 1) / 99.0 * side, (top - p.y()) / double(top - bottom) * side};
}

QLineF StatTestGraph::lineTwips(const StatTestLine& l) const {
    return {toTwips(l.line.p1()), toTwips(l.line.p2())};
}

StatTestLimits statTestLimits(const QString& estimate, const QString& bound) {
    const double e = CleanRoundOrZero(estimate).number();
    const double b = CleanRoundOrZero(bound).number();
    const auto text = [](double x) { return std::isfinite(x) ? numberText(x) : QString(); };
    return {text(e + b), text(e - b)};
}

void paintStatTest(QPainter& painter, const StatTestGraph& graph, const QRectF& target,
                   const QColor& background) {
    painter.save();
    painter.fillRect(target, background);
    painter.setClipRect(target);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const double sx = target.width() / StatTestPictureRect.width;
    const double sy = target.height() / StatTestPictureRect.height;
    const auto device = [&](QPointF twips) {
        return QPointF(target.left() + twips.x() * sx, target.top() + twips.y() * sy);
    };
    QPen pen;
    pen.setWidthF(std::max(1.0, StatTestLineTwips * sy)); // all lines are horizontal
    pen.setCapStyle(Qt::FlatCap);
    for (const StatTestLine& l : graph.lines) {
        const QLineF t = graph.lineTwips(l);
        pen.setColor(l.colour);
        painter.setPen(pen);
        painter.drawLine(QLineF(device(t.p1()), device(t.p2())));
    }
    painter.restore();
}

StatTestPicture::StatTestPicture(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
}

void StatTestPicture::setGraph(const StatTestGraph& graph) {
    graph_ = graph;
    update();
}

QSize StatTestPicture::sizeHint() const {
    return twipsSize(StatTestPictureRect.width, StatTestPictureRect.height);
}

QColor StatTestPicture::background() const {
    return palette().color(QPalette::Button);
}

void StatTestPicture::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    if (graph_)
        paintStatTest(painter, *graph_, contentsRect(), background());
    else
        painter.fillRect(contentsRect(), background());
}

namespace {

void setSwatch(QLabel* label, const QColor& colour) {
    if (!label)
        return;
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, colour);
    label->setPalette(pal);
    label->setAutoFillBackground(true);
}

} // namespace

StatTestLimits StatTestPage::limits() const {
    return statTestLimits(txtEstimatedValue->text(), txtBound->text());
}

void GraphStatTest(StatTestWindow window, const StatTestInputs& in, const StatTestPage& page,
                   const std::function<void(const QString&)>& setStatus) {
    const QString tag = window == StatTestWindow::Log ? logProcedure(u"GraphStatTest"_s)
                                                      : snagProcedure(u"GraphStatTest"_s);
    trapped(prompts(), tag, [&] {
        setSwatch(page.lblTargetValue, TargetColour);
        setSwatch(page.lblEstimatedValue, EstimateColour);
        setSwatch(page.lblUpperLimit, LimitColour);
        const StatTestGraph graph = computeStatTest(in, window);
        const std::array<QLabel*, 5> scale{page.lblStat100, page.lblStat75, page.lblStat50,
                                           page.lblStat25, page.lblStatMinus25};
        for (std::size_t i = 0; i < scale.size(); ++i)
            if (scale[i])
                scale[i]->setText(graph.labels[i]);
        if (page.picStatTest)
            page.picStatTest->setGraph(graph);
        if (setStatus)
            setStatus(u"Status: Statistics Graphed"_s);
    });
}

} // namespace vernalt
