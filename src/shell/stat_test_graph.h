// The statistical-test graph of both analysis windows: the target value (red),
// the estimate (blue) and its upper and lower limits (green) as horizontal
// lines over a vertical scale chosen from the largest of the four, with a black
// zero line and, in the snag window, white lines at the five scale labels.
//
// computeStatTest() works out everything from the four texts (no widget);
// paintStatTest() paints the result on any device (image, widget, printer);
// StatTestPicture is the picture box a window shows it in; StatTestPage holds
// the controls of the "Statistical Test" page that both windows have, and
// GraphStatTest() does the whole redraw of that page.
#pragma once

#include <QColor>
#include <QFrame>
#include <QLineF>
#include <QRectF>
#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QPainter;

namespace vernalt {

enum class StatTestWindow { Log, Snag };

// The colours of the four values (also the legend swatches lblTargetValue,
// lblEstimatedValue and lblUpperLimit).
inline const QColor TargetColour{255, 0, 0};
inline const QColor EstimateColour{0, 0, 255};
inline const QColor LimitColour{0, 255, 0};

// Layout of the graph on the page, in twips (left, top, width, height).
struct TwipsRect {
    int left, top, width, height;
};
inline constexpr TwipsRect StatTestPictureRect{2040, 1560, 4815, 4815}; // picStatTest
// lblStat100, lblStat75, lblStat50, lblStat25, lblStat0, lblStatMinus25: 956 twips apart.
inline constexpr std::array<TwipsRect, 6> StatTestLabelRects{{{1560, 1490, 375, 255},
                                                              {1560, 2446, 375, 255},
                                                              {1560, 3402, 375, 255},
                                                              {1560, 4358, 375, 255},
                                                              {1560, 5314, 375, 255},
                                                              {1560, 6270, 375, 255}}};
// Line width of every line: 2 pixels at 96 dots per inch.
inline constexpr double StatTestLineTwips = 30;

// The four texts the graph is drawn from. Snag window: txtTargetValue,
// txtEstimatedValue, txtUpperLimit, txtLowerLimit; log window: txtTargetValue,
// txtEstimatedValue and the captions of lblStatTestUpperLimit, lblStatTestLowerLimit.
struct StatTestInputs {
    QString target, estimate, upper, lower;
};

// One line of the graph, in the picture's scale units: x runs from 1 (left
// edge) to 100 (right edge), y from `bottom` (bottom edge) up to `top`.
struct StatTestLine {
    QLineF line;
    QColor colour;
};

struct StatTestGraph {
    double maximum = 0;  // M, the largest of the four values that are numbers (0 if none)
    int scale = 100;     // S, the value at the top of the scale in the user's units
    int multiplier = 10; // m: values are drawn at value x m (10 for a maximum up to 10)
    int top = 1000;      // S x m, the y of the top edge
    int bottom = -250;   // -floor(S x m / 4), the y of the bottom edge
    // Captions of lblStat100, lblStat75, lblStat50, lblStat25, lblStatMinus25.
    std::array<QString, 5> labels;
    // y of each value line (target, estimate, upper, lower); none when its text
    // is not a number, and then its line is missing.
    std::array<std::optional<double>, 4> valueY;
    // Every line in drawing order: the snag window's white level lines, the
    // black zero line, then 400 one-unit value segments that alternate so that
    // each value is on top in one unit of every four.
    std::vector<StatTestLine> lines;

    // A point in scale units as twips from the picture's top left corner.
    QPointF toTwips(QPointF scalePoint) const;
    // A line of the graph in twips inside the picture box.
    QLineF lineTwips(const StatTestLine& l) const;
};

// Works out the graph of the four texts for the log or the snag window.
StatTestGraph computeStatTest(const StatTestInputs& in, StatTestWindow window);

// The value S at the top of the scale and the multiplier m for a maximum M.
struct StatTestScale {
    int scale;
    int multiplier;
};
StatTestScale statTestScale(double maximum);

// The limits texts that the bound, estimate and target handlers write before
// redrawing: estimate + bound and estimate - bound, each text read through
// CleanRoundOrZero; "12.345" and "1.234" give "13.53" and "11.07".
struct StatTestLimits {
    QString upper, lower;
};
StatTestLimits statTestLimits(const QString& estimate, const QString& bound);

// Paints the picture box's contents into `target` (device coordinates):
// background, then the lines. The scale fills the rectangle; line widths scale
// with it from the picture box's 4815 twips, so the result is crisp at any size.
void paintStatTest(QPainter& painter, const StatTestGraph& graph, const QRectF& target,
                   const QColor& background);

// The picture box `picStatTest`: keeps the last graph and paints it to its size.
// Before the first graph it shows its background only.
class StatTestPicture : public QFrame {
    Q_OBJECT
  public:
    explicit StatTestPicture(QWidget* parent = nullptr);
    void setGraph(const StatTestGraph& graph);
    const std::optional<StatTestGraph>& graph() const { return graph_; }
    QSize sizeHint() const override;
    // The colour behind the lines (the window's button face by default).
    QColor background() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::optional<StatTestGraph> graph_;
};

// The controls of the "Statistical Test" page that both analysis windows have.
// The windows derive from it, so these are the windows' own members
// (w->txtBound). The limits are not here: the snag window shows them in the
// boxes txtUpperLimit and txtLowerLimit, the log window in the labels
// lblStatTestUpperLimit and lblStatTestLowerLimit.
struct StatTestPage {
    StatTestPicture* picStatTest = nullptr; // the graph
    QLineEdit* txtTargetValue = nullptr;
    QLineEdit* txtEstimatedValue = nullptr;
    QLineEdit* txtBound = nullptr;
    QLabel* lblTargetValue = nullptr; // legend swatches
    QLabel* lblEstimatedValue = nullptr;
    QLabel* lblUpperLimit = nullptr;
    QLabel* lblStat100 = nullptr; // scale labels
    QLabel* lblStat75 = nullptr;
    QLabel* lblStat50 = nullptr;
    QLabel* lblStat25 = nullptr;
    QLabel* lblStat0 = nullptr;
    QLabel* lblStatMinus25 = nullptr;
    QLabel* lblStatY = nullptr; // title of the vertical axis

    // The limits of the estimate box plus and minus the bound box.
    StatTestLimits limits() const;
};

// Redraws the page: legend colours, scale labels, picture, and the status
// "Status: Statistics Graphed" through `setStatus`. A value that is not a number
// leaves its line out without a message. Any other run-time error shows the
// common error report with " - Log Procedure 'GraphStatTest'" or
// " - Snag Procedure 'GraphStatTest'". Null controls are left alone.
// Inside a window, whose own procedure is named GraphStatTest, call it as
// vernalt::GraphStatTest(...), since the member hides it.
void GraphStatTest(StatTestWindow window, const StatTestInputs& in, const StatTestPage& page,
                   const std::function<void(const QString&)>& setStatus);

} // namespace vernalt
