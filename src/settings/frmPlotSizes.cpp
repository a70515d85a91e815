#include "settings/frmPlotSizes.h"

#include "platform/accessibility.h"
#include "platform/errors.h"
#include "platform/prompts.h"
#include "platform/twips.h"
#include "platform/value.h"
#include "settings/reference_rows.h"
#include "settings/size_boxes.h"
#include "shell/app_windows.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

namespace vernalt {

using namespace Qt::StringLiterals;

namespace {

const QString Table = u"PlotSizes"_s;
constexpr int MetricSystem = 0;
constexpr int EnglishSystem = 1;
const std::array<QString, 2> Measurement{u"Metric"_s, u"English"_s};

// Rows of the labels and boxes in the length and width frames, in twips.
constexpr std::array<int, 4> RowTop{360, 720, 1080, 1440};

// What "Restore Defaults" puts in, by level or width level: [0] metric, [1] English.
constexpr std::array<std::array<const char16_t*, 4>, 2> DefaultLengths{
    {{u"12.5", u"25", u"50", u"100"}, {u"50", u"100", u"200", u"400"}}};
constexpr std::array<std::array<const char16_t*, 4>, 2> DefaultWidths{
    {{u"10", u"20", u"30", u"40"}, {u"33", u"66", u"99", u"132"}}};

} // namespace

frmPlotSizes::frmPlotSizes() : SizesDialog(u"Plot Sizes"_s, 5685, 4830) {
    Frame1 = new QGroupBox(u"Length - Metric"_s, this);
    Frame2 = new QGroupBox(u"Length - English"_s, this);
    Frame3 = new QGroupBox(u"Width - Metric"_s, this);
    Frame4 = new QGroupBox(u"Width - English"_s, this);
    placeTwips(Frame1, 120, 120, 2655, 1935);
    placeTwips(Frame2, 2880, 120, 2655, 1935);
    placeTwips(Frame3, 120, 2160, 2655, 1935);
    placeTwips(Frame4, 2880, 2160, 2655, 1935);

    lengths_[MetricSystem] = {txtSubsegmentMetricLength = new QLineEdit(Frame1),
                              txtSegmentMetricLength = new QLineEdit(Frame1),
                              txtSectionMetricLength = new QLineEdit(Frame1),
                              txtTransectMetricLength = new QLineEdit(Frame1)};
    lengths_[EnglishSystem] = {txtSubsegmentEnglishLength = new QLineEdit(Frame2),
                               txtSegmentEnglishLength = new QLineEdit(Frame2),
                               txtSectionEnglishLength = new QLineEdit(Frame2),
                               txtTransectEnglishLength = new QLineEdit(Frame2)};
    widths_[MetricSystem] = {txtSubsegmentMetricWidth = new QLineEdit(Frame3),
                             txtSegmentMetricWidth = new QLineEdit(Frame3),
                             txtSectionMetricWidth = new QLineEdit(Frame3),
                             txtTransectMetricWidth = new QLineEdit(Frame3)};
    widths_[EnglishSystem] = {txtSubsegmentEnglishWidth = new QLineEdit(Frame4),
                              txtSegmentEnglishWidth = new QLineEdit(Frame4),
                              txtSectionEnglishWidth = new QLineEdit(Frame4),
                              txtTransectEnglishWidth = new QLineEdit(Frame4)};
    buildLengthFrame(Frame1, 0, lengths_[MetricSystem]);
    buildLengthFrame(Frame2, 4, lengths_[EnglishSystem]);
    buildLengthFrame(Frame3, 8, widths_[MetricSystem]);
    buildLengthFrame(Frame4, 12, widths_[EnglishSystem]);

    frmMetric = new QGroupBox(u"Metric Plot Area"_s, this);
    frmEnglish = new QGroupBox(u"English Plot Area"_s, this);
    placeTwips(frmMetric, 6000, 120, 2775, 4215);
    placeTwips(frmEnglish, 8760, 120, 2775, 4215);
    buildAreaFrame(frmMetric, lblMetricArea, txtMetricLength, MetricSystem);
    buildAreaFrame(frmEnglish, lblEnglishArea, txtEnglishLength, EnglishSystem);
    areas_ = {&txtMetricLength, &txtEnglishLength};
    // Out of sight beyond the right edge: hidden, so that no screen reader
    // reports them as shown.
    frmMetric->hide();
    frmEnglish->hide();

    cmdDefaults = new QPushButton(u"Restore Defaults"_s, this);
    cmdOK = new QPushButton(u"OK"_s, this);
    cmdCancel = new QPushButton(u"Cancel"_s, this);
    placeTwips(cmdDefaults, 120, 4320, 1455, 375);
    placeTwips(cmdOK, 2880, 4320, 1215, 375);
    placeTwips(cmdCancel, 4320, 4320, 1215, 375);

    // Tab order: metric lengths, English lengths, metric widths, English widths,
    // then the buttons from left to right.
    QWidget* previous = nullptr;
    auto chain = [&previous](QWidget* next) {
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    };
    for (const auto& boxes : {lengths_[MetricSystem], lengths_[EnglishSystem],
                              widths_[MetricSystem], widths_[EnglishSystem]})
        for (QLineEdit* box : boxes)
            chain(box);
    chain(cmdDefaults);
    chain(cmdOK);
    chain(cmdCancel);
    setDefaultButton(cmdOK);

    connect(cmdDefaults, &QPushButton::clicked, this, &frmPlotSizes::cmdDefaults_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmPlotSizes::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmPlotSizes::cmdCancel_Click);

    nameInputBoxes(this); // "Subsegment, Length - Metric"...
    trackWindow(this);
    Form_Load();
}

void frmPlotSizes::buildLengthFrame(QGroupBox* frame, int labelBase,
                                    const std::array<QLineEdit*, 4>& boxes) {
    for (int row = 0; row < 4; ++row) {
        QLabel* label = new QLabel(QString::fromUtf16(SamplingLevelNames[row]), frame);
        Label1[labelBase + row] = label;
        placeTwips(label, 120, RowTop[row], 1095, 285);
        placeTwips(boxes[row], 1320, RowTop[row], 1095, 285);
        setCaption(label, boxes[row]);
    }
}

void frmPlotSizes::buildAreaFrame(QGroupBox* frame, std::array<QLabel*, 16>& labels,
                                  std::array<QLineEdit*, 16>& boxes, int system) {
    for (int p = 0; p < 16; ++p) {
        // Fixed captions: the names the default widths give.
        const QString name = QString::fromUtf16(SamplingLevelNames[p / 4]) +
                             QString::fromUtf16(DefaultWidths[system][p % 4]);
        labels[p] = new QLabel(name, frame);
        boxes[p] = new QLineEdit(frame);
        boxes[p]->setFocusPolicy(Qt::NoFocus); // not seen: never tabbed into
        placeTwips(labels[p], 120, 240 + 240 * p, 1215, 255);
        placeTwips(boxes[p], 1440, 240 + 240 * p, 1215, 285);
        setCaption(labels[p], boxes[p]);
    }
}

void frmPlotSizes::Form_Load() {
    try {
        for (int system : {MetricSystem, EnglishSystem})
            for (const ReferenceRow& row :
                 readReferenceRows(Table, Measurement[system], 15, true)) {
                (*areas_[system])[row.index]->setText(row.plotSize);
                if (row.index < 4)
                    widths_[system][row.index]->setText(row.width);
            }
    } catch (const RuntimeError& e) {
        reportDatabaseError(e, tag(u"Form_Load"_s)); // the window opens with what it read
    }
    // Lengths: area of the first-width plot of each level over the first width.
    for (int system : {MetricSystem, EnglishSystem})
        for (int level = 0; level < 4; ++level)
            lengths_[system][level]->setText(derivedLengthText((*areas_[system])[4 * level]->text(),
                                                               widths_[system][0]->text()));
}

// area of plot dimension 4 x level + width level = width x length
void frmPlotSizes::ComputePlotAreas() {
    for (int system : {EnglishSystem, MetricSystem})
        for (int level = 0; level < 4; ++level)
            for (int w = 0; w < 4; ++w)
                (*areas_[system])[4 * level + w]->setText(numberText(
                    plotArea(widths_[system][w]->text(), lengths_[system][level]->text())));
}

void frmPlotSizes::cmdDefaults_Click() {
    for (int level = 0; level < 4; ++level)
        lengths_[MetricSystem][level]->setText(
            QString::fromUtf16(DefaultLengths[MetricSystem][level]));
    for (int w = 0; w < 4; ++w)
        widths_[MetricSystem][w]->setText(QString::fromUtf16(DefaultWidths[MetricSystem][w]));
    for (int level = 0; level < 4; ++level)
        lengths_[EnglishSystem][level]->setText(
            QString::fromUtf16(DefaultLengths[EnglishSystem][level]));
    for (int w = 0; w < 4; ++w)
        widths_[EnglishSystem][w]->setText(QString::fromUtf16(DefaultWidths[EnglishSystem][w]));
}

// Every area, width x length, must be a finite number to be written.
bool frmPlotSizes::checkAreas() {
    for (int system : {MetricSystem, EnglishSystem})
        for (int p = 0; p < 16; ++p)
            if (!std::isfinite(
                    plotArea(widths_[system][p % 4]->text(), lengths_[system][p / 4]->text()))) {
                const QLabel* label = (system == MetricSystem ? lblMetricArea : lblEnglishArea)[p];
                const QGroupBox* frame = system == MetricSystem ? frmMetric : frmEnglish;
                prompts().message(label->text() + u" ("_s + frame->title() + u") is too large."_s,
                                  u"Plot Sizes"_s, MsgIcon::Exclamation);
                return false;
            }
    return true;
}

void frmPlotSizes::cmdOK_Click() {
    // Lengths, then widths; metric, then English.
    std::vector<NamedBox> boxes;
    for (const auto& [frame, txt] : {std::pair(Frame1, &lengths_[MetricSystem]),
                                     {Frame2, &lengths_[EnglishSystem]},
                                     {Frame3, &widths_[MetricSystem]},
                                     {Frame4, &widths_[EnglishSystem]}})
        for (int row = 0; row < 4; ++row)
            boxes.push_back({(*txt)[row], QString::fromUtf16(SamplingLevelNames[row]) + u" ("_s +
                                              frame->title() + u")"_s});
    if (!checkBoxes(boxes) || !checkAreas())
        return;
    ComputePlotAreas();
    const bool written = writeAll([this] {
        for (int system : {MetricSystem, EnglishSystem})
            for (int p = 0; p < 16; ++p)
                writeReferenceRow(Table, Measurement[system], p,
                                  toDouble((*areas_[system])[p]->text()),
                                  toDouble(widths_[system][p % 4]->text()));
    });
    if (!written)
        return;
    // The snag window may have been closed meanwhile: then there is nobody to tell.
    if (SnagWindowApi* snag = snagWindow())
        trapped(prompts(), tag(u"cmdOK_Click"_s), [snag] { snag->UpdateDimensionLabels(); });
    close();
}

void frmPlotSizes::cmdCancel_Click() {
    close();
}

} // namespace vernalt
