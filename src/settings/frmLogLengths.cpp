#include "settings/frmLogLengths.h"

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

namespace vernalt {

using namespace Qt::StringLiterals;

namespace {

const QString Table = u"LogLengths"_s;
const QString Metric = u"Metric"_s;
const QString English = u"English"_s;

// Rows of the boxes and labels inside a frame, in twips.
constexpr std::array<int, 4> RowTop{360, 720, 1080, 1440};

} // namespace

frmLogLengths::frmLogLengths() : SizesDialog(u"Log Lengths"_s, 5895, 2745) {
    frmMetric = new QGroupBox(u"Metric"_s, this);
    frmEnglish = new QGroupBox(u"English"_s, this);
    placeTwips(frmMetric, 120, 120, 2775, 1935);
    placeTwips(frmEnglish, 3000, 120, 2775, 1935);

    for (int level = 0; level < 4; ++level) {
        const QString name = QString::fromUtf16(SamplingLevelNames[level]);
        Label1[level] = new QLabel(name, frmMetric);
        Label1[level + 4] = new QLabel(name, frmEnglish);
        placeTwips(Label1[level], 240, RowTop[level], 1095, 255);
        placeTwips(Label1[level + 4], 240, RowTop[level], 1095, 255);
        txtMetric[level] = new QLineEdit(frmMetric);
        txtEnglish[level] = new QLineEdit(frmEnglish);
        placeTwips(txtMetric[level], 1440, RowTop[level], 1215, 285);
        placeTwips(txtEnglish[level], 1440, RowTop[level], 1215, 285);
        setCaption(Label1[level], txtMetric[level]);
        setCaption(Label1[level + 4], txtEnglish[level]);
    }

    cmdOK = new QPushButton(u"OK"_s, this);
    cmdCancel = new QPushButton(u"Cancel"_s, this);
    placeTwips(cmdOK, 3240, 2160, 1215, 495);
    placeTwips(cmdCancel, 4560, 2160, 1215, 495);

    // Tab order: metric boxes top to bottom, English boxes, OK, Cancel.
    QWidget* previous = txtMetric[0];
    auto chain = [&previous](QWidget* next) {
        setTabOrder(previous, next);
        previous = next;
    };
    for (int level = 1; level < 4; ++level)
        chain(txtMetric[level]);
    for (int level = 0; level < 4; ++level)
        chain(txtEnglish[level]);
    chain(cmdOK);
    chain(cmdCancel);
    setDefaultButton(cmdOK);

    connect(cmdOK, &QPushButton::clicked, this, &frmLogLengths::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmLogLengths::cmdCancel_Click);

    nameInputBoxes(this); // "Subsegment, Metric"...
    trackWindow(this);
    Form_Load();
}

void frmLogLengths::Form_Load() {
    try {
        for (const ReferenceRow& row : readReferenceRows(Table, Metric, 3, false))
            txtMetric[row.index]->setText(row.plotSize);
        for (const ReferenceRow& row : readReferenceRows(Table, English, 3, false))
            txtEnglish[row.index]->setText(row.plotSize);
    } catch (const RuntimeError& e) {
        reportDatabaseError(e, tag(u"Form_Load"_s)); // the window opens with what it read
    }
}

void frmLogLengths::cmdOK_Click() {
    std::vector<NamedBox> boxes;
    for (const auto& [system, txt] : {std::pair(&Metric, &txtMetric), {&English, &txtEnglish}})
        for (int level = 0; level < 4; ++level)
            boxes.push_back({(*txt)[level], QString::fromUtf16(SamplingLevelNames[level]) +
                                                u" ("_s + *system + u")"_s});
    const bool written = checkBoxes(boxes) && writeAll([&boxes] {
                             for (std::size_t i = 0; i < boxes.size(); ++i)
                                 writeReferenceRow(Table, i < 4 ? Metric : English, int(i % 4),
                                                   toDouble(boxes[i].box->text()));
                         });
    if (!written)
        return;
    // The log window may have been closed meanwhile: then there is nobody to tell.
    if (LogWindowApi* log = logWindow())
        trapped(prompts(), tag(u"cmdOK_Click"_s), [log] { log->SetTransectLengths(); });
    close();
}

void frmLogLengths::cmdCancel_Click() {
    close();
}

} // namespace vernalt
